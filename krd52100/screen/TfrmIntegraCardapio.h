#pragma once
// The menu import screen "Integração de Cardápios - Importação" (screen code KRD52100).
//
// The user names an integration file and a destination branch in the filter panel; leaving the
// panel loads the file through the application server, which proposes the service, diet and
// dish-type mappings shown on the three tabs; the import button sends them back and the server
// writes the menus into the destination branch.
//
// The class holds every control, dataset and data source of the screen as a member, all owned
// by the screen, built and bound to their handlers in the constructor (the layout files of this
// folder). Its behaviour lives in the handlers below, one folder per concern:
//   module/   creation, activation, closing and the screen's keys
//   source/   the integration file, the destination branch, the load and import exchange
//   mapping/  the service, diet and dish-type mappings and their grids
//   config/   the destination start date and the dish-type configuration
// The screen declares no virtual operation of its own and overrides none: it takes the place of
// the base screen's FormCreate, FormClose, FormKeyPress and FormKeyDown by binding its own
// handlers to those events, and each runs the base one first.
#include "TfrmPadrImportExport.h"

#include "mapping/TakenRegisters.h"

#include "TDBGrid.h"
#include "TRect.h"

#include <optional>
#include <set>
#include <string>

class TADOIBQuery;
class TBtnPesquisa;
class TClientDataSet;
class TCustomPageControl98;
class TDataSet;
class TDataSource;
class TDateEditPlus;
class TDBNavigator;
class TEdit;
class TField;
class TImage;
class TLabel;
class TMaskEdit;
class TNetConnection;
class TOpenDialog;
class TRadioButton;
class TTabSheet98;

namespace krd52100 {
class IntegraCardapioServer;
}

class TfrmIntegraCardapio : public TfrmPadrImportExport {
public:
    // Builds the layout; creation proper (FormCreate) runs when the owner calls DoCreate.
    explicit TfrmIntegraCardapio(TComponent* owner);

    // --- Filter panel: the integration file and the destination branch.
    TPanel* panFiltro;
    TLabel* lblArquivo;
    TMaskEdit* medNmArquivo;
    TSpeedButton* sbtArquivo;
    TGroupBox* grbDadoArq;
    TLabel* lblDadoArq;
    TLabel* lblFilial;
    TMaskEdit* medCdFilial;
    TBtnPesquisa* sbtFilial;
    TEdit* edtNmFilial;

    // --- Option panel. Nothing reads these buttons and none of them is sent to the server.
    TPanel* panOpcao;
    TGroupBox* grbPratos;
    TRadioButton* rbtSobrepor;
    TRadioButton* rbtAcrescentar;
    TGroupBox* grbComensais;
    TRadioButton* rbtCardapioOrigem;
    TRadioButton* rbtServicoDestino;

    // --- The three tabs.
    TCustomPageControl98* pgcPadrao;
    TTabSheet98* tshPadrao;
    TDBGrid* dbgPadrao;
    TTabSheet98* tshDieta;
    TDBGrid* dbgDieta;
    TTabSheet98* tshConfig;
    TPanel* panDatas;
    TLabel* lblDataOrigem;
    TDateEditPlus* depOrigem;
    TEdit* edtDiaSemOrig;
    TLabel* lblDataDestino;
    TDateEditPlus* depDestino;
    TEdit* edtDiaSemDest;
    TDBGrid* dbgTipoPrat;

    // --- Bottom strip, pictures, dialog, connection.
    TPanel* Panel2;
    TDBNavigator* DBNavigator1;  // bound to no data source: it stays inert
    TLabel* lblServAtual;
    TImage* imgCheck;
    TImage* imgUncheck;
    TOpenDialog* odgEfetivos;
    TNetConnection* netIntegraCardapio;

    // --- In-memory datasets.
    TClientDataSet* cdsParamIntegracao;
    TClientDataSet* cdsDiretorio;
    TClientDataSet* cdsServicos;
    TClientDataSet* cdsDietas;
    TClientDataSet* cdsTipoPrat;
    TClientDataSet* cdsServOrigem;
    TClientDataSet* cdsServDestino;
    TClientDataSet* cdsPesqServico;
    TClientDataSet* cdsPesqServicoAux;
    TClientDataSet* cdsDietaOrig;
    TClientDataSet* cdsDietaOrigAux;
    TClientDataSet* cdsDietaDest;
    TClientDataSet* cdsPesqDietServ;
    TClientDataSet* cdsPesqDietServAux;
    TClientDataSet* cdsTipoPratOrig;
    TClientDataSet* cdsTipoPratOrigAux;
    TClientDataSet* cdsTipoPratDest;
    TClientDataSet* cdsPesqTipoPrat;
    TClientDataSet* cdsPesqTipoPratAux;

    // The branches of the host's general database (table FILIAL).
    TADOIBQuery* qryFilial;

