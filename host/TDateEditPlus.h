#pragma once
// An edit for one date, typed in the session's short date format ("dd/mm/yyyy"): digits and
// the date separator only, at most ten characters. The edit keeps whole days only.
//
// Reading: Date() is the date the text stands for, or 0 (the platform's "no date") when the
// text is empty or no valid date; the year must be written with two or four digits. PrimDia()
// is the first day the edit stands for: the shown date itself, as a whole day (0 when none);
// the edit always holds single days, so this is the day a period chosen with it starts on.
//
// CheckValidDate() (run it when the user leaves the edit) settles the text: an empty text stays
// empty; a valid date is rewritten in the short date format; anything else shows "Data inválida."
// in an error box and puts back the last valid date the edit held (or clears it), without
// aborting, so that the caller's next steps see a valid date or none.
//
// A valid date is shown in ValidDateColor, anything else in the colour the font had when the
// edit was created.
#include "DateTime.h"
#include "TEdit.h"

#include <array>
#include <string>

class TDateEditPlus : public TEdit {
public:
    explicit TDateEditPlus(TComponent* owner);

    TDateTime Date() const;
    // Shows the date (time dropped) in the short date format; a date of 0 clears the text.
    void SetDate(TDateTime date);
    TDateTime PrimDia() const { return Date(); }
    bool DateValid() const;
    void CheckValidDate();

    // The edit's own weekday names, Sunday first (the platform's short names unless set), and
    // the name of the shown date's weekday in them ("" without a date).
    std::array<std::string, 7> DayNames;
    std::string WeekdayName() const;

    TColor ValidDateColor() const { return validColor_; }
    void SetValidDateColor(TColor color);

    void SetText(std::string text) override;

protected:
    bool AcceptsTyping(const std::string& text) const override;

private:
    void Recolour();

    TColor plainColor_;
    TColor validColor_ = clWindowText;
    TDateTime lastValid_;
};
