#include "LastImport.h"

#include "DataPacket.h"
#include "DateTime.h"
#include "Session.h"
#include "TNetConnection.h"

namespace {

// The payload of a successful answer; Null for a failure or an answer of another shape.
Variant Call(const std::string& method, Variant::Array args) {
    TNetConnection connection;
    connection.Host = Session::Current().ServerHost();
    connection.Port = Session::Current().ServerPort();
    connection.Open();
    const Variant answer = connection.Call(method, std::move(args));
    if (answer.Type() != VarType::Array || answer.ArrayLength() != 3 || !answer[0].AsBoolean()) return Variant();
    return answer[2];
}

}  // namespace

int64_t LastImport::Newest(const std::string& branch) {
    const Variant attempts = Call("GetHistorico", {branch, EncodeDate(1, 1, 1), EncodeDate(9999, 12, 31)});
    if (!attempts.IsPacket() || attempts.AsPacket().Rows.empty()) return 0;
    return attempts.AsPacket().Value(0, "NRHISTORICO").AsInteger();
}

Variant LastImport::DetailAfter(const std::string& branch, int64_t after) {
    const int64_t newest = Newest(branch);
    return newest > after ? Call("GetHistoricoDetalhe", {newest}) : Variant();
}
