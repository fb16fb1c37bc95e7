// krd-client: the desktop host client. Logs in with the options given (reviewed in the start
// dialog unless --no-start-dialog), sets the host up and shows the main window, from whose menu
// the menu import screen opens.
#include "ClientHost.h"
#include "ClientLanguage.h"
#include "MainWindow.h"
#include "ProductIcon.h"
#include "StartDialog.h"

#include "Package.h"

#include <CLI/CLI.hpp>

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    CLI::App app{"The desktop client: opens the menu import screen on the application server."};
    ClientOptions options;
    std::string mode = "matriz";
    bool noStartDialog = false;
    app.add_option("--operator", options.operatorCode, "Operator code")->capture_default_str();
    app.add_option("--branch", options.branch, "Branch the client logs into (four digits)")->capture_default_str();
    app.add_option("--mode", mode, "filial (branch mode) or matriz (head office)")
        ->check(CLI::IsMember({"filial", "matriz"}))
        ->capture_default_str();
    app.add_option("--module-acronym", options.moduleAcronym, "Acronym of the client module")->capture_default_str();
    app.add_option("--server", options.server, "embedded, or the application server's http://host:port")
        ->capture_default_str();
    app.add_option("--token", options.token, "Access token of an HTTP application server");
    app.add_option("--db", options.database, "Company database (default: the demo company in the user's data folder)");
    app.add_option("--module", options.modulePath, "The KRD52100 module library (default: beside this program)");
    app.add_option("--export-module", options.exportModulePath,
                   "The KRD52200 module library (default: beside this program)");
    app.add_flag("--no-start-dialog", noStartDialog, "Log in with the options as given");
    app.add_flag("--open-screen", options.openScreen, "Open the menu import screen at once");
    CLI11_PARSE(app, argc, argv);
    options.branchMode = mode == "filial";
    options.startDialog = !noStartDialog;
    if (options.modulePath.empty()) options.modulePath = Package::BesideProgram("KRD52100.so", KRD52100_MODULE_PATH);
    if (options.exportModulePath.empty())
        options.exportModulePath = Package::BesideProgram("KRD52200.so", KRD52200_MODULE_PATH);

    QApplication application(argc, argv);
    ClientLanguage::Install(application);
    QApplication::setWindowIcon(ProductIcon::Icon());
    if (options.startDialog) {
        StartDialog dialog(options);
        if (dialog.exec() != QDialog::Accepted) return 0;
        options = dialog.Options();
    }
    ClientHost host(options);
    MainWindow window(host);
    try {
        host.Start(&window);
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, "Cardápios", QString::fromStdString(error.what()));
        return 2;
    }
    window.show();
    if (options.openScreen) window.OpenImportScreen();
    return application.exec();
}
