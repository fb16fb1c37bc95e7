#include "TColor.h"

#include <array>

namespace {

// The classic desktop scheme, indexed by system colour number.
constexpr std::array<TColor, 25> systemColors = {
    RGB(212, 208, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
};

} // namespace

TColor ColorToRGB(TColor color) {
    if ((color & clSystemColor) != clSystemColor) return color;
    unsigned index = static_cast<unsigned>(color) & 0xFFu;
    return index < systemColors.size() ? systemColors[index] : clBlack;
}
