#include "BusyIndicator.h"

#include <utility>

namespace {

BusyIndicator*& Installed() {
    static BusyIndicator* indicator = nullptr;
    return indicator;
}

BusyProgress& Progress() {
    static BusyProgress progress;
    return progress;
}

}  // namespace

BusyProgress SetBusyProgress(BusyProgress progress) { return std::exchange(Progress(), std::move(progress)); }

BusyProgress CurrentBusyProgress() { return Progress(); }

BusyIndicator* InstallBusyIndicator(BusyIndicator* indicator) {
    return std::exchange(Installed(), indicator);
}

void ActiveShowAvi(TComponent* screen, int kind, const std::string& text) {
    if (BusyIndicator* indicator = Installed()) indicator->Start(screen, kind, text);
}

void DeactiveShowAvi(TComponent* screen) {
    if (BusyIndicator* indicator = Installed()) indicator->Stop(screen);
}

Variant CallWhileBusy(const std::function<Variant()>& call) {
    BusyIndicator* indicator = Installed();
    return indicator ? indicator->WhileBusy(call) : call();
}
