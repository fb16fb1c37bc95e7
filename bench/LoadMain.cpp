// krd-load: the application server under N operators at once. A krd-appserver process serves a
// temporary store over HTTP on loopback; N clients, each working a destination branch of its
// own, repeat the screen's cycle (the load, the lookups of the mapping grids, the import) for a
// bounded time. Prints, as markdown, the calls per second and the p50/p99 latency of each method,
// the errors (any failure answer or refused import: there must be none), and the server
// process's CPU time and peak memory. Run by scripts/load, not by CI.
#include "BenchFiles.h"
#include "HttpServerClient.h"
#include "SqliteDatabase.h"
#include "SqliteStatement.h"
#include "StoreSchema.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
constexpr const char* kOrigin = "0001";

std::string BranchOf(int client) { return std::to_string(1000 + client); }

// The weekly file every branch imports: three services of four diets and six dish types.
SyntheticMenuSettings Week(uint64_t lines) {
    SyntheticMenuSettings settings;
    settings.menuLines = lines;
    settings.originBranch = kOrigin;
    return settings;
}

// A store whose branches register the file's codes and names, so the load proposes every
// mapping; the period rule is off so that a branch imports the same week again and again.
void MakeStore(const fs::path& db, const IntegrationFile& file, int clients) {
    appserver::SqliteDatabase store(db.string());
    appserver::StoreSchema::Migrate(store);
    store.Execute("INSERT INTO PARAMINTEGRACAO VALUES ('1', 'T', 'S', 'N', '')");
    store.Execute("BEGIN");
    auto branch = store.Prepare("INSERT INTO FILIAL VALUES (?, 'Filial de carga', 'N')");
    branch.Bind(1, kOrigin).Run();
    auto service = store.Prepare("INSERT INTO SERVFILI VALUES (?, ?, ?, ?)");
    auto diet = store.Prepare("INSERT INTO SERVDIETA VALUES (?, ?, ?, ?)");
    auto type = store.Prepare("INSERT INTO CNFCARDAPIO VALUES (?, ?, '2000-01-01', ?, ?, ?, ?, ?)");
    auto dish = store.Prepare("INSERT INTO PRATO VALUES (?, ?, ?)");
    for (int client = 0; client < clients; ++client) {
        const std::string code = BranchOf(client);
        branch.Bind(1, code).Run();
        for (const auto& s : file.services) service.Bind(1, code).Bind(2, s.code).Bind(3, s.name).Bind(4, s.hospital ? "S" : "N").Run();
        for (const auto& d : file.diets) diet.Bind(1, code).Bind(2, d.service).Bind(3, d.code).Bind(4, d.name).Run();
        for (const auto& t : file.dishTypes)
            type.Bind(1, code).Bind(2, t.service).Bind(3, t.code).Bind(4, t.sequence).Bind(5, t.order).Bind(6, t.name)
                .Bind(7, t.option ? "S" : "N").Run();
        for (const auto& d : file.dishes) dish.Bind(1, code).Bind(2, d.code).Bind(3, d.name).Run();
    }
    store.Execute("COMMIT");
}

int FreePort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(s, reinterpret_cast<sockaddr*>(&address), size);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(s);
    return ntohs(address.sin_port);
}

// CPU seconds (user + system) and peak resident MB of a process, from /proc.
double CpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string field;
    unsigned long long user = 0, system = 0;
    for (int i = 1; i <= 15 && stat >> field; ++i) {
        if (i == 14) user = std::stoull(field);
        if (i == 15) system = std::stoull(field);
    }
    return static_cast<double>(user + system) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

double PeakMb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

struct Tally {
    std::mutex mutex;
    std::map<std::string, std::vector<double>> millis;
    std::atomic<long> errors{0};
    std::string firstError;

    void Merge(std::map<std::string, std::vector<double>>& mine) {
        std::lock_guard<std::mutex> guard(mutex);
        for (auto& [method, times] : mine) millis[method].insert(millis[method].end(), times.begin(), times.end());
    }
    void Error(const std::string& what) {
        if (errors++ == 0) {
            std::lock_guard<std::mutex> guard(mutex);
            firstError = what;
        }
    }
};

