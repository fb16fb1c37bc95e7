#include "ErrorReporting.h"

#include "MsgDlg.h"
#include "SysUtils.h"

namespace {

void ShowError(const std::string& text, bool abortAfter, int helpContext) {
    MessageDlg(text, mtError, TMsgDlgButtons{mbOK}, helpContext);
    if (abortAfter) Abort();
}

// Why an answer is not of the raw answer's shape, or "" when it is.
std::string ShapeFault(const Variant& answer) {
    if (!answer.IsArray()) return "não é uma lista";
    if (answer.ArrayLength() != 3) return "tem " + std::to_string(answer.ArrayLength()) + " elementos em vez de 3";
    if (answer[0].Type() != VarType::Boolean) return "o primeiro elemento não é lógico";
    if (answer[1].Type() != VarType::String && !answer[1].IsNull()) return "a mensagem não é texto";
    return "";
}

}  // namespace

void MensErro(const std::string& text, bool abortAfter) { ShowError(text, abortAfter, 0); }

Variant CheckResultServ(const Variant& answer, bool abortAfter, int helpContext) {
    if (std::string fault = ShapeFault(answer); !fault.empty()) {
        ShowError("Resposta inválida do servidor de aplicação: " + fault + ".", abortAfter, helpContext);
        return Variant();
    }
    if (answer[0].AsBoolean()) return answer[2];
    std::string message = answer[1].AsString();
    if (message.empty()) message = "O servidor de aplicação informou uma falha sem descrevê-la.";
    ShowError(message, abortAfter, helpContext);
    return Variant();
}
