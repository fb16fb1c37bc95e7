#pragma once
// The in-memory dataset: records in a compact store, a view of record ids in the active
// index's order through the active filter, and a change log.
//
// Store and view:
// - every record ever loaded or posted has an id (its place in records_); deleted ones stay
//   as tombstones until the change log is merged, so the log can still show their values;
// - order_ lists the live ids in default order (packet order; Insert places a record before
//   the current one, Append at the end), each record carrying an increasing sequence number;
// - view_ lists the ids that pass the filter, sorted by the active index, ties in default
//   order, nulls first. Locate and FindKey bisect it on the index's leading fields.
// - indexed_ lists every live id in the active index's order, built when first needed and
//   dropped when a change could disorder it. A filter that requires the index's leading field
//   to equal a value takes its candidates from there by bisection, so switching between the
//   groups of a large dataset costs the size of the group, not of the dataset.
// - keys_ holds each record's key under the active index, folded (FoldedKey.h), so that sorting
//   and bisecting compare flat bytes and reach for the record only where those bytes cannot
//   tell; where they also prove a match, the record is not read. A copy of view_ with the keys
//   beside the ids (blocks of 4 entries, and every 16th block's first entry apart), kept until
//   the view changes, lets a look-up bisect a small array, then fetch a few blocks at once and
//   find the entry there. view_ itself stays a list of ids, so that a delete or an insert in a
//   large view moves little memory.
//
// Data and change log (a simplification of the platform, kept on purpose): Data is the current
// records in default order, all of kind Unmodified; the change log travels only as Delta, which
// holds one entry per changed record: Inserted, Original+Modified (both complete), or Deleted
// (original values). A record inserted and then deleted leaves no entry. SetData loads a
// packet's current rows (Unmodified, Inserted and Modified ones) and starts an empty log.
//
// Fields: persistent fields (defined in code before opening) keep their order and properties
// across SetData; they are matched to packet columns by name, case-insensitively; one the packet
// lacks gets a column of nulls. Packet columns without a persistent field stay in the records
// (Data carries them, filters may name them) but have no TField. Without persistent fields,
// opening creates one field per column and closing destroys them. Closing drops the records.
#include "DataPacket.h"
#include "FilterExpression.h"
#include "IndexKey.h"
#include "TDataSet.h"
#include "TIndexDefs.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TClientDataSet : public TDataSet {
public:
    explicit TClientDataSet(TComponent* owner = nullptr);
    ~TClientDataSet() override;

    // Definitions used by CreateDataSet when there are no persistent fields.
    std::vector<FieldDef>& FieldDefs() { return fieldDefs_; }
    // Opens an empty dataset with the persistent fields (else FieldDefs); must be closed.
    void CreateDataSet();

    // Replaces content and change log, as Close then Open (with their events); a Null variant
    // just closes. Filter, index and their options apply on the reopen.
    void SetData(const Variant& data);
    void SetData(const DataPacket& packet);
    Variant Data() const;
    Variant GetData() const { return Data(); }
    Variant Delta() const;
    int GetChangeCount() const;
    int ChangeCount() const { return GetChangeCount(); }
    // Makes the current records the baseline and empties the log (a pending edit is posted or
    // cancelled first). No events, the cursor stays.
    void MergeChangeLog();

    TIndexDefs& IndexDefs() { return indexDefs_; }
    const std::string& IndexName() const { return indexName_; }
    // Orders by that IndexDefs entry ("" for default order) and clears IndexFieldNames. On an
    // open dataset: CheckBrowseMode, re-order keeping the current record, dataset-changed
    // notification, no scroll events. Unknown name: EDatabaseError.
    void SetIndexName(const std::string& name);
    const std::string& IndexFieldNames() const { return indexFieldNames_; }
    // Orders ascending and case-sensitively by fields "A;B"; clears IndexName.
    void SetIndexFieldNames(const std::string& fields);

    const std::string& Filter() const { return filter_; }
    bool Filtered() const { return filtered_; }
    TFilterOptions FilterOptions() const { return filterOptions_; }
    // Each setter re-filters an open, filtered dataset: the new text is parsed first (a bad one
    // raises and changes nothing), then CheckBrowseMode, rebuild, First.
    void SetFilter(const std::string& text);
    void SetFiltered(bool filtered);
    void SetFilterOptions(TFilterOptions options);

    // The first record in view order whose fields (names separated by ';') match the values
    // (one value, or VarArrayOf for several). Script: BeforeScroll, CheckBrowseMode, search;
    // when found the cursor moves, AfterScroll, true; else nothing more, false.
    bool Locate(std::string_view keyFields, const Variant& keyValues, TLocateOptions options = 0);
    // Exact match on the active index's first values.size() fields (case sensitivity follows
    // the index). Script: CheckBrowseMode, BeforeScroll, search, as Locate. EDatabaseError
    // without an active index.
    bool FindKey(const std::vector<Variant>& keyValues);

