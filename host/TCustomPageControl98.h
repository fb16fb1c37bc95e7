#pragma once
// The host's page control. It is the platform's page control under the host's name, so that
// screens are laid out with the host's classes: SetActivePage changes the page without events,
// SelectNextPage moves as the user does (OnChanging, OnChange) and skips pages whose tab is
// hidden or disabled, wrapping around.
#include "TPageControl.h"

class TCustomPageControl98 : public TPageControl {
public:
    explicit TCustomPageControl98(TComponent* owner) : TPageControl(owner) {}
};
