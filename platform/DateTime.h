#pragma once
// Dates as the platform keeps them: a count of days since 1899-12-30 (day 0), the fraction
// being the time of day. The screen works in whole days; the time part is kept only so that
// values coming from elsewhere round-trip unchanged.
#include <cstdint>
#include <compare>

struct TDateTime {
    double Value = 0;

    TDateTime() = default;
    explicit TDateTime(double value) : Value(value) {}

    int Days() const;  // whole days, the time of day dropped
    friend TDateTime operator+(TDateTime d, int days) { return TDateTime(d.Value + days); }
    friend TDateTime operator-(TDateTime d, int days) { return TDateTime(d.Value - days); }
    friend auto operator<=>(const TDateTime&, const TDateTime&) = default;
};

// Raises EConvertError for a day that does not exist in the Gregorian calendar.
TDateTime EncodeDate(int year, int month, int day);
// False (and nothing written) when the arguments name no real day.
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
void DecodeDate(TDateTime date, int& year, int& month, int& day);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime date);
// Today at midnight, local time.
TDateTime Date();
// Strips the time of day.
TDateTime DateOf(TDateTime date);
bool IsLeapYear(int year);
