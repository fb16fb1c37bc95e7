#include "ScreenFixture.h"

#include "SqliteDatabase.h"
#include "SqliteStatement.h"
#include "TMaskEdit.h"

namespace krd52100::testing {

TfrmIntegraCardapio& ScreenFixture::Frm() {
    if (!boIdCriado() || !frmIntegraCardapio()) throw std::logic_error("no screen is open");
    return *frmIntegraCardapio();
}

void ScreenFixture::SetIntegrationModes(const std::optional<std::string>& modes) {
    appserver::SqliteDatabase db(PathOfStore());
    if (modes)
        db.Prepare("UPDATE PARAMINTEGRACAO SET IDMODMATRIZFILI = ?").Bind(1, *modes).Run();
    else
        db.Execute("DELETE FROM PARAMINTEGRACAO");
}

void ScreenFixture::ForgetRememberedFile() { ExecuteSql("DELETE FROM DIRETORIO"); }

std::string ScreenFixture::RememberedFile() {
    return StoreQuery("SELECT DSDIRETORIO FROM DIRETORIO WHERE CDPROGRAMA = 'KRD52100'");
}

void ScreenFixture::LoadFile(const std::string& fileName, const std::string& branch) {
    TfrmIntegraCardapio& frm = Frm();
    Focus(*frm.medNmArquivo);
    frm.medNmArquivo->SelectAll();
    TypeText(fileName);
    if (frm.medCdFilial->Enabled()) {
        Focus(*frm.medCdFilial);
        frm.medCdFilial->SelectAll();
        TypeText(branch);
    }
    Focus(*frm.dbgPadrao);
}

}  // namespace krd52100::testing
