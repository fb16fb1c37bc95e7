#include "config/DishTypeRebuild.h"

#include "BusyScope.h"
#include "mapping/PairFilter.h"
#include "screen/TfrmIntegraCardapio.h"
#include "server/IntegraCardapioServer.h"

#include "TApplication.h"
#include "TClientDataSet.h"
#include "TField.h"
#include "TDateEditPlus.h"
#include "TMaskEdit.h"
#include "TextRoutines.h"

namespace krd52100 {

void DishTypeRebuild::AllServices() {
    TClientDataSet& services = *screen_.cdsServicos;
    for (services.First(); !services.Eof(); services.Next()) CurrentService();
}

void DishTypeRebuild::CurrentService() {
    TClientDataSet& services = *screen_.cdsServicos;
    TClientDataSet& rows = *screen_.cdsTipoPrat;
    assigned_.Clear();
    const std::string destination = services.FieldByName("CDSERVFILIDEST")->AsString();
    {
        BusyScope busy(Application);
        screen_.cdsPesqTipoPrat->SetData(IntegraCardapioServer(*screen_.netIntegraCardapio)
                                             .GetPesqTipoPrat(screen_.medCdFilial->Text(), destination,
                                                              screen_.depDestino->PrimDia()));
    }
    // Every row of the origin service, whatever destination service it held before.
    ApplyFilter(rows, OriginServiceFilter(services.FieldByName("CDSERVFILIORIG")->AsString()));
    for (rows.First(); !rows.Eof(); rows.Next()) MatchRow(destination);
}

void DishTypeRebuild::MatchRow(const std::string& destinationService) {
    TClientDataSet& rows = *screen_.cdsTipoPrat;
    TClientDataSet& offered = *screen_.cdsPesqTipoPrat;
    const std::string name = AllTrim(rows.FieldByName("NMTIPOORIG")->AsString());
    if (!offered.Locate("NMTIPOPRAT", Variant(name), loCaseInsensitive)) {
        rows.Edit();
        rows.FieldByName("CDSERVDEST")->SetAsString(destinationService);
        rows.FieldByName("DTCNFDEST")->SetValue(Variant(screen_.depDestino->PrimDia()));
        for (const char* field : {"CDTIPODEST", "NMTIPODEST", "NRSEQDEST", "NRORDDEST"}) rows.FieldByName(field)->Clear();
        rows.Post();
        return;
    }
    const std::string key =
        Ajusta(rows.FieldByName("NRSEQORIG")->AsString(), 2) + offered.FieldByName("CDTIPOPRAT")->AsString();
    int at = 0;
    if (assigned_.Find(key, at)) return;
    rows.Edit();
    rows.FieldByName("CDSERVDEST")->SetAsString(destinationService);
    rows.FieldByName("CDTIPODEST")->SetValue(offered.FieldByName("CDTIPOPRAT")->Value());
    rows.FieldByName("NMTIPODEST")->SetValue(offered.FieldByName("NMTIPOPRAT")->Value());
    rows.FieldByName("NRSEQDEST")->SetValue(rows.FieldByName("NRSEQORIG")->Value());
    rows.FieldByName("NRORDDEST")->SetValue(rows.FieldByName("NRORDORIG")->Value());
    rows.FieldByName("DTCNFDEST")->SetValue(Variant(screen_.depDestino->PrimDia()));
    rows.Post();
    assigned_.Add(key);
}

}  // namespace krd52100
