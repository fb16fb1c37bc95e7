#pragma once
// The screen's calls to the application-server module "KRD52100.rdmIntegraCardapio": one
// function per server method, arguments in the order and of the types the method declares.
//
// Every call sends its arguments over the screen's connection and passes the raw answer to the
// host's CheckResultServ with the abort flag set and help context 0, then checks that the
// payload has the shape its callers read (PayloadShape.h). So a function either returns a
// payload its caller can load as it stands or has already shown one message (the server's, or
// what is wrong with its answer) and raised EAbort: the calling handler ends there, silently,
// before any table takes a part of the answer. Codes go out in the stored form the
// caller gives them (Ajusta); nothing here adjusts or checks them.
//
// The object holds only a reference to the connection and is cheap to make per call site.
#include "Variant.h"

#include <string>

class TNetConnection;

namespace krd52100 {

struct PacketLayout;

class IntegraCardapioServer {
public:
    explicit IntegraCardapioServer(TNetConnection& connection) : connection_(connection) {}

    // Data packet of the file name remembered for this screen (CDPROGRAMA, DSDIRETORIO).
    Variant GetDiretorio();
    // Data packet of the company's integration parameters (IDMODMATRIZFILI among them).
    Variant GetParamIntegra();
    // Stores the change log (Delta) of the remembered file name; the payload is not used.
    void SetDiretorio(const Variant& directoryDelta);
    // The load (the three tables Null) or the import (their whole Data packets). Yields the
    // exchange result: status, boundary date and, on a load, six data packets.
    Variant ImportaCardapio(const std::string& fileName, const std::string& operatorCode,
                            const std::string& branch, const Variant& services, const Variant& diets,
                            const Variant& dishTypes);
    // Array of two packets: the destination service (CDSERVFILI, NMSERVICO) and its standard
    // diets (CDDIETPAD, DSDIETPAD).
    Variant GetVd_Serv(const std::string& branch, const std::string& service, const std::string& diet,
                       const std::string& scope, const std::string& moduleAcronym);
    // Packet of the branch's services (CDSERVFILI, NMSERVICO).
    Variant GetPesqServ(const std::string& branch);
    // Packet holding the diet when it is registered for the service, else empty.
    Variant GetVd_DietaDestino(const std::string& branch, const std::string& service, const std::string& diet,
                               const std::string& scope);
    // Packet of dish types (CDTIPOPRAT, NMTIPOPRAT) of the service's configuration on `day`;
    // empty when not registered. The day travels in the fourth argument, the scope, as "X"
    // followed by the day (yyyy-mm-dd), so that the check answers for the same configuration the
    // lookup (GetPesqTipoPrat) lists for that day.
    Variant GetVd_TipoPratOrig(const std::string& branch, const std::string& service, const std::string& diet,
                               TDateTime day);
    // Packet of the service's dish types (CDTIPOPRAT, NMTIPOPRAT) configured for that day.
    Variant GetPesqTipoPrat(const std::string& branch, const std::string& service, TDateTime day);

private:
    Variant Call(const std::string& method, Variant::Array args);
    // A call whose payload is one data packet of that layout.
    Variant CallForPacket(const std::string& method, Variant::Array args, const PacketLayout& layout);

    TNetConnection& connection_;
};

}  // namespace krd52100
