// The window, the base screen's members this screen adjusts, and its controls: the filter panel
// (origin branch, period, target file), the services with their marks and the summary.
#include "screen/TfrmExportaCardapio.h"

#include "catalogue/MessageCatalogue.h"

#include "CheckBoxPictures.h"
#include "LayoutHelpers.h"
#include "LookupPicture.h"
#include "TBtnPesquisa.h"
#include "TColumn.h"
#include "TDateEditPlus.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TImage.h"
#include "TLabel.h"
#include "TMaskEdit.h"
#include "TMessages.h"
#include "TNetConnection.h"
#include "TPanel.h"
#include "TSaveDialog.h"
#include "TSpeedButton.h"

namespace {

TLabel* BoldLabel(TComponent* owner, TWinControl* parent, const char* name, const char* caption, int left, int top) {
    auto* label = Place<TLabel>(owner, parent, name, left, top, 120, 13);
    label->SetCaption(caption);
    MakeBold(label);
    return label;
}

template <typename Button> Button* LookupButton(Button* button) {
    button->SetHint("Pesquisar");
    button->SetGlyph(LookupPicture());
    button->ShowHint = true;
    return button;
}

// A day typed by the user, with its weekday shown beside it.
TDateEditPlus* DayEdit(TComponent* owner, TWinControl* parent, const char* name, int left) {
    auto* edit = Place<TDateEditPlus>(owner, parent, name, left, 60, 80, 21);
    edit->SetValidDateColor(clBlue);
    InputColour(edit);
    return edit;
}

TEdit* WeekdayEdit(TComponent* owner, TWinControl* parent, const char* name, int left) {
    auto* edit = Place<TEdit>(owner, parent, name, left, 60, 36, 21);
    DisplayOnly(edit);
    return edit;
}

TColumn* Column(TDBGrid* grid, const char* fieldName, int width) {
    TColumn* column = grid->Columns().Add();
    column->SetFieldName(fieldName);
    column->SetWidth(width);
    return column;
}

}  // namespace

void TfrmExportaCardapio::BuildFrame() {
    SetName("frmExportaCardapio");
    SetCaption("Integração de Cardápios - Exportação");
    SetBounds(321, 161, Width(), Height());
    lblCodTela->SetCaption("KRD52200");
    sbtImportExport->Flat = true;
    sbtImportExport->SetHint("Exportar");
    sbtImportExport->ShowHint = true;
    for (const std::string& line : krd52200::MessageCatalogueLines()) msgPadrao->AddLine(line);

    PlaceCheckBoxImages(this, imgCheck, imgUncheck);

    sdgArquivo = new TSaveDialog(this);
    sdgArquivo->SetName("sdgArquivo");
    sdgArquivo->Title = "Salvar arquivo de integração";
    sdgArquivo->Filter = "Documento texto (*.txt)|*.txt";
    sdgArquivo->DefaultExt = "*.txt";

    netExportaCardapio = new TNetConnection(this);
    netExportaCardapio->SetName("netExportaCardapio");
    netExportaCardapio->ServerName = "KRD52200.rdmExportaCardapio";
}

// Creation order is the tab order: branch, first day, last day, file, services.
void TfrmExportaCardapio::BuildFilterPanel() {
    panFiltro = Place<TPanel>(this, grbDadosRel, "panFiltro", 2, 15, 565, 126);
    GrowAcross(panFiltro);

    lblFilial = BoldLabel(this, panFiltro, "lblFilial", "Filial Origem", 8, 4);
    medCdFilial = Place<TMaskEdit>(this, panFiltro, "medCdFilial", 8, 20, 49, 21);
    medCdFilial->SetEditMask("9999;0; ");
    medCdFilial->MaxLength = 4;
    InputColour(medCdFilial);
    sbtFilial = LookupButton(Place<TBtnPesquisa>(this, panFiltro, "sbtFilial", 59, 19, 23, 22));
    sbtFilial->Title = "Filial";
    sbtFilial->DataSource = dtsFilial;
    sbtFilial->Edit = medCdFilial;
    sbtFilial->EmptyListText = "Não há filial cadastrada";
    edtNmFilial = Place<TEdit>(this, panFiltro, "edtNmFilial", 84, 20, 300, 21);
    DisplayOnly(edtNmFilial);

    lblDataInicial = BoldLabel(this, panFiltro, "lblDataInicial", "Data Inicial", 8, 44);
    depInicial = DayEdit(this, panFiltro, "depInicial", 8);
    edtDiaSemIni = WeekdayEdit(this, panFiltro, "edtDiaSemIni", 90);
    lblDataFinal = BoldLabel(this, panFiltro, "lblDataFinal", "Data Final", 150, 44);
    depFinal = DayEdit(this, panFiltro, "depFinal", 150);
    edtDiaSemFim = WeekdayEdit(this, panFiltro, "edtDiaSemFim", 232);

    lblArquivo = BoldLabel(this, panFiltro, "lblArquivo", "Arquivo Destino", 8, 84);
    medNmArquivo = Place<TMaskEdit>(this, panFiltro, "medNmArquivo", 8, 100, 524, 21);
    GrowAcross(medNmArquivo);
    InputColour(medNmArquivo);
    sbtArquivo = LookupButton(Place<TSpeedButton>(this, panFiltro, "sbtArquivo", 534, 99, 23, 22));
    sbtArquivo->SetHint("Salvar como");
    sbtArquivo->SetAnchors({akTop, akRight});
}

void TfrmExportaCardapio::BuildServices() {
    grbServicos = Place<TGroupBox>(this, grbDadosRel, "grbServicos", 2, 143, 565, 108);
    grbServicos->SetCaption("Serviços a exportar");
    GrowAcrossAndDown(grbServicos);
    dbgServicos = Place<TDBGrid>(this, grbServicos, "dbgServicos", 8, 16, 549, 86);
    GrowAcrossAndDown(dbgServicos);
    dbgServicos->SetDataSource(dtsServicos);
    dbgServicos->SetOptions({dgTitles, dgColumnResize, dgColLines, dgRowLines, dgAlwaysShowSelection});
    TColumn* mark = Column(dbgServicos, "IDEXPORTAR", 20);
    mark->Title().SetCaption("");
    Column(dbgServicos, "CDSERVFILI", 60);
    Column(dbgServicos, "NMSERVICO", 446);
}

void TfrmExportaCardapio::BuildSummary() {
    grbResumo = Place<TGroupBox>(this, grbDadosRel, "grbResumo", 2, 253, 565, 62);
    grbResumo->SetCaption("Resumo da Exportação");
    KeepAtBottom(grbResumo);
    lblResumo = Place<TLabel>(this, grbResumo, "lblResumo", 8, 16, 549, 42);
    GrowAcross(lblResumo);
    lblResumo->AutoSize = false;
    lblResumo->WordWrap = true;
    MakeBold(lblResumo);
}
