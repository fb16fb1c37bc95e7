#include "ProgressBinding.h"

#include "TProgressBar.h"

#include <QProgressBar>

ProgressBinding::ProgressBinding(TProgressBar& bar, QWidget& parent, ScreenWindow& window)
    : ControlBinding(bar, *new QProgressBar(&parent), window) {
    View().setTextVisible(false);
}

TProgressBar& ProgressBinding::Bar() const { return static_cast<TProgressBar&>(*Control()); }
QProgressBar& ProgressBinding::View() const { return static_cast<QProgressBar&>(*Widget()); }

void ProgressBinding::ApplyState() {
    View().setRange(Bar().Min(), Bar().Max());
    View().setValue(Bar().Position());
}
