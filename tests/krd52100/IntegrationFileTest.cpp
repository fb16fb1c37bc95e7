// The integration file named in the filter panel: the refusals of its name and header, the
// summary of a valid header, the dialog that chooses it, and the name remembered on the server.
#include "IntegrationFiles.h"
#include "ScreenFixture.h"

#include "FormatSettings.h"
#include "TClientDataSet.h"
#include "TLabel.h"
#include "TMaskEdit.h"
#include "TSpeedButton.h"

namespace krd52100::testing {
namespace {

const std::string kMustBeGiven = "Arquivo origem deve ser informado.";
const std::string kNoDirectory = "Diretório não existe.";
const std::string kNoFile = "Arquivo não existe.";
const std::string kNotIntegrationFile = "Arquivo origem não é do tipo esperado.";

class IntegrationFileTest : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        OpenScreen();
    }

    // The user clears the file-name edit and types the name.
    void TypeFileName(const std::string& name) {
        Focus(*Frm().medNmArquivo);
        Frm().medNmArquivo->SelectAll();
        PressKey(VK_DELETE);
        TypeText(name);
    }
    // Leaves the edit for the branch code, inside the filter panel.
    void LeaveFileName() { Focus(*Frm().medCdFilial); }

    std::string WriteFile(const std::string& name, const std::string& bytes) {
        WriteBytes(Folder() / name, bytes);
        return (Folder() / name).string();
    }
    std::string Summary() { return Frm().lblDadoArq->Caption(); }
    bool FocusOnFileName() { return Frm().ActiveControl() == Frm().medNmArquivo; }
};

