// krd-export: exports a branch's menus of a period into an integration file, through the
// application server's ExportaCardapio, and says by its exit status how it went: 0 written,
// 1 refused (the server's message on standard error), 2 error (arguments, database or server).
//
//   krd-export --branch 0002 --from 2025-03-03 --to 2025-03-09 [--service CODE]... -o FILE
//              [--server http://host:port --token T] [--db PATH]
//
// In process (the default) the server writes FILE itself; over HTTP it sends the file's text and
// krd-export writes FILE, so the file lands on this machine whatever the server's folders are.
#include "Answer.h"
#include "ApplicationServer.h"
#include "ExportedFileWriter.h"
#include "HttpTransport.h"
#include "Session.h"
#include "SqliteStatement.h"
#include "SysUtils.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>

namespace {

namespace fs = std::filesystem;

constexpr int kWritten = 0, kRefused = 1, kError = 2;

struct ExportOptions {
    std::string branch, from, to, server = "embedded", token;
    std::vector<std::string> services;
    fs::path output, database;
};

Variant::Array Arguments(const ExportOptions& options, TDateTime first, TDateTime last, const std::string& target) {
    Variant::Array services;
    for (const std::string& code : options.services) services.emplace_back(code);
    return {options.branch, first, last, Variant(std::move(services)), target};
}

// The raw answer of the in-process server, which writes the file itself.
Variant ExportInProcess(const ExportOptions& options, const Variant::Array& args) {
    if (!fs::exists(options.database)) throw Exception("no company database at " + options.database.string());
    appserver::ServerConfig config{options.database.string(), {}};
    config.exportRoots = {options.output.parent_path()};
    return appserver::ApplicationServer(config).Dispatch("ExportaCardapio", args);
}

// The raw answer of an HTTP server, asked for the file's text.
Variant ExportOverHttp(const ExportOptions& options, const Variant::Array& args) {
    Session& session = Session::Current();
    session.SetServerAddress(options.server);
    return HttpTransport(session.ServerHost(), session.ServerPort(), options.token).Call("ExportaCardapio", args);
}

int Run(const ExportOptions& options) {
    const auto first = appserver::ParseIsoDate(options.from), last = appserver::ParseIsoDate(options.to);
    if (!first || !last) {
        std::cerr << "krd-export: --from and --to must be real days written YYYY-MM-DD\n";
        return kError;
    }
    const bool embedded = options.server.empty() || options.server == "embedded";
    const Variant raw = embedded ? ExportInProcess(options, Arguments(options, *first, *last, options.output.string()))
                                 : ExportOverHttp(options, Arguments(options, *first, *last, ""));
    const auto answer = appserver::Answer::Read(raw);
    if (!answer) throw Exception("the server's answer has not the shape of an answer");
    if (!answer->ok) {
        std::cerr << "krd-export: " << answer->message << "\n";
        return kRefused;
    }
    const Variant& summary = answer->payload;
    if (!embedded) {
        try {
            ExportedFileWriter::Write(options.output, summary[6].AsString());
        } catch (const EInOutError& error) {
            std::cerr << "krd-export: " << error.Message() << "\n";
            return kRefused;
        }
    }
    std::cout << "Exported " << summary[5].AsInteger() << " menu lines (" << summary[1].AsInteger() << " services, "
              << summary[2].AsInteger() << " diets, " << summary[3].AsInteger() << " dish types, "
              << summary[4].AsInteger() << " dishes) of branch " << options.branch << " into "
              << options.output.string() << ".\n";
    return kWritten;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Exports a branch's menus of a period into an integration file.\n"
                 "Exit status: 0 written, 1 refused (the reason on standard error), 2 error."};
    ExportOptions options;
    app.add_option("--branch", options.branch, "Origin branch code")->required();
    app.add_option("--from", options.from, "First day, YYYY-MM-DD")->required();
    app.add_option("--to", options.to, "Last day, YYYY-MM-DD")->required();
    app.add_option("--service", options.services, "A service to export (repeatable; default: all)");
    app.add_option("-o,--output", options.output, "The integration file to write")->required();
    app.add_option("--server", options.server, "embedded, or the application server's http://host:port")
        ->capture_default_str();
    app.add_option("--token", options.token, "Access token of an HTTP application server");
    app.add_option("--db", options.database, "Company database, in process (default: empresa.db beside FILE)");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? 0 : kError;
    }
    options.output = fs::absolute(options.output);
    if (options.database.empty()) options.database = options.output.parent_path() / "empresa.db";
    try {
        return Run(options);
    } catch (const std::exception& error) {
        std::cerr << "krd-export: error: " << error.what() << "\n";
        return kError;
    }
}
