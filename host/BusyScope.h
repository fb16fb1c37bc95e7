#pragma once
// The host's busy animation for the length of a scope: started on construction, stopped on
// destruction, so that a server call that fails (CheckResultServ raising EAbort) never leaves
// the animation standing.
#include "BusyIndicator.h"

#include <string>

class TComponent;

class BusyScope {
public:
    // The animation the screens use while they wait for the application server.
    static constexpr int kWorking = 6;

    explicit BusyScope(TComponent* over, const std::string& caption = "") : over_(over) {
        ActiveShowAvi(over_, kWorking, caption);
    }
    ~BusyScope() { DeactiveShowAvi(over_); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    TComponent* over_;
};
