#pragma once
// The busy animation that stands over a screen while it waits for the application server.
// The host application installs the indicator that shows it (the desktop client an animation,
// tests a CountingBusyIndicator); with none installed the routines do nothing.
//
// Contract for callers: every ActiveShowAvi is matched by one DeactiveShowAvi, on the failure
// paths too. Starts may nest; an indicator shows while more starts than stops have run.
#include <string>

class TComponent;

class BusyIndicator {
public:
    virtual ~BusyIndicator() = default;
    // `screen` is the form the animation stands over (the screen or the main window; may be
    // null). `kind` picks the animation: 6 is "working", the one the screens use.
    virtual void Start(TComponent* screen, int kind, const std::string& text) = 0;
    virtual void Stop(TComponent* screen) = 0;
};

// Installs `indicator` (not owned; it must outlive its use) and returns the one it replaces.
// nullptr uninstalls.
BusyIndicator* InstallBusyIndicator(BusyIndicator* indicator);

void ActiveShowAvi(TComponent* screen, int kind, const std::string& text = "");
void DeactiveShowAvi(TComponent* screen);
