#include "ScriptedDialogsTest.h"
#include "TPanel.h"
#include "TScreen.h"
#include "TSpeedButton.h"
#include "TfrmPadrImportExport.h"

#include <algorithm>

namespace {

// A screen built on the base as screens are: it binds its own close and key handlers, each
// running the base one first.
class SampleScreen : public TfrmPadrImportExport {
public:
    SampleScreen(std::vector<std::string>& log) : TfrmPadrImportExport(nullptr), log_(log) {
        OnClose = [this](TComponent* sender, TCloseAction& action) {
            TfrmPadrImportExport::FormClose(sender, action);
            log_.push_back(action == caFree ? "close caFree" : "close other");
        };
        // OnDestroy runs from the form's own destructor, when this class is already gone: the
        // handler must not touch its members.
        OnDestroy = [&log](TComponent*) { log.push_back("destroyed"); };
    }

private:
    std::vector<std::string>& log_;
};

using BaseScreen = ScriptedDialogsTest;

TEST_F(BaseScreen, ExitButtonClosesAndReleasesTheScreen) {
    std::vector<std::string> log;
    auto* screen = new SampleScreen(log);
    screen->DoCreate();
    screen->Show();
    ASSERT_TRUE(screen->Active());
    Application->Click(*screen->sbtSair);
    EXPECT_EQ(log, (std::vector<std::string>{"close caFree", "destroyed"}));
    const auto& forms = Screen->Forms();
    EXPECT_EQ(std::find(forms.begin(), forms.end(), screen), forms.end());
}

TEST_F(BaseScreen, CreationShowsTheExportPictureAndCollapsesTheProgressStrip) {
    TfrmPadrImportExport screen(nullptr);
    screen.DoCreate();
    EXPECT_TRUE(screen.KeyPreview);
    EXPECT_EQ(screen.panProgresso->Height(), 0);
    const TBitmap& glyph = screen.sbtImportExport->Glyph();
    ASSERT_EQ(glyph.Width(), 16);
    ASSERT_EQ(glyph.Height(), 16);
    EXPECT_TRUE(glyph.Transparent);
    bool sameAsExport = true, sameAsImport = true;
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) {
            sameAsExport = sameAsExport && glyph.Pixel(x, y) == screen.ExportPicture().Pixel(x, y);
            sameAsImport = sameAsImport && glyph.Pixel(x, y) == screen.ImportPicture().Pixel(x, y);
        }
    EXPECT_TRUE(sameAsExport);
    EXPECT_FALSE(sameAsImport);
}

TEST_F(BaseScreen, InheritedMembersAreFoundByTheirNames) {
    TfrmPadrImportExport screen(nullptr);
    for (const char* name : {"lblCodTela", "grbDadosRel", "panMenu", "panBotoes", "sbtImportExport", "sbtSair",
                             "panProgresso", "pgbProgresso", "msgPadrao"})
        EXPECT_NE(screen.FindComponent(name), nullptr) << name;
    EXPECT_EQ(screen.sbtImportExport->Parent(), screen.panBotoes);
    EXPECT_EQ(screen.panBotoes->Parent(), screen.panMenu);
}

}  // namespace
