#pragma once
// The base screen of the host's import and export screens: a child window of the main window
// with the working area on the left, a menu column on the right (the import/export button and
// the exit button), a progress strip at the bottom, the screen-code label and the screen's
// message catalogue. A screen derives from it, adjusts these members and adds its own.
//
// Handlers: the base layout binds OnCreate, OnClose, OnKeyPress and OnKeyDown to FormCreate,
// FormClose, FormKeyPress and FormKeyDown below. A derived screen that handles one of these
// events binds its own handler in their place, and that handler runs the base one first.
//
// Closing: the exit button's click (sbtSairClick) closes the screen; FormClose chooses caFree, so
// a closed screen is released (deleted once the current user action is over), never just
// hidden or minimised. A screen that may close must therefore be owned by Application or by
// nothing.
#include "TBitmap.h"
#include "TForm.h"

class TGroupBox;
class TLabel;
class TMessages;
class TPanel;
class TProgressBar;
class TSpeedButton;

class TfrmPadrImportExport : public TForm {
public:
    explicit TfrmPadrImportExport(TComponent* owner);

    TLabel* lblCodTela;        // the screen's code, e.g. "KRD52100"
    TGroupBox* grbDadosRel;    // the working area
    TPanel* panMenu;           // right-hand menu column
    TPanel* panBotoes;         // the buttons inside it
    TSpeedButton* sbtImportExport;
    TSpeedButton* sbtSair;     // exit button: its click closes the screen
    TPanel* panProgresso;      // progress strip, collapsed until a screen uses it
    TProgressBar* pgbProgresso;
    TMessages* msgPadrao;

    // 16 x 16 transparent pictures for sbtImportExport: an arrow into a tray (import) and out
    // of it (export). The base shows the export picture; an import screen puts the other.
    const TBitmap& ImportPicture() const { return importPicture_; }
    const TBitmap& ExportPicture() const { return exportPicture_; }

    // Puts the export picture on sbtImportExport and collapses the progress strip.
    void FormCreate(TComponent* Sender);
    // Chooses caFree: the closed screen is released.
    void FormClose(TComponent* Sender, TCloseAction& Action);
    // The base screen has no keys of its own; these exist so that every screen's key handlers
    // can run the base first, as they do for the other events.
    void FormKeyPress(TComponent* Sender, char& Key);
    void FormKeyDown(TComponent* Sender, Word& Key, TShiftState Shift);
    void sbtSairClick(TComponent* Sender);

private:
    void BuildLayout();

    TBitmap importPicture_;
    TBitmap exportPicture_;
};
