#include "TDataLink.h"

#include "TDataSource.h"

TDataLink::~TDataLink() {
    if (dataSource_) dataSource_->RemoveLink(this);
}

void TDataLink::SetDataSource(TDataSource* source) {
    if (source == dataSource_) return;
    bool wasActive = Active();
    if (dataSource_) dataSource_->RemoveLink(this);
    dataSource_ = source;
    if (dataSource_) dataSource_->AddLink(this);
    if (Active() != wasActive) ActiveChanged();
}

TDataSet* TDataLink::DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }

bool TDataLink::Active() const { return dataSource_ && dataSource_->State() != dsInactive; }

bool TDataLink::Editing() const {
    return dataSource_ && (dataSource_->State() == dsEdit || dataSource_->State() == dsInsert);
}

bool TDataLink::Edit() {
    if (dataSource_) dataSource_->Edit();
    return Editing();
}
