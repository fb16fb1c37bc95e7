#include "CountingBusyIndicator.h"

CountingBusyIndicator::CountingBusyIndicator() : previous_(InstallBusyIndicator(this)) {}

CountingBusyIndicator::~CountingBusyIndicator() { InstallBusyIndicator(previous_); }

void CountingBusyIndicator::Start(TComponent*, int kind, const std::string& text) {
    ++starts_;
    ++showing_;
    lastKind_ = kind;
    lastText_ = text;
}

void CountingBusyIndicator::Stop(TComponent*) {
    ++stops_;
    if (showing_ > 0)
        --showing_;
    else
        ++strayStops_;
}
