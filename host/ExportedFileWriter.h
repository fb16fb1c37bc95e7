#pragma once
// Writes onto the user's disk an exported integration file whose text came in the application
// server's answer (ExportaCardapio with an empty target), so that a branch without access to the
// server's folders can export. The text is UTF-8; the file gets it in Windows-1252.
//
// Never half (FileReplacement.h): on any failure the target is as it was, no temporary file is
// left, and EInOutError says why in words for the user.
#include <filesystem>
#include <string_view>

class ExportedFileWriter {
public:
    static void Write(const std::filesystem::path& target, std::string_view text);
};
