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
    // Taller than the base screen, so that a branch's usual services show without scrolling;
    // grown once every control is placed, the controls follow by their anchors.
    SetHeight(Height() + 40);
}

krd52200::ExportaCardapioServer TfrmExportaCardapio::Server() {
    return krd52200::ExportaCardapioServer(*netExportaCardapio);
}
