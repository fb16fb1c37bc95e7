#pragma once
// A page of the host's page control (TCustomPageControl98), under the host's name: SetTabVisible
// hides or shows its tab; a page that is not Enabled cannot be chosen by the user.
#include "TTabSheet.h"

class TTabSheet98 : public TTabSheet {
public:
    explicit TTabSheet98(TComponent* owner) : TTabSheet(owner) {}
};
