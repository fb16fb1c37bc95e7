#include "GeneralDatabase.h"

#include "Session.h"
#include "SysUtils.h"

#include <sqlite3.h>

GeneralDatabase::GeneralDatabase(std::string path) : path_(std::move(path)) {}

GeneralDatabase::~GeneralDatabase() { sqlite3_close(handle_); }

sqlite3* GeneralDatabase::Handle() {
    if (handle_) return handle_;
    if (path_.empty()) throw EDatabaseError("Banco de dados geral não configurado.");
    sqlite3* handle = nullptr;
    int rc = sqlite3_open_v2(path_.c_str(), &handle, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        std::string reason = handle ? sqlite3_errmsg(handle) : sqlite3_errstr(rc);
        sqlite3_close(handle);
        throw EDatabaseError("Não foi possível abrir o banco de dados geral " + path_ + ": " + reason);
    }
    handle_ = handle;
    return handle_;
}

GeneralDatabase& dtmDBGeral() { return Session::Current().Database(); }
