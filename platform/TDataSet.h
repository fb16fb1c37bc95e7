#pragma once
// The dataset state machine shared by every dataset: states, cursor, edit buffer, the scripts
// of the public operations with their events, and the notifications to data sources.
//
// States and the operations that move between them:
//
//   dsInactive --Open/SetActive(true)--> dsBrowse --Close--> dsInactive
//   dsBrowse --Edit--> dsEdit        (Edit with no visible record runs Insert instead)
//   dsBrowse --Insert/Append--> dsInsert
//   dsEdit/dsInsert --Post/Cancel--> dsBrowse   (Delete in dsEdit too; Delete in dsInsert = Cancel)
//   every navigation, Insert, Edit, Locate, filter or index change runs CheckBrowseMode first,
//   which posts a modified record and cancels an unmodified one, with all their events.
//
// Every operation is a fixed script: checks -> Before* event -> work -> state change ->
// notification -> After* event (the order of each script is given at the operation). An
// exception from any step unwinds: a Before* event that throws leaves everything as the steps
// before it left it; an After* event that throws leaves the change done and skips the rest.
//
// Invariants:
// - the view (what a derived class exposes through ViewSize/ViewRow) holds the visible records
//   in order; cursor_ is a position in it, -1 exactly when it is empty;
// - in dsEdit/dsInsert buffer_ holds the record being edited; in dsInsert it is not in the view
//   yet and shows before view position insertAt_;
// - notifications reach data sources only while disableCount_ is 0; dataset and field events
//   always run.
#include "DBTypes.h"
#include "TComponent.h"
#include "Variant.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TDataSource;
class TField;
class TIntegerField;
class TStringField;

class TDataSet : public TComponent {
public:
    using TDataSetNotifyEvent = std::function<void(TDataSet* DataSet)>;

    explicit TDataSet(TComponent* owner = nullptr);
    ~TDataSet() override;

    // Fields, in record order.
    const std::vector<TField*>& Fields() const { return fields_; }
    // Case-insensitive look-up; nullptr when absent.
    TField* FindField(std::string_view name) const;
    // As FindField, raising EDatabaseError "Field 'X' not found" when absent.
    TField* FieldByName(std::string_view name) const;
    // Shorthands for persistent fields defined in code (dataset closed).
    TStringField* AddStringField(std::string name, int size, std::string label = {});
    TIntegerField* AddIntegerField(std::string name, std::string label = {});

    TDataSetState State() const { return state_; }
    bool Active() const { return state_ != dsInactive; }
    void SetActive(bool active);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }

    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    // No visible record and no unposted insert.
    bool IsEmpty() const;
    // Visible records (filter applied); an unposted insert is not counted. 0 when closed.
    int RecordCount() const;
    // 1-based position of the current record in the view; 0 when empty or inserting.
    int RecNo() const;
    // A field was assigned since the record entered dsEdit/dsInsert (OnNewRecord's excepted).
    bool Modified() const { return modified_; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

    void First();
    void Last();
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }
    // Returns the signed number of records actually moved.
    int MoveBy(int distance);

    void Edit();
    void Insert();
    void Append();
    void Post();
    void Cancel();
    void Delete();
    void CheckBrowseMode();
    // Tells the controls to write pending text into the fields (EDatabaseError unless editing).
    void UpdateRecord();

    // Nestable. While disabled, data sources hear nothing; when the count returns to zero they
    // get one state change (if the state differs from when it was disabled) and one
    // dataset-changed (or layout-changed) notification.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }

    // Rows as a grid shows them: the visible records plus, in dsInsert, the unposted record
    // at its insertion place.
    int DisplayRowCount() const;
    // The display row of the current record (the unposted one in dsInsert); -1 when none.
    int CurrentDisplayRow() const;
    // While alive, field reads give the values of display row `row` (for painting rows other
    // than the current one); the cursor does not move, no event fires, field writes raise.
    class RowScope {
    public:
        RowScope(TDataSet& dataSet, int row);
        ~RowScope();
        RowScope(const RowScope&) = delete;
        RowScope& operator=(const RowScope&) = delete;

    private:
        TDataSet& dataSet_;
        int previous_;
    };

    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TDataSetNotifyEvent BeforeInsert, AfterInsert, OnNewRecord;
    TDataSetNotifyEvent BeforeEdit, AfterEdit, BeforePost, AfterPost;
    TDataSetNotifyEvent BeforeCancel, AfterCancel, BeforeDelete, AfterDelete;
    TDataSetNotifyEvent BeforeScroll, AfterScroll;