// One operator: the screen's calls for its branch, cycle after cycle, until the deadline.
void Operate(int port, int client, const std::string& file, Clock::time_point deadline, Tally& tally) {
    appserver::HttpServerClient server("127.0.0.1", port);
    const std::string branch = BranchOf(client);
    std::map<std::string, std::vector<double>> mine;
    auto call = [&](const std::string& label, const std::string& method, const Variant::Array& args) {
        const auto start = Clock::now();
        Variant answer = server.Call(method, args);
        mine[label].push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (!answer[0].AsBoolean()) tally.Error(method + ": " + answer[1].AsString());
        return answer;
    };
    const Variant day(static_cast<double>(Week(0).firstDay.Value));
    while (Clock::now() < deadline) {
        const Variant load = call("ImportaCardapio (carga)", "ImportaCardapio", {file, "CARGA", branch, Variant(), Variant(), Variant()});
        if (load[2].ArrayLength() != 8) continue;
        call("GetPesqServ", "GetPesqServ", {branch});
        call("GetVd_DietaDestino", "GetVd_DietaDestino", {branch, "00001", "0001", "X"});
        call("GetPesqTipoPrat", "GetPesqTipoPrat", {branch, "00001", day});
        const Variant& proposal = load[2];
        const Variant written = call("ImportaCardapio (importação)", "ImportaCardapio",
                                     {file, "CARGA", branch, proposal[2], proposal[3], proposal[4]});
        if (written[0].AsBoolean() && written[2][0].AsString() != "OK") tally.Error("import refused: " + written[2][0].AsString());
    }
    tally.Merge(mine);
}

double Percentile(std::vector<double>& sorted, double p) {
    return sorted[std::min(sorted.size() - 1, static_cast<size_t>(p * static_cast<double>(sorted.size())))];
}

void Report(Tally& tally, int clients, double seconds, double cpu, double peakMb, uint64_t lines) {
    std::printf("### N = %d clients, %.0f s, %llu menu lines per import\n\n", clients, seconds,
                static_cast<unsigned long long>(lines));
    std::printf("| Method | Calls | Calls/s | p50 ms | p99 ms |\n|---|---|---|---|---|\n");
    for (auto& [method, times] : tally.millis) {
        std::sort(times.begin(), times.end());
        std::printf("| %s | %zu | %.1f | %.1f | %.1f |\n", method.c_str(), times.size(),
                    static_cast<double>(times.size()) / seconds, Percentile(times, 0.50), Percentile(times, 0.99));
    }
    std::printf("\nErrors: %ld%s%s. Server: %.1f CPU s in %.0f s (%.0f%% of one core), peak RSS %.0f MB.\n\n",
                tally.errors.load(), tally.errors ? " - first: " : "", tally.firstError.c_str(), cpu, seconds,
                100.0 * cpu / seconds, peakMb);
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Load test of the application server over HTTP on loopback."};
    int clients = 8, seconds = 10;
    uint64_t lines = 5000;
    std::string appserver = KRD_APPSERVER_PATH;
    app.add_option("--clients", clients, "concurrent clients, one branch each")->check(CLI::Range(1, 8999));
    app.add_option("--seconds", seconds, "how long the clients work")->check(CLI::Range(1, 3600));
    app.add_option("--lines", lines, "menu lines of the weekly file each import writes")->check(CLI::Range(1, 10000000));
    app.add_option("--appserver", appserver, "the krd-appserver program");
    CLI11_PARSE(app, argc, argv);

    const fs::path folder = MakeBenchFolder("krd-load");
    const fs::path db = folder / "empresa.db", file = folder / "semana.txt";
    SyntheticMenuFile week(Week(lines));
    {
        std::ofstream out(file, std::ios::binary);
        week.Write(out);
    }
    MakeStore(db, week.Definitions(), clients);
    const int port = FreePort();
    const pid_t server = ::fork();
    if (server == 0) {
        // Its "serving on" line is not part of the report.
        ::dup2(::open("/dev/null", O_WRONLY), STDOUT_FILENO);
        const std::string portText = std::to_string(port);
        ::execl(appserver.c_str(), appserver.c_str(), "serve", "--db", db.c_str(), "--port", portText.c_str(),
                "--import-root", folder.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    appserver::HttpServerClient probe("127.0.0.1", port);
    for (int tries = 0; tries < 100 && !probe.Call("GetParamIntegra", {})[0].AsBoolean(); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));

    Tally tally;
    const double cpuBefore = CpuSeconds(server);
    const auto start = Clock::now();
    std::vector<std::thread> operators;
    for (int client = 0; client < clients; ++client)
        operators.emplace_back(Operate, port, client, file.filename().string(), start + std::chrono::seconds(seconds),
                               std::ref(tally));
    for (auto& op : operators) op.join();
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = CpuSeconds(server) - cpuBefore;
    const double peak = PeakMb(server);
    ::kill(server, SIGTERM);
    ::waitpid(server, nullptr, 0);
    fs::remove_all(folder);
    Report(tally, clients, elapsed, cpu, peak, lines);
    return tally.errors == 0 ? 0 : 1;
}
