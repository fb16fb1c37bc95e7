#include "ImportHistoryCalls.h"

#include "DataPacket.h"
#include "DateTime.h"
#include "Session.h"
#include "TNetConnection.h"

namespace {

// The payload of a successful answer; Null for a failure.
Variant Payload(const std::string& method, Variant::Array args) {
    const Variant answer = ImportHistoryCalls::Call(method, std::move(args));
    if (answer.Type() != VarType::Array || answer.ArrayLength() != 3 || !answer[0].AsBoolean()) return Variant();
    return answer[2];
}

}  // namespace

Variant ImportHistoryCalls::Call(const std::string& method, Variant::Array args) {
    TNetConnection connection;
    connection.Host = Session::Current().ServerHost();
    connection.Port = Session::Current().ServerPort();
    connection.Open();
    return connection.Call(method, std::move(args));
}

int64_t ImportHistoryCalls::Newest(const std::string& branch) {
    const Variant attempts = Payload("GetHistorico", {branch, EncodeDate(1, 1, 1), EncodeDate(9999, 12, 31)});
    if (!attempts.IsPacket() || attempts.AsPacket().Rows.empty()) return 0;
    return attempts.AsPacket().Value(0, "NRHISTORICO").AsInteger();
}

Variant ImportHistoryCalls::DetailAfter(const std::string& branch, int64_t after) {
    const int64_t newest = Newest(branch);
    return newest > after ? Payload("GetHistoricoDetalhe", {newest}) : Variant();
}
