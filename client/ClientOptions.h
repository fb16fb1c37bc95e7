#pragma once
// What the desktop client logs in with: the session (operator, branch, mode, module acronym),
// where the application server is, the company database and the screen module. They come from
// the command line and can be reviewed in the start dialog.
#include <filesystem>
#include <string>

struct ClientOptions {
    std::string operatorCode = "OPERADOR";
    std::string branch = "0003";
    bool branchMode = false;  // "filial" (branch mode) or "matriz" (head office)
    std::string moduleAcronym = "KRD";
    std::string server = "embedded";  // or http://host:port
    std::string token;
    std::filesystem::path database;  // empty: the demo company in the user's data folder
    std::filesystem::path modulePath;
    std::filesystem::path exportModulePath;
    bool startDialog = true;
    bool openScreen = false;  // open the import screen at once

    // The demo folder: ${XDG_DATA_HOME:-~/.local/share}/krd52100.
    static std::filesystem::path DemoFolder();
};
