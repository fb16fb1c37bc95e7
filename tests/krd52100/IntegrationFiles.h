#pragma once
// Integration files written for the screen's tests: raw bytes as another branch's export would
// hold them, and copies of the demo file with another exported period in their header.
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace krd52100::testing {

// The separator byte of the integration file ("ø" in Windows-1252).
inline const std::string kSep = "\xF8";

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A copy of `demo` whose header announces the period [first, last] (yyyymmdd). The menu lines
// stay as they are, so the period must hold the demo week for the server to accept the file.
inline void WriteWithPeriod(const std::filesystem::path& demo, const std::filesystem::path& copy,
                            const std::string& first, const std::string& last) {
    const std::string bytes = ReadBytes(demo);
    const size_t lineEnd = bytes.find("\r\n");
    std::string header = bytes.substr(0, lineEnd);
    size_t fourth = 0;
    for (int field = 0; field < 3; ++field) fourth = header.find(kSep, fourth) + 1;
    header = header.substr(0, fourth) + first + kSep + last + kSep;
    WriteBytes(copy, header + bytes.substr(lineEnd));
}

}  // namespace krd52100::testing
