#pragma once
// The company's integration parameters and the remembered file name of the screen. Each method
// returns the raw answer (Answer.h).
#include "SqliteDatabase.h"
#include "Variant.h"

namespace appserver {

class ParameterMethods {
public:
    explicit ParameterMethods(SqliteDatabase& db);

    // Packet (CDPROGRAMA string(8), DSDIRETORIO string(100)): the row of program "KRD52100", or none.
    Variant GetDiretorio();
    // Packet of the five integration parameters: the company's row, or none.
    Variant GetParamIntegra();
    // Applies a change log of the directory packet: inserted and modified rows store their
    // DSDIRETORIO (cut to 100 characters) under their CDPROGRAMA, replacing what was there;
    // deleted rows remove it. All rows or none.
    Variant SetDiretorio(const Variant& delta);

private:
    SqliteDatabase& db_;
};

}  // namespace appserver
