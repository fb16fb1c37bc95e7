#pragma once
// Static text. Never takes the focus; clicking it moves no focus.
#include "DBTypes.h"
#include "TControl.h"

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner) : TControl(owner) { SetColor(clBtnFace); }

    bool WordWrap = false;
    bool AutoSize = true;
    bool Transparent = false;
    TAlignment Alignment = taLeftJustify;
};
