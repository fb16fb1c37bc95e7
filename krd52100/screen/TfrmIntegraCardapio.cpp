#include "screen/TfrmIntegraCardapio.h"

#include "server/IntegraCardapioServer.h"

// Datasets and data sources come first: the controls bind to them as they are placed.
TfrmIntegraCardapio::TfrmIntegraCardapio(TComponent* owner) : TfrmPadrImportExport(owner) {
    BuildDatasets();
    BuildDataSources();
    BuildFrame();
    BuildFilterPanel();
    BuildOptionPanel();
    BuildPages();
    BuildBottomStrip();
    BindHandlers();
}

krd52100::IntegraCardapioServer TfrmIntegraCardapio::Server() {
    return krd52100::IntegraCardapioServer(*netIntegraCardapio);
}