protected:
    void OpenCursor() override;
    void CloseCursor() override;
    int ViewSize() const override { return static_cast<int>(view_.size()); }
    const std::vector<Variant>& ViewRow(int position) const override;
    std::vector<Variant> BlankRecord() const override;
    int StoreRecord(std::vector<Variant> values, bool inserting, int position) override;
    void RemoveRecord(int position) override;

private:
    enum class Status : uint8_t { Unmodified, Inserted, Modified, Deleted, Dropped };
    struct Record {
        std::vector<Variant> values;
        std::vector<Variant> original;  // baseline values of a Modified or Deleted record
        uint64_t sequence = 0;
        Status status = Status::Unmodified;
    };
    // One search condition: a column and the value it must match.
    struct Condition {
        int column;
        const Variant* given;  // the caller's value, where it needs no conversion
        Variant converted;
        bool caseInsensitive;
        bool partial;
        const Variant& Key() const { return given ? *given : converted; }
    };
    using RecordId = uint32_t;
    struct Slot {
        RecordId id;
        dataset::FoldedKey key;  // under the active index
    };
    // kSampleStep consecutive entries of the view with their keys, in two cache lines: the block
    // a look-up's bisection lands on holds the keys it still has to compare.
    static constexpr size_t kSampleStep = 4;
    struct alignas(64) SampleBlock {
        Slot entries[kSampleStep];
    };
    // The fields Locate resolved for a text of field names, valid while the fields stay as they were.
    struct LocateFields {
        std::string names;
        uint64_t fieldsVersion = 0;
        std::vector<TField*> fields;
    };

    int ColumnOf(std::string_view name) const;
    void CreateFields();
    void LoadRecords(const DataPacket& packet);
    dataset::IndexKey BuildIndexKey(const std::string& indexName, const std::string& fieldNames) const;
    void ChangeIndex(const std::string& indexName, const std::string& fieldNames);
    void ChangeFilter(const std::string& text, bool filtered, TFilterOptions options);
    std::optional<dataset::FilterExpression> BuildFilter(const std::string& text, bool filtered,
                                                         TFilterOptions options) const;
    bool Passes(RecordId id) const;
    void FoldKey(RecordId id);
    void FoldKeys();
    bool Before(const Slot& a, const Slot& b) const;
    bool Before(RecordId a, RecordId b) const { return Before(Slot{a, keys_[a]}, Slot{b, keys_[b]}); }
    void RebuildView();
    bool RebuildViewFromIndex();
    void RememberIndexedOrder();
    const std::vector<RecordId>& IndexedRecords();
    void SortByIndex(std::vector<RecordId>& ids) const;
    uint64_t SequenceBefore(size_t orderPosition);
    void Renumber(size_t place);
    size_t OrderPosition(RecordId id) const;
    void LogChange(RecordId id, Status from);
    int Search(const std::vector<Condition>& conditions);
    const std::vector<SampleBlock>* ViewSamples();
    bool Matches(RecordId id, const std::vector<Condition>& conditions) const;
    const std::vector<TField*>& LocateFieldsOf(std::string_view keyFields);

    std::vector<FieldDef> fieldDefs_;
    TIndexDefs indexDefs_;
    std::string indexName_, indexFieldNames_;
    std::string filter_;
    bool filtered_ = false;
    TFilterOptions filterOptions_ = 0;

    std::shared_ptr<const DataPacket> source_;  // what the next open loads
    std::vector<FieldDef> columns_;
    std::vector<Record> records_;
    std::vector<RecordId> order_;
    std::vector<RecordId> view_;
    std::vector<RecordId> indexed_;
    std::vector<dataset::FoldedKey> keys_;  // by record id, under the active index
    std::vector<SampleBlock> samples_;  // view_ in blocks, for look-ups
    std::vector<Slot> sampleTops_;       // the first entry of every few blocks
    bool samplesCurrent_ = false;
    size_t unsampledLookups_ = 0;  // look-ups since the view changed, while unsampled
    bool indexedCurrent_ = false;
    std::vector<RecordId> changes_;  // ids in the order they first changed
    dataset::IndexKey indexKey_;
    std::optional<dataset::FilterExpression> filterExpression_;
    LocateFields locateFields_;
};
