// The screen's datasets and data sources, and which handler answers which event.
#include "screen/TfrmExportaCardapio.h"

#include "BranchQuery.h"
#include "TADOIBQuery.h"
#include "TBtnPesquisa.h"
#include "TClientDataSet.h"
#include "TDataSource.h"
#include "TDateEditPlus.h"
#include "TMaskEdit.h"
#include "TNetConnection.h"
#include "TSpeedButton.h"
#include "TStringField.h"

#include <functional>

namespace {

TClientDataSet* ServiceList(TComponent* owner, const char* name) {
    auto* dataSet = new TClientDataSet(owner);
    dataSet->SetName(name);
    dataSet->AddStringField("CDSERVFILI", 5, "Código");
    dataSet->AddStringField("NMSERVICO", 40, "Serviço");
    return dataSet;
}

TDataSource* Source(TComponent* owner, const char* name, TDataSet* dataSet) {
    auto* source = new TDataSource(owner);
    source->SetName(name);
    source->SetDataSet(dataSet);
    return source;
}

}  // namespace

void TfrmExportaCardapio::BuildDatasets() {
    cdsServicos = new TClientDataSet(this);
    cdsServicos->SetName("cdsServicos");
    cdsServicos->AddStringField("IDEXPORTAR", 1, "");
    cdsServicos->AddStringField("CDSERVFILI", 5, "Código");
    cdsServicos->AddStringField("NMSERVICO", 40, "Serviço");
    cdsPesqServico = ServiceList(this, "cdsPesqServico");
    qryFilial = MakeBranchQuery(this);
    dtsServicos = Source(this, "dtsServicos", cdsServicos);
    dtsFilial = Source(this, "dtsFilial", qryFilial);
}

void TfrmExportaCardapio::BindHandlers() {
    using Self = TfrmExportaCardapio;
    OnCreate = std::bind_front(&Self::FormCreate, this);
    OnActivate = std::bind_front(&Self::FormActivate, this);
    OnClose = std::bind_front(&Self::FormClose, this);
    OnKeyPress = std::bind_front(&Self::FormKeyPress, this);
    OnKeyDown = std::bind_front(&Self::FormKeyDown, this);
    netExportaCardapio->BeforeConnect = std::bind_front(&Self::netExportaCardapioBeforeConnect, this);

    medCdFilial->OnChange = std::bind_front(&Self::medCdFilialChange, this);
    medCdFilial->OnExit = std::bind_front(&Self::medCdFilialExit, this);
    sbtFilial->BeforePesq = std::bind_front(&Self::sbtFilialBeforePesq, this);
    sbtFilial->AfterPesq = std::bind_front(&Self::sbtFilialAfterPesq, this);
    depInicial->OnChange = std::bind_front(&Self::depInicialChange, this);
    depInicial->OnExit = std::bind_front(&Self::depInicialExit, this);
    depFinal->OnChange = std::bind_front(&Self::depFinalChange, this);
    depFinal->OnExit = std::bind_front(&Self::depFinalExit, this);
    medNmArquivo->OnChange = std::bind_front(&Self::medNmArquivoChange, this);
    sbtArquivo->OnClick = std::bind_front(&Self::sbtArquivoClick, this);
    sbtImportExport->OnClick = std::bind_front(&Self::sbtImportExportClick, this);

    dbgServicos->OnDrawColumnCell = std::bind_front(&Self::dbgServicosDrawColumnCell, this);
    dbgServicos->OnDblClick = std::bind_front(&Self::dbgServicosDblClick, this);
    dbgServicos->OnKeyDown = std::bind_front(&Self::dbgServicosKeyDown, this);
    dbgServicos->OnTitleClick = std::bind_front(&Self::dbgServicosTitleClick, this);
}