protected:
    // Loads the records and builds the view (fields exist and have their columns).
    virtual void OpenCursor() = 0;
    virtual void CloseCursor() = 0;
    // Creates fields (with columns set) when the dataset has none; derived classes override.
    virtual void CreateDefaultFields() {}
    virtual int ViewSize() const = 0;
    virtual const std::vector<Variant>& ViewRow(int position) const = 0;
    // A record with every column null (the width of the stored records).
    virtual std::vector<Variant> BlankRecord() const = 0;
    // Stores buffer_: the record at view position `position` (dsEdit), or a new record shown
    // before view position `position` (dsInsert; ViewSize() means at the end). Returns the
    // new cursor: the stored record's place, or its neighbour when it left the view, or -1.
    virtual int StoreRecord(std::vector<Variant> values, bool inserting, int position) = 0;
    // Removes the record at view position `position`.
    virtual void RemoveRecord(int position) = 0;

    // For derived operations.
    void CheckActive() const;
    void DataEvent(TDataEvent event, TField* field = nullptr, int distance = 0);
    void DoBeforeScroll();
    void DoAfterScroll();
    // Puts the cursor on view position `position` after a search found it: clears bof/eof,
    // notifies, AfterScroll.
    void GotoFound(int position);
    // Re-reads the view after its content or order changed, keeping the cursor at `position`.
    void Resync(int position);
    // Puts the cursor on `position` (clamped to the view) silently; bof/eof as after a resync.
    void PlaceCursor(int position);
    int Cursor() const { return cursor_; }
    void SetFieldColumn(TField* field, int column);
    static int FieldColumn(const TField* field);
    // Changes whenever a field is added, removed or renamed, so that field names resolved
    // earlier can be reused until then.
    uint64_t FieldsVersion() const { return fieldsVersion_; }
    // The field over that column of the records, or nullptr.
    TField* FieldOfColumn(int column) const;
    bool DefaultFields() const { return defaultFields_; }
    void SetDefaultFields(bool value) { defaultFields_ = value; }

private:
    friend class TField;
    friend class TDataSource;

    void SetState(TDataSetState state);
    void DoOpen();
    void DoClose();
    void InsertOrAppend(bool append);
    void Call(const TDataSetNotifyEvent& event) { if (event) event(this); }
    void CheckCanModify() const;
    void CheckRequiredFields();
    void DestroyDefaultFields();
    // Field access: the values the fields read now, and assignment by a field.
    const Variant& FieldValue(const TField* field) const;
    void SetFieldValue(TField* field, const Variant& value);
    void AddField(TField* field);
    void RemoveField(TField* field);
    void FieldRenamed() { ++fieldsVersion_; }
    void AddDataSource(TDataSource* source);
    void RemoveDataSource(TDataSource* source);

    TDataSetState state_ = dsInactive;
    int cursor_ = -1;
    int insertAt_ = 0;
    bool bof_ = true;
    bool eof_ = true;
    bool modified_ = false;
    bool readOnly_ = false;
    bool defaultFields_ = false;
    int rowOverride_ = -1;  // display row being painted, -1 for the current record
    std::vector<Variant> buffer_;
    int disableCount_ = 0;
    TDataSetState disableState_ = dsInactive;
    TDataEvent enableEvent_ = deDataSetChange;
    std::vector<TField*> fields_;
    uint64_t fieldsVersion_ = 0;
    std::vector<TDataSource*> dataSources_;
};
