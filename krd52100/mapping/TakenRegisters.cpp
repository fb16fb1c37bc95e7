// The upkeep of the registers of taken values, row by row, by the dataset events of the three
// mapping tables, and their refill by a load or at the end of a pass that held them back (what
// they hold: mapping/TakenRegisters.h).
#include "mapping/TakenRegisters.h"

#include "screen/TfrmIntegraCardapio.h"

#include "TClientDataSet.h"
#include "TField.h"

#include <algorithm>
#include <utility>

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

// Loads the register with `entries` at once: added one by one, each would move the entries after
// it, which in a register of a large load costs far more than the load itself.
void Fill(TClientDataSet& taken, const TakenRegister& rule, std::vector<std::vector<Variant>> entries) {
    DataPacket packet;
    for (const auto& [registerField, rowField] : rule.fields) packet.Fields.push_back(taken.FieldByName(registerField)->Def());
    for (auto& entry : entries) packet.AddRow(std::move(entry));
    taken.SetData(packet);
}

// Takes out of `entries` one of each entry that `released` holds for `rule`.
void LeaveOut(std::vector<std::vector<Variant>>& entries, const TakenRegister& rule, const TakenEntries& released) {
    for (const auto& [releasedRule, entry] : released) {
        if (releasedRule != &rule) continue;
        if (auto held = std::find(entries.begin(), entries.end(), entry); held != entries.end()) entries.erase(held);
    }
}

std::vector<std::vector<Variant>> EntriesOfTable(const TakenRegister& rule, const TClientDataSet& table) {
    const Variant rows = table.GetData();
    return rows.IsPacket() ? krd52100::EntriesOf(rule, rows.AsPacket()) : std::vector<std::vector<Variant>>{};
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
    for (const auto& [rule, entry] : entries)
        if (!Held(*rule)) AddEntry(Named(*this, rule->name), *rule, entry);
}

void TfrmIntegraCardapio::Release(const TakenEntries& entries) {
    for (const auto& [rule, entry] : entries)
        if (!Held(*rule)) RemoveEntry(Named(*this, rule->name), *rule, entry);
}

void TfrmIntegraCardapio::RowEditStarts(TDataSet& table) {
    TakenEntries entries = EntriesOfRow(table);
    if (&table == heldTable) heldEditEntries = entries;
    Release(entries);
}

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
    for (const TakenRegister& rule : krd52100::TakenRegisters())
        Fill(Named(*this, rule.name), rule, EntriesOfTable(rule, Named(*this, rule.table)));
    uncheckedCodes.clear();
}

bool TfrmIntegraCardapio::Held(const TakenRegister& rule) const { return heldTable && heldTable->Name() == rule.table; }

void TfrmIntegraCardapio::HoldRegisters(TClientDataSet& table) {
    heldTable = &table;
    heldEditEntries.clear();
}

// The held registers then hold what the table's posted rows take, except a row whose edit a
// failure interrupted: that edit released its entries.
void TfrmIntegraCardapio::RefillHeldRegisters() {
    TClientDataSet* table = std::exchange(heldTable, nullptr);
    if (!table) return;
    for (const TakenRegister& rule : krd52100::TakenRegisters()) {
        if (table->Name() != rule.table) continue;
        std::vector<std::vector<Variant>> entries = EntriesOfTable(rule, *table);
        if (table->State() == dsEdit) LeaveOut(entries, rule, heldEditEntries);
        Fill(Named(*this, rule.name), rule, std::move(entries));
    }
    heldEditEntries.clear();
}
