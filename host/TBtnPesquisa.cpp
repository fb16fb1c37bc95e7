#include "TBtnPesquisa.h"

#include "ErrorReporting.h"
#include "LookupDialog.h"
#include "TDataSet.h"
#include "TDataSource.h"
#include "TEdit.h"
#include "TField.h"

void TBtnPesquisa::Click() {
    TSpeedButton::Click();
    bool proceed = true;
    if (BeforePesq) BeforePesq(this, proceed);
    if (!proceed) return;
    TDataSet* dataSet = DataSource ? DataSource->DataSet() : nullptr;
    if (!dataSet || dataSet->IsEmpty()) MensErro(EmptyListText, true);
    if (!Pesquisar(DataSource, Title, false, true)) return;
    if (Edit) Edit->SetText(ChosenCode());
    if (AfterPesq) AfterPesq(this);
}

std::string TBtnPesquisa::ChosenCode() const {
    TDataSet* dataSet = DataSource->DataSet();
    if (!CodeField.empty()) return dataSet->FieldByName(CodeField)->AsString();
    for (TField* field : dataSet->Fields())
        if (field->Visible()) return field->AsString();
    return {};
}
