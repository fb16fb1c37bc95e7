// The screen against an application server that goes wrong: down, silent past the answer
// timeout, dripping its answer, answering garbage, an error page, a connection dropped halfway,
// or well-formed answers of the wrong shape. Each fault hits one gesture that calls the server
// (the load on leaving the filter panel, the import, the dish-type rebuild on the configuration
// tab, the destination service lookup) on a screen that has already loaded the demo file.
//
// Whatever the fault, the user sees one message within the answer timeout and a screen as it
// was before the gesture: the busy animation stopped, the filter and import controls usable, the
// six mapping tables untouched (never half replaced). Once the server behaves again the same
// gesture succeeds, so nothing the fault left behind blocks the next try.
#include "HostileServer.h"
#include "ScreenFixture.h"

#include "Answer.h"
#include "ControlRoutines.h"
#include "DataPacket.h"
#include "Session.h"
#include "TApplication.h"
#include "TBtnPesquisa.h"
#include "TClientDataSet.h"
#include "TCustomPageControl98.h"
#include "TDBGrid.h"
#include "TMaskEdit.h"
#include "TSpeedButton.h"
#include "TTabSheet98.h"

#include <chrono>
#include <ostream>
#include <functional>
#include <vector>

namespace krd52100::testing {
namespace {

using Fault = HostileServer::Fault;

// The answer timeout the session gives the screen's connection in these tests, and the most a
// faulty call may take (connecting again after a drop included).
constexpr int kAnswerSeconds = 1;
constexpr double kLongestCallSeconds = kAnswerSeconds + 3.0;

enum class Gesture { Load, Import, Rebuild, Lookup };

const char* MethodOf(Gesture gesture) {
    switch (gesture) {
    case Gesture::Load:
    case Gesture::Import: return "ImportaCardapio";
    case Gesture::Rebuild: return "GetPesqTipoPrat";
    case Gesture::Lookup: return "GetPesqServ";
    }
    return "";
}

// A packet that is none of the screen's: one field the screen never asks for.
Variant StrangePacket() {
    DataPacket packet;
    packet.Fields = {FieldDef{"OUTRO", FieldType::String, 10}};
    packet.AddRow({"x"});
    return Variant(packet);
}

// A packet with the lookup's field names but numbers where codes and names should be.
Variant MistypedDishTypes() {
    DataPacket packet;
    packet.Fields = {FieldDef{"CDTIPOPRAT", FieldType::Integer}, FieldDef{"NMTIPOPRAT", FieldType::Integer}};
    packet.AddRow({1, 2});
    return Variant(packet);
}

struct FaultCase {
    std::string name;
    Gesture gesture;
    Fault fault;
    Variant answer;  // the raw answer of Fault::Answer
    bool down = false;  // the server stops listening instead
    bool reported = true;  // the user sees a message about it
};

void PrintTo(const FaultCase& fault, std::ostream* out) { *out << fault.name; }

std::vector<FaultCase> TransportFaults(Gesture gesture) {
    return {{"Down", gesture, Fault::Garbage, {}, true},
            {"Silent", gesture, Fault::Silent, {}},
            {"Drip", gesture, Fault::Drip, {}},
            {"Garbage", gesture, Fault::Garbage, {}},
            {"ErrorPage", gesture, Fault::Status500, {}},
            {"DroppedHalfway", gesture, Fault::Drop, {}},
            {"RawAnswerNotAnArray", gesture, Fault::Answer, Variant("OK")},
            {"RawAnswerTooShort", gesture, Fault::Answer, VarArrayOf({true})}};
}

// Successful raw answers whose payload the gesture cannot use.
std::vector<FaultCase> ShapeFaults(Gesture gesture) {
    using appserver::Answer;
    const Variant strange = StrangePacket();
    switch (gesture) {
    case Gesture::Load:
        return {{"ResultTooShort", gesture, Fault::Answer, Answer::Success(VarArrayOf({"OK", Variant(), strange}))},
                {"TablesMissingFields", gesture, Fault::Answer,
                 Answer::Success(VarArrayOf({"OK", Variant(), strange, strange, strange, strange, strange, strange}))},
                {"TablesOfWrongTypes", gesture, Fault::Answer,
                 Answer::Success(VarArrayOf({"OK", Variant(), 1, 2, "três", 4.0, true, Variant()}))},
                {"StatusOfWrongType", gesture, Fault::Answer,
                 Answer::Success(VarArrayOf({42, Variant(), strange, strange, strange, strange, strange, strange}))}};
    case Gesture::Import:
        return {{"ResultNull", gesture, Fault::Answer, Answer::Success(Variant())},
                {"ResultEmpty", gesture, Fault::Answer, Answer::Success(VarArrayOf({}))},
                {"ConflictWithoutADate", gesture, Fault::Answer,
                 Answer::Success(VarArrayOf({"ERRO_INTERVALO_INI", "ontem"}))},
                // A status the screen does not know is no fault of the import: the screen takes the
                // exchange as completed, without a message, as it does for "OK" on a load.
                {"UnknownStatus", gesture, Fault::Answer, Answer::Success(VarArrayOf({"TALVEZ", Variant()})), false,
                 false}};
    case Gesture::Rebuild:
    case Gesture::Lookup:
        return {{"PayloadNull", gesture, Fault::Answer, Answer::Success(Variant())},
                {"PayloadText", gesture, Fault::Answer, Answer::Success("lista")},
                {"PacketMissingFields", gesture, Fault::Answer, Answer::Success(strange)},
                {"PacketOfWrongTypes", gesture, Fault::Answer, Answer::Success(MistypedDishTypes())}};
    }
    return {};
}

std::vector<FaultCase> AllCases() {
    std::vector<FaultCase> cases;
    for (Gesture gesture : {Gesture::Load, Gesture::Import, Gesture::Rebuild, Gesture::Lookup}) {
        for (auto& c : TransportFaults(gesture)) cases.push_back(std::move(c));
        for (auto& c : ShapeFaults(gesture)) cases.push_back(std::move(c));
    }
    return cases;
}

std::string CaseName(const ::testing::TestParamInfo<FaultCase>& info) {
    static const char* const kGestures[] = {"Load", "Import", "Rebuild", "Lookup"};
    return std::string(kGestures[static_cast<int>(info.param.gesture)]) + "_" + info.param.name;
}

class HostileServerFixture : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        real_ = std::make_unique<appserver::ApplicationServer>(
            appserver::ServerConfig{(Folder() / "empresa.db").string(), {Folder()}});
        StartServer(0);
        Session::Current().ServerAnswerSeconds = kAnswerSeconds;
        OpenScreen();
        LoadDemoFileIntoDestination();
        ASSERT_TRUE(Frm().cdsServicos->Active()) << "the demo load did not happen";
        ASSERT_TRUE(Messages().empty());
    }
    void TearDown() override {
        ScreenFixture::TearDown();
        hostile_.reset();
        real_.reset();
    }

