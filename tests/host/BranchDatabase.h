#pragma once
// A general database on a temporary file holding a small branch table, set as the session's
// general database for the life of the object.
#include "Session.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <string>

class BranchDatabase {
public:
    BranchDatabase() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("host-" + std::string(test->test_suite_name()) + "-" + test->name() + ".db");
        std::filesystem::remove(path_);
        sqlite3* db = nullptr;
        sqlite3_open(path_.c_str(), &db);
        const char* script =
            "CREATE TABLE FILIAL (CDFILIAL VARCHAR(4), NMFILIAL VARCHAR(50), IDCNTRRESC CHAR(1), NRORDEM INTEGER);"
            "INSERT INTO FILIAL VALUES ('0001', 'Matriz', 'N', 1), ('0002', 'Filial Centro', 'N', 2),"
            "                          ('0004', 'Filial Rescindida', 'S', NULL);";
        char* error = nullptr;
        if (sqlite3_exec(db, script, nullptr, nullptr, &error) != SQLITE_OK) ADD_FAILURE() << error;
        sqlite3_free(error);
        sqlite3_close(db);
        Session::Current().SetGeneralDatabasePath(path_.string());
    }
    ~BranchDatabase() {
        Session::Current().Reset();
        std::filesystem::remove(path_);
    }
    BranchDatabase(const BranchDatabase&) = delete;
    BranchDatabase& operator=(const BranchDatabase&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};
