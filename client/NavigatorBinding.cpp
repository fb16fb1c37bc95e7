#include "NavigatorBinding.h"

#include "TApplication.h"
#include "TDBNavigator.h"

#include <QToolButton>

#include <array>

namespace {

constexpr std::array<TNavigateBtn, 4> kButtons{nbFirst, nbPrior, nbNext, nbLast};
const char* const kSigns[] = {"|\u25C4", "\u25C4", "\u25BA", "\u25BA|"};

}  // namespace

NavigatorBinding::NavigatorBinding(TDBNavigator& navigator, QWidget& parent, ScreenWindow& window)
    : ControlBinding(navigator, *new QWidget(&parent), window) {
    for (TNavigateBtn button : kButtons) {
        auto* view = new QToolButton(Widget());
        view->setText(QString::fromUtf8(kSigns[button]));
        view->setFocusPolicy(Qt::NoFocus);
        QObject::connect(view, &QToolButton::clicked, this, [this, button] {
            TDBNavigator* target = Control() ? &Navigator() : nullptr;
            if (target) Gesture([target, button] { Application->Perform([target, button] { target->BtnClick(button); }); });
        });
    }
}

TDBNavigator& NavigatorBinding::Navigator() const { return static_cast<TDBNavigator&>(*Control()); }

void NavigatorBinding::ControlChanged(TControl& control, TControlChange change) {
    ControlBinding::ControlChanged(control, change);
    if (change == TControlChange::Bounds) ApplyState();
}

// The visible buttons share the strip's width evenly, as the platform's navigator lays them out.
void NavigatorBinding::ApplyState() {
    if (!Control()) return;
    QList<QToolButton*> views = Widget()->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    int shown = 0;
    for (TNavigateBtn button : kButtons) shown += Navigator().VisibleButtons.Contains(button);
    int width = shown ? Navigator().Width() / shown : 0;
    int left = 0;
    for (TNavigateBtn button : kButtons) {
        QToolButton* view = views[button];
        bool visible = Navigator().VisibleButtons.Contains(button);
        view->setVisible(visible);
        view->setAutoRaise(Navigator().Flat);
        if (!visible) continue;
        view->setGeometry(left, 0, width, Navigator().Height());
        left += width;
    }
}
