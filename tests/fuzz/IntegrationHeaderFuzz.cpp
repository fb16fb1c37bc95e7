// The screen's check of an integration file's header line, fed arbitrary file contents: the
// first line is read from a real file as the screen reads it, split into fields, decoded and its
// days converted. Bad input may only be refused with the platform's conversion error. A header
// the application server's reader accepts must pass the screen's check with the same days, or the
// screen would refuse files the server would load.
#include "FuzzCheck.h"

#include "source/IntegrationFileHeader.h"

#include "FormatSettings.h"
#include "IntegrationFileReader.h"
#include "SysUtils.h"
#include "Text.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
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

struct ScreenHeader {
    bool accepted = false;
    TDateTime firstDay;
    TDateTime lastDay;
};

// The steps of the screen's own check, in its order.
ScreenHeader ScreenCheck(std::string_view line) {
    using krd52100::TakeHeaderField;
    ScreenHeader header;
    std::string_view rest = line;
    if (TakeHeaderField(rest) != "CARDAPIO") return header;
    const std::string branch = DecodeWindows1252(TakeHeaderField(rest));
    const std::string branchName = DecodeWindows1252(TakeHeaderField(rest));
    const std::string_view firstField = TakeHeaderField(rest);
    const std::string_view lastField = TakeHeaderField(rest);
    try {
        header.firstDay = krd52100::HeaderDay(firstField);
        header.lastDay = krd52100::HeaderDay(lastField);
    } catch (const EConvertError&) {
        return header;
    }
    const std::string summary = "Filial Origem " + branch + " " + branchName + " Cardápio de " +
                                DateToStr(header.firstDay) + " até " + DateToStr(header.lastDay);
    FuzzCheck(!summary.empty(), "summary written");
    header.accepted = true;
    return header;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string line = WrittenAndReadBack(bytes);
    FuzzCheck(line == ExpectedLine(bytes), "the header line read is the file's first line");

    const ScreenHeader screen = ScreenCheck(line);
    const IntegrationFileReadResult server = IntegrationFileReader::Parse(line + "\r\n", {});
    if (server.ok) {
        FuzzCheck(screen.accepted, "a header the server accepts passes the screen's check");
        FuzzCheck(screen.firstDay == server.file.header.firstDay && screen.lastDay == server.file.header.lastDay,
                  "the screen reads the days the server reads");
    }
    return 0;
}
