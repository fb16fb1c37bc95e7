#include "IntegraCardapioServer.h"

#include "ErrorReporting.h"
#include "TNetConnection.h"

namespace krd52100 {

Variant IntegraCardapioServer::Call(const std::string& method, Variant::Array args) {
    return CheckResultServ(connection_.Call(method, std::move(args)), true, 0);
}

Variant IntegraCardapioServer::GetDiretorio() { return Call("GetDiretorio", {}); }

Variant IntegraCardapioServer::GetParamIntegra() { return Call("GetParamIntegra", {}); }

void IntegraCardapioServer::SetDiretorio(const Variant& directoryDelta) { Call("SetDiretorio", {directoryDelta}); }

Variant IntegraCardapioServer::ImportaCardapio(const std::string& fileName, const std::string& operatorCode,
                                               const std::string& branch, const Variant& services,
                                               const Variant& diets, const Variant& dishTypes) {
    return Call("ImportaCardapio", {fileName, operatorCode, branch, services, diets, dishTypes});
}

Variant IntegraCardapioServer::GetVd_Serv(const std::string& branch, const std::string& service,
                                          const std::string& diet, const std::string& scope,
                                          const std::string& moduleAcronym) {
    return Call("GetVd_Serv", {branch, service, diet, scope, moduleAcronym});
}

Variant IntegraCardapioServer::GetPesqServ(const std::string& branch) { return Call("GetPesqServ", {branch}); }

Variant IntegraCardapioServer::GetVd_DietaDestino(const std::string& branch, const std::string& service,
                                                  const std::string& diet, const std::string& scope) {
    return Call("GetVd_DietaDestino", {branch, service, diet, scope});
}

Variant IntegraCardapioServer::GetVd_TipoPratOrig(const std::string& branch, const std::string& service,
                                                  const std::string& diet, const std::string& scope) {
    return Call("GetVd_TipoPratOrig", {branch, service, diet, scope});
}

Variant IntegraCardapioServer::GetPesqTipoPrat(const std::string& branch, const std::string& service,
                                               TDateTime day) {
    return Call("GetPesqTipoPrat", {branch, service, day});
}

}  // namespace krd52100
