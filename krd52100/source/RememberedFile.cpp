// The file name remembered on the application server, so the screen offers the last file loaded
// or imported when it is next opened. The exchange posts cdsDiretorio at each load and import;
// these handlers fill the record and send the change.
#include "screen/TfrmIntegraCardapio.h"

#include "server/IntegraCardapioServer.h"

#include "BusyIndicator.h"
#include "TApplication.h"
#include "TClientDataSet.h"
#include "TField.h"
#include "TMaskEdit.h"

// The field is 100 characters wide: a longer name is remembered cut to its first 100.
void TfrmIntegraCardapio::cdsDiretorioBeforePost(TDataSet* DataSet) {
    if (DataSet->State() != dsEdit && DataSet->State() != dsInsert) return;
    DataSet->FieldByName("DSDIRETORIO")->SetAsString(medNmArquivo->Text());
    DataSet->FieldByName("CDPROGRAMA")->SetAsString("KRD52100");
}

// A change the server refused stays in the change log and goes again with the next post.
void TfrmIntegraCardapio::cdsDiretorioAfterPost(TDataSet*) {
    if (cdsDiretorio->GetChangeCount() <= 0) return;
    ActiveShowAvi(Application, 6);
    try {
        Server().SetDiretorio(cdsDiretorio->Delta());
    } catch (...) {
        DeactiveShowAvi(Application);
        throw;
    }
    cdsDiretorio->MergeChangeLog();
    DeactiveShowAvi(Application);
}
