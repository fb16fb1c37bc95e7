#include "HttpCall.h"

#include "DataPacket.h"
#include "SysUtils.h"

namespace appserver {

namespace {

HttpCall Refused(std::string reason) {
    HttpCall call;
    call.refusal = std::move(reason);
    return call;
}

}  // namespace

HttpCall HttpCall::FromBody(std::string_view body, const std::string& pathMethod) {
    Variant value;
    try {
        value = DecodeVariant(body);
    } catch (const Exception& error) {
        return Refused(std::string("o corpo não é um variant MessagePack: ") + error.what());
    }
    HttpCall call;
    if (!pathMethod.empty()) {
        if (!value.IsArray()) return Refused("o corpo deve ser o array de argumentos");
        call.method = pathMethod;
        call.args = value.AsArray();
        return call;
    }
    if (!value.IsArray() || value.ArrayLength() != 2 || value[0].Type() != VarType::String || !value[1].IsArray())
        return Refused("o corpo deve ser [método, [argumentos]]");
    call.method = value[0].AsString();
    call.args = value[1].AsArray();
    return call;
}

}  // namespace appserver