    // --- Data sources.
    TDataSource* dtsServicos;
    TDataSource* dtsDietas;
    TDataSource* dtsTipoPrat;
    TDataSource* dtsFilial;
    TDataSource* dtsPesqServico;
    TDataSource* dtsPesqDietServ;
    TDataSource* dtsPesqTipoPrat;
    TDataSource* dtsDietaOrig;
    TDataSource* dtsDiretorio;
    TDataSource* dtsParamIntegracao;

    // --- Screen state.
    // True from creation until the first activation has filled in the defaults.
    bool boPrimAtivacao = false;
    // True when the screen may be used: set once both parameter packets are loaded, cleared
    // again when the host's mode may not import menus.
    bool boLiberado = false;

    // --- Handlers: creation, activation, closing, keys (module/).
    void FormCreate(TComponent* Sender);
    void netIntegraCardapioBeforeConnect(TComponent* Sender);
    void FormShow(TComponent* Sender);
    void FormActivate(TComponent* Sender);
    void FormClose(TComponent* Sender, TCloseAction& Action);
    void FormKeyPress(TComponent* Sender, char& Key);
    void FormKeyDown(TComponent* Sender, Word& Key, TShiftState Shift);

    // --- Handlers: integration file, destination branch, exchange (source/).
    void medNmArquivoEnter(TComponent* Sender);
    void medNmArquivoChange(TComponent* Sender);
    void medNmArquivoExit(TComponent* Sender);
    void medCdFilialChange(TComponent* Sender);
    void sbtArquivoClick(TComponent* Sender);
    void cdsDiretorioBeforePost(TDataSet* DataSet);
    void cdsDiretorioAfterPost(TDataSet* DataSet);
    void sbtFilialBeforePesq(TComponent* Sender, bool& Proceed);
    void sbtFilialAfterPesq(TComponent* Sender);
    void panFiltroEnter(TComponent* Sender);
    void panFiltroExit(TComponent* Sender);
    void sbtImportExportClick(TComponent* Sender);

    // --- Handlers: service mapping (mapping/).
    void cdsServicosAfterOpen(TDataSet* DataSet);
    void cdsServicosBeforeEdit(TDataSet* DataSet);
    void cdsServicosBeforePost(TDataSet* DataSet);
    void cdsServicosAfterPost(TDataSet* DataSet);
    void cdsServicosBeforeCancel(TDataSet* DataSet);
    void cdsServicosAfterCancel(TDataSet* DataSet);
    void cdsServicosBeforeDelete(TDataSet* DataSet);
    void cdsServicosAfterDelete(TDataSet* DataSet);
    void cdsServicosAfterScroll(TDataSet* DataSet);
    void dbgPadraoColExit(TComponent* Sender);
    void dbgPadraoDrawColumnCell(TComponent* Sender, const TRect& Rect, int DataCol, TColumn* Column,
                                 TGridDrawState State);
    void dbgPadraoEditButtonClick(TComponent* Sender);
    void dbgPadraoKeyDown(TComponent* Sender, Word& Key, TShiftState Shift);
    void dtsServicosStateChange(TDataSource* Sender);

    // --- Handlers: diet mapping (mapping/).
    void cdsDietasBeforeEdit(TDataSet* DataSet);
    void cdsDietasBeforePost(TDataSet* DataSet);
    void cdsDietasAfterPost(TDataSet* DataSet);
    void cdsDietasBeforeCancel(TDataSet* DataSet);
    void cdsDietasAfterCancel(TDataSet* DataSet);
    void cdsDietasBeforeDelete(TDataSet* DataSet);
    void cdsDietasAfterDelete(TDataSet* DataSet);
    void dbgDietaColExit(TComponent* Sender);
    void dbgDietaDrawColumnCell(TComponent* Sender, const TRect& Rect, int DataCol, TColumn* Column,
                                TGridDrawState State);
    void dbgDietaEditButtonClick(TComponent* Sender);
    void dbgDietaKeyDown(TComponent* Sender, Word& Key, TShiftState Shift);

    // --- Handlers: dish-type mapping and its grid (mapping/).
    void cdsTipoPratIDOPCORIGGetText(TField* Sender, std::string& Text, bool DisplayText);
    void cdsTipoPratBeforeInsert(TDataSet* DataSet);
    void cdsTipoPratBeforeEdit(TDataSet* DataSet);
    void cdsTipoPratBeforePost(TDataSet* DataSet);
    void cdsTipoPratAfterPost(TDataSet* DataSet);
    void cdsTipoPratBeforeCancel(TDataSet* DataSet);
    void cdsTipoPratAfterCancel(TDataSet* DataSet);
    void cdsTipoPratBeforeDelete(TDataSet* DataSet);
    void cdsTipoPratAfterDelete(TDataSet* DataSet);
    void dbgTipoPratCellClick(TColumn* Column);
    void dbgTipoPratColEnter(TComponent* Sender);
    void dbgTipoPratColExit(TComponent* Sender);
    void dbgTipoPratDrawColumnCell(TComponent* Sender, const TRect& Rect, int DataCol, TColumn* Column,
                                   TGridDrawState State);
    void dbgTipoPratDblClick(TComponent* Sender);
    void dbgTipoPratEditButtonClick(TComponent* Sender);
    void dbgTipoPratEnter(TComponent* Sender);
    void dbgTipoPratKeyDown(TComponent* Sender, Word& Key, TShiftState Shift);
    void dbgTipoPratKeyPress(TComponent* Sender, char& Key);
    void dbgTipoPratTitleClick(TColumn* Column);
    // A code typed into any mapping grid; `nameField` holds the name of the code replaced.
    void MappingCodeSetText(const char* nameField, TField* Sender, const std::string& Text);

