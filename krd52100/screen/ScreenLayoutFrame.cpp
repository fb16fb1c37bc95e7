// The window itself, the members inherited from the base screen that this screen adjusts, the
// bottom strip, the check-box pictures, the open-file dialog and the server connection.
#include "screen/TfrmIntegraCardapio.h"

#include "catalogue/MessageCatalogue.h"
#include "CheckBoxPictures.h"
#include "LayoutHelpers.h"

#include "TDBNavigator.h"
#include "TGroupBox.h"
#include "TImage.h"
#include "TLabel.h"
#include "TMessages.h"
#include "TNetConnection.h"
#include "TOpenDialog.h"
#include "TPanel.h"
#include "TSpeedButton.h"

void TfrmIntegraCardapio::BuildFrame() {
    SetName("frmIntegraCardapio");
    SetCaption("Integração de Cardápios - Importação");
    // The base screen's size gives the 624 x 337 client area; only the first place is this
    // screen's own.
    SetBounds(321, 161, Width(), Height());
    lblCodTela->SetCaption("KRD52100");
    sbtImportExport->Flat = true;
    panProgresso->SetHeight(0);
    for (const std::string& line : MessageCatalogueLines()) msgPadrao->AddLine(line);

    PlaceCheckBoxImages(this, imgCheck, imgUncheck);

    odgEfetivos = new TOpenDialog(this);
    odgEfetivos->SetName("odgEfetivos");
    odgEfetivos->Title = "Abrir";
    odgEfetivos->Filter = "Documento texto (*.txt)|*.txt";
    odgEfetivos->DefaultExt = "*.txt";

    netIntegraCardapio = new TNetConnection(this);
    netIntegraCardapio->SetName("netIntegraCardapio");
    netIntegraCardapio->ServerName = "KRD52100.rdmIntegraCardapio";
}

void TfrmIntegraCardapio::BuildBottomStrip() {
    Panel2 = Place<TPanel>(this, grbDadosRel, "Panel2", 2, 299, 565, 18);
    KeepAtBottom(Panel2);
    DBNavigator1 = Place<TDBNavigator>(this, Panel2, "DBNavigator1", 1, 1, 88, 16);
    DBNavigator1->Flat = true;
    DBNavigator1->VisibleButtons = {nbFirst, nbPrior, nbNext, nbLast};
    lblServAtual = Place<TLabel>(this, Panel2, "lblServAtual", 96, 2, 460, 13);
    lblServAtual->SetCaption("Serviço Origem");
    GrowAcross(lblServAtual);
    MakeBold(lblServAtual);
}
