#pragma once
// The screen's message catalogue: every text the screen shows, as the "key|text" lines that the
// screen's message component `msgPadrao` is loaded with. Code holds only the keys; the texts
// may change here without touching the logic. Texts keep their trailing blanks.
#include <string>
#include <vector>

const std::vector<std::string>& MessageCatalogueLines();
