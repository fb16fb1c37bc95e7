#pragma once
// The menu export screen "Integração de Cardápios - Exportação" (screen code KRD52200).
//
// The user names the origin branch (the session's own; head office may choose any), the first
// and last day of the period, marks the branch's services to export (all marked at first) and
// the target file; the export button has the application server write the branch's menus of
// the period into an integration file, which the import screen of another branch reads. The
// summary shows what was written.
//
// Where the file is written: with the server in process, the server writes the chosen path;
// over HTTP, the server sends the file's text and the screen writes it at the chosen path
// (a branch need not reach the server's folders).
//
// As on the import screen, every control, dataset and data source is a member owned by the
// screen, built and bound in the constructor (screen/); behaviour lives in the handlers, one
// folder per concern:
//   module/   creation, activation, closing and the screen's keys
//   origin/   the origin branch, the period and the services' marks
//   target/   the target file and the export exchange
#include "TfrmPadrImportExport.h"

#include "TDBGrid.h"
#include "TRect.h"

#include <string>
#include <vector>

class TADOIBQuery;
class TBtnPesquisa;
class TClientDataSet;
class TDataSet;
class TDataSource;
class TDateEditPlus;
class TEdit;
class TImage;
class TLabel;
class TMaskEdit;
class TNetConnection;
class TSaveDialog;

namespace krd52200 {
class ExportaCardapioServer;
}

class TfrmExportaCardapio : public TfrmPadrImportExport {
public:
    // Builds the layout; creation proper (FormCreate) runs when the owner calls DoCreate.
    explicit TfrmExportaCardapio(TComponent* owner);

    // --- Filter panel: origin branch, period, target file.
    TPanel* panFiltro;
    TLabel* lblFilial;
    TMaskEdit* medCdFilial;
    TBtnPesquisa* sbtFilial;
    TEdit* edtNmFilial;
    TLabel* lblDataInicial;
    TDateEditPlus* depInicial;
    TEdit* edtDiaSemIni;
    TLabel* lblDataFinal;
    TDateEditPlus* depFinal;
    TEdit* edtDiaSemFim;
    TLabel* lblArquivo;
    TMaskEdit* medNmArquivo;
    TSpeedButton* sbtArquivo;

    // --- The branch's services, each with its export mark.
    TGroupBox* grbServicos;
    TDBGrid* dbgServicos;

    // --- What the last export wrote.
    TGroupBox* grbResumo;
    TLabel* lblResumo;

    // --- Pictures, dialog, connection, datasets.
    TImage* imgCheck;
    TImage* imgUncheck;
    TSaveDialog* sdgArquivo;
    TNetConnection* netExportaCardapio;
    // IDEXPORTAR ("S"/"N"), CDSERVFILI, NMSERVICO of the branch the services were loaded for.
    TClientDataSet* cdsServicos;
    TClientDataSet* cdsPesqServico;  // the server's list, copied into cdsServicos
    TADOIBQuery* qryFilial;
    TDataSource* dtsServicos;
    TDataSource* dtsFilial;

    // True from creation until the first activation has filled in the defaults.
    bool boPrimAtivacao = false;

    // --- Handlers: creation, activation, closing, keys (module/).
    void FormCreate(TComponent* Sender);
    void netExportaCardapioBeforeConnect(TComponent* Sender);
    void FormActivate(TComponent* Sender);
    void FormClose(TComponent* Sender, TCloseAction& Action);
    void FormKeyPress(TComponent* Sender, char& Key);
    void FormKeyDown(TComponent* Sender, Word& Key, TShiftState Shift);

    // --- Handlers: origin branch, period, services (origin/).
    void medCdFilialChange(TComponent* Sender);
    void medCdFilialExit(TComponent* Sender);
    void sbtFilialBeforePesq(TComponent* Sender, bool& Proceed);
    void sbtFilialAfterPesq(TComponent* Sender);
    void depInicialChange(TComponent* Sender);
    void depInicialExit(TComponent* Sender);
    void depFinalChange(TComponent* Sender);
    void depFinalExit(TComponent* Sender);
    void dbgServicosDrawColumnCell(TComponent* Sender, const TRect& Rect, int DataCol, TColumn* Column,
                                   TGridDrawState State);
    void dbgServicosDblClick(TComponent* Sender);
    void dbgServicosKeyDown(TComponent* Sender, Word& Key, TShiftState Shift);
    void dbgServicosTitleClick(TColumn* Column);

    // --- Handlers: target file and export (target/).
    void medNmArquivoChange(TComponent* Sender);
    void sbtArquivoClick(TComponent* Sender);
    void sbtImportExportClick(TComponent* Sender);

private:
    // --- Checks: each shows its refusal, puts the focus back where the value is typed and
    // aborts. The flag makes an empty branch an error.
    void Vd_CdFilial(bool flag);
    void Vd_Periodo();
    void Vd_Servicos();
    void Vd_Arquivo();
    void ExportaCardapio();
    // Shows the catalogue's message under `key`, puts the focus back on `where` and aborts.
    [[noreturn]] void Refuse(const char* key, TWinControl& where);

    // The services of the branch the code edit shows, all marked; nothing when they are
    // already the ones on screen.
    void CarregaServicos();
    // The marked services' codes, in the list's order.
    std::vector<std::string> MarkedServices() const;
    void ToggleMark();
    void MarkAll(bool marked);

    // The file name the screen proposes: "CARDAPIO_<branch>_<first day>_<last day>.txt" in the
    // folder of the name shown (the user's home folder when it names none). It follows the
    // branch and the period until the user types or chooses a name of their own.
    std::string ProposedFileName() const;
    void ProposeFileName();

    // The application server's methods over this screen's connection.
    krd52200::ExportaCardapioServer Server();

    std::string servicesBranch;  // the branch whose services cdsServicos holds
    std::string proposedFile;    // the name last proposed, while the user has not replaced it

    // --- Layout building (screen/).
    void BuildFrame();
    void BuildFilterPanel();
    void BuildServices();
    void BuildSummary();
    void BuildDatasets();
    void BindHandlers();
};
