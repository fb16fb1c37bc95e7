#pragma once
// The registers of taken values and what they hold. A register lists the codes that posted
// mapping rows hold, so that the checks refuse a second mapping of the same value:
//   cdsServDestino      destination service of each service pair
//   cdsDietaOrigAux     (origin service, origin diet) of each diet row
//   cdsDietaDest        (destination service, destination diet) of each diet row
//   cdsTipoPratOrigAux  (origin service, sequence, origin dish type) of each dish-type row
//                       marked for import
//   cdsTipoPratDest     (destination service, destination dish type, sequence) of the same rows
//
// What a register holds, at every moment: one entry for each posted row of its mapping table
// that holds a code in the register's code field (dish-type rows only while marked "S"), except
// the row being edited, whose entries leave as its edit starts and come back with its post (new
// values) or its cancel (old values). A load fills the registers from the rows it proposes.
// Rows holding the same code (a load may propose them) give one entry each, so that one of them
// leaving does not free the code that the others still hold.
//
// The screen keeps the registers in step row by row (mapping/TakenRegisters.cpp), or refills
// them at the end of a pass that posts many rows; EntriesOf says what they must then hold for a
// whole table.
#include "DataPacket.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace krd52100 {

struct TakenRegister {
    const char* name;   // the register dataset
    const char* table;  // the mapping table whose rows it stands for
    const char* code;   // the row's field whose code is taken
    bool markedOnly;    // only rows marked for import take it
    // (register field, row field) pairs; the first `keySize` are the register's key.
    std::vector<std::pair<const char*, const char*>> fields;
    size_t keySize;
};

inline const std::vector<TakenRegister>& TakenRegisters() {
    static const std::vector<TakenRegister> registers{
        {"cdsServDestino", "cdsServicos", "CDSERVFILIDEST", false,
         {{"CDSERVFILI", "CDSERVFILIDEST"}, {"NMSERVICO", "NMSERVICODEST"}}, 1},
        {"cdsDietaOrigAux", "cdsDietas", "CDDIETORIG", false,
         {{"CDSERVFILI", "CDSERVORIG"}, {"CDDIETPAD", "CDDIETORIG"}, {"DSDIETPAD", "DSDIETORIG"}}, 2},
        {"cdsDietaDest", "cdsDietas", "CDDIETDEST", false,
         {{"CDSERVFILI", "CDSERVDEST"}, {"CDDIETPAD", "CDDIETDEST"}, {"DSDIETPAD", "DSDIETDEST"}}, 2},
        {"cdsTipoPratOrigAux", "cdsTipoPrat", "CDTIPOORIG", true,
         {{"CDSERVFILI", "CDSERVORIG"}, {"NRSEQCNFMES", "NRSEQORIG"}, {"CDTIPOPRAT", "CDTIPOORIG"},
          {"NRORDCNFMES", "NRORDORIG"}, {"NMTIPOPRAT", "NMTIPOORIG"}, {"IDOPCCNFMES", "IDOPCORIG"}}, 3},
        {"cdsTipoPratDest", "cdsTipoPrat", "CDTIPODEST", true,
         {{"CDSERVFILI", "CDSERVDEST"}, {"CDTIPOPRAT", "CDTIPODEST"}, {"NRSEQDEST", "NRSEQDEST"},
          {"NRORDDEST", "NRORDDEST"}, {"NMTIPOPRAT", "NMTIPODEST"}}, 3},
    };
    return registers;
}

// Entries of one row, each with its register.
using TakenEntries = std::vector<std::pair<const TakenRegister*, std::vector<Variant>>>;

// The entry that a row takes in `taken` (one value per register field), reading the row's fields
// through `value(fieldName)`; none when the row takes no entry there.
template <typename RowValue>
std::optional<std::vector<Variant>> EntryOf(const TakenRegister& taken, RowValue&& value) {
    if (value(taken.code).AsString().find_first_not_of(' ') == std::string::npos) return std::nullopt;
    if (taken.markedOnly && value("IDIMPORTAR").AsString() != "S") return std::nullopt;
    std::vector<Variant> entry;
    for (const auto& [registerField, rowField] : taken.fields) entry.push_back(value(rowField));
    return entry;
}

// The entries `taken` holds for a whole mapping table (all its posted rows, as a data packet)
// while none of its rows is being edited.
inline std::vector<std::vector<Variant>> EntriesOf(const TakenRegister& taken, const DataPacket& rows) {
    std::vector<std::vector<Variant>> entries;
    for (size_t row = 0; row < rows.Rows.size(); ++row) {
        if (auto entry = EntryOf(taken, [&](const char* field) { return rows.Value(row, field); }))
            entries.push_back(std::move(*entry));
    }
    return entries;
}

}  // namespace krd52100
