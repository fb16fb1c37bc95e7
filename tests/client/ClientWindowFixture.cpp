#include "ClientWindowFixture.h"

#include "DemoCompany.h"
#include "TForm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include <random>

void ClientWindowFixture::SetUp() {
    folder_ = std::filesystem::temp_directory_path() / ("krd-client-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder_);
    appserver::DemoCompany::Create((folder_ / "empresa.db").string(), DemoFile());
}

void ClientWindowFixture::TearDown() {
    window_.reset();
    host_.reset();
    httpServer_.reset();
    server_.reset();
    QCoreApplication::processEvents();
    std::filesystem::remove_all(folder_);
}

void ClientWindowFixture::StartClient(ClientOptions options) {
    options.database = folder_ / "empresa.db";
    options.modulePath = KRD52100_MODULE_PATH;
    options.exportModulePath = KRD52200_MODULE_PATH;
    options.startDialog = false;
    host_ = std::make_unique<ClientHost>(options);
    window_ = std::make_unique<MainWindow>(*host_);
    host_->Start(window_.get());
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QCoreApplication::processEvents();
}

std::string ClientWindowFixture::ServeOverHttp() {
    appserver::ServerConfig config{(folder_ / "empresa.db").string(), {folder_}};
    config.exportRoots = {folder_};
    server_ = std::make_unique<appserver::ApplicationServer>(config);
    httpServer_ = std::make_unique<appserver::HttpServer>(*server_, appserver::HttpServerOptions{});
    return "http://127.0.0.1:" + std::to_string(httpServer_->Start());
}

QWidget& ClientWindowFixture::WidgetOf(const TControl& control) {
    QWidget* widget = screen_ ? screen_->WidgetOf(&control) : nullptr;
    if (!widget) throw std::logic_error("no widget shows that control");
    return *widget;
}

TForm& ClientWindowFixture::OpenFromMenu(const char* action) {
    Main().findChild<QAction*>(action)->trigger();
    QCoreApplication::processEvents();
    QMdiSubWindow* frame = Main().Area().activeSubWindow();
    screen_ = frame ? dynamic_cast<ScreenWindow*>(frame->widget()) : nullptr;
    if (!screen_ || !screen_->Form()) throw std::runtime_error("the screen did not open");
    QCoreApplication::processEvents();
    return *screen_->Form();
}

QWidget* ClientWindowFixture::Focused() {
    if (!QApplication::activeWindow()) QApplication::setActiveWindow(&Main());
    QCoreApplication::processEvents();
    return QApplication::focusWidget();
}

void ClientWindowFixture::WhenModal(std::function<void(QWidget&)> answer, QObject* owner) {
    auto* poll = new QTimer(owner);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() == "busyIndicator" || !modal->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        answer(*modal);
    });
    poll->start();
}

void ClientWindowFixture::KeepPicture(QWidget& widget, const char* name) {
    QString folder = qEnvironmentVariable("KRD_SCREENSHOT_DIR", QDir::temp().filePath("krd52100-screens"));
    QDir().mkpath(folder);
    EXPECT_TRUE(widget.grab().save(QDir(folder).filePath(name)));
}
