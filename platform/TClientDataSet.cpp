#include "TClientDataSet.h"

#include "DBConsts.h"
#include "Format.h"
#include "SysUtils.h"
#include "TBooleanField.h"
#include "TDateTimeField.h"
#include "TFloatField.h"
#include "TIntegerField.h"
#include "TStringField.h"
#include "Text.h"
#include "ValueCompare.h"

#include <algorithm>
#include <span>

namespace {

// Taking the sample costs a pass over the view. A register edited between its look-ups would pay
// that pass at every look-up, so a changed view is sampled again only every so many look-ups, and
// bisected whole until then.
constexpr size_t kLookupsPerSampling = 1024;
// The sample's blocks are bisected through every kBlocksPerTop-th block's key: that array is small
// enough to stay in the cache and leaves a look-up few enough blocks to fetch all at once.
constexpr size_t kBlocksPerTop = 16;

// Room between consecutive sequence numbers, so that an Insert rarely has to renumber.
constexpr uint64_t kSequenceGap = uint64_t{1} << 20;

// Names separated by ';', blanks around them dropped; views into `names`.
std::vector<std::string_view> SplitNames(std::string_view names) {
    constexpr std::string_view kBlanks = " \t\r\n";
    std::vector<std::string_view> result;
    size_t begin = 0;
    while (begin <= names.size()) {
        size_t end = std::min(names.find(';', begin), names.size());
        std::string_view name = names.substr(begin, end - begin);
        size_t first = name.find_first_not_of(kBlanks);
        if (first != std::string_view::npos) result.push_back(name.substr(first, name.find_last_not_of(kBlanks) + 1 - first));
        begin = end + 1;
    }
    return result;
}

// The position of the first slot for which `before` is false, as std::partition_point, but
// fetching both places the next halving may look at while the current comparison runs: in a
// view of a million records a look-up's cost is waiting for memory, not comparing.
template <typename Slot, typename Before>
typename std::vector<Slot>::const_iterator Bisect(const std::vector<Slot>& slots, Before before) {
    const Slot* base = slots.data();
    size_t count = slots.size();
    while (count > 0) {
        size_t half = count / 2;
        __builtin_prefetch(base + half / 2);
        __builtin_prefetch(base + half + 1 + (count - half - 1) / 2);
        if (before(base[half])) {
            base += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    return slots.begin() + (base - slots.data());
}

TField* CreateField(TDataSet* dataSet, const FieldDef& def) {
    switch (def.Type) {
    case FieldType::String: return new TStringField(dataSet);
    case FieldType::Integer: return new TIntegerField(dataSet);
    case FieldType::Double: return new TFloatField(dataSet);
    case FieldType::Boolean: return new TBooleanField(dataSet);
    case FieldType::Date: return new TDateTimeField(dataSet);
    }
    throw EDatabaseError("Unknown type of field '" + def.Name + "'");
}

} // namespace

TClientDataSet::TClientDataSet(TComponent* owner) : TDataSet(owner) {}

TClientDataSet::~TClientDataSet() = default;

// ---- loading

void TClientDataSet::CreateDataSet() {
    if (Active()) throw EDatabaseError(dbconsts::OpenDataSet);
    auto packet = std::make_shared<DataPacket>();
    if (Fields().empty()) {
        if (fieldDefs_.empty()) throw EDatabaseError(dbconsts::NoFieldDefs);
        packet->Fields = fieldDefs_;
    }
    source_ = std::move(packet);
    Open();
}

void TClientDataSet::SetData(const Variant& data) {
    if (data.IsNull()) {
        Close();
        return;
    }
    std::shared_ptr<const DataPacket> packet = data.PacketPtr();
    Close();
    source_ = std::move(packet);
    Open();
}

void TClientDataSet::SetData(const DataPacket& packet) { SetData(Variant(packet)); }

void TClientDataSet::OpenCursor() {
    if (!source_) throw EDatabaseError(dbconsts::NoFieldDefs);
    std::shared_ptr<const DataPacket> packet = std::move(source_);
    columns_ = packet->Fields;
    for (TField* field : Fields()) {
        int column = ColumnOf(field->FieldName());
        if (column < 0) {
            column = static_cast<int>(columns_.size());
            columns_.push_back(field->Def());
        }
        columns_[column] = field->Def();
        SetFieldColumn(field, column);
    }
    if (Fields().empty()) CreateFields();
    indexKey_ = BuildIndexKey(indexName_, indexFieldNames_);
    filterExpression_ = BuildFilter(filter_, filtered_, filterOptions_);
    LoadRecords(*packet);
    FoldKeys();
    indexedCurrent_ = false;
    RebuildView();
}

void TClientDataSet::CreateFields() {
    for (size_t column = 0; column < columns_.size(); ++column) {
        const FieldDef& def = columns_[column];
        TField* field = CreateField(this, def);
        field->SetFieldName(def.Name);
        if (def.Type == FieldType::String) field->SetSize(def.Size);
        field->SetRequired(def.Required);
        SetFieldColumn(field, static_cast<int>(column));
    }
    SetDefaultFields(true);
}

void TClientDataSet::LoadRecords(const DataPacket& packet) {
    // Values go through a field's conversion where the packet's type differs from the field's,
    // and for text (cut to the field's size).
    std::vector<TField*> converting;
    for (TField* field : Fields()) {
        int column = ColumnOf(field->FieldName());
        bool fromPacket = static_cast<size_t>(column) < packet.Fields.size();
        if (fromPacket && (packet.Fields[column].Type != field->DataType() || field->DataType() == FieldType::String))
            converting.push_back(field);
    }
    std::vector<int> columns;
    for (TField* field : converting) columns.push_back(ColumnOf(field->FieldName()));

    records_.reserve(packet.Rows.size());
    order_.reserve(packet.Rows.size());
    for (const PacketRow& row : packet.Rows) {
        if (row.Kind == RowKind::Original || row.Kind == RowKind::Deleted) continue;
        Record record;
        record.values = row.Values;
        record.values.resize(columns_.size());
        for (size_t i = 0; i < converting.size(); ++i) {
            Variant& value = record.values[columns[i]];
            if (!value.IsNull()) value = converting[i]->Convert(value);
        }
        record.sequence = (records_.size() + 1) * kSequenceGap;
        order_.push_back(static_cast<RecordId>(records_.size()));
        records_.push_back(std::move(record));
    }
}

void TClientDataSet::CloseCursor() {
    columns_.clear();
    records_.clear();
    order_.clear();
    view_.clear();
    samplesCurrent_ = false;
    indexed_.clear();
    keys_.clear();
    indexedCurrent_ = false;
    changes_.clear();
    filterExpression_.reset();
}

int TClientDataSet::ColumnOf(std::string_view name) const {
    for (size_t i = 0; i < columns_.size(); ++i)
        if (AnsiSameText(columns_[i].Name, name)) return static_cast<int>(i);
    return -1;
}

// ---- data and change log

Variant TClientDataSet::Data() const {
    if (!Active()) return Variant();
    DataPacket packet;
    packet.Fields = columns_;
    packet.Rows.reserve(order_.size());
    for (RecordId id : order_) packet.Rows.push_back(PacketRow{RowKind::Unmodified, records_[id].values});
    return Variant(std::move(packet));
}

Variant TClientDataSet::Delta() const {
    if (!Active()) return Variant();
    DataPacket packet;
    packet.Fields = columns_;
    for (RecordId id : changes_) {
        const Record& record = records_[id];
        switch (record.status) {
        case Status::Inserted: packet.Rows.push_back(PacketRow{RowKind::Inserted, record.values}); break;
        case Status::Modified:
            packet.Rows.push_back(PacketRow{RowKind::Original, record.original});
            packet.Rows.push_back(PacketRow{RowKind::Modified, record.values});
            break;
        case Status::Deleted: packet.Rows.push_back(PacketRow{RowKind::Deleted, record.original}); break;
        case Status::Unmodified:
        case Status::Dropped: break;
        }
    }
    return Variant(std::move(packet));
}

int TClientDataSet::GetChangeCount() const {
    return static_cast<int>(std::count_if(changes_.begin(), changes_.end(), [this](RecordId id) {
        Status status = records_[id].status;
        return status == Status::Inserted || status == Status::Modified || status == Status::Deleted;
    }));
}

void TClientDataSet::MergeChangeLog() {
    if (!Active()) return;
    CheckBrowseMode();
    for (RecordId id : changes_) {
        Record& record = records_[id];
        record.original.clear();
        bool gone = record.status == Status::Deleted || record.status == Status::Dropped;
        record.status = gone ? Status::Dropped : Status::Unmodified;
    }
    changes_.clear();
}

// ---- records

const std::vector<Variant>& TClientDataSet::ViewRow(int position) const { return records_[view_[position]].values; }

std::vector<Variant> TClientDataSet::BlankRecord() const { return std::vector<Variant>(columns_.size()); }

int TClientDataSet::StoreRecord(std::vector<Variant> values, bool inserting, int position) {
    samplesCurrent_ = false;
    RecordId id;
    if (inserting) {
        id = static_cast<RecordId>(records_.size());
        size_t place = static_cast<size_t>(position) < view_.size() ? OrderPosition(view_[position]) : order_.size();
        uint64_t sequence = SequenceBefore(place);
        records_.push_back(Record{std::move(values), {}, sequence, Status::Inserted});
        keys_.resize(records_.size());
        order_.insert(order_.begin() + static_cast<ptrdiff_t>(place), id);
        changes_.push_back(id);
        indexedCurrent_ = false;
    } else {
        id = view_[position];
        Record& record = records_[id];
        if (indexKey_.Compare(record.values, values) != 0) indexedCurrent_ = false;
        if (record.status == Status::Unmodified) {
            record.original = std::move(record.values);
            record.status = Status::Modified;
            changes_.push_back(id);
        }
        record.values = std::move(values);
        view_.erase(view_.begin() + position);
    }
    FoldKey(id);
    // A record that no longer passes the filter leaves the view; its neighbour becomes current.
    if (!Passes(id)) return std::min(position, static_cast<int>(view_.size()) - 1);
    auto place = indexKey_.Empty() ? view_.begin() + position
                                   : std::lower_bound(view_.begin(), view_.end(), id,
                                                      [this](RecordId a, RecordId b) { return Before(a, b); });
    // The insert may move the view's storage: measure from the beginning only after it.
    auto stored = view_.insert(place, id);
    return static_cast<int>(stored - view_.begin());
}

void TClientDataSet::RemoveRecord(int position) {
    RecordId id = view_[position];
    view_.erase(view_.begin() + position);
    samplesCurrent_ = false;
    indexedCurrent_ = false;
    order_.erase(order_.begin() + static_cast<ptrdiff_t>(OrderPosition(id)));
    Record& record = records_[id];
    switch (record.status) {
    case Status::Unmodified:
        record.original = std::move(record.values);
        record.status = Status::Deleted;
        changes_.push_back(id);
        break;
    case Status::Modified: record.status = Status::Deleted; break;
    case Status::Inserted: record.status = Status::Dropped; break;
    case Status::Deleted:
    case Status::Dropped: break;
    }
    record.values = {};
}

size_t TClientDataSet::OrderPosition(RecordId id) const {
    uint64_t sequence = records_[id].sequence;
    return static_cast<size_t>(std::lower_bound(order_.begin(), order_.end(), sequence,
                                                [this](RecordId a, uint64_t s) { return records_[a].sequence < s; }) -
                               order_.begin());
}

// A sequence number between the records at order positions place-1 and place.
uint64_t TClientDataSet::SequenceBefore(size_t place) {
    uint64_t low = place == 0 ? 0 : records_[order_[place - 1]].sequence;
    if (place == order_.size()) return low + kSequenceGap;
    uint64_t high = records_[order_[place]].sequence;
    if (high - low >= 2) return low + (high - low) / 2;
    Renumber(place);
    return SequenceBefore(place);
}

// Spreads the sequence numbers of the records around order position `place` evenly, widening
// the window until its numbers leave room. Renumbering only near the crowded place keeps a run
// of inserts at one place (each one before the last) from costing the whole dataset each time.
void TClientDataSet::Renumber(size_t place) {
    constexpr uint64_t kRoomyStep = 1024;
    for (size_t half = 16;; half *= 2) {
        size_t begin = place > half ? place - half : 0;
        size_t end = std::min(order_.size(), place + half);
        uint64_t low = begin == 0 ? 0 : records_[order_[begin - 1]].sequence;
        uint64_t count = end - begin;
        // Past the last record the numbers are free.
        uint64_t high = end == order_.size() ? low + (count + 1) * kSequenceGap : records_[order_[end]].sequence;
        uint64_t step = (high - low) / (count + 1);
        if (step < kRoomyStep) continue;
        for (size_t i = begin; i < end; ++i) records_[order_[i]].sequence = low + (i - begin + 1) * step;
        return;
    }
}

// ---- view: filter and index

bool TClientDataSet::Passes(RecordId id) const {
    return !filterExpression_ || filterExpression_->Accepts(records_[id].values);
}

void TClientDataSet::FoldKey(RecordId id) { keys_[id] = indexKey_.Fold(records_[id].values.data()); }

void TClientDataSet::FoldKeys() {
    keys_.assign(records_.size(), {});
    for (RecordId id : order_) FoldKey(id);
}

bool TClientDataSet::Before(const Slot& a, const Slot& b) const {
    int c = a.key.Against(b.key);
    if (c != dataset::FoldedKey::kUndecided && c != 0) return c < 0;
    const Record& x = records_[a.id];
    const Record& y = records_[b.id];
    c = indexKey_.Compare(x.values, y.values);
    return c != 0 ? c < 0 : x.sequence < y.sequence;
}

void TClientDataSet::RebuildView() {
    view_.clear();
    samplesCurrent_ = false;
    if (RebuildViewFromIndex()) return;
    view_.reserve(order_.size());
    for (RecordId id : order_)
        if (Passes(id)) view_.push_back(id);
    if (!indexKey_.Empty()) SortByIndex(view_);  // else already in default order
    RememberIndexedOrder();
}

// An unfiltered view in index order is the index itself: keep it for the filters to come.
void TClientDataSet::RememberIndexedOrder() {
    if (filterExpression_ || indexKey_.Empty()) return;
    indexed_ = view_;
    indexedCurrent_ = true;
}

// The view of a filter that pins the index's leading field to one value: the group of records
// holding that value (ignoring case, which every equality implies) is one run of the index,
// already in view order; only its records are tested against the whole filter.
bool TClientDataSet::RebuildViewFromIndex() {
    if (!filterExpression_ || indexKey_.Empty()) return false;
    const dataset::KeyPart& leading = indexKey_.Parts().front();
    const Variant* value = filterExpression_->RequiredEqual(leading.column);
    if (!value) return false;
    dataset::FoldedKey search;
    search.Append(*value, leading.type, leading.descending);
    auto compare = [&](RecordId id) {
        int c = keys_[id].Against(search);
        if (c != dataset::FoldedKey::kUndecided) return c;
        c = dataset::CompareFolded(records_[id].values[leading.column], *value);
        return leading.descending ? -c : c;
    };
    // A filter that is the equality alone accepts what the folded bytes prove equal, when its
    // case does not matter or neither side has any case to fold.
    auto equality = filterExpression_->SoleEquality(leading.column);
    auto proven = [&](RecordId id) {
        using Equality = dataset::FilterExpression::Equality;
        bool caseMet = equality == Equality::IgnoringCase || (keys_[id].CaseExact() && search.CaseExact());
        return equality != Equality::None && caseMet && keys_[id].Covers(search);
    };
    const std::vector<RecordId>& all = IndexedRecords();
    auto it = Bisect(all, [&](RecordId id) { return compare(id) < 0; });
    for (; it != all.end() && compare(*it) == 0; ++it)
        if (proven(*it) || Passes(*it)) view_.push_back(*it);
    return true;
}

const std::vector<TClientDataSet::SampleBlock>* TClientDataSet::ViewSamples() {
    if (!samplesCurrent_) {
        if (++unsampledLookups_ < kLookupsPerSampling) return nullptr;
        unsampledLookups_ = 0;
        samples_.assign((view_.size() + kSampleStep - 1) / kSampleStep, SampleBlock{});
        for (size_t i = 0; i < view_.size(); ++i)
            samples_[i / kSampleStep].entries[i % kSampleStep] = Slot{view_[i], keys_[view_[i]]};
        sampleTops_.clear();
        for (size_t i = 0; i < samples_.size(); i += kBlocksPerTop) sampleTops_.push_back(samples_[i].entries[0]);
        samplesCurrent_ = true;
    }
    return &samples_;
}

const std::vector<TClientDataSet::RecordId>& TClientDataSet::IndexedRecords() {
    if (!indexedCurrent_) {
        indexed_ = order_;
        SortByIndex(indexed_);
        indexedCurrent_ = true;
    }
    return indexed_;
}

// Sorts entries that carry the folded keys, so that the comparisons read memory next to each
// other rather than all over keys_.
void TClientDataSet::SortByIndex(std::vector<RecordId>& ids) const {
    std::vector<Slot> slots;
    slots.reserve(ids.size());
    for (RecordId id : ids) slots.push_back(Slot{id, keys_[id]});
    std::sort(slots.begin(), slots.end(), [this](const Slot& a, const Slot& b) { return Before(a, b); });
    for (size_t i = 0; i < slots.size(); ++i) ids[i] = slots[i].id;
}

dataset::IndexKey TClientDataSet::BuildIndexKey(const std::string& indexName, const std::string& fieldNames) const {
    std::string names = fieldNames;
    TIndexOptions options = 0;
    if (!indexName.empty()) {
        const TIndexDef* def = indexDefs_.Find(indexName);
        if (!def) throw EDatabaseError(Format(dbconsts::IndexNotFound, {indexName}));
        names = def->Fields;
        options = def->Options;
    }
    std::vector<dataset::KeyPart> parts;
    for (std::string_view name : SplitNames(names)) {
        int column = ColumnOf(name);
        if (column < 0) throw EDatabaseError(Format(dbconsts::FieldNotFound, {std::string(name)}));
        parts.push_back(dataset::KeyPart{column, columns_[column].Type, (options & ixDescending) != 0,
                                         (options & ixCaseInsensitive) != 0});
    }
    return dataset::IndexKey(std::move(parts));
}

void TClientDataSet::ChangeIndex(const std::string& indexName, const std::string& fieldNames) {
    if (!Active()) {
        if (!indexName.empty() && !indexDefs_.Find(indexName))
            throw EDatabaseError(Format(dbconsts::IndexNotFound, {indexName}));
        indexName_ = indexName;
        indexFieldNames_ = fieldNames;
        return;
    }
    dataset::IndexKey key = BuildIndexKey(indexName, fieldNames);
    CheckBrowseMode();
    indexName_ = indexName;
    indexFieldNames_ = fieldNames;
    indexKey_ = std::move(key);
    std::optional<RecordId> current;
    if (Cursor() >= 0) current = view_[Cursor()];
    indexedCurrent_ = false;
    FoldKeys();
    SortByIndex(view_);
    samplesCurrent_ = false;
    RememberIndexedOrder();
    int position = 0;
    if (current) {
        position = static_cast<int>(std::find(view_.begin(), view_.end(), *current) - view_.begin());
    }
    Resync(position);
}

void TClientDataSet::SetIndexName(const std::string& name) { ChangeIndex(name, {}); }

void TClientDataSet::SetIndexFieldNames(const std::string& fields) { ChangeIndex({}, fields); }

std::optional<dataset::FilterExpression> TClientDataSet::BuildFilter(const std::string& text, bool filtered,
                                                                     TFilterOptions options) const {
    if (!filtered || Trim(text).empty()) return std::nullopt;
    return dataset::FilterExpression(text, columns_, options);
}

void TClientDataSet::ChangeFilter(const std::string& text, bool filtered, TFilterOptions options) {
    bool refilter = Active() && (filtered || filtered_);
    std::optional<dataset::FilterExpression> expression;
    if (refilter) {
        expression = BuildFilter(text, filtered, options);
        CheckBrowseMode();
    }
    filter_ = text;
    filtered_ = filtered;
    filterOptions_ = options;
    if (!refilter) return;
    filterExpression_ = std::move(expression);
    RebuildView();
    PlaceCursor(0);
    First();
}

void TClientDataSet::SetFilter(const std::string& text) { ChangeFilter(text, filtered_, filterOptions_); }

void TClientDataSet::SetFiltered(bool filtered) {
    if (filtered != filtered_) ChangeFilter(filter_, filtered, filterOptions_);
}

void TClientDataSet::SetFilterOptions(TFilterOptions options) {
    if (options != filterOptions_) ChangeFilter(filter_, filtered_, options);
}

// ---- searching

bool TClientDataSet::Matches(RecordId id, const std::vector<Condition>& conditions) const {
    const std::vector<Variant>& values = records_[id].values;
    return std::all_of(conditions.begin(), conditions.end(), [&](const Condition& condition) {
        return dataset::KeyMatches(values[condition.column], condition.Key(), condition.caseInsensitive,
                                   condition.partial);
    });
}

// The view position of the first record matching every condition, or -1. The leading index
// fields that conditions cover narrow the view by bisection (the view is ordered on them,
// case-folded first) to the first record of their range; the range is then checked record by
// record. Without such fields the range is the whole view. Where every condition narrowed the
// range and the folded keys prove the record's values equal (exactly, where case matters), the
// record is taken without reading it.
int TClientDataSet::Search(const std::vector<Condition>& conditions) {
    const std::vector<dataset::KeyPart>& parts = indexKey_.Parts();
    auto conditionOn = [&](const dataset::KeyPart& part) {
        return std::find_if(conditions.begin(), conditions.end(),
                            [&](const Condition& c) { return c.column == part.column; });
    };
    size_t bisected = 0;  // leading index parts that conditions cover
    dataset::FoldedKey search;
    bool caseMatters = false;
    for (; bisected < parts.size(); ++bisected) {
        const dataset::KeyPart& part = parts[bisected];
        auto found = conditionOn(part);
        if (found == conditions.end()) break;
        search.Append(found->Key(), part.type, part.descending, found->partial);
        caseMatters = caseMatters || (!found->caseInsensitive && found->Key().StringPtr());
        if (found->partial) {
            ++bisected;
            break;
        }
    }
    auto compare = [&](const dataset::FoldedKey& key, RecordId id) {
        int c = key.Against(search);
        if (c != dataset::FoldedKey::kUndecided) return c;
        for (size_t i = 0; i < bisected; ++i) {
            const Condition& condition = *conditionOn(parts[i]);
            c = dataset::CompareToKey(records_[id].values[condition.column], condition.Key(), condition.partial);
            if (c != 0) return parts[i].descending ? -c : c;
        }
        return 0;
    };
    bool allBisected = bisected == conditions.size();
    auto proven = [&](const dataset::FoldedKey& key) {
        bool caseMet = !caseMatters || (key.CaseExact() && search.CaseExact());
        return allBisected && caseMet && key.Covers(search);
    };
    auto before = [&](const Slot& slot) { return compare(slot.key, slot.id) < 0; };
    size_t position = 0;  // of the first record not before the key
    Slot first{};         // view_[position] and its key, where there is one
    if (const std::vector<SampleBlock>* samples = ViewSamples()) {
        // Top `top`-1 begins before the key and top `top` does not: so does the first block that
        // does not, among the blocks between them, which are fetched at once.
        auto top = static_cast<size_t>(Bisect(sampleTops_, before) - sampleTops_.begin());
        auto from = samples->begin() + static_cast<ptrdiff_t>(top == 0 ? 0 : (top - 1) * kBlocksPerTop + 1);
        auto to = samples->begin() + static_cast<ptrdiff_t>(std::min(samples->size(), top * kBlocksPerTop));
        for (auto block = from; block < to; ++block) {
            __builtin_prefetch(block->entries);
            __builtin_prefetch(block->entries + kSampleStep / 2);
        }
        auto next = static_cast<size_t>(
            std::partition_point(from, to, [&](const SampleBlock& block) { return before(block.entries[0]); }) -
            samples->begin());
        // Block next-1 begins before the key and block `next` does not: that record is in the
        // rest of block next-1, else it begins block `next`.
        position = std::min(next * kSampleStep, view_.size());
        if (next < samples->size()) first = (*samples)[next].entries[0];
        if (next > 0) {
            const SampleBlock& block = (*samples)[next - 1];
            size_t start = (next - 1) * kSampleStep;
            const Slot* end = block.entries + std::min(kSampleStep, view_.size() - start);
            const Slot* found = std::partition_point(block.entries + 1, end, before);
            if (found != end) {
                position = start + static_cast<size_t>(found - block.entries);
                first = *found;
            }
        }
    } else {
        position = static_cast<size_t>(
            std::partition_point(view_.begin(), view_.end(), [&](RecordId id) { return before(Slot{id, keys_[id]}); }) -
            view_.begin());
        if (position < view_.size()) first = Slot{view_[position], keys_[view_[position]]};
    }
    for (Slot entry = first; position < view_.size() && compare(entry.key, entry.id) == 0;) {
        if (proven(entry.key) || Matches(entry.id, conditions)) return static_cast<int>(position);
        if (++position < view_.size()) entry = Slot{view_[position], keys_[view_[position]]};
    }
    return -1;
}

// A screen locates by the same few texts of field names over and over: each is resolved once.
const std::vector<TField*>& TClientDataSet::LocateFieldsOf(std::string_view keyFields) {
    if (locateFields_.names != keyFields || locateFields_.fieldsVersion != FieldsVersion()) {
        std::vector<TField*> fields;
        for (std::string_view name : SplitNames(keyFields)) fields.push_back(FieldByName(name));
        locateFields_ = LocateFields{std::string(keyFields), FieldsVersion(), std::move(fields)};
    }
    return locateFields_.fields;
}

bool TClientDataSet::Locate(std::string_view keyFields, const Variant& keyValues, TLocateOptions options) {
    DoBeforeScroll();
    CheckBrowseMode();
    const std::vector<TField*>& fields = LocateFieldsOf(keyFields);
    std::span<const Variant> values = keyValues.IsArray() ? std::span(keyValues.AsArray()) : std::span(&keyValues, 1);
    if (fields.empty() || fields.size() != values.size())
        throw EDatabaseError("Locate: " + std::to_string(fields.size()) + " key fields for " +
                             std::to_string(values.size()) + " values");
    std::vector<Condition> conditions;
    conditions.reserve(fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        const Variant& value = values[i];
        // Text keys are not cut to the field's size: a longer key matches nothing.
        bool text = fields[i]->DataType() == FieldType::String;
        bool asGiven = value.IsNull() || (text && value.StringPtr());
        Variant converted = asGiven ? Variant() : text ? Variant(value.AsString()) : fields[i]->Convert(value);
        conditions.emplace_back(FieldColumn(fields[i]), asGiven ? &value : nullptr, std::move(converted),
                                (options & loCaseInsensitive) != 0, (options & loPartialKey) != 0);
    }
    int found = Search(conditions);
    if (found < 0) return false;
    GotoFound(found);
    return true;
}

bool TClientDataSet::FindKey(const std::vector<Variant>& keyValues) {
    CheckBrowseMode();
    const std::vector<dataset::KeyPart>& parts = indexKey_.Parts();
    if (parts.empty()) throw EDatabaseError(dbconsts::NoActiveIndex);
    if (keyValues.size() > parts.size()) throw EDatabaseError("FindKey: more values than index fields");
    std::vector<Condition> conditions;
    conditions.reserve(keyValues.size());
    for (size_t i = 0; i < keyValues.size(); ++i) {
        TField* field = FieldOfColumn(parts[i].column);
        bool asGiven = !field || keyValues[i].IsNull();
        conditions.emplace_back(parts[i].column, asGiven ? &keyValues[i] : nullptr,
                                asGiven ? Variant() : field->Convert(keyValues[i]), parts[i].caseInsensitive, false);
    }
    DoBeforeScroll();
    int found = Search(conditions);
    if (found < 0) return false;
    GotoFound(found);
    return true;
}
