#pragma once
// The logged-in session of the host client: the operator, the branch the client works for and
// in which mode, where the application server and the general database are, and the locale.
// One per process, living in libhost so that the host and every module it loads share it. The
// host application fills it at start; modules only read it, through the routines below.
#include "FormatSettings.h"

#include <memory>
#include <string>

class GeneralDatabase;

// What a host logs a user in with (its command line, its start dialog).
struct SessionLogin {
    std::string OperatorCode;
    std::string BranchCode;
    bool BranchMode = false;
    std::string ModuleAcronym;
    std::string ServerAddress = "embedded";
    std::string ServerToken;
    std::string DatabasePath;
};

class Session {
public:
    static Session& Current();

    std::string BranchCode;     // FiliProc: code of the branch the client is logged into
    std::string BranchName;     // NomeFiliProc
    bool BranchMode = false;    // ModuFili: true in branch mode, false in head-office mode
    std::string OperatorCode;   // Operador
    std::string ModuleAcronym;  // _SiglaModulo: acronym of the running client module
    std::string ServerToken;    // bearer token sent to an HTTP application server ("" = none)
    // How long a call to an HTTP application server may wait for its answer, in seconds; 0 takes
    // the transport's default, which allows for a long import. A host that prefers to fail fast
    // (or a test against a server that never answers) sets less.
    int ServerAnswerSeconds = 0;

    // "" or "embedded": the application server runs in process (see EmbeddedTransport.h);
    // "http://host:port" (port 80 when omitted): over HTTP. Anything else raises
    // EConvertError and leaves the address unchanged.
    void SetServerAddress(const std::string& address);
    const std::string& ServerAddress() const { return serverAddress_; }
    // WebURL: the server's host name, "embedded" for the in-process server. WebPort: its port,
    // 0 for the in-process server.
    const std::string& ServerHost() const { return serverHost_; }
    int ServerPort() const { return serverPort_; }

    // The host's general database (SQLite file), opened on first use. Changing the path closes
    // the connection that was open.
    void SetGeneralDatabasePath(const std::string& path);
    const std::string& GeneralDatabasePath() const { return databasePath_; }
    GeneralDatabase& Database();

    // Becomes the platform's current FormatSettings (dates, weekday names).
    void SetFormatSettings(const TFormatSettings& settings);

    // Back to a blank session (embedded server, Brazilian Portuguese, no database): for hosts
    // that log a new user in, and for tests.
    void Reset();
    // A blank session with the login's values. A bad server address raises EConvertError.
    void LogIn(const SessionLogin& login);

private:
    Session();
    ~Session();

    std::string serverAddress_;
    std::string serverHost_;
    int serverPort_ = 0;
    std::string databasePath_;
    std::unique_ptr<GeneralDatabase> database_;
};

// The session values under the names the modules call them by.
std::string FiliProc();
std::string NomeFiliProc();
bool ModuFili();
std::string Operador();
std::string WebURL();
int WebPort();
std::string _SiglaModulo();
