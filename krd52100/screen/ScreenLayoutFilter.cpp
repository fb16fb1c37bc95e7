// The top of the working area: the filter panel (integration file and destination branch) and
// the option panel below it.
#include "screen/TfrmIntegraCardapio.h"

#include "LayoutHelpers.h"
#include "LookupPicture.h"

#include "TBtnPesquisa.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TMaskEdit.h"
#include "TPanel.h"
#include "TRadioButton.h"

namespace {

TLabel* BoldLabel(TComponent* owner, TWinControl* parent, const char* name, const char* caption, int left, int top) {
    auto* label = Place<TLabel>(owner, parent, name, left, top, 100, 13);
    label->SetCaption(caption);
    MakeBold(label);
    return label;
}

TRadioButton* Radio(TComponent* owner, TWinControl* parent, const char* name, const char* caption, int left,
                    int width) {
    auto* button = Place<TRadioButton>(owner, parent, name, left, 15, width, 17);
    button->SetCaption(caption);
    return button;
}

}  // namespace

void TfrmIntegraCardapio::BuildFilterPanel() {
    panFiltro = Place<TPanel>(this, grbDadosRel, "panFiltro", 2, 15, 565, 87);
    GrowAcross(panFiltro);

    lblArquivo = BoldLabel(this, panFiltro, "lblArquivo", "Arquivo Origem", 8, 4);
    medNmArquivo = Place<TMaskEdit>(this, panFiltro, "medNmArquivo", 8, 20, 280, 21);
    InputColour(medNmArquivo);
    sbtArquivo = Place<TSpeedButton>(this, panFiltro, "sbtArquivo", 290, 19, 23, 22);
    sbtArquivo->SetHint("Pesquisar");
    sbtArquivo->SetGlyph(LookupPicture());
    sbtArquivo->ShowHint = true;

    grbDadoArq = Place<TGroupBox>(this, panFiltro, "grbDadoArq", 320, 2, 240, 81);
    grbDadoArq->SetCaption("Dados do Arquivo");
    GrowAcross(grbDadoArq);
    lblDadoArq = Place<TLabel>(this, grbDadoArq, "lblDadoArq", 8, 16, 224, 60);
    GrowAcross(lblDadoArq);
    lblDadoArq->WordWrap = true;
    lblDadoArq->AutoSize = false;
    MakeBold(lblDadoArq);

    lblFilial = BoldLabel(this, panFiltro, "lblFilial", "Filial Destino", 8, 44);
    medCdFilial = Place<TMaskEdit>(this, panFiltro, "medCdFilial", 8, 60, 49, 21);
    medCdFilial->SetEditMask("9999;0; ");
    medCdFilial->MaxLength = 4;
    InputColour(medCdFilial);
    sbtFilial = Place<TBtnPesquisa>(this, panFiltro, "sbtFilial", 59, 59, 23, 22);
    sbtFilial->SetHint("Pesquisar");
    sbtFilial->SetGlyph(LookupPicture());
    sbtFilial->ShowHint = true;
    sbtFilial->Title = "Filial";
    sbtFilial->DataSource = dtsFilial;
    sbtFilial->Edit = medCdFilial;
    sbtFilial->EmptyListText = "Não há filial cadastrada";
    edtNmFilial = Place<TEdit>(this, panFiltro, "edtNmFilial", 84, 60, 230, 21);
    DisplayOnly(edtNmFilial);
}

void TfrmIntegraCardapio::BuildOptionPanel() {
    panOpcao = Place<TPanel>(this, grbDadosRel, "panOpcao", 2, 102, 565, 38);
    GrowAcross(panOpcao);

    grbPratos = Place<TGroupBox>(this, panOpcao, "grbPratos", 4, 0, 200, 36);
    grbPratos->SetCaption("Pratos");
    rbtSobrepor = Radio(this, grbPratos, "rbtSobrepor", "Sobrepor", 8, 80);
    rbtSobrepor->SetChecked(true);
    rbtAcrescentar = Radio(this, grbPratos, "rbtAcrescentar", "Acrescentar", 100, 90);
    rbtAcrescentar->SetEnabled(false);

    grbComensais = Place<TGroupBox>(this, panOpcao, "grbComensais", 210, 0, 350, 36);
    grbComensais->SetCaption("Buscar Comensais Estimados");
    rbtCardapioOrigem = Radio(this, grbComensais, "rbtCardapioOrigem", "do Cardápio Origem", 8, 150);
    rbtCardapioOrigem->SetChecked(true);
    rbtServicoDestino = Radio(this, grbComensais, "rbtServicoDestino", "do Serviço Destino", 180, 150);
}
