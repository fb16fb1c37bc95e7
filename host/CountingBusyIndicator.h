#pragma once
// A busy indicator that only counts, for headless hosts and tests: it tells whether every start
// was matched by a stop and what the last start asked for. Installs itself for its lifetime and
// puts back the indicator it replaced.
#include "BusyIndicator.h"

class CountingBusyIndicator : public BusyIndicator {
public:
    CountingBusyIndicator();
    ~CountingBusyIndicator() override;
    CountingBusyIndicator(const CountingBusyIndicator&) = delete;
    CountingBusyIndicator& operator=(const CountingBusyIndicator&) = delete;

    void Start(TComponent* screen, int kind, const std::string& text) override;
    void Stop(TComponent* screen) override;

    int Starts() const { return starts_; }
    int Stops() const { return stops_; }
    // Starts not yet stopped; never negative (a stop with nothing showing counts as stray).
    int Showing() const { return showing_; }
    int StrayStops() const { return strayStops_; }
    // Every start stopped and no stop without a start.
    bool Balanced() const { return showing_ == 0 && strayStops_ == 0; }
    int LastKind() const { return lastKind_; }
    const std::string& LastText() const { return lastText_; }

private:
    BusyIndicator* previous_ = nullptr;
    int starts_ = 0;
    int stops_ = 0;
    int showing_ = 0;
    int strayStops_ = 0;
    int lastKind_ = 0;
    std::string lastText_;
};
