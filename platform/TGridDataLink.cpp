#include "TGridDataLink.h"

#include "TDBGrid.h"

void TGridDataLink::ActiveChanged() { grid_.LinkActiveChanged(); }

void TGridDataLink::StateChanged() { grid_.LinkStateChanged(); }

void TGridDataLink::DataSetChanged() { grid_.LinkRecordMoved(); }

void TGridDataLink::DataSetScrolled(int) { grid_.LinkRecordMoved(); }

void TGridDataLink::LayoutChanged() { grid_.columns_.RebuildDefault(); }

void TGridDataLink::RecordChanged(TField* field) { grid_.LinkRecordChanged(field); }

void TGridDataLink::UpdateData() { grid_.UpdateData(); }

bool TGridDataLink::FocusControl(TField* field) { return grid_.LinkFocusControl(field); }
