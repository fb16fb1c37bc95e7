// Which handler answers which event: every binding of the screen, in one place.
#include "screen/TfrmIntegraCardapio.h"

#include "TBtnPesquisa.h"
#include "TClientDataSet.h"
#include "TField.h"
#include "TCustomPageControl98.h"
#include "TDataSource.h"
#include "TDateEditPlus.h"
#include "TMaskEdit.h"
#include "TNetConnection.h"
#include "TPanel.h"

#include <functional>
#include <tuple>

void TfrmIntegraCardapio::BindHandlers() {
    OnCreate = std::bind_front(&TfrmIntegraCardapio::FormCreate, this);
    OnShow = std::bind_front(&TfrmIntegraCardapio::FormShow, this);
    OnActivate = std::bind_front(&TfrmIntegraCardapio::FormActivate, this);
    OnClose = std::bind_front(&TfrmIntegraCardapio::FormClose, this);
    OnKeyPress = std::bind_front(&TfrmIntegraCardapio::FormKeyPress, this);
    OnKeyDown = std::bind_front(&TfrmIntegraCardapio::FormKeyDown, this);
    netIntegraCardapio->BeforeConnect = std::bind_front(&TfrmIntegraCardapio::netIntegraCardapioBeforeConnect, this);

    panFiltro->OnEnter = std::bind_front(&TfrmIntegraCardapio::panFiltroEnter, this);
    panFiltro->OnExit = std::bind_front(&TfrmIntegraCardapio::panFiltroExit, this);
    medNmArquivo->OnEnter = std::bind_front(&TfrmIntegraCardapio::medNmArquivoEnter, this);
    medNmArquivo->OnChange = std::bind_front(&TfrmIntegraCardapio::medNmArquivoChange, this);
    medNmArquivo->OnExit = std::bind_front(&TfrmIntegraCardapio::medNmArquivoExit, this);
    sbtArquivo->OnClick = std::bind_front(&TfrmIntegraCardapio::sbtArquivoClick, this);
    medCdFilial->OnChange = std::bind_front(&TfrmIntegraCardapio::medCdFilialChange, this);
    sbtFilial->BeforePesq = std::bind_front(&TfrmIntegraCardapio::sbtFilialBeforePesq, this);
    sbtFilial->AfterPesq = std::bind_front(&TfrmIntegraCardapio::sbtFilialAfterPesq, this);
    sbtImportExport->OnClick = std::bind_front(&TfrmIntegraCardapio::sbtImportExportClick, this);

    pgcPadrao->OnChange = std::bind_front(&TfrmIntegraCardapio::pgcPadraoChange, this);
    panDatas->OnExit = std::bind_front(&TfrmIntegraCardapio::panDatasExit, this);
    depDestino->OnChange = std::bind_front(&TfrmIntegraCardapio::depDestinoChange, this);
    depDestino->OnExit = std::bind_front(&TfrmIntegraCardapio::depDestinoExit, this);

    BindDatasetHandlers();
    BindGridHandlers();
}

