#pragma once
// The grid's data link: passes the data source's notifications on to its TDBGrid.
#include "TDataLink.h"

class TDBGrid;

class TGridDataLink : public TDataLink {
public:
    explicit TGridDataLink(TDBGrid& grid) : grid_(grid) {}

    void ActiveChanged() override;
    void StateChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled(int distance) override;
    void LayoutChanged() override;
    void RecordChanged(TField* field) override;
    void UpdateData() override;
    bool FocusControl(TField* field) override;

private:
    TDBGrid& grid_;
};
