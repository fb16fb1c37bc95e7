// The screen's datasets: persistent fields with their sizes, labels and visibility, the indexes,
// the branch query and the data sources that link them to the controls. Every dataset starts
// closed; the server's packets open them (SetData), except the five registers that creation
// opens empty (CreateDataSet).
#include "screen/TfrmIntegraCardapio.h"

#include "BranchQuery.h"
#include "TADOIBQuery.h"
#include "TClientDataSet.h"
#include "TDataSource.h"
#include "TDateTimeField.h"
#include "TIntegerField.h"
#include "TStringField.h"

namespace {

template <typename DataSet> DataSet* MakeDataSet(TComponent* owner, const char* name) {
    auto* dataSet = new DataSet(owner);
    dataSet->SetName(name);
    return dataSet;
}

TField* Hidden(TField* field) {
    field->SetVisible(false);
    return field;
}

TField* Required(TField* field) {
    field->SetRequired(true);
    return field;
}

// Adds the index and makes it the active one.
void ActiveIndex(TClientDataSet* dataSet, const char* name, const char* fields) {
    dataSet->IndexDefs().Add(name, fields);
    dataSet->SetIndexName(name);
}

// The two fields of a service list (origin services, validated destinations, look-ups).
void ServiceFields(TClientDataSet* dataSet, bool labelled) {
    dataSet->AddStringField("CDSERVFILI", 5, labelled ? "Código" : "");
    dataSet->AddStringField("NMSERVICO", 40, labelled ? "Nome" : "");
}

// The two fields of a diet list.
void DietFields(TClientDataSet* dataSet, bool labelled) {
    dataSet->AddStringField("CDDIETPAD", 4, labelled ? "Código" : "");
    dataSet->AddStringField("DSDIETPAD", 50, labelled ? "Nome" : "");
}

// The two fields of a dish-type list.
void DishTypeFields(TClientDataSet* dataSet, bool labelled) {
    dataSet->AddStringField("CDTIPOPRAT", 2, labelled ? "Código" : "");
    dataSet->AddStringField("NMTIPOPRAT", 15, labelled ? "Nome" : "");
}

}  // namespace

void TfrmIntegraCardapio::BuildDatasets() {
    cdsParamIntegracao = MakeDataSet<TClientDataSet>(this, "cdsParamIntegracao");
    cdsParamIntegracao->AddStringField("IDINTMATRIZFIL", 15);
    cdsParamIntegracao->AddStringField("IDMODMATRIZFILI", 1);
    cdsParamIntegracao->AddStringField("IDAUTMATRIZFILI", 1);
    cdsParamIntegracao->AddStringField("IDVALPERIODOINT", 1);
    cdsParamIntegracao->AddStringField("DSDIRMATRIZFILI", 250);

    cdsDiretorio = MakeDataSet<TClientDataSet>(this, "cdsDiretorio");
    cdsDiretorio->AddStringField("CDPROGRAMA", 8);
    cdsDiretorio->AddStringField("DSDIRETORIO", 100);

    BuildMappingDatasets();
    BuildLookupDatasets();

    qryFilial = MakeBranchQuery(this);
}

