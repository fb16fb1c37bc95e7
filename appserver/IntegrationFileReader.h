#pragma once
// Reads and validates a whole integration file in one pass (format: docs/integration-file.md).
#include "IntegrationFile.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

// Receives the menu lines one at a time, in file order. The line and its views are valid only
// during the call.
using MenuLineSink = std::function<void(const MenuLine&)>;

struct IntegrationFileReadResult {
    bool ok = false;
    // On success: the header and every definition. On failure: what was read before the fault.
    IntegrationFile file;
    // Menu lines that passed validation (all of them on success).
    std::uint64_t menuLines = 0;
    // On failure, "line N, field F: reason" (or "line N: reason" for a fault of the whole line,
    // or a message naming the file when it cannot be opened or mapped). Empty on success.
    std::string error;
};

// Stateless; safe to use from several threads at once.
//
// Contract of every Read: a malformed file is refused with a result, never an exception, and no
// input makes the reader crash or read outside its bytes. The sink may already have received
// menu lines before a fault further down is found; the caller must treat the file as refused
// (the server imports inside one transaction for that reason). An empty sink skips the menu
// lines, which are still validated. An exception thrown by the sink propagates to the caller.
class IntegrationFileReader {
  public:
    // Maps the file into memory and reads it.
    static IntegrationFileReadResult Read(const std::filesystem::path& path, const MenuLineSink& sink);
    // Reads a whole file already in memory.
    static IntegrationFileReadResult Parse(std::string_view bytes, const MenuLineSink& sink);
    // Header and definitions only; the menu lines are validated and counted but not handed over.
    static IntegrationFileReadResult ReadDefinitions(const std::filesystem::path& path);
};
