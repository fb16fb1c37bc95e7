#pragma once
// The screen's calls to the application server: the export module's method and the branch's
// service list, one function per method, arguments in the order and of the types the method
// declares.
//
// Every call passes the raw answer to the host's CheckResultServ with the abort flag set: a
// function either returns what its caller reads or has already shown one message (the
// server's, or what is wrong with its answer) and raised EAbort, which ends the calling handler.
#include "DateTime.h"
#include "Variant.h"

#include <optional>
#include <string>
#include <vector>

class TNetConnection;

namespace krd52200 {

// What an export wrote.
struct ExportSummary {
    int services = 0;
    int diets = 0;
    int dishTypes = 0;
    int dishes = 0;
    int menuLines = 0;
    // The file's text (UTF-8), when the server sends it for the client to write (over HTTP).
    std::optional<std::string> text;
};

class ExportaCardapioServer {
public:
    explicit ExportaCardapioServer(TNetConnection& connection) : connection_(connection) {}

    // Packet of the branch's services (CDSERVFILI, NMSERVICO).
    Variant GetPesqServ(const std::string& branch);
    // Exports the branch's menus of the period, of the services given (all when none). An empty
    // target asks for the file's text instead of a file written by the server.
    ExportSummary ExportaCardapio(const std::string& branch, TDateTime firstDay, TDateTime lastDay,
                                  const std::vector<std::string>& services, const std::string& target);

private:
    TNetConnection& connection_;
};

}  // namespace krd52200
