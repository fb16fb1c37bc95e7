#include "Format.h"

#include "SysConsts.h"
#include "SysUtils.h"
#include "Text.h"

#include <cctype>
#include <optional>

namespace {

struct Spec {
    bool leftAlign = false;
    size_t width = 0;
    std::optional<size_t> precision;
    char type = 0;
};

[[noreturn]] void BadFormat(std::string_view format) {
    throw EConvertError(sysconsts::FillIn(sysconsts::InvalidFormat, format));
}

size_t ReadNumber(std::string_view format, size_t& i) {
    size_t value = 0;
    while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) {
        value = value * 10 + static_cast<size_t>(format[i] - '0');
        if (value > 4096) BadFormat(format);
        ++i;
    }
    return value;
}

Spec ReadSpec(std::string_view format, size_t& i) {
    Spec spec;
    if (i < format.size() && format[i] == '-') {
        spec.leftAlign = true;
        ++i;
    }
    spec.width = ReadNumber(format, i);
    if (i < format.size() && format[i] == '.') {
        ++i;
        spec.precision = ReadNumber(format, i);
    }
    if (i >= format.size()) BadFormat(format);
    spec.type = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i++])));
    return spec;
}

std::string Render(const Spec& spec, const Variant& arg, std::string_view format) {
    std::string text;
    if (spec.type == 's') {
        text = arg.AsString();
        if (spec.precision) text = Utf8Left(text, *spec.precision);
    } else if (spec.type == 'd') {
        if (arg.Type() != VarType::Integer) BadFormat(format);
        text = std::to_string(arg.AsInteger());
    } else {
        BadFormat(format);
    }
    size_t length = Utf8Length(text);
    if (length < spec.width) {
        std::string padding(spec.width - length, ' ');
        text = spec.leftAlign ? text + padding : padding + text;
    }
    return text;
}

}  // namespace

std::string Format(std::string_view format, const std::vector<Variant>& args) {
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < format.size();) {
        if (format[i] != '%') {
            out += format[i++];
            continue;
        }
        ++i;
        if (i < format.size() && format[i] == '%') {
            out += '%';
            ++i;
            continue;
        }
        Spec spec = ReadSpec(format, i);
        if (next >= args.size()) BadFormat(format);
        out += Render(spec, args[next++], format);
    }
    return out;
}