TEST_F(IntegrationFileTest, EachRefusalOfTheNameAndHeaderComesInItsOrder) {
    const std::filesystem::path start = std::filesystem::current_path();
    std::filesystem::create_directory(Folder() / "pasta");
    struct Case {
        const char* what;
        std::string name;
        std::string message;
    };
    const std::string folder = Folder().string();
    const Case cases[] = {
        {"missing directory, missing file", folder + "/nao-ha/cardapio.txt", kNoDirectory},
        {"no directory part at all", "cardapio-demo.txt", kNoDirectory},
        {"missing file in an existing directory", folder + "/falta.txt", kNoFile},
        {"a directory is no file", folder + "/pasta", kNoFile},
        {"the file is looked up as typed, blanks included", DemoFile().string() + " ", kNoFile},
        {"empty file", WriteFile("vazio.txt", ""), kNotIntegrationFile},
        {"first line without separator", WriteFile("sem-sep.txt", "CARDAPIO\r\n"), kNotIntegrationFile},
        {"file type in lower case", WriteFile("minusc.txt", "cardapio" + kSep + "0002" + kSep + "X" + kSep +
                                                            "20240101" + kSep + "20240131" + kSep + "\r\n"),
         kNotIntegrationFile},
        {"another record first", WriteFile("servico.txt", "SERVICO" + kSep + "00001" + kSep), kNotIntegrationFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs_.Clear();
        TypeFileName(c.name);
        LeaveFileName();
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
        EXPECT_TRUE(FocusOnFileName());
        EXPECT_EQ(Summary(), "");
        EXPECT_EQ(std::filesystem::current_path(), start) << "a name checked leaves the current directory alone";
    }
}

TEST_F(IntegrationFileTest, EmptyNameIsRefusedOnlyWhenThePanelIsLeft) {
    for (const std::string blank : {"", "   "}) {
        dialogs_.Clear();
        TypeFileName(blank);
        LeaveFileName();
        EXPECT_TRUE(Messages().empty());
        Focus(*Frm().dbgPadrao);
        EXPECT_EQ(Messages(), std::vector<std::string>{kMustBeGiven});
        EXPECT_TRUE(FocusOnFileName());
        EXPECT_FALSE(Frm().cdsServicos->Active());
    }
}

// A bad date or a header cut short is the platform's conversion error, not a catalogue message;
// the summary the new name cleared stays empty.
TEST_F(IntegrationFileTest, UnreadableDatesFailWithTheConversionErrorAndNoSummary) {
    struct Case {
        const char* what;
        std::string header;
        std::string message;
    };
    const std::string start = "CARDAPIO" + kSep + "0002" + kSep + "FILIAL SUL" + kSep;
    const Case cases[] = {
        {"fifth field without its separator", start + "20240101" + kSep + "20240131",
         "'' não é um valor inteiro válido."},
        {"month 13", start + "20241301" + kSep + "20240131" + kSep,
         "Argumento inválido para codificação de data."},
        {"30 February", start + "20240101" + kSep + "20240230" + kSep,
         "Argumento inválido para codificação de data."},
        {"letters in the year", start + "2O240101" + kSep + "20240131" + kSep,
         "'2O24' não é um valor inteiro válido."},
        {"header of one field", "CARDAPIO" + kSep, "'' não é um valor inteiro válido."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TypeFileName(DemoFile().string());
        LeaveFileName();
        ASSERT_NE(Summary(), "");
        dialogs_.Clear();
        TypeFileName(WriteFile("ruim.txt", c.header + "\r\n"));
        LeaveFileName();
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(Summary(), "");
        EXPECT_TRUE(FocusOnFileName());
    }
}

// The screen reads a header on looser rules than the server: a period that ends before it starts
// and a day of seven digits pass here, and the load says that the file's header is wrong.
TEST_F(IntegrationFileTest, HeaderTheScreenPassesIsRefusedByTheLoadAsAWrongHeader) {
    const std::string start = "CARDAPIO" + kSep + "0002" + kSep + "FILIAL SUL" + kSep;
    const std::string wrong =
        "Arquivo de integração inválido: o cabeçalho do arquivo está errado (linha 1, campo ";
    const std::pair<std::string, std::string> cases[] = {
        {"20240131" + kSep + "20240101", wrong + "5): o último dia é anterior ao primeiro dia"},
        {"2024011" + kSep + "20240131",
         wrong + "4): o primeiro dia \"2024011\" não é um dia escrito como aaaammdd"},
    };
    for (const auto& [days, message] : cases) {
        SCOPED_TRACE(days);
        dialogs_.Clear();
        LoadFile(WriteFile("cabecalho.txt", start + days + kSep + "\r\n"), "0003");
        EXPECT_EQ(Messages(), std::vector<std::string>{message});
        EXPECT_FALSE(Frm().cdsServicos->Active());
    }
}

TEST_F(IntegrationFileTest, ValidHeaderShowsItsSummaryWhateverEndsTheLine) {
    const std::string header = "CARDAPIO" + kSep + "0002" + kSep + "FILIAL S\xC3O PAULO" + kSep + "20240101" + kSep +
                               "20240131" + kSep;
    const std::string expected = "Filial Origem 0002 FILIAL SÃO PAULO Cardápio de 01/01/2024 até 31/01/2024";
    const std::filesystem::path start = std::filesystem::current_path();
    // What follows the fifth separator, and every later line, is never read.
    const std::string rest = "ignorado" + kSep + "\xFF";
    for (const std::string& bytes : {header + rest + "\r\nlixo\r\n", header + "\nlixo", header + "\rlixo", header}) {
        SCOPED_TRACE(bytes.substr(header.size()));
        TypeFileName(WriteFile("cabecalho.txt", bytes));
        ASSERT_EQ(Summary(), "");
        LeaveFileName();
        EXPECT_TRUE(Messages().empty());
        EXPECT_EQ(Summary(), expected);
        EXPECT_EQ(std::filesystem::current_path(), start) << "a name checked leaves the current directory alone";
    }
}

TEST_F(IntegrationFileTest, SummaryWritesTheDaysInTheSessionsShortDateFormat) {
    FormatSettings.ShortDateFormat = "yyyy-mm-dd";
    FormatSettings.DateSeparator = '-';
    TypeFileName(DemoFile().string());
    LeaveFileName();
    EXPECT_EQ(Summary(), "Filial Origem 0002 Hospital São Lucas - Campinas Cardápio de 2025-03-03 até 2025-03-09");
}

TEST_F(IntegrationFileTest, EnteringTheFileNameDropsTheLoadedMappings) {
    LoadDemoFileIntoDestination();
    ASSERT_TRUE(Frm().cdsServicos->Active());
    Focus(*Frm().medNmArquivo);
    EXPECT_FALSE(Frm().cdsServicos->Active());
    EXPECT_FALSE(Frm().cdsDietas->Active());
    EXPECT_FALSE(Frm().cdsTipoPrat->Active());
    EXPECT_TRUE(Frm().cdsServOrigem->Active()) << "the origin lists stay until the next load";
}

TEST_F(IntegrationFileTest, ChoosingAFileReplacesTheNameAndCancellingKeepsIt) {
    const std::string other = WriteFile("outro.txt", ReadBytes(DemoFile()));
    TypeFileName(DemoFile().string());
    LeaveFileName();
    const std::string summary = Summary();

    dialogs_.AnswerOpen(std::nullopt);
    Click(*Frm().sbtArquivo);
    EXPECT_EQ(Frm().medNmArquivo->Text(), DemoFile().string());
    EXPECT_EQ(Summary(), summary);

    dialogs_.AnswerOpen(other);
    Click(*Frm().sbtArquivo);
    ASSERT_EQ(dialogs_.Shown().size(), 2u);
    EXPECT_EQ(dialogs_.Shown()[1].Kind, TShownDialog::OpenFile);
    EXPECT_EQ(dialogs_.Shown()[1].Text, "Abrir");
    EXPECT_EQ(Frm().medNmArquivo->Text(), other);
    EXPECT_EQ(Summary(), "") << "checked only when the edit is left";
    EXPECT_TRUE(FocusOnFileName());
    LeaveFileName();
    EXPECT_EQ(Summary(), summary);
}

TEST_F(IntegrationFileTest, LoadedNameIsRememberedAndOfferedCutTo100CharactersNextTime) {
    const std::filesystem::path deep = Folder() / std::string(60, 'p') / std::string(60, 'q');
    std::filesystem::create_directories(deep);
    const std::string name = (deep / "cardapio.txt").string();
    std::filesystem::copy_file(DemoFile(), name);
    ASSERT_GT(name.size(), 100u);

    LoadFile(name, kOwnBranch);
    ASSERT_TRUE(Messages().empty());
    EXPECT_EQ(RememberedFile(), name.substr(0, 100));

    CloseScreen();
    OpenScreen();
    EXPECT_EQ(Frm().medNmArquivo->Text(), name.substr(0, 100));
}

}  // namespace
}  // namespace krd52100::testing
