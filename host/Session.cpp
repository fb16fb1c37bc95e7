#include "Session.h"

#include "GeneralDatabase.h"
#include "SysUtils.h"

#include <charconv>

namespace {

constexpr const char* kEmbedded = "embedded";

struct ServerLocation {
    std::string host;
    int port = 0;
};

// "http://host[:port]" into its host and port; EConvertError when it is anything else.
ServerLocation ParseHttpAddress(const std::string& address) {
    const std::string scheme = "http://";
    auto bad = [&] { return EConvertError("Endereço do servidor de aplicação inválido: '" + address + "'"); };
    if (address.rfind(scheme, 0) != 0) throw bad();
    std::string rest = address.substr(scheme.size());
    if (!rest.empty() && rest.back() == '/') rest.pop_back();
    ServerLocation location{rest, 80};
    if (auto colon = rest.rfind(':'); colon != std::string::npos) {
        location.host = rest.substr(0, colon);
        std::string port = rest.substr(colon + 1);
        auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), location.port);
        if (error != std::errc() || end != port.data() + port.size() || location.port <= 0 ||
            location.port > 65535)
            throw bad();
    }
    if (location.host.empty() || location.host.find('/') != std::string::npos) throw bad();
    return location;
}

}  // namespace

Session& Session::Current() {
    static Session session;
    return session;
}

Session::Session() { Reset(); }

Session::~Session() = default;

void Session::SetServerAddress(const std::string& address) {
    if (address.empty() || address == kEmbedded) {
        serverHost_ = kEmbedded;
        serverPort_ = 0;
    } else {
        ServerLocation location = ParseHttpAddress(address);
        serverHost_ = location.host;
        serverPort_ = location.port;
    }
    serverAddress_ = address;
}

void Session::SetGeneralDatabasePath(const std::string& path) {
    database_.reset();
    databasePath_ = path;
}

GeneralDatabase& Session::Database() {
    if (!database_) database_ = std::make_unique<GeneralDatabase>(databasePath_);
    return *database_;
}

void Session::SetFormatSettings(const TFormatSettings& settings) { FormatSettings = settings; }

void Session::LogIn(const SessionLogin& login) {
    Reset();
    OperatorCode = login.OperatorCode;
    BranchCode = login.BranchCode;
    BranchMode = login.BranchMode;
    ModuleAcronym = login.ModuleAcronym;
    SetServerAddress(login.ServerAddress);
    ServerToken = login.ServerToken;
    SetGeneralDatabasePath(login.DatabasePath);
}

void Session::Reset() {
    BranchCode.clear();
    BranchName.clear();
    BranchMode = false;
    OperatorCode.clear();
    ModuleAcronym.clear();
    ServerToken.clear();
    ServerAnswerSeconds = 0;
    SetServerAddress("");
    SetGeneralDatabasePath("");
    SetFormatSettings(TFormatSettings::BrazilianPortuguese());
}

std::string FiliProc() { return Session::Current().BranchCode; }
std::string NomeFiliProc() { return Session::Current().BranchName; }
bool ModuFili() { return Session::Current().BranchMode; }
std::string Operador() { return Session::Current().OperatorCode; }
std::string WebURL() { return Session::Current().ServerHost(); }
int WebPort() { return Session::Current().ServerPort(); }
std::string _SiglaModulo() { return Session::Current().ModuleAcronym; }
