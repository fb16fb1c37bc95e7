#include "server/ExportaCardapioServer.h"

#include "ErrorReporting.h"
#include "TNetConnection.h"

namespace krd52200 {

namespace {

// An answer that does not fit is reported like a failed call: one error box, then the abort.
void Misfit(const std::string& method, const std::string& what) {
    MensErro("Resposta inesperada do servidor de aplicação para " + method + ": " + what + ".", true);
}

bool IsWhole(const Variant& value) { return value.Type() == VarType::Integer; }

}  // namespace

Variant ExportaCardapioServer::GetPesqServ(const std::string& branch) {
    const Variant payload = CheckResultServ(connection_.Call("GetPesqServ", {branch}), true, 0);
    if (!payload.IsPacket()) Misfit("GetPesqServ", "a lista de serviços não veio");
    return payload;
}

ExportSummary ExportaCardapioServer::ExportaCardapio(const std::string& branch, TDateTime firstDay,
                                                     TDateTime lastDay, const std::vector<std::string>& services,
                                                     const std::string& target) {
    Variant::Array codes(services.begin(), services.end());
    const Variant payload = CheckResultServ(
        connection_.Call("ExportaCardapio", {branch, firstDay, lastDay, Variant(std::move(codes)), target}), true, 0);
    if (payload.ArrayLength() < 7 || payload[0].StringPtr() == nullptr) Misfit("ExportaCardapio", "o resumo não veio");
    for (size_t count = 1; count <= 5; ++count)
        if (!IsWhole(payload[count])) Misfit("ExportaCardapio", "o resumo não veio");
    ExportSummary summary{static_cast<int>(payload[1].AsInteger()),
                          static_cast<int>(payload[2].AsInteger()),
                          static_cast<int>(payload[3].AsInteger()),
                          static_cast<int>(payload[4].AsInteger()),
                          static_cast<int>(payload[5].AsInteger()),
                          std::nullopt};
    if (const std::string* text = payload[6].StringPtr()) summary.text = *text;
    if (target.empty() && !summary.text) Misfit("ExportaCardapio", "o conteúdo do arquivo não veio");
    return summary;
}

}  // namespace krd52200
