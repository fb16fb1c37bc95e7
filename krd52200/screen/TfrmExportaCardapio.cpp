#include "screen/TfrmExportaCardapio.h"

#include "server/ExportaCardapioServer.h"

// Datasets and data sources come first: the controls bind to them as they are placed.
TfrmExportaCardapio::TfrmExportaCardapio(TComponent* owner) : TfrmPadrImportExport(owner) {
    BuildDatasets();
    BuildFrame();
    BuildFilterPanel();
    BuildServices();
    BuildSummary();
    BindHandlers();
}

krd52200::ExportaCardapioServer TfrmExportaCardapio::Server() {
    return krd52200::ExportaCardapioServer(*netExportaCardapio);
}
