#include "QtBusyIndicator.h"

#include <QApplication>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>
#include <thread>

QtBusyIndicator::QtBusyIndicator(QWidget* parent) : parent_(parent) {}

QtBusyIndicator::~QtBusyIndicator() { delete panel_; }

// A child of the main window, not a window of its own: a window of its own takes the activation
// when it shows, and neither the window manager nor Qt reliably hands it back to the main window
// when it goes, which left the keyboard dead after every call.
QWidget* QtBusyIndicator::MakePanel() {
    auto* panel = new QFrame(parent_);
    panel->setObjectName("busyIndicator");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(panel);
    auto* caption = new QLabel(panel);
    caption->setObjectName("busyCaption");
    layout->addWidget(caption);
    auto* progress = new QLabel(panel);
    progress->setObjectName("busyProgress");
    layout->addWidget(progress);
    auto* bar = new QProgressBar(panel);
    bar->setRange(0, 0);
    bar->setTextVisible(false);
    layout->addWidget(bar);
    panel->setFixedSize(300, 84);
    return panel;
}

void QtBusyIndicator::Start(TComponent*, int, const std::string& text) {
    if (starts_++ > 0 || !parent_) return;
    if (!panel_) panel_ = MakePanel();
    panel_->findChild<QLabel*>("busyCaption")->setText(text.empty() ? QString("Aguarde...") : QString::fromStdString(text));
    panel_->findChild<QLabel*>("busyProgress")->clear();
    panel_->move(parent_->rect().center() - panel_->rect().center());
    panel_->raise();
    panel_->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    panel_->repaint();
}

void QtBusyIndicator::Stop(TComponent*) {
    if (starts_ == 0 || --starts_ > 0 || !panel_) return;
    panel_->hide();
    QApplication::restoreOverrideCursor();
}

Variant QtBusyIndicator::WhileBusy(const std::function<Variant()>& call) {
    if (!Showing()) return call();
    Variant answer;
    std::exception_ptr failure;
    QEventLoop loop;
    std::thread worker([&] {
        try {
            answer = call();
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // The figures of a call that reports its progress (an import), a few times a second.
    QTimer ticks;
    if (const BusyProgress progress = CurrentBusyProgress(); progress && panel_) {
        QObject::connect(&ticks, &QTimer::timeout, [this, progress] {
            if (panel_) panel_->findChild<QLabel*>("busyProgress")->setText(QString::fromStdString(progress()));
        });
        ticks.start(250);
    }
    // Only painting and timers get through; the user's keys and clicks wait for the answer.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    if (failure) std::rethrow_exception(failure);
    return answer;
}
