#pragma once
// Locale settings for dates, and the date routines that read them. The process has one current
// set, `FormatSettings`, which the host's session fills at start (Brazilian Portuguese unless
// told otherwise); tests pin it.
#include "DateTime.h"

#include <array>
#include <string>
#include <string_view>

struct TFormatSettings {
    std::string ShortDateFormat = "dd/mm/yyyy";
    char DateSeparator = '/';
    std::array<std::string, 7> ShortDayNames;  // Sunday first
    std::array<std::string, 7> LongDayNames;
    std::array<std::string, 12> ShortMonthNames;
    std::array<std::string, 12> LongMonthNames;

    static TFormatSettings BrazilianPortuguese();
    static TFormatSettings English();
};

extern TFormatSettings FormatSettings;

// Specifiers: d dd ddd dddd ddddd (short date), m mm mmm mmmm, yy yyyy, '/' as the date
// separator, text in single or double quotes copied as it stands. Case-insensitive.
std::string FormatDateTime(std::string_view format, TDateTime date,
                           const TFormatSettings& settings = FormatSettings);
std::string DateToStr(TDateTime date, const TFormatSettings& settings = FormatSettings);
// Parses a date in the short date format's day, month and year order; EConvertError on bad text.
TDateTime StrToDate(std::string_view text, const TFormatSettings& settings = FormatSettings);
bool TryStrToDate(std::string_view text, TDateTime& date, const TFormatSettings& settings = FormatSettings);