    void StartServer(int port) {
        hostile_ = std::make_unique<HostileServer>(
            [this](const std::string& method, const Variant::Array& args) { return real_->Dispatch(method, args); },
            port);
        Session::Current().SetServerAddress(hostile_->Address());
    }

    // Every row of the six tables a load fills (whatever filter they have), Null for a closed one.
    std::vector<Variant> Tables() {
        TfrmIntegraCardapio& frm = Frm();
        std::vector<Variant> tables;
        for (TClientDataSet* table : {frm.cdsServicos, frm.cdsDietas, frm.cdsTipoPrat, frm.cdsServOrigem,
                                      frm.cdsDietaOrig, frm.cdsTipoPratOrig})
            tables.push_back(table->Active() ? table->GetData() : Variant());
        return tables;
    }

    void ShowTab(TTabSheet98* page) { Application->Perform([page, this] { Frm().pgcPadrao->ClickTab(page); }); }

    // The user's gesture that calls the method under fault.
    void Act(Gesture gesture) {
        TfrmIntegraCardapio& frm = Frm();
        switch (gesture) {
        case Gesture::Load:  // through the branch code: returning to the file name empties the tables
            Focus(*frm.medCdFilial);
            Focus(*frm.dbgPadrao);
            return;
        case Gesture::Import: return Click(*frm.sbtImportExport);
        case Gesture::Rebuild:
            ShowTab(frm.tshPadrao);
            ShowTab(frm.tshConfig);
            return;
        case Gesture::Lookup:
            Focus(*frm.dbgPadrao);
            Application->Perform([&frm] {
                frm.dbgPadrao->SetSelectedIndex(IndiceCol(frm.dbgPadrao, "CDSERVFILIDEST"));
                frm.dbgPadrao->EditButtonClick();
            });
            return;
        }
    }

