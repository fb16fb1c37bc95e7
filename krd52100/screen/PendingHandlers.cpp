// Empty bodies of the handlers and routines that are not written yet, so that the module links
// and every event is already bound while they are. Whoever writes one moves its body out of
// this file into the folder of its concern (source/, mapping/ or config/) and deletes it here;
// when this file is empty it goes.
#include "screen/TfrmIntegraCardapio.h"

// --- mapping/: dish types and their grid.
void TfrmIntegraCardapio::cdsTipoPratIDOPCORIGGetText(TField*, std::string&, bool) {}
void TfrmIntegraCardapio::cdsTipoPratBeforeInsert(TDataSet*) {}
void TfrmIntegraCardapio::cdsTipoPratBeforePost(TDataSet*) {}
void TfrmIntegraCardapio::cdsTipoPratAfterPost(TDataSet*) {}
void TfrmIntegraCardapio::cdsTipoPratBeforeCancel(TDataSet*) {}
void TfrmIntegraCardapio::cdsTipoPratBeforeDelete(TDataSet*) {}
void TfrmIntegraCardapio::cdsTipoPratAfterDelete(TDataSet*) {}
void TfrmIntegraCardapio::dbgTipoPratCellClick(TColumn*) {}
void TfrmIntegraCardapio::dbgTipoPratColEnter(TComponent*) {}
void TfrmIntegraCardapio::dbgTipoPratColExit(TComponent*) {}
void TfrmIntegraCardapio::dbgTipoPratDrawColumnCell(TComponent*, const TRect&, int, TColumn*, TGridDrawState) {}
void TfrmIntegraCardapio::dbgTipoPratDblClick(TComponent*) {}
void TfrmIntegraCardapio::dbgTipoPratEditButtonClick(TComponent*) {}
void TfrmIntegraCardapio::dbgTipoPratEnter(TComponent*) {}
void TfrmIntegraCardapio::dbgTipoPratKeyDown(TComponent*, Word&, TShiftState) {}
void TfrmIntegraCardapio::dbgTipoPratKeyPress(TComponent*, char&) {}
void TfrmIntegraCardapio::dbgTipoPratTitleClick(TColumn*) {}
void TfrmIntegraCardapio::Vd_TipoPratOrig(bool) {}
void TfrmIntegraCardapio::Vd_TipoPratDest(bool) {}

// --- config/: destination start date and dish-type configuration.
void TfrmIntegraCardapio::depDestinoChange(TComponent*) {}
void TfrmIntegraCardapio::depDestinoExit(TComponent*) {}
void TfrmIntegraCardapio::panDatasExit(TComponent*) {}
void TfrmIntegraCardapio::pgcPadraoChange(TComponent*) {}