// The three mapping tables the user edits.
void TfrmIntegraCardapio::BuildMappingDatasets() {
    cdsServicos = MakeDataSet<TClientDataSet>(this, "cdsServicos");
    cdsServicos->AddStringField("CDSERVFILIORIG", 5, "Serviço Origem");
    cdsServicos->AddStringField("CDSERVFILIDEST", 5, "Serviço Destino");
    cdsServicos->AddStringField("NMSERVICOORIG", 40, "Serviço Origem");
    cdsServicos->AddStringField("NMSERVICODEST", 40, "Serviço Destino");

    cdsDietas = MakeDataSet<TClientDataSet>(this, "cdsDietas");
    Hidden(cdsDietas->AddStringField("CDSERVORIG", 5));
    cdsDietas->AddStringField("CDDIETORIG", 4, "Dieta Origem");
    cdsDietas->AddStringField("DSDIETORIG", 50, "Dieta Origem");
    Hidden(cdsDietas->AddStringField("CDSERVDEST", 5));
    cdsDietas->AddStringField("CDDIETDEST", 4, "Dieta Destino");
    cdsDietas->AddStringField("DSDIETDEST", 50, "Dieta Destino");

    cdsTipoPrat = MakeDataSet<TClientDataSet>(this, "cdsTipoPrat");
    Hidden(cdsTipoPrat->AddStringField("CDSERVORIG", 5));
    cdsTipoPrat->AddStringField("CDTIPOORIG", 2, "Tipo Prato Origem");
    cdsTipoPrat->AddIntegerField("NRSEQORIG", "Ordem");
    cdsTipoPrat->AddIntegerField("NRORDORIG", "Ordem");
    cdsTipoPrat->AddStringField("NMTIPOORIG", 15, "Tipo Prato Origem");
    cdsTipoPrat->AddStringField("IDOPCORIG", 1, "Opção");
    Hidden(cdsTipoPrat->AddStringField("CDSERVDEST", 5));
    cdsTipoPrat->AddStringField("CDTIPODEST", 2, "Tipo de Prato Destino");
    cdsTipoPrat->AddIntegerField("NRSEQDEST", "Ordem");
    cdsTipoPrat->AddIntegerField("NRORDDEST", "Ordem");
    cdsTipoPrat->AddStringField("NMTIPODEST", 15, "Tipo de Prato Destino");
    cdsTipoPrat->AddStringField("IDIMPORTAR", 1, " ");
    // The destination start date the row's destination was matched for: the import checks the
    // destination dish type against the configuration valid on that day, as the rebuild did.
    auto* matchedFor = new TDateTimeField(cdsTipoPrat);
    matchedFor->SetFieldName("DTCNFDEST");
    Hidden(matchedFor);
    // Both orders stay defined; the configuration rebuild chooses which one is active.
    cdsTipoPrat->IndexDefs().Add("TIPOPRAT", "CDSERVORIG;NRSEQORIG;CDTIPOORIG");
    cdsTipoPrat->IndexDefs().Add("TIPOORD", "CDSERVORIG;NRORDORIG;CDTIPOORIG");
}

