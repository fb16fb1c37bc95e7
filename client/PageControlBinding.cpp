#include "PageControlBinding.h"

#include "TApplication.h"
#include "TPageControl.h"
#include "TTabSheet.h"

#include <QFrame>
#include <QMouseEvent>
#include <QTabBar>

namespace {

// The tabs' height at 96 dpi; the page area below them is the control's DisplayRect.
constexpr int kTabHeight = 22;

}  // namespace

PageControlBinding::PageControlBinding(TPageControl& pages, QWidget& parent, ScreenWindow& window)
    : ControlBinding(pages, *new QWidget(&parent), window),
      tabs_(new QTabBar(Widget())),
      frame_(new QFrame(Widget())),
      area_(new QWidget(Widget())) {
    frame_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setFocusPolicy(Qt::NoFocus);
    tabs_->installEventFilter(this);
    for (int i = 0; i < pages.PageCount(); ++i) tabs_->addTab(QString());
}

TPageControl& PageControlBinding::Pages() const { return static_cast<TPageControl&>(*Control()); }

QWidget* PageControlBinding::ChildArea(TControl&) { return area_; }

void PageControlBinding::ControlChanged(TControl& control, TControlChange change) {
    ControlBinding::ControlChanged(control, change);
    if (change == TControlChange::Bounds) Place();
}

void PageControlBinding::Place() {
    QRect all = Widget()->rect();
    tabs_->setGeometry(2, 0, all.width() - 4, kTabHeight);
    frame_->setGeometry(0, kTabHeight, all.width(), all.height() - kTabHeight);
    const TRect area = Pages().DisplayRect();
    area_->setGeometry(area.Left, area.Top, area.Width(), area.Height());
    for (QObject* page : area_->children())
        if (page->isWidgetType()) static_cast<QWidget*>(page)->setGeometry(area_->rect());
}

void PageControlBinding::ApplyState() {
    if (!Control()) return;
    TPageControl& pages = Pages();
    while (tabs_->count() < pages.PageCount()) tabs_->addTab(QString());
    while (tabs_->count() > pages.PageCount()) tabs_->removeTab(tabs_->count() - 1);
    for (int i = 0; i < pages.PageCount(); ++i) {
        TTabSheet* page = pages.Pages(i);
        tabs_->setTabText(i, QString::fromStdString(page->Caption()));
        tabs_->setTabVisible(i, page->TabVisible());
        tabs_->setTabEnabled(i, page->Enabled());
    }
    if (pages.ActivePageIndex() >= 0) tabs_->setCurrentIndex(pages.ActivePageIndex());
}

bool PageControlBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched != tabs_) return ControlBinding::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* press = static_cast<QMouseEvent*>(event);
        int index = tabs_->tabAt(press->position().toPoint());
        if (press->button() == Qt::LeftButton && index >= 0 && Control() && index < Pages().PageCount()) {
            TPageControl* pages = &Pages();
            TTabSheet* page = pages->Pages(index);
            Gesture([pages, page] { Application->Perform([pages, page] { pages->ClickTab(page); }); });
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel: return true;  // the bar changes no tab by itself
    default: return false;
    }
}
