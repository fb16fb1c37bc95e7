#include "TDataSource.h"

#include "TDataLink.h"
#include "TDataSet.h"

#include <algorithm>

TDataSource::TDataSource(TComponent* owner) : TComponent(owner) {}

TDataSource::~TDataSource() {
    for (TDataLink* link : links_) link->dataSource_ = nullptr;
    if (dataSet_) dataSet_->RemoveDataSource(this);
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
    if (dataSet == dataSet_) return;
    if (dataSet_) dataSet_->RemoveDataSource(this);
    dataSet_ = dataSet;
    if (dataSet_) dataSet_->AddDataSource(this);
    UpdateState();
}

void TDataSource::SetEnabled(bool enabled) {
    enabled_ = enabled;
    UpdateState();
}

void TDataSource::Edit() {
    if (AutoEdit && state_ == dsBrowse) dataSet_->Edit();
}

void TDataSource::AddLink(TDataLink* link) { links_.push_back(link); }

void TDataSource::RemoveLink(TDataLink* link) { std::erase(links_, link); }

// Links may leave (or be destroyed) while being told; each is asked only while still registered.
template <typename Callback> void TDataSource::ForEachLink(Callback callback) {
    std::vector<TDataLink*> links = links_;
    for (TDataLink* link : links) {
        if (std::find(links_.begin(), links_.end(), link) == links_.end()) continue;
        if (callback(link)) return;
    }
}

void TDataSource::UpdateState() {
    TDataSetState next = enabled_ && dataSet_ ? dataSet_->State() : dsInactive;
    if (next == state_) return;
    TDataSetState previous = state_;
    state_ = next;
    bool activeChanged = (previous == dsInactive) != (next == dsInactive);
    ForEachLink([&](TDataLink* link) {
        if (activeChanged) link->ActiveChanged();
        link->StateChanged();
        return false;
    });
    if (OnStateChange) OnStateChange(this);
    if (previous == dsInactive && OnDataChange) OnDataChange(this, nullptr);
}

bool TDataSource::DataEvent(TDataEvent event, TField* field, int distance) {
    if (event == deUpdateState) {
        UpdateState();
        return false;
    }
    if (state_ == dsInactive) return false;
    bool focused = false;
    switch (event) {
    case deFieldChange:
    case deRecordChange:
        ForEachLink([&](TDataLink* link) { return link->RecordChanged(field), false; });
        break;
    case deDataSetChange:
        ForEachLink([&](TDataLink* link) { return link->DataSetChanged(), false; });
        break;
    case deDataSetScroll:
        ForEachLink([&](TDataLink* link) { return link->DataSetScrolled(distance), false; });
        break;
    case deLayoutChange:
        ForEachLink([&](TDataLink* link) { return link->LayoutChanged(), false; });
        break;
    case deUpdateRecord:
        ForEachLink([&](TDataLink* link) { return link->UpdateData(), false; });
        if (OnUpdateData) OnUpdateData(this);
        return false;
    case deFocusControl:
        ForEachLink([&](TDataLink* link) { return focused = link->FocusControl(field); });
        return focused;
    case deCheckBrowseMode:
    case deUpdateState:
        return false;
    }
    if (OnDataChange) OnDataChange(this, event == deFieldChange ? field : nullptr);
    return false;
}

void TDataSource::DataSetDestroyed() {
    dataSet_ = nullptr;
    if (state_ == dsInactive) return;
    state_ = dsInactive;
    ForEachLink([](TDataLink* link) { return link->ActiveChanged(), false; });
}
