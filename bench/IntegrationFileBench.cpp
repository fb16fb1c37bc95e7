// Parsing speed and memory of the integration file reader, against a plain byte scan of the same
// file (memchr for line ends) as the yardstick. Targets: the reader at no less than half the
// scan's throughput (vs_scan), and peak memory under twice the file size.
//
// Files of 10^4, 10^6 and 10^7 menu lines (about 430 MB) are generated into a temporary folder on
// first use and removed at exit. Run a subset with --benchmark_filter, e.g. '/10000$'.
#include "BenchFiles.h"
#include "IntegrationFileReader.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <string>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

class BenchFiles {
  public:
    ~BenchFiles() {
        if (!folder_.empty()) std::filesystem::remove_all(folder_);
    }

    const std::filesystem::path& For(std::uint64_t menuLines) {
        auto& path = files_[menuLines];
        if (path.empty()) {
            if (folder_.empty()) folder_ = MakeBenchFolder("krd-bench");
            path = folder_ / ("menu-" + std::to_string(menuLines) + ".txt");
            std::ofstream out(path, std::ios::binary);
            SyntheticMenuFile(MenuWorkload(menuLines)).Write(out);
        }
        return path;
    }

  private:
    std::filesystem::path folder_;
    std::map<std::uint64_t, std::filesystem::path> files_;
};

BenchFiles files;
std::map<std::uint64_t, double> scanBytesPerSecond;

// Processor time of the whole process, page faults included: the machine may be shared, and
// the wall clock would measure the neighbours too.
double CpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Peak resident memory since the last reset (VmHWM), which /proc/self/clear_refs can reset.
void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

double PeakMemoryBytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) * 1024;
    return 0;
}

void Report(benchmark::State& state, std::uint64_t lines, std::uintmax_t bytes, double seconds) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * lines));
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["peak_mem/file"] = PeakMemoryBytes() / static_cast<double>(bytes);
    state.counters["cpu_MB/s"] =
        static_cast<double>(bytes) * static_cast<double>(state.iterations()) / seconds / 1e6;
}

void ByteScan(benchmark::State& state) {
    const auto lines = static_cast<std::uint64_t>(state.range(0));
    const auto& path = files.For(lines);
    const auto size = std::filesystem::file_size(path);
    ResetPeakMemory();
    double seconds = 0;
    for (auto _ : state) {
        double start = CpuSeconds();
        int fd = ::open(path.c_str(), O_RDONLY);
        void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        ::madvise(data, size, MADV_SEQUENTIAL);
        const char* at = static_cast<const char*>(data);
        const char* end = at + size;
        std::uint64_t count = 0;
        while ((at = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)))) !=
               nullptr) {
            ++count;
            ++at;
        }
        ::munmap(data, size);
        ::close(fd);
        benchmark::DoNotOptimize(count);
        seconds += CpuSeconds() - start;
    }
    Report(state, lines, size, seconds);
    scanBytesPerSecond[lines] = static_cast<double>(size) * static_cast<double>(state.iterations()) / seconds;
}

void ReadIntegrationFile(benchmark::State& state) {
    const auto lines = static_cast<std::uint64_t>(state.range(0));
    const auto& path = files.For(lines);
    const auto size = std::filesystem::file_size(path);
    ResetPeakMemory();
    double seconds = 0;
    for (auto _ : state) {
        double start = CpuSeconds();
        std::uint64_t diners = 0;
        auto result = IntegrationFileReader::Read(path, [&](const MenuLine& line) { diners += line.diners; });
        if (!result.ok) state.SkipWithError(result.error.c_str());
        benchmark::DoNotOptimize(diners);
        seconds += CpuSeconds() - start;
    }
    Report(state, lines, size, seconds);
    if (auto scan = scanBytesPerSecond.find(lines); scan != scanBytesPerSecond.end())
        state.counters["vs_scan"] = state.counters["cpu_MB/s"] * 1e6 / scan->second;
}

} // namespace

BENCHMARK(ByteScan)->Arg(10'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadIntegrationFile)->Arg(10'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
