#pragma once
// The host's general database (dtmDBGeral): the SQLite file that holds the company's shared
// tables, such as the branch table the screens look branches up in. Queries (TADOIBQuery) run
// on it. The file must exist; the host never creates it.
#include <string>

struct sqlite3;

class GeneralDatabase {
public:
    explicit GeneralDatabase(std::string path);
    ~GeneralDatabase();
    GeneralDatabase(const GeneralDatabase&) = delete;
    GeneralDatabase& operator=(const GeneralDatabase&) = delete;

    const std::string& Path() const { return path_; }
    // The open connection; the first call opens the file and raises EDatabaseError when it
    // cannot (missing file, not a database).
    sqlite3* Handle();

private:
    std::string path_;
    sqlite3* handle_ = nullptr;
};

// The session's general database (Session::Current().Database()).
GeneralDatabase& dtmDBGeral();
