#pragma once
// The export screen's message catalogue: every text the screen shows, as the "key|text" lines
// its message component `msgPadrao` is loaded with. Code holds only the keys.
#include <string>
#include <vector>

namespace krd52200 {

const std::vector<std::string>& MessageCatalogueLines();

}  // namespace krd52200
