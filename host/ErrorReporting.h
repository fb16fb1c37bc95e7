#pragma once
// How the host reports a failure to the user: an error box through the application's dialog
// service, and, when the caller asks for it, the silent abort (EAbort) that cancels the action
// that failed. The top-level dispatcher swallows that EAbort, so the user sees one message.
#include "Variant.h"

#include <string>

// Shows `text` in an error box with an OK button; with `abortAfter` set, then raises EAbort.
void MensErro(const std::string& text, bool abortAfter);

// Reads a raw answer of the application server (docs/server-protocol.md):
//   [Boolean ok, String message, payload]
// ok true: yields the payload. ok false: shows the message as MensErro does with `abortAfter`
// (so with it set nothing after the call runs); without `abortAfter` the result is Null. An
// answer of any other shape (not an array, another length, wrong element types) is a failure
// too, shown with a message that says the answer was malformed. `helpContext` is the help
// topic of the error box (0 for none).
Variant CheckResultServ(const Variant& answer, bool abortAfter, int helpContext);