void TfrmIntegraCardapio::BindDatasetHandlers() {
    cdsDiretorio->BeforePost = std::bind_front(&TfrmIntegraCardapio::cdsDiretorioBeforePost, this);
    cdsDiretorio->AfterPost = std::bind_front(&TfrmIntegraCardapio::cdsDiretorioAfterPost, this);

    cdsServicos->AfterOpen = std::bind_front(&TfrmIntegraCardapio::cdsServicosAfterOpen, this);
    cdsServicos->BeforeEdit = std::bind_front(&TfrmIntegraCardapio::cdsServicosBeforeEdit, this);
    cdsServicos->BeforePost = std::bind_front(&TfrmIntegraCardapio::cdsServicosBeforePost, this);
    cdsServicos->AfterPost = std::bind_front(&TfrmIntegraCardapio::cdsServicosAfterPost, this);
    cdsServicos->BeforeCancel = std::bind_front(&TfrmIntegraCardapio::cdsServicosBeforeCancel, this);
    cdsServicos->AfterCancel = std::bind_front(&TfrmIntegraCardapio::cdsServicosAfterCancel, this);
    cdsServicos->BeforeDelete = std::bind_front(&TfrmIntegraCardapio::cdsServicosBeforeDelete, this);
    cdsServicos->AfterDelete = std::bind_front(&TfrmIntegraCardapio::cdsServicosAfterDelete, this);
    cdsServicos->AfterScroll = std::bind_front(&TfrmIntegraCardapio::cdsServicosAfterScroll, this);

    cdsDietas->BeforeEdit = std::bind_front(&TfrmIntegraCardapio::cdsDietasBeforeEdit, this);
    cdsDietas->BeforePost = std::bind_front(&TfrmIntegraCardapio::cdsDietasBeforePost, this);
    cdsDietas->AfterPost = std::bind_front(&TfrmIntegraCardapio::cdsDietasAfterPost, this);
    cdsDietas->BeforeCancel = std::bind_front(&TfrmIntegraCardapio::cdsDietasBeforeCancel, this);
    cdsDietas->AfterCancel = std::bind_front(&TfrmIntegraCardapio::cdsDietasAfterCancel, this);
    cdsDietas->BeforeDelete = std::bind_front(&TfrmIntegraCardapio::cdsDietasBeforeDelete, this);
    cdsDietas->AfterDelete = std::bind_front(&TfrmIntegraCardapio::cdsDietasAfterDelete, this);

    cdsTipoPrat->BeforeInsert = std::bind_front(&TfrmIntegraCardapio::cdsTipoPratBeforeInsert, this);
    cdsTipoPrat->BeforeEdit = std::bind_front(&TfrmIntegraCardapio::cdsTipoPratBeforeEdit, this);
    cdsTipoPrat->BeforePost = std::bind_front(&TfrmIntegraCardapio::cdsTipoPratBeforePost, this);
    cdsTipoPrat->AfterPost = std::bind_front(&TfrmIntegraCardapio::cdsTipoPratAfterPost, this);
    cdsTipoPrat->BeforeCancel = std::bind_front(&TfrmIntegraCardapio::cdsTipoPratBeforeCancel, this);
    cdsTipoPrat->AfterCancel = std::bind_front(&TfrmIntegraCardapio::cdsTipoPratAfterCancel, this);
    cdsTipoPrat->BeforeDelete = std::bind_front(&TfrmIntegraCardapio::cdsTipoPratBeforeDelete, this);
    cdsTipoPrat->AfterDelete = std::bind_front(&TfrmIntegraCardapio::cdsTipoPratAfterDelete, this);
    cdsTipoPrat->FieldByName("IDOPCORIG")->OnGetText =
        std::bind_front(&TfrmIntegraCardapio::cdsTipoPratIDOPCORIGGetText, this);

    // Codes typed into the mapping grids, with the field of the name each one goes with.
    const std::tuple<TClientDataSet*, const char*, const char*> codes[] = {
        {cdsServicos, "CDSERVFILIORIG", "NMSERVICOORIG"}, {cdsServicos, "CDSERVFILIDEST", "NMSERVICODEST"},
        {cdsDietas, "CDDIETORIG", "DSDIETORIG"},          {cdsDietas, "CDDIETDEST", "DSDIETDEST"},
        {cdsTipoPrat, "CDTIPOORIG", "NMTIPOORIG"},        {cdsTipoPrat, "CDTIPODEST", "NMTIPODEST"}};
    for (const auto& [table, code, name] : codes)
        table->FieldByName(code)->OnSetText = std::bind_front(&TfrmIntegraCardapio::MappingCodeSetText, this, name);

    // One state handler for the three mapping tables: it locks the screen during any edit.
    for (TDataSource* mapping : {dtsServicos, dtsDietas, dtsTipoPrat})
        mapping->OnStateChange = std::bind_front(&TfrmIntegraCardapio::dtsServicosStateChange, this);
}

void TfrmIntegraCardapio::BindGridHandlers() {
    dbgPadrao->OnColExit = std::bind_front(&TfrmIntegraCardapio::dbgPadraoColExit, this);
    dbgPadrao->OnDrawColumnCell = std::bind_front(&TfrmIntegraCardapio::dbgPadraoDrawColumnCell, this);
    dbgPadrao->OnEditButtonClick = std::bind_front(&TfrmIntegraCardapio::dbgPadraoEditButtonClick, this);
    dbgPadrao->OnKeyDown = std::bind_front(&TfrmIntegraCardapio::dbgPadraoKeyDown, this);

    dbgDieta->OnColExit = std::bind_front(&TfrmIntegraCardapio::dbgDietaColExit, this);
    dbgDieta->OnDrawColumnCell = std::bind_front(&TfrmIntegraCardapio::dbgDietaDrawColumnCell, this);
    dbgDieta->OnEditButtonClick = std::bind_front(&TfrmIntegraCardapio::dbgDietaEditButtonClick, this);
    dbgDieta->OnKeyDown = std::bind_front(&TfrmIntegraCardapio::dbgDietaKeyDown, this);

    dbgTipoPrat->OnCellClick = std::bind_front(&TfrmIntegraCardapio::dbgTipoPratCellClick, this);
    dbgTipoPrat->OnColEnter = std::bind_front(&TfrmIntegraCardapio::dbgTipoPratColEnter, this);
    dbgTipoPrat->OnColExit = std::bind_front(&TfrmIntegraCardapio::dbgTipoPratColExit, this);
    dbgTipoPrat->OnDrawColumnCell = std::bind_front(&TfrmIntegraCardapio::dbgTipoPratDrawColumnCell, this);
    dbgTipoPrat->OnDblClick = std::bind_front(&TfrmIntegraCardapio::dbgTipoPratDblClick, this);
    dbgTipoPrat->OnEditButtonClick = std::bind_front(&TfrmIntegraCardapio::dbgTipoPratEditButtonClick, this);
    dbgTipoPrat->OnEnter = std::bind_front(&TfrmIntegraCardapio::dbgTipoPratEnter, this);
    dbgTipoPrat->OnKeyDown = std::bind_front(&TfrmIntegraCardapio::dbgTipoPratKeyDown, this);
    dbgTipoPrat->OnKeyPress = std::bind_front(&TfrmIntegraCardapio::dbgTipoPratKeyPress, this);
    dbgTipoPrat->OnTitleClick = std::bind_front(&TfrmIntegraCardapio::dbgTipoPratTitleClick, this);
}
