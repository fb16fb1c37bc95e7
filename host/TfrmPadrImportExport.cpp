#include "TfrmPadrImportExport.h"

#include "TGroupBox.h"
#include "TLabel.h"
#include "TMessages.h"
#include "TPanel.h"
#include "TProgressBar.h"
#include "TSpeedButton.h"

namespace {

constexpr int kPictureSize = 16;

// A tray (an open box at the bottom) with an arrow over it, pointing into it or out of it.
TBitmap TrayPicture(bool arrowDown) {
    TBitmap picture(kPictureSize, kPictureSize);
    picture.Transparent = true;
    for (int x = 0; x < kPictureSize; ++x)
        for (int y = 0; y < kPictureSize; ++y) picture.SetPixel(x, y, picture.TransparentColor);
    for (int x = 1; x < 15; ++x) picture.SetPixel(x, 14, clGray);
    for (int y = 10; y < 15; ++y) {
        picture.SetPixel(1, y, clGray);
        picture.SetPixel(14, y, clGray);
    }
    const TColor arrow = arrowDown ? clGreen : clNavy;
    for (int y = 1; y < 12; ++y)
        for (int x = 7; x <= 8; ++x) picture.SetPixel(x, y, arrow);
    const int tip = arrowDown ? 11 : 1;
    const int step = arrowDown ? -1 : 1;
    for (int row = 0; row < 4; ++row)
        for (int x = 7 - row; x <= 8 + row; ++x) picture.SetPixel(x, tip + step * row, arrow);
    return picture;
}

// An open door with a red arrow leaving through it: the exit button's picture.
TBitmap ExitPicture() {
    TBitmap picture(kPictureSize, kPictureSize);
    picture.Transparent = true;
    for (int x = 0; x < kPictureSize; ++x)
        for (int y = 0; y < kPictureSize; ++y) picture.SetPixel(x, y, picture.TransparentColor);
    for (int y = 1; y < 15; ++y) {
        picture.SetPixel(2, y, clGray);
        picture.SetPixel(9, y, clGray);
        for (int x = 3; x < 6; ++x) picture.SetPixel(x, y, clMaroon);  // the door, swung open
    }
    for (int x = 2; x < 10; ++x) {
        picture.SetPixel(x, 1, clGray);
        picture.SetPixel(x, 14, clGray);
    }
    for (int x = 7; x < 15; ++x) {
        picture.SetPixel(x, 7, clRed);
        picture.SetPixel(x, 8, clRed);
    }
    for (int row = 1; row < 4; ++row) {
        picture.SetPixel(14 - row, 7 - row, clRed);
        picture.SetPixel(14 - row, 8 + row, clRed);
    }
    return picture;
}

template <typename Control> Control* Make(TComponent* owner, TWinControl* parent, const char* name) {
    auto* control = new Control(owner);
    control->SetName(name);
    control->SetParent(parent);
    return control;
}

}  // namespace

TfrmPadrImportExport::TfrmPadrImportExport(TComponent* owner)
    : TForm(owner), importPicture_(TrayPicture(true)), exportPicture_(TrayPicture(false)) {
    BuildLayout();
    KeyPreview = true;
    FormStyle = fsMDIChild;
    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnClose = [this](TComponent* sender, TCloseAction& action) { FormClose(sender, action); };
    OnKeyPress = [this](TComponent* sender, char& key) { FormKeyPress(sender, key); };
    OnKeyDown = [this](TComponent* sender, Word& key, TShiftState shift) { FormKeyDown(sender, key, shift); };
}

void TfrmPadrImportExport::BuildLayout() {
    SetName("frmPadrImportExport");
    SetBounds(0, 0, 632, 364);
    grbDadosRel = Make<TGroupBox>(this, this, "grbDadosRel");
    grbDadosRel->SetBounds(4, 2, 569, 319);
    grbDadosRel->SetAnchors({akLeft, akTop, akRight, akBottom});  // the working area grows with the screen
    panMenu = Make<TPanel>(this, this, "panMenu");
    panMenu->SetAlign(alRight);
    panMenu->SetBounds(577, 0, 47, 337);
    panBotoes = Make<TPanel>(this, panMenu, "panBotoes");
    panBotoes->SetBounds(2, 2, 43, 90);
    sbtImportExport = Make<TSpeedButton>(this, panBotoes, "sbtImportExport");
    sbtImportExport->SetBounds(2, 2, 39, 40);
    sbtSair = Make<TSpeedButton>(this, panBotoes, "sbtSair");
    sbtSair->SetBounds(2, 46, 39, 40);
    sbtSair->SetHint("Sair");
    sbtSair->SetGlyph(ExitPicture());
    sbtSair->ShowHint = true;
    sbtSair->OnClick = [this](TComponent* sender) { sbtSairClick(sender); };
    lblCodTela = Make<TLabel>(this, panMenu, "lblCodTela");
    // The screen's code, centred under the buttons across the whole column, in a small font so
    // that eight characters fit its width.
    lblCodTela->SetBounds(0, 318, 47, 13);
    lblCodTela->SetAnchors({akLeft, akBottom});
    lblCodTela->AutoSize = false;
    lblCodTela->Alignment = taCenter;
    lblCodTela->Transparent = true;  // the column's border shows through at its ends
    TFont codeFont = lblCodTela->Font();
    codeFont.Size = 7;
    lblCodTela->SetFont(codeFont);
    panProgresso = Make<TPanel>(this, this, "panProgresso");
    panProgresso->SetAlign(alBottom);
    panProgresso->SetBounds(0, 321, 577, 16);
    pgbProgresso = Make<TProgressBar>(this, panProgresso, "pgbProgresso");
    pgbProgresso->SetBounds(4, 2, 569, 12);
    pgbProgresso->SetAnchors({akLeft, akTop, akRight});
    msgPadrao = new TMessages(this);
    msgPadrao->SetName("msgPadrao");
}

void TfrmPadrImportExport::FormCreate(TComponent*) {
    sbtImportExport->SetGlyph(exportPicture_);
    panProgresso->SetHeight(0);
}

void TfrmPadrImportExport::FormClose(TComponent*, TCloseAction& Action) { Action = caFree; }

void TfrmPadrImportExport::FormKeyPress(TComponent*, char&) {}

void TfrmPadrImportExport::FormKeyDown(TComponent*, Word&, TShiftState) {}

void TfrmPadrImportExport::sbtSairClick(TComponent*) { Close(); }
