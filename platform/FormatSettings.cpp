#include "FormatSettings.h"

#include "SysConsts.h"
#include "SysUtils.h"

#include <cctype>
#include <cstdio>
#include <vector>

TFormatSettings FormatSettings = TFormatSettings::BrazilianPortuguese();

TFormatSettings TFormatSettings::BrazilianPortuguese() {
    TFormatSettings s;
    s.ShortDayNames = {"dom", "seg", "ter", "qua", "qui", "sex", "sáb"};
    s.LongDayNames = {"domingo", "segunda-feira", "terça-feira", "quarta-feira",
                      "quinta-feira", "sexta-feira", "sábado"};
    s.ShortMonthNames = {"jan", "fev", "mar", "abr", "mai", "jun", "jul", "ago", "set", "out", "nov", "dez"};
    s.LongMonthNames = {"janeiro", "fevereiro", "março", "abril", "maio", "junho",
                        "julho", "agosto", "setembro", "outubro", "novembro", "dezembro"};
    return s;
}

TFormatSettings TFormatSettings::English() {
    TFormatSettings s;
    s.ShortDateFormat = "mm/dd/yyyy";
    s.ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    s.LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    s.ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    s.LongMonthNames = {"January", "February", "March", "April", "May", "June",
                        "July", "August", "September", "October", "November", "December"};
    return s;
}

namespace {

std::string Padded(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

// Length of the run of the same letter (case-insensitive) starting at `at`.
size_t RunLength(std::string_view format, size_t at) {
    size_t end = at;
    while (end < format.size() && std::tolower(format[end]) == std::tolower(format[at])) ++end;
    return end - at;
}

std::string DaySpecifier(size_t count, TDateTime date, int day, const TFormatSettings& s) {
    switch (count) {
    case 1: return std::to_string(day);
    case 2: return Padded(day, 2);
    case 3: return s.ShortDayNames[DayOfWeek(date) - 1];
    case 4: return s.LongDayNames[DayOfWeek(date) - 1];
    default: return FormatDateTime(s.ShortDateFormat, date, s);
    }
}

std::string MonthSpecifier(size_t count, int month, const TFormatSettings& s) {
    switch (count) {
    case 1: return std::to_string(month);
    case 2: return Padded(month, 2);
    case 3: return s.ShortMonthNames[month - 1];
    default: return s.LongMonthNames[month - 1];
    }
}

}  // namespace

std::string FormatDateTime(std::string_view format, TDateTime date, const TFormatSettings& settings) {
    int year, month, day;
    DecodeDate(date, year, month, day);
    std::string out;
    size_t i = 0;
    while (i < format.size()) {
        char c = format[i];
        char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c == '\'' || c == '"') {
            size_t close = format.find(c, i + 1);
            if (close == std::string_view::npos) close = format.size();
            out.append(format.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        if (c == '/') {
            out += settings.DateSeparator;
            ++i;
            continue;
        }
        size_t count = RunLength(format, i);
        if (lower == 'd')
            out += DaySpecifier(count, date, day, settings);
        else if (lower == 'm')
            out += MonthSpecifier(count, month, settings);
        else if (lower == 'y')
            out += count <= 2 ? Padded(year % 100, 2) : Padded(year, 4);
        else
            out.append(format.substr(i, count));
        i += count;
    }
    return out;
}

std::string DateToStr(TDateTime date, const TFormatSettings& settings) {
    return FormatDateTime(settings.ShortDateFormat, date, settings);
}

bool TryStrToDate(std::string_view text, TDateTime& date, const TFormatSettings& settings) {
    std::vector<int> numbers;
    std::string current;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            if (current.size() >= 4) return false;
            current += c;
        } else if (c == settings.DateSeparator && !current.empty()) {
            numbers.push_back(std::stoi(current));
            current.clear();
        } else if (c != ' ' || !current.empty() || !numbers.empty()) {
            return false;
        }
    }
    if (current.empty()) return false;
    numbers.push_back(std::stoi(current));
    if (numbers.size() != 3) return false;

    // The order of day, month and year follows the short date format.
    int day = 0, month = 0, year = 0;
    size_t position = 0;
    char previous = 0;
    for (char c : settings.ShortDateFormat) {
        char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        int* slot = lower == 'd' ? &day : lower == 'm' ? &month : lower == 'y' ? &year : nullptr;
        if (slot && lower != previous && position < numbers.size()) *slot = numbers[position++];
        previous = lower;
    }
    if (year < 100) year += 2000;
    return TryEncodeDate(year, month, day, date);
}

TDateTime StrToDate(std::string_view text, const TFormatSettings& settings) {
    TDateTime date;
    if (!TryStrToDate(text, date, settings))
        throw EConvertError(sysconsts::FillIn(sysconsts::InvalidDate, text));
    return date;
}
