#include "IntegraCardapioServer.h"

#include "server/ImportProgressDisplay.h"
#include "server/PayloadShape.h"

#include "ErrorReporting.h"
#include "FormatSettings.h"
#include "TNetConnection.h"

#include <optional>

namespace krd52100 {

namespace {

constexpr FieldType kText = FieldType::String;
constexpr FieldType kWhole = FieldType::Integer;

// The packets' fields as the screen's tables hold them.
const PacketLayout kDirectory{"o nome de arquivo lembrado", {{"CDPROGRAMA", kText}, {"DSDIRETORIO", kText}}};
const PacketLayout kParameters{"os parâmetros de integração", {{"IDMODMATRIZFILI", kText}}};
const PacketLayout kServiceList{"a lista de serviços", {{"CDSERVFILI", kText}, {"NMSERVICO", kText}}};
const PacketLayout kDietList{"a lista de dietas", {{"CDDIETPAD", kText}, {"DSDIETPAD", kText}}};
// The diet lookup narrows the list to the branch and service of the row.
const PacketLayout kServiceDietList{
    "a lista de dietas do serviço",
    {{"CDDIETPAD", kText}, {"DSDIETPAD", kText}, {"CDFILIAL", kText}, {"CDSERVFILI", kText}}};
const PacketLayout kDishTypeList{"a lista de tipos de prato", {{"CDTIPOPRAT", kText}, {"NMTIPOPRAT", kText}}};

// The load's six tables, in the order of the exchange result. The three mapping tables go back
// to the server whole on the import, so every field of theirs counts.
const std::vector<PacketLayout> kLoadTables{
    {"a tabela de serviços",
     {{"CDSERVFILIORIG", kText}, {"CDSERVFILIDEST", kText}, {"NMSERVICOORIG", kText}, {"NMSERVICODEST", kText}}},
    {"a tabela de dietas",
     {{"CDSERVORIG", kText},
      {"CDDIETORIG", kText},
      {"DSDIETORIG", kText},
      {"CDSERVDEST", kText},
      {"CDDIETDEST", kText},
      {"DSDIETDEST", kText}}},
    {"a tabela de tipos de prato",
     {{"CDSERVORIG", kText},
      {"CDTIPOORIG", kText},
      {"NRSEQORIG", kWhole},
      {"NRORDORIG", kWhole},
      {"NMTIPOORIG", kText},
      {"IDOPCORIG", kText},
      {"CDSERVDEST", kText},
      {"CDTIPODEST", kText},
      {"NRSEQDEST", kWhole},
      {"NRORDDEST", kWhole},
      {"NMTIPODEST", kText},
      {"IDIMPORTAR", kText}}},
    {"a tabela de serviços exportados", {{"CDSERVFILI", kText}, {"NMSERVICO", kText}}},
    {"a tabela de dietas exportadas", {{"CDDIETPAD", kText}, {"DSDIETPAD", kText}, {"CDSERVFILI", kText}}},
    {"a tabela de tipos de prato exportados",
     {{"CDSERVFILI", kText}, {"CDTIPOPRAT", kText}, {"NMTIPOPRAT", kText}, {"IDOPCCNFMES", kText}}},
};

// A payload that does not fit is reported like a failed call: one error box, then the abort that
// ends the handler before any table takes it.
const Variant& Fitting(const Variant& payload, const std::string& method, const std::string& misfit) {
    if (!misfit.empty())
        MensErro("Resposta inesperada do servidor de aplicação para " + method + ": " + misfit + ".", true);
    return payload;
}

}  // namespace

Variant IntegraCardapioServer::Call(const std::string& method, Variant::Array args) {
    return CheckResultServ(connection_.Call(method, std::move(args)), true, 0);
}

Variant IntegraCardapioServer::CallForPacket(const std::string& method, Variant::Array args,
                                             const PacketLayout& layout) {
    const Variant payload = Call(method, std::move(args));
    return Fitting(payload, method, PacketMisfit(payload, layout));
}

Variant IntegraCardapioServer::GetDiretorio() { return CallForPacket("GetDiretorio", {}, kDirectory); }

Variant IntegraCardapioServer::GetParamIntegra() { return CallForPacket("GetParamIntegra", {}, kParameters); }

void IntegraCardapioServer::SetDiretorio(const Variant& directoryDelta) { Call("SetDiretorio", {directoryDelta}); }

Variant IntegraCardapioServer::ImportaCardapio(const std::string& fileName, const std::string& operatorCode,
                                               const std::string& branch, const Variant& services,
                                               const Variant& diets, const Variant& dishTypes) {
    const bool load = services.IsNull();
    std::optional<ImportProgressDisplay> progress;
    if (!load) progress.emplace(connection_, branch);
    const Variant result = Call("ImportaCardapio", {fileName, operatorCode, branch, services, diets, dishTypes});
    return Fitting(result, "ImportaCardapio", ExchangeMisfit(result, load ? kLoadTables : std::vector<PacketLayout>{}));
}

Variant IntegraCardapioServer::GetVd_Serv(const std::string& branch, const std::string& service,
                                          const std::string& diet, const std::string& scope,
                                          const std::string& moduleAcronym) {
    const Variant payload = Call("GetVd_Serv", {branch, service, diet, scope, moduleAcronym});
    return Fitting(payload, "GetVd_Serv", PacketListMisfit(payload, {kServiceList, kDietList}));
}

Variant IntegraCardapioServer::GetPesqServ(const std::string& branch) {
    return CallForPacket("GetPesqServ", {branch}, kServiceList);
}

Variant IntegraCardapioServer::GetVd_DietaDestino(const std::string& branch, const std::string& service,
                                                  const std::string& diet, const std::string& scope) {
    return CallForPacket("GetVd_DietaDestino", {branch, service, diet, scope}, kServiceDietList);
}

Variant IntegraCardapioServer::GetVd_TipoPratOrig(const std::string& branch, const std::string& service,
                                                  const std::string& diet, TDateTime day) {
    const std::string scope = "X" + FormatDateTime("yyyy-mm-dd", day);
    return CallForPacket("GetVd_TipoPratOrig", {branch, service, diet, scope}, kDishTypeList);
}

Variant IntegraCardapioServer::GetPesqTipoPrat(const std::string& branch, const std::string& service,
                                               TDateTime day) {
    return CallForPacket("GetPesqTipoPrat", {branch, service, day}, kDishTypeList);
}

}  // namespace krd52100