    // --- Handlers: destination start date and dish-type configuration (config/).
    void depDestinoChange(TComponent* Sender);
    void depDestinoExit(TComponent* Sender);
    void panDatasExit(TComponent* Sender);
    void pgcPadraoChange(TComponent* Sender);

private:
    // --- Routines. The validators take one flag: true makes an empty value an error. The two
    // dish-type validators carry crossed names: Vd_TipoPratDest checks the origin column and
    // Vd_TipoPratOrig the destination column.
    void ImportaCardapio();
    void Testa_Arquivo();
    void Vd_Arquivo(bool flag);
    void Vd_CdFilial(bool flag);
    void Vd_CdServOrigem(bool flag);
    void Vd_CdServDestino(bool flag);
    void Vd_DietaOrigem(bool flag);
    void Vd_DietaDestino(bool flag);
    void Vd_TipoPratOrig(bool flag);
    void Vd_TipoPratDest(bool flag);
    // --- Registers of taken values, kept row by row by the mapping tables' events
    // (mapping/TakenRegisters.cpp), and refilled from the tables by a load and by a pass that
    // held them back.
    krd52100::TakenEntries EntriesOfRow(const TDataSet& table) const;
    void Take(const krd52100::TakenEntries& entries);
    void Release(const krd52100::TakenEntries& entries);
    void RowEditStarts(TDataSet& table);
    void RowPosting(TDataSet& table);
    void RowPosted(TDataSet& table);
    void RowCancelling(TDataSet& table);
    void RowCancelled(TDataSet& table);
    void RowDeleting(TDataSet& table);
    void RowDeleted(TDataSet& table);
    void RebuildTakenRegisters();
    // A pass that posts many rows of `table` holds back the upkeep of its registers and refills
    // them once as it ends (also when it fails).
    void HoldRegisters(TClientDataSet& table);
    void RefillHeldRegisters();
    bool Held(const krd52100::TakenRegister& rule) const;
    // --- Codes typed or picked into a mapping row that no check has accepted yet
    // (mapping/UncheckedCodes.cpp): a post checks them first.
    bool Unchecked(const TDataSet& table, const char* field) const;
    void Accepted(const TField& field);
    void ForgetUncheckedCodes(const TDataSet& table);

    // The application server's methods over this screen's connection.
    krd52100::IntegraCardapioServer Server();

    krd52100::TakenEntries postingEntries;  // of the row being posted
    krd52100::TakenEntries leavingEntries;  // of the row being deleted
    bool cancellingEdit = false;            // the cancel under way is of an edit, not an insert
    TClientDataSet* heldTable = nullptr;    // whose registers a pass holds back
    krd52100::TakenEntries heldEditEntries;  // released by the held table's latest edit
    std::set<const TField*> uncheckedCodes;

    // The mapping tables on screen are those a load proposed for the file and branch the filter
    // panel shows, and nothing has changed either since (source/LoadedTables.cpp).
    bool TablesMatchFilter() const;
    // Called as a load succeeds, and as the file or the branch changes (which also locks the
    // import and the tabs that show the tables).
    void RememberLoadedTables();
    void ForgetLoadedTables();

    // The file and branch of the last load that succeeded, until either changes.
    struct LoadedTables {
        std::string file;
        std::string branch;
    };
    std::optional<LoadedTables> loadedTables;

    // Escape's key down found a row being edited or a cell editor open; its character, which
    // follows, then leaves the screen open.
    bool escapeFoundWorkPending = false;

    // --- Layout building, by area (screen/ScreenLayout*.cpp, screen/ScreenDatasets.cpp).
    void BuildFrame();
    void BuildFilterPanel();
    void BuildOptionPanel();
    void BuildPages();
    void BuildServicesPage();
    void BuildDietsPage();
    void BuildConfigPage();
    void BuildBottomStrip();
    void BuildDatasets();
    void BuildMappingDatasets();
    void BuildLookupDatasets();
    void BuildDataSources();
    void BindHandlers();
    void BindDatasetHandlers();
    void BindGridHandlers();
};
