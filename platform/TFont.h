#pragma once
// A font as controls and canvases describe it. A plain value: a control's adapter reads it when
// it syncs, a canvas reads it at each text operation.
#include "TColor.h"
#include "TSet.h"

#include <string>

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

struct TFont {
    std::string Name = "MS Sans Serif";
    int Size = 8;  // points
    TColor Color = clWindowText;
    TFontStyles Style;

    friend bool operator==(const TFont&, const TFont&) = default;
};
