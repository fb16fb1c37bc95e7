#pragma once
// Everything the host sets up around a screen for a user at a desk: the session from the
// options, the application server (in process on the company database, or over HTTP), the
// company database itself (the demo company created on first start), the Qt dialogs, lookup
// list and busy animation, and the screen modules (import, export) opened through the package
// loader. The main window asks it to open a module's screen. Tearing down closes the screens and unloads the
// module before anything they use goes.
#include "ClientOptions.h"

#include <memory>

class Package;
class QWidget;
class QtBusyIndicator;
class QtDialogs;
class QtLookupDialog;
class TForm;

namespace appserver {
class ApplicationServer;
}

class ClientHost {
public:
    explicit ClientHost(ClientOptions options);
    ~ClientHost();
    ClientHost(const ClientHost&) = delete;
    ClientHost& operator=(const ClientHost&) = delete;

    // Sets the host up with `window` as the parent of its dialogs. Raises std::exception with a
    // reason the user can read when the database, the server or the module cannot be had.
    void Start(QWidget* window);
    const ClientOptions& Options() const { return options_; }

    // Opens the import screen (IniProc); the module raises the open one on a second call.
    // Returns the screen's form, or nullptr when it did not open.
    TForm* OpenImportScreen();
    // Likewise the export screen.
    TForm* OpenExportScreen();

private:
    void PrepareDatabase();
    void SetUpSession();
    void StartServer();
    void TearDown();

    ClientOptions options_;
    std::unique_ptr<appserver::ApplicationServer> server_;
    std::unique_ptr<QtDialogs> dialogs_;
    std::unique_ptr<QtLookupDialog> lookups_;
    std::unique_ptr<QtBusyIndicator> busy_;
    std::unique_ptr<Package> package_;
    std::unique_ptr<Package> exportPackage_;
};
