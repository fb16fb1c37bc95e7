// krd-appserver: creates the application server's database and serves its modules
// "KRD52100.rdmIntegraCardapio" and "KRD52200.rdmExportaCardapio" over HTTP.
//
//   krd-appserver init --db company.db [--demo [--file demo.txt]]
//   krd-appserver serve --db company.db --port 8090 --import-root /srv/krd/import
//                       [--export-root /srv/krd/export] [--bind 127.0.0.1] [--token T]
#include "ApplicationServer.h"
#include "DemoCompany.h"
#include "ExportaCardapioModule.h"
#include "HttpServer.h"
#include "IntegraCardapioModule.h"
#include "SqliteDatabase.h"
#include "StoreSchema.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <filesystem>
#include <iostream>

namespace {

int Init(const std::string& db, bool demo, std::string file) {
    if (!demo) {
        appserver::SqliteDatabase database(db);
        appserver::StoreSchema::Migrate(database);
        std::cout << "database " << db << " ready (schema version " << appserver::StoreSchema::kVersion << ")\n";
        return 0;
    }
    if (file.empty()) file = (std::filesystem::absolute(db).parent_path() / "cardapio-demo.txt").string();
    appserver::DemoCompany::Create(db, std::filesystem::absolute(file));
    std::cout << "demo company written to " << db << "\ndemo integration file: " << std::filesystem::absolute(file).string()
              << "\n";
    return 0;
}

int Serve(const appserver::ServerConfig& config, const appserver::HttpServerOptions& options) {
    // Signals are taken by sigwait below, not by a handler, so stopping runs on this thread.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    appserver::ApplicationServer application(config);
    appserver::HttpServer server(application, options);
    const int port = server.Start();
    std::cout << appserver::IntegraCardapioModule::kName << " and " << appserver::ExportaCardapioModule::kName
              << " serving on http://" << options.bindAddress << ":" << port << std::endl;
    int received = 0;
    sigwait(&signals, &received);
    server.Stop();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Application server of the menu import screen KRD52100"};
    app.require_subcommand(1);

    std::string db;
    bool demo = false;
    std::string file;
    auto* init = app.add_subcommand("init", "create or migrate a database");
    init->add_option("--db", db, "database file")->required();
    init->add_flag("--demo", demo, "fill it with the demo company and write the demo integration file");
    init->add_option("--file", file, "where to write the demo file (default: cardapio-demo.txt beside the database)");

    appserver::ServerConfig config;
    appserver::HttpServerOptions options;
    auto* serve = app.add_subcommand("serve", "serve the modules over HTTP");
    serve->add_option("--db", config.databasePath, "database file")->required();
    serve->add_option("--port", options.port, "TCP port")->required()->check(CLI::Range(1, 65535));
    serve->add_option("--import-root", config.importRoots, "folder integration files are read from (repeatable)")
        ->required();
    serve->add_option("--export-root", config.exportRoots,
                      "folder the server may write exported files into (repeatable; without one, exported files "
                      "travel to the client)");
    serve->add_option("--bind", options.bindAddress, "address to bind (default 127.0.0.1)");
    serve->add_option("--token", options.token, "access token (required beyond loopback)")
        ->envname("KRD_APPSERVER_TOKEN");
    serve->add_option("--max-request-bytes", options.maxRequestBytes, "largest request body accepted");
    serve->add_option("--busy-timeout-ms", config.busyTimeoutMs,
                      "how long a call waits for another writer to release the database");

    CLI11_PARSE(app, argc, argv);
    try {
        if (*init) return Init(db, demo, file);
        return Serve(config, options);
    } catch (const std::exception& error) {
        std::cerr << "krd-appserver: " << error.what() << "\n";
        return 1;
    }
}
