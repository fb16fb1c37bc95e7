// The destination start date: its weekday beside it, in the platform's abbreviated names.
#include "screen/TfrmIntegraCardapio.h"

#include "FormatSettings.h"
#include "TDateEditPlus.h"
#include "TEdit.h"

// The date edit's own weekday names are not the ones shown here. Text that is no date (empty,
// or half typed) shows no weekday: its date of zero would read as a Saturday.
void TfrmIntegraCardapio::depDestinoChange(TComponent*) {
    edtDiaSemDest->SetText(depDestino->DateValid() ? FormatDateTime("ddd", depDestino->Date()) : "");
}

// The weekday follows the date as the edit has settled it.
void TfrmIntegraCardapio::depDestinoExit(TComponent*) {
    depDestino->CheckValidDate();
    depDestinoChange(depDestino);
}
