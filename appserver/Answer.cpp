#include "Answer.h"

namespace appserver {

Variant Answer::Success(Variant payload) { return VarArrayOf({true, "", std::move(payload)}); }

Variant Answer::Failure(const std::string& message) { return VarArrayOf({false, message, Variant()}); }

std::optional<Answer> Answer::Read(const Variant& raw) {
    if (!raw.IsArray() || raw.ArrayLength() != 3) return std::nullopt;
    if (raw[0].Type() != VarType::Boolean || raw[1].Type() != VarType::String) return std::nullopt;
    return Answer{raw[0].AsBoolean(), raw[1].AsString(), raw[2]};
}

}  // namespace appserver
