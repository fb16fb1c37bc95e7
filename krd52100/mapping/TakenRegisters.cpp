// The upkeep of the registers of taken values, row by row, by the dataset events of the three
// mapping tables, and their refill by a load (what they hold: mapping/TakenRegisters.h).
#include "mapping/TakenRegisters.h"

#include "screen/TfrmIntegraCardapio.h"

#include "TClientDataSet.h"
#include "TField.h"

using krd52100::TakenEntries;
using krd52100::TakenRegister;

namespace {

TClientDataSet& Named(const TComponent& owner, const char* name) {
    return dynamic_cast<TClientDataSet&>(*owner.FindComponent(name));
}

void AddEntry(TClientDataSet& taken, const TakenRegister& rule, const std::vector<Variant>& entry) {
    taken.Insert();
    for (size_t i = 0; i < rule.fields.size(); ++i) taken.FieldByName(rule.fields[i].first)->SetValue(entry[i]);
    taken.Post();
}

// Removes one entry with the entry's key, exactly as it was taken.
void RemoveEntry(TClientDataSet& taken, const TakenRegister& rule, const std::vector<Variant>& entry) {
    std::string keyFields;
    Variant::Array keyValues;
    for (size_t i = 0; i < rule.keySize; ++i) {
        keyFields += (i ? ";" : "") + std::string(rule.fields[i].first);
        keyValues.push_back(entry[i]);
    }
    if (taken.Locate(keyFields, rule.keySize == 1 ? keyValues[0] : Variant(keyValues))) taken.Delete();
}

}  // namespace

TakenEntries TfrmIntegraCardapio::EntriesOfRow(const TDataSet& table) const {
    TakenEntries entries;
    for (const TakenRegister& rule : krd52100::TakenRegisters()) {
        if (table.Name() != rule.table) continue;
        if (auto entry = krd52100::EntryOf(rule, [&](const char* field) { return table.FieldByName(field)->Value(); }))
            entries.emplace_back(&rule, std::move(*entry));
    }
    return entries;
}

void TfrmIntegraCardapio::Take(const TakenEntries& entries) {
    for (const auto& [rule, entry] : entries) AddEntry(Named(*this, rule->name), *rule, entry);
}

void TfrmIntegraCardapio::Release(const TakenEntries& entries) {
    for (const auto& [rule, entry] : entries) RemoveEntry(Named(*this, rule->name), *rule, entry);
}

void TfrmIntegraCardapio::RowEditStarts(TDataSet& table) { Release(EntriesOfRow(table)); }

// Read as the row is about to be stored: after the post the cursor may stand on another row
// (a row that leaves the table's filter hands it to its neighbour).
void TfrmIntegraCardapio::RowPosting(TDataSet& table) { postingEntries = EntriesOfRow(table); }

void TfrmIntegraCardapio::RowPosted(TDataSet& table) {
    Take(postingEntries);
    postingEntries.clear();
    ForgetUncheckedCodes(table);
}

void TfrmIntegraCardapio::RowCancelling(TDataSet& table) { cancellingEdit = table.State() == dsEdit; }

// A cancelled insert leaves no row; a cancelled edit gives the row its posted values back.
void TfrmIntegraCardapio::RowCancelled(TDataSet& table) {
    if (cancellingEdit) Take(EntriesOfRow(table));
    cancellingEdit = false;
    ForgetUncheckedCodes(table);
}

// A row deleted while being edited released its entries as its edit started.
void TfrmIntegraCardapio::RowDeleting(TDataSet& table) {
    leavingEntries = table.State() == dsBrowse ? EntriesOfRow(table) : TakenEntries{};
}

void TfrmIntegraCardapio::RowDeleted(TDataSet& table) {
    Release(leavingEntries);
    leavingEntries.clear();
    ForgetUncheckedCodes(table);
}

void TfrmIntegraCardapio::RebuildTakenRegisters() {
    for (const TakenRegister& rule : krd52100::TakenRegisters()) {
        TClientDataSet& taken = Named(*this, rule.name);
        taken.Close();
        taken.CreateDataSet();
        const Variant rows = Named(*this, rule.table).GetData();
        if (!rows.IsPacket()) continue;
        for (const auto& entry : krd52100::EntriesOf(rule, rows.AsPacket())) AddEntry(taken, rule, entry);
    }
    uncheckedCodes.clear();
}
