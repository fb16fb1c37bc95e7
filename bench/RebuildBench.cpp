// The configuration tab's work on large loads, through the screen module as the host loads it and
// the application server in process:
// - the rebuild of the destination dish types (leaving the date panel): one configuration call
//   per service and a name match per dish-type row, over 50, 500 and 5,000 services of 40 dish
//   types each. Reported per dish-type row; the target is a cost per row that grows no faster
//   than log n.
// - marking and unmarking all rows of one service pair of 10,000 dish types (the mark column's
//   title), each mark posting the row and adding its register entries.
//
// Each size gets a temporary store whose destination branch registers the generated file's
// services and configurations under the same names, so that every row finds its dish type.
#include "BenchFiles.h"
#include "ControlRoutines.h"
#include "DataPacket.h"
#include "EmbeddedTransport.h"
#include "ApplicationServer.h"
#include "Package.h"
#include "Session.h"
#include "SqliteDatabase.h"
#include "SqliteStatement.h"
#include "StoreSchema.h"
#include "SyntheticMenuFile.h"
#include "TApplication.h"
#include "TClientDataSet.h"
#include "TCustomPageControl98.h"
#include "TField.h"
#include "TMaskEdit.h"
#include "TPanel.h"
#include "TScreen.h"
#include "TScriptedDialogs.h"
#include "TTabSheet98.h"
#include "screen/TfrmIntegraCardapio.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

constexpr const char* kDestination = "0009";
constexpr int kDishTypesPerService = 40;

// A loaded screen over a store and file of `services` services.
class LoadedScreen {
public:
    explicit LoadedScreen(int services) {
        folder_ = MakeBenchFolder("krd-rebuild-bench");
        const auto store = (folder_ / "empresa.db").string();
        SyntheticMenuSettings settings;
        settings.services = services;
        settings.dietsPerService = 1;
        settings.dishTypesPerService = kDishTypesPerService;
        settings.menuLines = static_cast<uint64_t>(services);
        settings.originBranch = "0002";
        const SyntheticMenuFile file(settings);
        {
            std::ofstream out(folder_ / "cardapio.txt", std::ios::binary);
            file.Write(out);
        }
        Register(store, file.Definitions());

        server_ = std::make_unique<appserver::ApplicationServer>(appserver::ServerConfig{store, {folder_}});
        InstallEmbeddedDispatcher(
            [this](const std::string& method, const Variant::Array& args) { return server_->Dispatch(method, args); });
        Session& session = Session::Current();
        session.Reset();
        session.BranchCode = "0001";
        session.OperatorCode = "BENCH";
        session.ModuleAcronym = "KRD";
        session.SetServerAddress("embedded");
        session.SetGeneralDatabasePath(store);
        Application->SetDialogService(&dialogs_);
        package_ = Package::Load(KRD52100_MODULE_PATH);
        Package::Procedure iniProc = package_->Routine("IniProc");
        Application->Perform([iniProc] { iniProc(); });
        Load((folder_ / "cardapio.txt").string());
    }

    ~LoadedScreen() {
        Application->Perform([this] { Frm().Close(); });
        Application->ProcessMessages();
        while (!Screen->Forms().empty()) delete Screen->Forms().back();
        package_->Unload();
        Application->SetDialogService(nullptr);
        InstallEmbeddedDispatcher({});
        server_.reset();
        std::filesystem::remove_all(folder_);
    }

    TfrmIntegraCardapio& Frm() { return *package_->Variable<TfrmIntegraCardapio*>("frmIntegraCardapio"); }
    size_t Messages() const { return dialogs_.Shown().size(); }

