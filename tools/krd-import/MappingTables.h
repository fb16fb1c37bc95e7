#pragma once
// The three mapping tables of a loaded screen printed as text: the service pairs, the diet
// mapping and the dish-type mapping with its import mark. Each table is read whole from its
// data packet, whatever filter the screen has put on it, and printed in the packet's row order
// with one column per field, padded to the widest value (widths count characters, not bytes).
// Each table ends with where the load's proposal came from: kept, name or none.
#include <iosfwd>

class TfrmIntegraCardapio;

namespace krdimport {

void PrintMappingTables(const TfrmIntegraCardapio& screen, std::ostream& out);

}  // namespace krdimport
