#pragma once
// The store's schema and its migrations. The schema version lives in PRAGMA user_version: 0 is an
// empty file, each migration step moves it up by one inside its own transaction. A database made
// by a newer server (a higher version than this one knows) is refused rather than guessed at.
//
// Tables (codes in stored form, dates as yyyy-mm-dd text):
//   PARAMINTEGRACAO  the company's integration parameters (one row)
//   DIRETORIO        remembered file name per program code
//   FILIAL           head office and branches; IDCNTRRESC "S" = contract rescinded
//   SERVFILI         meal services per branch; IDHOSPITALAR "S" = hospital service
//   SERVDIETA        standard diets of a service
//   CNFCARDAPIO      dish-type configuration of a service, valid from DTINICNF on
//   PRATO            dishes per branch
//   CARDAPIO         menus: one dish in one slot of one day, diet and service
//   RETIRADA         withdrawals from stock made for a service's menus of a day
//   LOGIMPORTACAO    one row per completed menu import
//   MAPSERVICO, MAPDIETA, MAPTIPOPRAT  mappings kept per (origin branch, destination branch)
#include "SqliteDatabase.h"

namespace appserver {

class StoreSchema {
public:
    static constexpr int kVersion = 3;

    // Brings the database up to kVersion and turns on the write-ahead log. Raises StoreError for
    // a database newer than this server.
    static void Migrate(SqliteDatabase& db);
};

}  // namespace appserver