    // The user leaves the date panel: the rebuild.
    void Rebuild() {
        TfrmIntegraCardapio& frm = Frm();
        Application->Perform([&] { frm.panDatas->OnExit(frm.panDatas); });
    }

private:
    static void Register(const std::string& store, const IntegrationFile& file) {
        appserver::SqliteDatabase db(store);
        appserver::StoreSchema::Migrate(db);
        appserver::SqliteTransaction transaction(db);
        db.Execute("INSERT INTO PARAMINTEGRACAO VALUES ('1', 'T', 'S', 'N', '')");
        db.Execute("INSERT INTO FILIAL VALUES ('0001', 'Matriz', 'N')");
        db.Execute("INSERT INTO FILIAL VALUES ('0009', 'Filial de medição', 'N')");
        auto service = db.Prepare("INSERT INTO SERVFILI VALUES ('0009', ?, ?, ?)");
        for (const auto& s : file.services) service.Bind(1, s.code).Bind(2, s.name).Bind(3, s.hospital ? "S" : "N").Run();
        auto type = db.Prepare("INSERT INTO CNFCARDAPIO VALUES ('0009', ?, '2000-01-01', ?, ?, ?, ?, ?)");
        for (const auto& t : file.dishTypes)
            type.Bind(1, t.service).Bind(2, t.code).Bind(3, t.sequence).Bind(4, t.order).Bind(5, t.name)
                .Bind(6, t.option ? "S" : "N").Run();
        transaction.Commit();
    }

    void Load(const std::string& fileName) {
        TfrmIntegraCardapio& frm = Frm();
        Application->Focus(*frm.medNmArquivo);
        frm.medNmArquivo->SelectAll();
        Application->TypeText(fileName);
        Application->Focus(*frm.medCdFilial);
        frm.medCdFilial->SelectAll();
        Application->TypeText(kDestination);
        Application->Focus(*frm.dbgPadrao);
        if (!frm.cdsTipoPrat->Active()) throw std::runtime_error("the load failed");
        Application->Perform([&] { frm.pgcPadrao->SetActivePage(frm.tshConfig); });
    }

    std::filesystem::path folder_;
    std::unique_ptr<appserver::ApplicationServer> server_;
    std::unique_ptr<Package> package_;
    TScriptedDialogs dialogs_;
};

void BM_Rebuild(benchmark::State& state) {
    LoadedScreen screen(static_cast<int>(state.range(0)));
    TClientDataSet& rows = *screen.Frm().cdsTipoPrat;
    const double dishTypes = static_cast<double>(rows.GetData().AsPacket().Rows.size());
    for (auto _ : state) screen.Rebuild();
    if (screen.Messages() != 0) state.SkipWithError("the rebuild showed a message");
    state.counters["rows"] = dishTypes;
    state.counters["per_row"] = benchmark::Counter(dishTypes * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Rebuild)->Arg(50)->Arg(500)->Arg(5000)->Iterations(1)->Unit(benchmark::kMillisecond);

// One service pair of 10,000 dish types, every one with a destination; each iteration marks all
// and unmarks all (two title clicks).
void BM_MarkAllOfALargePair(benchmark::State& state) {
    LoadedScreen screen(1);
    TfrmIntegraCardapio& frm = screen.Frm();
    TClientDataSet& rows = *frm.cdsTipoPrat;
    DataPacket packet = rows.GetData().AsPacket();
    const std::vector<Variant> model = packet.Rows.front().Values;
    packet.Rows.clear();
    const int count = static_cast<int>(state.range(0));
    for (int i = 0; i < count; ++i) {
        std::vector<Variant> values = model;
        const auto set = [&](const char* field, Variant value) { values[*packet.FieldIndex(field)] = std::move(value); };
        set("NRSEQORIG", Variant(i + 1));
        set("NRORDORIG", Variant(i + 1));
        set("NRSEQDEST", Variant(i + 1));
        set("NRORDDEST", Variant(i + 1));
        set("IDIMPORTAR", Variant("N"));
        packet.AddRow(std::move(values));
    }
    TColumn* mark = frm.dbgTipoPrat->Columns()[IndiceCol(frm.dbgTipoPrat, "IDIMPORTAR")];
    Application->Perform([&] {
        rows.SetData(packet);
        rows.SetFiltered(false);
    });
    for (auto _ : state) {
        Application->Perform([&] { frm.dbgTipoPrat->OnTitleClick(mark); });
        Application->Perform([&] { frm.dbgTipoPrat->OnTitleClick(mark); });
    }
    state.counters["rows"] = count;
    state.counters["per_row_mark_and_unmark"] = benchmark::Counter(
        static_cast<double>(count) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MarkAllOfALargePair)->Arg(10000)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace
