#pragma once
// What the application server's history says of the newest import attempt into a branch, read
// through the session's server: what a desk shows after the import screen's import (the lines
// written and left out, or every reason of a refusal). The screen itself only shows the first.
#include "Variant.h"

#include <cstdint>
#include <string>

class LastImport {
public:
    // The number of the newest attempt into the branch; 0 when there is none or the server
    // cannot say.
    static int64_t Newest(const std::string& branch);
    // The GetHistoricoDetalhe payload of the newest attempt into the branch numbered above
    // `after`; Null when there is none.
    static Variant DetailAfter(const std::string& branch, int64_t after);
};
