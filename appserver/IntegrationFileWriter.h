#pragma once
// Writes integration files (format: docs/integration-file.md): Windows-1252 text, every field
// followed by the separator byte 0xF8, every line ended by CR LF.
#include "IntegrationFile.h"

#include <ostream>
#include <string>

// Writes records as given, one line each, without judging them: the caller keeps the order the
// reader requires (header, services, then diets, dish types and dishes, then menu lines), and
// tests may write faulty files on purpose. Text that Windows-1252 cannot hold is written as '?'.
// Stream failures are left in the stream's state for the caller to check.
class IntegrationFileWriter {
  public:
    explicit IntegrationFileWriter(std::ostream& out) : out_(out) {}

    void Write(const IntegrationHeader& header);
    void Write(const FileService& service);
    void Write(const FileDiet& diet);
    void Write(const FileDishType& dishType);
    void Write(const FileDish& dish);
    void Write(const MenuLine& menuLine);
    // The header and every definition, in the reader's order.
    void Write(const IntegrationFile& file);

  private:
    void Field(std::string_view text);
    void Number(int value);
    void Day(TDateTime day);
    void EndLine();

    std::ostream& out_;
    std::string line_;
    TDateTime lastDay_{-1e9};
    std::string lastDayText_;
};
