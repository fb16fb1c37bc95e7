#include "TDateEditPlus.h"

#include "ErrorReporting.h"
#include "FormatSettings.h"

#include <algorithm>

namespace {

constexpr int kDateLength = 10;

// The year written in full or in two digits: "03/03/202" is a date still being typed, not one in
// the year 202.
bool YearWritten(const std::string& text) {
    const size_t digits = text.size() - text.find_last_of(FormatSettings.DateSeparator) - 1;
    return digits == 2 || digits == 4;
}

bool TryReadDate(const std::string& text, TDateTime& date) {
    return !text.empty() && YearWritten(text) && TryStrToDate(text, date) && date.Days() != 0;
}

}  // namespace

TDateEditPlus::TDateEditPlus(TComponent* owner)
    : TEdit(owner), DayNames(FormatSettings.ShortDayNames), plainColor_(Font().Color) {}

TDateTime TDateEditPlus::Date() const {
    TDateTime date;
    return TryReadDate(Text(), date) ? DateOf(date) : TDateTime();
}

void TDateEditPlus::SetDate(TDateTime date) { SetText(date.Days() == 0 ? std::string() : DateToStr(DateOf(date))); }

bool TDateEditPlus::DateValid() const { return Date().Days() != 0; }

void TDateEditPlus::CheckValidDate() {
    if (Text().empty()) return;
    TDateTime date;
    if (TryReadDate(Text(), date)) {
        SetDate(date);
        return;
    }
    SetDate(lastValid_);
    MensErro("Data inválida.", false);
}

std::string TDateEditPlus::WeekdayName() const {
    return DateValid() ? DayNames[DayOfWeek(Date()) - 1] : std::string();
}

void TDateEditPlus::SetValidDateColor(TColor color) {
    validColor_ = color;
    Recolour();
}

void TDateEditPlus::SetText(std::string text) {
    TDateTime date;
    if (TryReadDate(text, date)) lastValid_ = DateOf(date);
    TEdit::SetText(std::move(text));
    Recolour();
}

bool TDateEditPlus::AcceptsTyping(const std::string& text) const {
    return static_cast<int>(text.size()) <= kDateLength && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || c == FormatSettings.DateSeparator;
           });
}

void TDateEditPlus::Recolour() {
    TFont font = Font();
    font.Color = DateValid() ? validColor_ : plainColor_;
    if (!(font == Font())) SetFont(font);
}