    // The screen as the gesture found it, ready for the next try; `index` is the order the
    // dish-type table must be in.
    void ExpectRestored(Gesture gesture, const std::vector<Variant>& tablesBefore, const std::string& index) {
        TfrmIntegraCardapio& frm = Frm();
        EXPECT_EQ(busy_.Showing(), 0) << "busy animation left standing";
        const std::vector<Variant> tables = Tables();
        for (size_t i = 0; i < tables.size(); ++i)
            EXPECT_TRUE(tables[i] == tablesBefore[i]) << "mapping table " << i << " changed";
        EXPECT_TRUE(frm.sbtImportExport->Enabled());
        for (TWinControl* control : {static_cast<TWinControl*>(frm.medNmArquivo), static_cast<TWinControl*>(frm.medCdFilial)})
            EXPECT_TRUE(control->Enabled());
        EXPECT_TRUE(frm.sbtArquivo->Enabled());
        EXPECT_TRUE(frm.sbtFilial->Enabled());
        EXPECT_FALSE(frm.cdsServicos->ControlsDisabled());
        EXPECT_FALSE(frm.cdsTipoPrat->ControlsDisabled());
        EXPECT_EQ(frm.cdsTipoPrat->IndexName(), index);
        EXPECT_NE(frm.cdsServicos->State(), dsEdit);
        if (gesture == Gesture::Lookup) {
            EXPECT_TRUE(lookups_.Shown().empty()) << "a list was shown from a bad answer";
        }
    }

    std::unique_ptr<appserver::ApplicationServer> real_;
    std::unique_ptr<HostileServer> hostile_;
};

class HostileServerTest : public HostileServerFixture, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(HostileServerTest, OneMessageWithinTheTimeoutAndTheScreenAsItWas) {
    const FaultCase& fault = GetParam();
    const std::vector<Variant> before = Tables();
    // The rebuild puts the dish types in display order whichever way it ends, a failed call
    // included: the grid must never be left in the order the rebuild works in.
    const std::string index = fault.gesture == Gesture::Rebuild ? "TIPOORD" : Frm().cdsTipoPrat->IndexName();
    const int port = hostile_->Port();
    if (fault.down)
        hostile_->Stop();
    else
        hostile_->Misbehave(MethodOf(fault.gesture), fault.fault, fault.answer);
    // A lookup list shown from a bad answer would take this answer (and the test would see it).
    if (fault.gesture == Gesture::Lookup) lookups_.Cancel();

    const auto start = std::chrono::steady_clock::now();
    Act(fault.gesture);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

    EXPECT_LT(took.count(), kLongestCallSeconds) << "the screen hung past the answer timeout";
    if (fault.reported) {
        ASSERT_EQ(Messages().size(), 1u) << (Messages().empty() ? "no message" : Messages().back());
        EXPECT_FALSE(Messages()[0].empty());
    } else {
        EXPECT_EQ(Messages(), std::vector<std::string>{});
    }
    ExpectRestored(fault.gesture, before, index);

    // The server comes back (on the same port when it was down) and the same gesture works.
    if (fault.down)
        StartServer(port);
    else
        hostile_->Behave();
    dialogs_.Clear();
    Act(fault.gesture);
    if (fault.gesture == Gesture::Import && fault.fault == Fault::Drop) {
        // The server had written the import before the connection dropped: the same import again
        // overlaps it and is refused, instead of writing the menus twice.
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].rfind("Importação bloqueada. A última importação feita termina na data", 0), 0u)
            << Messages()[0];
        EXPECT_EQ(StoreQuery("SELECT COUNT(*) FROM LOGIMPORTACAO"), "1");
    } else if (fault.gesture == Gesture::Import)
        EXPECT_EQ(Messages(), std::vector<std::string>{"Importação realizada com sucesso!"});
    else
        EXPECT_EQ(Messages(), std::vector<std::string>{});
    if (fault.gesture == Gesture::Lookup) {
        EXPECT_EQ(lookups_.Shown().size(), 1u);
    }
    EXPECT_TRUE(Frm().tshDieta->Enabled());
}

