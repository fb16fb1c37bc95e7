// krd-appserver: creates the application server's database and serves its modules
// "KRD52100.rdmIntegraCardapio" and "KRD52200.rdmExportaCardapio" over HTTP.
//
//   krd-appserver init --db company.db [--demo [--file demo.txt]]
//   krd-appserver serve --db company.db --port 8090 --import-root /srv/krd/import
//                       [--export-root /srv/krd/export] [--bind 127.0.0.1] [--token T]
//   krd-appserver mapping list|set|remove --origin B --destination B (--db company.db | --server URL
//                       [--token T]) [--kind service|diet|dishtype --service S [--code C]
//                       [--sequence N] [--to D]]
//   krd-appserver history [--branch B] [--id N] (--db company.db | --server http://host:port [--token T])
//   krd-appserver undo ID [--operator O] (--db company.db | --server http://host:port [--token T])
#include "Answer.h"
#include "ApplicationServer.h"
#include "DemoCompany.h"
#include "ExportaCardapioModule.h"
#include "HistoryReport.h"
#include "HttpServer.h"
#include "IntegraCardapioModule.h"
#include "MappingCommand.h"
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

// --db or --server (with its --token): where a command's calls go.
void AddTargetOptions(CLI::App* command, appserver::CommandTarget& target) {
    auto* where = command->add_option_group("store", "where the calls go");
    where->add_option("--db", target.database, "database file (embedded)");
    where->add_option("--server", target.server, "or a running server, http://host:port");
    where->require_option(1);
    command->add_option("--token", target.token, "access token of the server")->envname("KRD_APPSERVER_TOKEN");
}

// The kept mappings of a branch pair: `mapping list|set|remove` and their options.
CLI::App* AddMappingCommand(CLI::App& app, appserver::MappingCommandOptions& options) {
    auto* mapping = app.add_subcommand("mapping", "list, set or remove the mappings kept for a pair of branches");
    mapping->require_subcommand(1);
    mapping->fallthrough();
    AddTargetOptions(mapping, options.where);
    mapping->add_option("--origin", options.origin, "origin branch")->required();
    mapping->add_option("--destination", options.destination, "destination branch")->required();
    mapping->add_subcommand("list", "print the kept mappings");
    for (const char* action : {"set", "remove"}) {
        auto* command = mapping->add_subcommand(action, std::string(action) + " one mapping");
        command->add_option("--kind", options.kind, "service, diet or dishtype")
            ->required()
            ->check(CLI::IsMember({"service", "diet", "dishtype"}));
        command->add_option("--service", options.service, "origin service")->required();
        command->add_option("--code", options.code, "origin diet or dish type");
        command->add_option("--sequence", options.sequence, "origin dish type's sequence");
        if (std::string(action) == "set")
            command->add_option("--to", options.target, "destination code (a dish type without one: left unmarked)");
    }
    return mapping;
}

appserver::Answer CallServer(const appserver::CommandTarget& target, const std::string& method,
                             const Variant::Array& args) {
    const Variant raw = target.Call(method, args);
    auto answer = appserver::Answer::Read(raw);
    if (!answer) throw std::runtime_error(method + ": answer of the wrong shape");
    if (!answer->ok) throw std::runtime_error(answer->message);
    return *answer;
}

int History(const appserver::CommandTarget& target, const std::string& branch, int64_t id) {
    if (id > 0) {
        for (const auto& line : appserver::HistoryReport::Detail(CallServer(target, "GetHistoricoDetalhe", {id}).payload))
            std::cout << line << "\n";
        return 0;
    }
    const Variant attempts =
        CallServer(target, "GetHistorico", {branch, EncodeDate(1, 1, 1), EncodeDate(9999, 12, 31)}).payload;
    for (size_t row = 0; row < attempts.AsPacket().Rows.size(); ++row)
        std::cout << appserver::HistoryReport::Line(attempts.AsPacket(), row) << "\n";
    return 0;
}

int Undo(const appserver::CommandTarget& target, int64_t id, const std::string& operatorCode) {
    std::cout << CallServer(target, "DesfazImportacao", {id, operatorCode}).payload.AsString() << "\n";
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

    appserver::MappingCommandOptions mappingOptions;
    auto* mapping = AddMappingCommand(app, mappingOptions);
    appserver::CommandTarget target;
    std::string branch;
    int64_t id = 0;
    std::string operatorCode = "KRD-APPSERVER";
    auto* history = app.add_subcommand("history", "list the import history, newest first, or show one import");
    AddTargetOptions(history, target);
    history->add_option("--branch", branch, "only imports into this branch");
    history->add_option("--id", id, "show this import in full");
    auto* undo = app.add_subcommand("undo", "undo a written import");
    AddTargetOptions(undo, target);
    undo->add_option("ID", id, "the import's number in the history")->required();
    undo->add_option("--operator", operatorCode, "who undoes it, for the history");

    CLI11_PARSE(app, argc, argv);
    try {
        if (*history) return History(target, branch, id);
        if (*undo) return Undo(target, id, operatorCode);
        if (*init) return Init(db, demo, file);
        if (*mapping) {
            mappingOptions.action = mapping->get_subcommands().front()->get_name();
            return appserver::MappingCommand::Run(mappingOptions, std::cout, std::cerr);
        }
        return Serve(config, options);
    } catch (const std::exception& error) {
        std::cerr << "krd-appserver: " << error.what() << "\n";
        return 1;
    }
}
