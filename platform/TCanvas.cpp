#include "TCanvas.h"

namespace {

int CharacterCount(const std::string& text) {
    int count = 0;
    for (unsigned char byte : text) count += (byte & 0xC0) != 0x80;
    return count;
}

} // namespace

int TCanvas::TextWidth(const std::string& text) { return CharacterCount(text) * (Font.Size * 3 / 4 + 1); }

int TCanvas::TextHeight(const std::string&) { return Font.Size * 13 / 8; }
