// Codes that the user typed into a mapping grid, or picked in a lookup, and that no check has
// accepted yet. The check of a code runs when the focus leaves its column; a row can also be
// left by Tab past the last column, an arrow, a click on another row, Enter or a lookup, and each
// of those posts it. The post then checks every code still unchecked, so that no row is stored
// with a code that the checks would refuse, nor with a name that is not its code's.
#include "screen/TfrmIntegraCardapio.h"

#include "TDataSet.h"
#include "TField.h"

#include <iterator>

// Typed over, a code no longer goes with the name the row shows for it: the name goes until a
// check gives the new code's.
void TfrmIntegraCardapio::MappingCodeSetText(const char* nameField, TField* Sender, const std::string& Text) {
    Sender->SetAsString(Text);
    Sender->DataSet()->FieldByName(nameField)->Clear();
    uncheckedCodes.insert(Sender);
}

bool TfrmIntegraCardapio::Unchecked(const TDataSet& table, const char* field) const {
    return uncheckedCodes.contains(table.FieldByName(field));
}

void TfrmIntegraCardapio::Accepted(const TField& field) { uncheckedCodes.erase(&field); }

void TfrmIntegraCardapio::ForgetUncheckedCodes(const TDataSet& table) {
    std::erase_if(uncheckedCodes, [&](const TField* field) { return field->DataSet() == &table; });
}
