// The screen's check of an integration file's header line, fed arbitrary file contents: the
// first line is read from a real file as the screen reads it and checked by the screen's own
// check. Bad input may only be refused with the platform's conversion error. A header
// the application server's reader accepts must pass the screen's check with the same days, or the
// screen would refuse files the server would load.
#include "FuzzCheck.h"

#include "source/IntegrationFileHeader.h"

#include "IntegrationFileReader.h"
#include "SysUtils.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

const std::string& ScratchFile() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("krd-fuzz-header-" + std::to_string(getpid()) + ".txt")).string();
    return path;
}

std::string WrittenAndReadBack(std::string_view bytes) {
    {
        std::ofstream file(ScratchFile(), std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    return krd52100::ReadHeaderLine(ScratchFile());
}

// The first line as the screen must see it: up to the first line end, at most the read cap.
std::string_view ExpectedLine(std::string_view bytes) {
    const std::string_view line = bytes.substr(0, bytes.find_first_of("\r\n"));
    return line.substr(0, krd52100::kMaxHeaderLineBytes);
}

// The screen's own check and summary; empty when it refuses the line.
std::optional<krd52100::IntegrationFileHeader> ScreenCheck(const std::string& line) {
    try {
        const auto header = krd52100::ParseHeaderLine(line);
        if (header) FuzzCheck(!header->Summary().empty(), "summary written");
        return header;
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string line = WrittenAndReadBack(bytes);
    FuzzCheck(line == ExpectedLine(bytes), "the header line read is the file's first line");

    const auto screen = ScreenCheck(line);
    const IntegrationFileReadResult server = IntegrationFileReader::Parse(line + "\r\n", {});
    if (server.ok) {
        FuzzCheck(screen.has_value(), "a header the server accepts passes the screen's check");
        FuzzCheck(screen->firstDay == server.file.header.firstDay && screen->lastDay == server.file.header.lastDay,
                  "the screen reads the days the server reads");
    }
    return 0;
}
