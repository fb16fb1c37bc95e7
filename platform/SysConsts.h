#pragma once
// The runtime's conversion and file error texts, in one place, as the platform localized for the
// session's language (Brazilian Portuguese) words them: the user reads them in message boxes.
// "%s" stands for the value, filled with FillIn.
#include <string>
#include <string_view>

namespace sysconsts {
inline constexpr const char* InvalidInteger = "'%s' não é um valor inteiro válido";
inline constexpr const char* InvalidFloat = "'%s' não é um valor de ponto flutuante válido";
inline constexpr const char* InvalidDate = "'%s' não é uma data válida";
inline constexpr const char* InvalidBoolean = "'%s' não é um valor booleano válido";
inline constexpr const char* DateEncodeError = "Argumento inválido para codificação de data";
inline constexpr const char* InvalidFormat = "Formato '%s' inválido ou incompatível com o argumento";
inline constexpr const char* FileOpenError = "Não é possível abrir o arquivo \"%s\"";
inline constexpr const char* FileReadError = "Não é possível ler o arquivo \"%s\"";

// The text with its "%s" replaced by `value` (Format is not used: its own error comes from here).
inline std::string FillIn(std::string_view text, std::string_view value) {
    std::string result(text);
    if (const size_t at = result.find("%s"); at != std::string::npos) result.replace(at, 2, value);
    return result;
}
} // namespace sysconsts
