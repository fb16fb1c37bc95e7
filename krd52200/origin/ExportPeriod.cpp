// The period to export: its first and last day, each with its weekday beside it.
#include "screen/TfrmExportaCardapio.h"

#include "FormatSettings.h"
#include "TDateEditPlus.h"
#include "TEdit.h"

namespace {

// Text that is no date (empty, or half typed) shows no weekday: its date of zero would read as
// a Saturday.
void ShowWeekday(const TDateEditPlus& day, TEdit& weekday) {
    weekday.SetText(day.DateValid() ? FormatDateTime("ddd", day.Date()) : "");
}

}  // namespace

void TfrmExportaCardapio::depInicialChange(TComponent*) {
    ShowWeekday(*depInicial, *edtDiaSemIni);
    ProposeFileName();
}

void TfrmExportaCardapio::depFinalChange(TComponent*) {
    ShowWeekday(*depFinal, *edtDiaSemFim);
    ProposeFileName();
}

void TfrmExportaCardapio::depInicialExit(TComponent*) { depInicial->CheckValidDate(); }

void TfrmExportaCardapio::depFinalExit(TComponent*) { depFinal->CheckValidDate(); }

void TfrmExportaCardapio::Vd_Periodo() {
    if (!depInicial->DateValid()) Refuse("Data_Ini_Deve", *depInicial);
    if (!depFinal->DateValid()) Refuse("Data_Fim_Deve", *depFinal);
    if (depFinal->Date() < depInicial->Date()) Refuse("Periodo_Inv", *depFinal);
}
