#pragma once
// A platform page control as a tab bar over a framed page area; the pages' widgets fill that
// area and show as the platform shows its pages (only the active one). The tabs follow the
// pages: caption, tab visibility, enabled state, the active page. A click on a tab is the
// platform's tab click (OnChanging may refuse it); the bar never changes tab by itself.
#include "ControlBinding.h"

class QFrame;
class QTabBar;
class TPageControl;

class PageControlBinding : public ControlBinding {
public:
    PageControlBinding(TPageControl& pages, QWidget& parent, ScreenWindow& window);

    QWidget* ChildArea(TControl& child) override;
    void Synchronize() override { ApplyState(); }
    void ControlChanged(TControl& control, TControlChange change) override;

protected:
    void ApplyState() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TPageControl& Pages() const;
    void Place();

    QTabBar* tabs_;
    QFrame* frame_;
    QWidget* area_;
};
