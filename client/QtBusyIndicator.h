#pragma once
// The busy animation on Qt: while a screen waits for the application server, a small panel
// ("Aguarde...", a moving bar) stands in the middle of the main window with the wait cursor.
// Starts nest; the panel goes with the last stop. The main window keeps its activation and its
// keyboard focus throughout.
//
// The server call itself runs on a worker thread while the panel shows, with a local event loop
// turning on this one that lets no user input through, so the windows keep painting during a
// long load or import while the screen's handlers, which wait for the call, are never entered
// twice. Keys typed meanwhile reach the screen once the call is over.
#include "BusyIndicator.h"

#include <QPointer>

class QWidget;

class QtBusyIndicator : public BusyIndicator {
public:
    explicit QtBusyIndicator(QWidget* parent);
    ~QtBusyIndicator() override;

    void Start(TComponent* screen, int kind, const std::string& text) override;
    void Stop(TComponent* screen) override;
    Variant WhileBusy(const std::function<Variant()>& call) override;

    bool Showing() const { return starts_ > 0; }

private:
    QWidget* MakePanel();

    QPointer<QWidget> parent_;
    QPointer<QWidget> panel_;  // a child of the main window, which may go first
    int starts_ = 0;
};
