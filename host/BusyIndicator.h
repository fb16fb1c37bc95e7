#pragma once
// The busy animation that stands over a screen while it waits for the application server.
// The host application installs the indicator that shows it (the desktop client an animation,
// tests a CountingBusyIndicator); with none installed the routines do nothing.
//
// Contract for callers: every ActiveShowAvi is matched by one DeactiveShowAvi, on the failure
// paths too. Starts may nest; an indicator shows while more starts than stops have run.
#include "Variant.h"

#include <functional>
#include <string>

class TComponent;

class BusyIndicator {
public:
    virtual ~BusyIndicator() = default;
    // `screen` is the form the animation stands over (the screen or the main window; may be
    // null). `kind` picks the animation: 6 is "working", the one the screens use.
    virtual void Start(TComponent* screen, int kind, const std::string& text) = 0;
    virtual void Stop(TComponent* screen) = 0;
    // Makes one call to the application server for a screen, which waits for its answer. An
    // indicator that shows on its own may run the call elsewhere and keep the windows painting
    // meanwhile, as long as nothing of the screen runs until the answer is back.
    virtual Variant WhileBusy(const std::function<Variant()>& call) { return call(); }
};

// What the call under way has done so far, e.g. "Linhas lidas: 1.200.000", or "" when it cannot
// say. An indicator that shows on its own asks it a few times a second during WhileBusy, on
// whichever thread it likes, and shows the text with its animation.
using BusyProgress = std::function<std::string()>;

// Sets the progress that calls report from now on (an empty function: none) and returns the one
// it replaces; the caller puts that back once its call is over.
BusyProgress SetBusyProgress(BusyProgress progress);
BusyProgress CurrentBusyProgress();

// Installs `indicator` (not owned; it must outlive its use) and returns the one it replaces.
// nullptr uninstalls.
BusyIndicator* InstallBusyIndicator(BusyIndicator* indicator);

void ActiveShowAvi(TComponent* screen, int kind, const std::string& text = "");
void DeactiveShowAvi(TComponent* screen);
// The call through the installed indicator's WhileBusy (in place when none is installed).
Variant CallWhileBusy(const std::function<Variant()>& call);
