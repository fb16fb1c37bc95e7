#pragma once
// Texts of the refusals the server answers with. Where the screen's catalogue has a text for the
// case, the server uses the same words so the user reads one vocabulary.
#include <initializer_list>
#include <string>
#include <string_view>

namespace appserver::messages {

inline constexpr const char* kFileRequired = "Arquivo origem deve ser informado.";
inline constexpr const char* kFileMissing = "Arquivo não existe.";
inline constexpr const char* kFileOutsideRoots =
    "Arquivo fora das pastas de importação do servidor: %s";
inline constexpr const char* kFileInvalid = "Arquivo de integração inválido: %s";
inline constexpr const char* kBranchMissing = "Filial não cadastrada.";
inline constexpr const char* kBranchRescinded = "Filial com contrato rescindido.";
inline constexpr const char* kBranchIsOrigin =
    "A filial destino é a própria filial de origem do arquivo.";
inline constexpr const char* kDishMissing =
    "Operação bloqueada. Não existe o prato \"%s\" na filial %s. Realize a exportação da árvore de pratos "
    "da filial %s antes de importar o cardápio (módulo Administrador / Integração / Importação de Dados / "
    "Cadastros / Prato).";
inline constexpr const char* kNoDishes = "Cardápios exportados não possuem pratos.";
inline constexpr const char* kHospitalWithoutDiet =
    "É necessária a existência de pelo menos uma dieta para serviços hospitalares.";
inline constexpr const char* kWithdrawalInPeriod =
    "Operação bloqueada. Não é possível sobrepor cardápios havendo retiradas para o mesmo período.";

// The text with each "%s" replaced by the next value, in order.
inline std::string Fill(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string result;
    auto value = values.begin();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == 's' && value != values.end()) {
            result += *value++;
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace appserver::messages
