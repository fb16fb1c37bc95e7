#include "QtBusyIndicator.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <exception>
#include <thread>

QtBusyIndicator::QtBusyIndicator(QWidget* parent) : parent_(parent) {}

QtBusyIndicator::~QtBusyIndicator() { delete panel_; }

void QtBusyIndicator::Start(TComponent*, int, const std::string& text) {
    if (starts_++ > 0) return;
    if (!panel_) {
        panel_ = new QWidget(parent_, Qt::Dialog | Qt::FramelessWindowHint);
        panel_->setWindowModality(Qt::ApplicationModal);
        panel_->setObjectName("busyIndicator");
        auto* layout = new QVBoxLayout(panel_);
        layout->addWidget(new QLabel(panel_));
        auto* bar = new QProgressBar(panel_);
        bar->setRange(0, 0);
        bar->setTextVisible(false);
        layout->addWidget(bar);
        panel_->setFixedSize(220, 64);
    }
    panel_->findChild<QLabel*>()->setText(text.empty() ? QString("Aguarde...") : QString::fromStdString(text));
    if (parent_) panel_->move(parent_->mapToGlobal(parent_->rect().center()) - panel_->rect().center());
    panel_->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    panel_->repaint();
}

void QtBusyIndicator::Stop(TComponent*) {
    if (starts_ == 0 || --starts_ > 0) return;
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
    // Only painting and the panel's own events get through: the panel is modal.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    if (failure) std::rethrow_exception(failure);
    return answer;
}