// The lists the file exports, the registers of values already mapped, and the look-up lists.
void TfrmIntegraCardapio::BuildLookupDatasets() {
    cdsServOrigem = MakeDataSet<TClientDataSet>(this, "cdsServOrigem");
    ServiceFields(cdsServOrigem, true);
    ActiveIndex(cdsServOrigem, "SERVORIGEM", "CDSERVFILI");

    cdsServDestino = MakeDataSet<TClientDataSet>(this, "cdsServDestino");
    ServiceFields(cdsServDestino, false);
    ActiveIndex(cdsServDestino, "SERVDESTINO", "CDSERVFILI");

    cdsPesqServico = MakeDataSet<TClientDataSet>(this, "cdsPesqServico");
    ServiceFields(cdsPesqServico, true);
    cdsPesqServicoAux = MakeDataSet<TClientDataSet>(this, "cdsPesqServicoAux");
    ServiceFields(cdsPesqServicoAux, false);

    cdsDietaOrig = MakeDataSet<TClientDataSet>(this, "cdsDietaOrig");
    DietFields(cdsDietaOrig, true);
    Hidden(cdsDietaOrig->AddStringField("CDSERVFILI", 5));
    ActiveIndex(cdsDietaOrig, "DIETAORIG", "CDSERVFILI;CDDIETPAD");

    cdsDietaOrigAux = MakeDataSet<TClientDataSet>(this, "cdsDietaOrigAux");
    Hidden(cdsDietaOrigAux->AddStringField("CDSERVFILI", 5));
    DietFields(cdsDietaOrigAux, true);
    ActiveIndex(cdsDietaOrigAux, "DIETORIGAUX", "CDSERVFILI;CDDIETPAD");

    cdsDietaDest = MakeDataSet<TClientDataSet>(this, "cdsDietaDest");
    cdsDietaDest->AddStringField("CDSERVFILI", 5);
    DietFields(cdsDietaDest, false);
    ActiveIndex(cdsDietaDest, "DIETADEST", "CDSERVFILI;CDDIETPAD");

    cdsPesqDietServ = MakeDataSet<TClientDataSet>(this, "cdsPesqDietServ");
    DietFields(cdsPesqDietServ, true);
    cdsPesqDietServAux = MakeDataSet<TClientDataSet>(this, "cdsPesqDietServAux");
    DietFields(cdsPesqDietServAux, false);

    cdsTipoPratOrig = MakeDataSet<TClientDataSet>(this, "cdsTipoPratOrig");
    Hidden(cdsTipoPratOrig->AddStringField("CDSERVFILI", 5));
    Required(cdsTipoPratOrig->AddStringField("CDTIPOPRAT", 2, "Código"));
    Required(cdsTipoPratOrig->AddStringField("NMTIPOPRAT", 15, "Nome"));
    cdsTipoPratOrig->AddStringField("IDOPCCNFMES", 1, "Opção");
    ActiveIndex(cdsTipoPratOrig, "TIPOPRATORIG", "CDSERVFILI;CDTIPOPRAT;IDOPCCNFMES");

    cdsTipoPratOrigAux = MakeDataSet<TClientDataSet>(this, "cdsTipoPratOrigAux");
    cdsTipoPratOrigAux->AddStringField("CDTIPOPRAT", 2, "Código");
    cdsTipoPratOrigAux->AddIntegerField("NRSEQCNFMES");
    cdsTipoPratOrigAux->AddStringField("NMTIPOPRAT", 15, "Nome");
    Hidden(cdsTipoPratOrigAux->AddStringField("CDSERVFILI", 5));
    cdsTipoPratOrigAux->AddStringField("IDOPCCNFMES", 1);
    cdsTipoPratOrigAux->AddIntegerField("NRORDCNFMES");
    ActiveIndex(cdsTipoPratOrigAux, "TIPOORIGAUX", "CDSERVFILI;NRSEQCNFMES;CDTIPOPRAT");

    cdsTipoPratDest = MakeDataSet<TClientDataSet>(this, "cdsTipoPratDest");
    cdsTipoPratDest->AddStringField("CDTIPOPRAT", 2);
    cdsTipoPratDest->AddIntegerField("NRSEQDEST", "Ordem");
    cdsTipoPratDest->AddStringField("NMTIPOPRAT", 15);
    Hidden(cdsTipoPratDest->AddStringField("CDSERVFILI", 5));
    cdsTipoPratDest->AddIntegerField("NRORDDEST");
    ActiveIndex(cdsTipoPratDest, "TIPOPRATDEST", "CDSERVFILI;CDTIPOPRAT;NRSEQDEST");

    cdsPesqTipoPrat = MakeDataSet<TClientDataSet>(this, "cdsPesqTipoPrat");
    DishTypeFields(cdsPesqTipoPrat, true);
    cdsPesqTipoPratAux = MakeDataSet<TClientDataSet>(this, "cdsPesqTipoPratAux");
    DishTypeFields(cdsPesqTipoPratAux, false);
}

void TfrmIntegraCardapio::BuildDataSources() {
    auto source = [this](const char* name, TDataSet* dataSet) {
        auto* dataSource = new TDataSource(this);
        dataSource->SetName(name);
        dataSource->SetDataSet(dataSet);
        return dataSource;
    };
    dtsServicos = source("dtsServicos", cdsServicos);
    dtsDietas = source("dtsDietas", cdsDietas);
    dtsTipoPrat = source("dtsTipoPrat", cdsTipoPrat);
    dtsFilial = source("dtsFilial", qryFilial);
    dtsPesqServico = source("dtsPesqServico", cdsPesqServico);
    dtsPesqDietServ = source("dtsPesqDietServ", cdsPesqDietServ);
    dtsPesqTipoPrat = source("dtsPesqTipoPrat", cdsPesqTipoPrat);
    dtsDietaOrig = source("dtsDietaOrig", cdsDietaOrig);
    dtsDiretorio = source("dtsDiretorio", cdsDiretorio);
    dtsParamIntegracao = source("dtsParamIntegracao", cdsParamIntegracao);
}
