#include "LookupDialog.h"

#include "DBConsts.h"
#include "SysUtils.h"
#include "TApplication.h"
#include "TDBGrid.h"
#include "TDataSet.h"
#include "TDataSource.h"
#include "TEdit.h"
#include "TField.h"
#include "TScreen.h"

#include <stdexcept>
#include <utility>

namespace {

LookupDialogService*& Installed() {
    static LookupDialogService* service = nullptr;
    return service;
}

}  // namespace

std::vector<TField*> LookupRequest::Columns() const {
    std::vector<TField*> columns;
    for (TField* field : DataSet->Fields())
        if (ShowHiddenFields || field->Visible()) columns.push_back(field);
    return columns;
}

LookupDialogService* InstallLookupDialogService(LookupDialogService* service) {
    return std::exchange(Installed(), service);
}

namespace {

std::string FocusedValue() {
    TWinControl* focused = Screen->ActiveControl();
    if (auto* edit = dynamic_cast<TEdit*>(focused)) return edit->Text();
    auto* grid = dynamic_cast<TDBGrid*>(focused);
    TField* cell = grid ? grid->SelectedField() : nullptr;
    return cell ? cell->AsString() : std::string();
}

}  // namespace

bool Pesquisar(TDataSource* source, const std::string& title, bool showHiddenFields, bool searchable) {
    TDataSet* dataSet = source ? source->DataSet() : nullptr;
    if (!dataSet || !dataSet->Active()) throw EDatabaseError(dbconsts::ClosedDataSet);
    LookupDialogService* service = Installed();
    if (!service) throw std::logic_error("No lookup dialog service is installed");
    Application->NoteModalShown();
    int row = service->Choose(LookupRequest{dataSet, title, showHiddenFields, searchable, FocusedValue()});
    if (row < 0) return false;
    if (row >= dataSet->RecordCount()) throw std::logic_error("The lookup dialog chose a row that does not exist");
    dataSet->First();
    dataSet->MoveBy(row);
    return true;
}
