#pragma once
// A client of a data source: the one shape through which data-aware controls (grid, edits)
// hear about the dataset behind it. A control derives from TDataLink (or owns a derived
// member), points it at a TDataSource and overrides the callbacks it cares about.
//
// Contract:
// - Links are told in registration order, and only while the data source is enabled, has an
//   open dataset and the dataset's controls are not disabled (DisableControls).
// - Links hear of a change before the data source's own OnStateChange / OnDataChange /
//   OnUpdateData handlers run.
// - Destroying a link unregisters it; destroying its data source leaves it without one.
#include "DBTypes.h"

class TDataSet;
class TDataSource;
class TField;

class TDataLink {
public:
    TDataLink() = default;
    virtual ~TDataLink();
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    TDataSource* DataSource() const { return dataSource_; }
    // Leaves the previous data source (if any) and registers with `source` (may be nullptr).
    // Calls ActiveChanged() when that changes whether the link is active.
    void SetDataSource(TDataSource* source);
    // The data source's dataset, or nullptr.
    TDataSet* DataSet() const;
    // The data source is enabled and its dataset open (its State is not dsInactive).
    bool Active() const;
    // The data source's State is dsEdit or dsInsert.
    bool Editing() const;
    // Asks the data source to put the dataset into edit mode (TDataSource::Edit, which honours
    // AutoEdit); true when the dataset is in dsEdit or dsInsert afterwards. Dataset exceptions
    // (an aborting BeforeEdit) propagate.
    bool Edit();

    // The data source became active or inactive (dataset opened/closed, Enabled switched).
    virtual void ActiveChanged() {}
    // The data source's State changed (called after ActiveChanged when both apply).
    virtual void StateChanged() {}
    // Content, order or position changed in a way that needs a full redraw.
    virtual void DataSetChanged() {}
    // The cursor moved `distance` records through the view (negative: backwards).
    virtual void DataSetScrolled(int /*distance*/) {}
    // Fields were added or removed, or a field's DisplayLabel, DisplayWidth, Visible or
    // ReadOnly changed.
    virtual void LayoutChanged() {}
    // The current record changed while editing: `field` was assigned, or nullptr when the
    // record as a whole changed (entering dsEdit).
    virtual void RecordChanged(TField* /*field*/) {}
    // Write any text pending in the control into its field now (start of Post and of every
    // navigation while editing). May throw to stop the Post or the navigation.
    virtual void UpdateData() {}
    // `field` asks to be focused. Return true when this control showed the field and took the
    // focus (later links are then not asked).
    virtual bool FocusControl(TField* /*field*/) { return false; }

private:
    friend class TDataSource;
    TDataSource* dataSource_ = nullptr;
};
