// The export screen driven as a person does, against the real server on the demo company, whose
// origin branch holds the menus of the demo week.
#include "ExportScreenFixture.h"

#include "TClientDataSet.h"
#include "TDateEditPlus.h"
#include "TField.h"
#include "TLabel.h"
#include "TMaskEdit.h"
#include "TBtnPesquisa.h"
#include "TSpeedButton.h"

#include <fstream>
#include <sstream>

namespace krd52200::testing {
namespace {

constexpr const char* kOrigin = appserver::DemoCompany::kOriginBranch;

class ExportScreenTest : public ExportScreenFixture {
protected:
    // Branch, first and last day and file, typed field by field with Tab between them, as the
    // screen's tab order leads; the last Tab reaches the services.
    void Fill(const std::string& branch, const std::string& first, const std::string& last, const std::string& file) {
        TfrmExportaCardapio& frm = Frm();
        Focus(*frm.medCdFilial);
        for (auto [edit, text] : {std::pair<TEdit*, std::string>{frm.medCdFilial, branch}, {frm.depInicial, first},
                                  {frm.depFinal, last}, {frm.medNmArquivo, file}}) {
            ASSERT_EQ(frm.ActiveControl(), edit) << edit->Name();
            edit->SelectAll();
            TypeText(text);
            PressKey(VK_TAB);
        }
        ASSERT_EQ(frm.ActiveControl(), frm.dbgServicos);
    }

    static std::vector<std::string> Lines(const std::filesystem::path& file, const std::string& record) {
        std::ifstream in(file, std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            if (line.rfind(record + "\xF8", 0) == 0) lines.push_back(line);
        return lines;
    }
};

TEST_F(ExportScreenTest, ExportWritesTheMarkedServicesAndSaysWhatItWrote) {
    for (bool overHttp : {false, true}) {
        SCOPED_TRACE(overHttp ? "over HTTP" : "in process");
        if (overHttp) UseHttpServer();
        OpenScreen();
        TfrmExportaCardapio& frm = Frm();
        const std::filesystem::path file = Folder() / (overHttp ? "http.txt" : "embedded.txt");
        Fill(kOrigin, "03/03/2025", "09/03/2025", file.string());
        PressKey(VK_DOWN);
        PressKey(VK_SPACE);  // the second service stays out
        const std::string left = frm.cdsServicos->FieldByName("CDSERVFILI")->AsString();
        PressKey(VK_RETURN, {ssCtrl});

        EXPECT_EQ(Messages().back(), "Exportação realizada com sucesso.");
        const auto services = Lines(file, "SERVICO");
        const auto items = Lines(file, "ITEM");
        EXPECT_EQ(services.size(), frm.cdsServicos->RecordCount() - 1u);
        for (const auto& line : services) EXPECT_EQ(line.find("\xF8" + left + "\xF8"), std::string::npos) << line;
        const std::string stored =
            StoreQuery("SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = '" + std::string(kOrigin) +
                       "' AND CDSERVFILI <> '" + left + "' AND DTCARDAPIO BETWEEN '2025-03-03' AND '2025-03-09'");
        EXPECT_EQ(std::to_string(items.size()), stored);
        const std::string summary = frm.lblResumo->Caption();
        EXPECT_NE(summary.find(file.string()), std::string::npos) << summary;
        EXPECT_NE(summary.find("Serviços: " + std::to_string(services.size())), std::string::npos) << summary;
        EXPECT_NE(summary.find("Linhas de cardápio: " + stored), std::string::npos) << summary;
        CloseScreen();
    }
}

TEST_F(ExportScreenTest, SaveDialogProposesTheBranchAndPeriodAndItsChoiceIsTheTarget) {
    OpenScreen();
    TfrmExportaCardapio& frm = Frm();
    Fill(kOrigin, "03/03/2025", "09/03/2025", "");
    dialogs_.AnswerSave((Folder() / "escolhido.txt").string());
    Click(*frm.sbtArquivo);
    EXPECT_EQ(std::filesystem::path(dialogs_.Shown().back().FileName).filename(),
              "CARDAPIO_0002_20250303_20250309.txt");
    EXPECT_EQ(frm.medNmArquivo->Text(), (Folder() / "escolhido.txt").string());
}

TEST_F(ExportScreenTest, BranchModeExportsTheOwnBranchOnlyAndHeadOfficeAnyBranch) {
    for (bool branchMode : {true, false}) {
        UseBranchMode(branchMode);
        OpenScreen();
        EXPECT_EQ(Frm().medCdFilial->Text(), kOwnBranch);
        EXPECT_EQ(Frm().medCdFilial->Enabled(), !branchMode);
        EXPECT_EQ(Frm().sbtFilial->Enabled(), !branchMode);
        EXPECT_EQ(Frm().ActiveControl(), branchMode ? static_cast<TWinControl*>(Frm().depInicial) : Frm().medCdFilial);
        CloseScreen();
    }
}

// Each refusal of the export, the screen's (period, marks, folder) or the server's (a week without
// menus), and its message. The branch is refused as the person leaves its code.
TEST_F(ExportScreenTest, RefusalsSayWhyAndLeaveNoFile) {
    OpenScreen();
    Focus(*Frm().medCdFilial);
    Frm().medCdFilial->SelectAll();
    TypeText("0004");
    PressKey(VK_TAB);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Filial com contrato rescindido."});
    EXPECT_EQ(Frm().ActiveControl(), Frm().medCdFilial);
    CloseScreen();

    struct Case {
        const char* first;
        const char* last;
        const char* file;
        bool unmarkAll;
        const char* message;
    };
    const Case cases[] = {
        {"03/03/2025", "02/03/2025", "a.txt", false, "Data Final deve ser igual ou posterior à Data Inicial."},
        {"03/03/2025", "09/03/2025", "a.txt", true, "Marque ao menos um serviço para exportar."},
        {"03/03/2025", "09/03/2025", "sem-pasta/a.txt", false, "Diretório não existe."},
        {"10/03/2025", "16/03/2025", "a.txt", false,
         "Não há cardápios dos serviços escolhidos da filial 0002 de 10/03/2025 a 16/03/2025: nada a exportar."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        OpenScreen();
        Fill(kOrigin, c.first, c.last, (Folder() / c.file).string());
        dialogs_.Clear();
        if (c.unmarkAll) PressKey(VK_SPACE, {ssCtrl});
        PressKey(VK_RETURN, {ssCtrl});
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
        EXPECT_FALSE(std::filesystem::exists(Folder() / c.file));
        PressKey(VK_ESCAPE);
        EXPECT_FALSE(ScreenOpen()) << "Escape closes the screen";
    }
}

}  // namespace
}  // namespace krd52200::testing
