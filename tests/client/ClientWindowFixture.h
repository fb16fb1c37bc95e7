#pragma once
// The desktop client as a user starts it, offscreen: the host set up on a temporary demo company
// (in-process server, the built module), the main window shown, and the means to answer the
// modal boxes and lists the screen opens while a gesture is under way.
#include "ClientHost.h"
#include "HttpServer.h"
#include "ApplicationServer.h"
#include "MainWindow.h"
#include "ScreenWindow.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

class TControl;
class TForm;

class ClientWindowFixture : public ::testing::Test {
public:
    // Answers the next modal window (not the busy panel) from inside its own event loop. The
    // wait ends with `owner` when given (a standing answer must not outlive its test).
    static void WhenModal(std::function<void(QWidget&)> answer, QObject* owner = nullptr);
    // Keeps a picture of the widget in KRD_SCREENSHOT_DIR (else a folder in the temporary one).
    static void KeepPicture(QWidget& widget, const char* name);

protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the client with these session settings (database and module are the fixture's).
    void StartClient(ClientOptions options = {});
    // Serves the fixture's company over HTTP on loopback, as a separate server would, and
    // returns the address the client logs into.
    std::string ServeOverHttp();
    MainWindow& Main() { return *window_; }
    std::filesystem::path DemoFile() const { return folder_ / "cardapio-demo.txt"; }
    const std::filesystem::path& Folder() const { return folder_; }

    // The widget showing a platform control on the open screen.
    QWidget& WidgetOf(const TControl& control);
    // Triggers the main window's menu action of that name and answers the screen it opened (or
    // restored); throws when no screen came up.
    TForm& OpenFromMenu(const char* action);
    // The widget that holds the Qt focus. The offscreen platform has no window manager to give
    // the main window back its activation once a modal box closed, so this does.
    QWidget* Focused();

    ScreenWindow* screen_ = nullptr;
    // Owns the waits for modal windows that a test leaves standing.
    QObject waits_;

private:
    std::filesystem::path folder_;
    std::unique_ptr<appserver::ApplicationServer> server_;
    std::unique_ptr<appserver::HttpServer> httpServer_;
    std::unique_ptr<ClientHost> host_;
    std::unique_ptr<MainWindow> window_;
};
