#pragma once
// While it lives, the busy indicator can show how far the server's import into a branch has got:
// the progress it reports (BusyIndicator.h) asks GetProgressoImportacao on a transport of its
// own beside the screen's connection, which waits for the import's answer meanwhile.
//
//   const ImportProgressDisplay progress(*netIntegraCardapio, "0003");
//   connection.Call("ImportaCardapio", ...);  // the indicator shows "Linhas lidas: ..."
#include "BusyIndicator.h"
#include "Variant.h"

#include <string>

class TNetConnection;

namespace krd52100 {

class ImportProgressDisplay {
public:
    ImportProgressDisplay(const TNetConnection& connection, std::string branch);
    ~ImportProgressDisplay();
    ImportProgressDisplay(const ImportProgressDisplay&) = delete;
    ImportProgressDisplay& operator=(const ImportProgressDisplay&) = delete;

    // The figures of a GetProgressoImportacao answer for a person, "Linhas lidas: 1.234.567 -
    // gravadas: 1.200.000"; "" when no import is running, it has no figures yet or the answer is not one.
    static std::string Text(const Variant& raw);

private:
    BusyProgress previous_;
};

}  // namespace krd52100