INSTANTIATE_TEST_SUITE_P(Faults, HostileServerTest, ::testing::ValuesIn(AllCases()), CaseName);

// The load's answer as the real server gives it for the demo file, with a part of it altered.
class AlteredLoadTest : public HostileServerFixture {
protected:
    void AnswerLoadWith(const std::function<void(Variant::Array&)>& change) {
        Variant::Array result =
            ServerPayload("ImportaCardapio", {DemoFile().string(), kOperator, kDestinationBranch, Variant(), Variant(), Variant()})
                .AsArray();
        change(result);
        hostile_->Misbehave("ImportaCardapio", Fault::Answer, appserver::Answer::Success(Variant(std::move(result))));
    }
    static size_t Rows(TClientDataSet& table) { return table.GetData().AsPacket().Rows.size(); }
};

// The packet with one of its fields turned into text, values included.
Variant WithFieldAsText(const Variant& table, const char* field) {
    DataPacket packet = table.AsPacket();
    const size_t column = *packet.FieldIndex(field);
    packet.Fields[column].Type = FieldType::String;
    for (PacketRow& row : packet.Rows)
        if (!row.Values[column].IsNull()) row.Values[column] = row.Values[column].AsString();
    return Variant(std::move(packet));
}

Variant WithoutLastRow(const Variant& table) {
    DataPacket packet = table.AsPacket();
    packet.Rows.pop_back();
    return Variant(std::move(packet));
}

// A status the screen does not know ends a load as "OK" does: its tables are taken.
TEST_F(AlteredLoadTest, AStatusTheScreenDoesNotKnowStillFillsTheTables) {
    const size_t services = Rows(*Frm().cdsServicos);
    ASSERT_GT(services, 1u);
    AnswerLoadWith([](Variant::Array& result) {
        result[0] = "TALVEZ";
        result[2] = WithoutLastRow(result[2]);
    });
    Act(Gesture::Load);
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(Rows(*Frm().cdsServicos), services - 1);
}

// The third of the six tables is of the wrong shape: the message names it, and not even the tables
// before it in the answer are replaced.
TEST_F(AlteredLoadTest, AWrongFieldTypeInOneTableLeavesEveryTableAsItWas) {
    const std::vector<Variant> before = Tables();
    AnswerLoadWith([](Variant::Array& result) {
        result[2] = WithoutLastRow(result[2]);  // a services table that would show if it were taken
        result[4] = WithFieldAsText(result[4], "NRSEQORIG");
    });
    Act(Gesture::Load);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Resposta inesperada do servidor de aplicação para ImportaCardapio: a "
                                                   "tabela de tipos de prato traz o campo NRSEQORIG como texto em vez de "
                                                   "número inteiro."});
    EXPECT_TRUE(Tables() == before);
    EXPECT_TRUE(Frm().sbtImportExport->Enabled());
}

// Opening the screen reads the remembered file and the integration parameters from the server:
// a server that answers garbage there gives one message and a screen that closes itself.
TEST_F(ScreenFixture, OpeningAgainstAGarbageServerShowsOneMessageAndClosesTheScreen) {
    appserver::ApplicationServer real(appserver::ServerConfig{(Folder() / "empresa.db").string(), {Folder()}});
    HostileServer hostile([&real](const std::string& method, const Variant::Array& args) {
        return real.Dispatch(method, args);
    });
    hostile.Misbehave("GetParamIntegra", Fault::Garbage);
    Session::Current().SetServerAddress(hostile.Address());
    OpenScreen();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("GetParamIntegra"), std::string::npos) << Messages()[0];
    EXPECT_FALSE(ScreenOpen());
}

}  // namespace
}  // namespace krd52100::testing
