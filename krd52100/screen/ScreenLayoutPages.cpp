// The page control under the option panel: the service pairs, the diet mapping, and the
// configuration tab with the start dates and the dish-type grid.
#include "screen/TfrmIntegraCardapio.h"

#include "LayoutHelpers.h"

#include "TColumn.h"
#include "TCustomPageControl98.h"
#include "TDateEditPlus.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TTabSheet98.h"

namespace {

// Options shared by the three grids; the services grid does not edit in place and keeps its
// selection shown, the other two edit in place.
const TDBGridOptions kServicesGridOptions{dgTitles,     dgColumnResize,        dgColLines,      dgRowLines,
                                          dgTabs,       dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit};
const TDBGridOptions kEditingGridOptions{dgEditing, dgTitles,        dgColumnResize, dgColLines,
                                         dgRowLines, dgTabs, dgConfirmDelete, dgCancelOnExit};

TTabSheet98* Page(TComponent* owner, TCustomPageControl98* pages, const char* name, const char* caption) {
    auto* page = new TTabSheet98(owner);
    page->SetName(name);
    page->SetPageControl(pages);
    page->SetCaption(caption);
    return page;
}

TDBGrid* Grid(TComponent* owner, TWinControl* parent, const char* name, TDataSource* source,
              const TDBGridOptions& options, int top, int height) {
    auto* grid = Place<TDBGrid>(owner, parent, name, 0, top, 557, height);
    GrowAcrossAndDown(grid);
    grid->SetDataSource(source);
    grid->SetOptions(options);
    return grid;
}

TColumn* Column(TDBGrid* grid, const char* fieldName, int width, TColumnButtonStyle buttonStyle = cbsAuto) {
    TColumn* column = grid->Columns().Add();
    column->SetFieldName(fieldName);
    column->SetWidth(width);
    column->SetButtonStyle(buttonStyle);
    return column;
}

TLabel* DateLabel(TComponent* owner, TWinControl* parent, const char* name, const char* caption, int left) {
    auto* label = Place<TLabel>(owner, parent, name, left, 8, 110, 13);
    label->SetCaption(caption);
    MakeBold(label);
    return label;
}

}  // namespace

void TfrmIntegraCardapio::BuildPages() {
    pgcPadrao = Place<TCustomPageControl98>(this, grbDadosRel, "pgcPadrao", 2, 140, 565, 159);
    pgcPadrao->SetTabStop(false);
    GrowAcrossAndDown(pgcPadrao);
    BuildServicesPage();
    BuildDietsPage();
    BuildConfigPage();
    pgcPadrao->SetActivePage(tshPadrao);
}

void TfrmIntegraCardapio::BuildServicesPage() {
    tshPadrao = Page(this, pgcPadrao, "tshPadrao", "Serviços");
    dbgPadrao = Grid(this, tshPadrao, "dbgPadrao", dtsServicos, kServicesGridOptions, 0, 131);
    Column(dbgPadrao, "CDSERVFILIORIG", 230, cbsEllipsis);
    Column(dbgPadrao, "CDSERVFILIDEST", 230, cbsEllipsis);
}

void TfrmIntegraCardapio::BuildDietsPage() {
    tshDieta = Page(this, pgcPadrao, "tshDieta", "Dietas");
    dbgDieta = Grid(this, tshDieta, "dbgDieta", dtsDietas, kEditingGridOptions, 0, 131);
    Column(dbgDieta, "CDDIETORIG", 230, cbsEllipsis);
    Column(dbgDieta, "CDDIETDEST", 230, cbsEllipsis)->Title().SetCaption("Dieta Destino");
}

void TfrmIntegraCardapio::BuildConfigPage() {
    tshConfig = Page(this, pgcPadrao, "tshConfig", "Configuração");

    panDatas = Place<TPanel>(this, tshConfig, "panDatas", 0, 0, 557, 30);
    GrowAcross(panDatas);
    lblDataOrigem = DateLabel(this, panDatas, "lblDataOrigem", "Data Inicial Origem", 4);
    depOrigem = Place<TDateEditPlus>(this, panDatas, "depOrigem", 116, 4, 80, 21);
    depOrigem->DayNames = {"Dom", "Seg", "Ter", "Qua", "Qui", "Sex", "Sáb"};
    DisplayOnly(depOrigem);
    edtDiaSemOrig = Place<TEdit>(this, panDatas, "edtDiaSemOrig", 198, 4, 36, 21);
    DisplayOnly(edtDiaSemOrig);
    lblDataDestino = DateLabel(this, panDatas, "lblDataDestino", "Data Inicial Destino", 280);
    depDestino = Place<TDateEditPlus>(this, panDatas, "depDestino", 396, 4, 80, 21);
    depDestino->DayNames = {"Domingo", "Segunda", "Terça", "Quarta", "Quinta", "Sexta", "Sábado"};
    depDestino->SetValidDateColor(clBlue);
    InputColour(depDestino);
    edtDiaSemDest = Place<TEdit>(this, panDatas, "edtDiaSemDest", 478, 4, 36, 21);
    DisplayOnly(edtDiaSemDest);

    dbgTipoPrat = Grid(this, tshConfig, "dbgTipoPrat", dtsTipoPrat, kEditingGridOptions, 30, 101);
    TColumn* option = Column(dbgTipoPrat, "IDOPCORIG", 37);
    option->SetAlignment(taCenter);
    TFont optionFont = option->Font();
    optionFont.Color = clInactiveCaption;
    option->SetFont(optionFont);
    option->Title().SetAlignment(taCenter);
    Column(dbgTipoPrat, "CDTIPOORIG", 190)->Title().SetCaption("Tipo de Prato Origem");
    // The mark column's title is a tick: "4" in the symbol font.
    TColumn* mark = Column(dbgTipoPrat, "IDIMPORTAR", 20);
    mark->SetAlignment(taCenter);
    mark->Title().SetCaption("4");
    TFont symbolFont = mark->Title().Font();
    symbolFont.Name = "Monotype Sorts";
    mark->Title().SetFont(symbolFont);
    Column(dbgTipoPrat, "CDTIPODEST", 190, cbsEllipsis);
}
