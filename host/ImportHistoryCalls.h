#pragma once
// The application server's import history as a desk reads it, through the session's server:
// the list and detail of import attempts, undo, and the newest attempt into a branch (what a desk
// shows after the import screen's import: the lines written and left out, or every reason of a
// refusal, where the screen itself shows the first only).
#include "Variant.h"

#include <cstdint>
#include <string>

class ImportHistoryCalls {
public:
    // The method's raw answer [ok, message, payload] (a failure answer when the call could not be
    // made).
    static Variant Call(const std::string& method, Variant::Array args);

    // The number of the newest attempt into the branch; 0 when there is none or the server
    // cannot say.
    static int64_t Newest(const std::string& branch);
    // The GetHistoricoDetalhe payload of the newest attempt into the branch numbered above
    // `after`; Null when there is none.
    static Variant DetailAfter(const std::string& branch, int64_t after);
};
