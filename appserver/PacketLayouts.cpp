#include "PacketLayouts.h"

namespace appserver::layouts {

namespace {
FieldDef Text(const char* name, int size) { return FieldDef{name, FieldType::String, size, false}; }
FieldDef Number(const char* name) { return FieldDef{name, FieldType::Integer, 0, false}; }
}  // namespace

std::vector<FieldDef> Diretorio() { return {Text("CDPROGRAMA", 8), Text("DSDIRETORIO", 100)}; }

std::vector<FieldDef> ParamIntegracao() {
    return {Text("IDINTMATRIZFIL", 15), Text("IDMODMATRIZFILI", 1), Text("IDAUTMATRIZFILI", 1),
            Text("IDVALPERIODOINT", 1), Text("DSDIRMATRIZFILI", 250)};
}

std::vector<FieldDef> Servicos() {
    return {Text("CDSERVFILIORIG", 5), Text("CDSERVFILIDEST", 5), Text("NMSERVICOORIG", 40),
            Text("NMSERVICODEST", 40), Text("IDPROPOSTA", 1)};
}

std::vector<FieldDef> Dietas() {
    return {Text("CDSERVORIG", 5), Text("CDDIETORIG", 4), Text("DSDIETORIG", 50),
            Text("CDSERVDEST", 5), Text("CDDIETDEST", 4), Text("DSDIETDEST", 50), Text("IDPROPOSTA", 1)};
}

std::vector<FieldDef> TipoPrat() {
    return {Text("CDSERVORIG", 5), Text("CDTIPOORIG", 2), Number("NRSEQORIG"),  Number("NRORDORIG"),
            Text("NMTIPOORIG", 15), Text("IDOPCORIG", 1), Text("CDSERVDEST", 5), Text("CDTIPODEST", 2),
            Number("NRSEQDEST"),    Number("NRORDDEST"),  Text("NMTIPODEST", 15), Text("IDIMPORTAR", 1),
            FieldDef{"DTCNFDEST", FieldType::Date, 0, false}, Text("IDPROPOSTA", 1)};
}

std::vector<FieldDef> ServOrigem() { return Servico(); }

std::vector<FieldDef> DietaOrig() { return {Text("CDDIETPAD", 4), Text("DSDIETPAD", 50), Text("CDSERVFILI", 5)}; }

std::vector<FieldDef> TipoPratOrig() {
    return {Text("CDSERVFILI", 5), FieldDef{"CDTIPOPRAT", FieldType::String, 2, true},
            FieldDef{"NMTIPOPRAT", FieldType::String, 15, true}, Text("IDOPCCNFMES", 1)};
}

std::vector<FieldDef> Servico() { return {Text("CDSERVFILI", 5), Text("NMSERVICO", 40)}; }

std::vector<FieldDef> DietaServico() { return {Text("CDDIETPAD", 4), Text("DSDIETPAD", 50)}; }

std::vector<FieldDef> DietaDestino() {
    return {Text("CDDIETPAD", 4), Text("DSDIETPAD", 50), Text("CDFILIAL", 4), Text("CDSERVFILI", 5)};
}

std::vector<FieldDef> TipoPrato() { return {Text("CDTIPOPRAT", 2), Text("NMTIPOPRAT", 15)}; }

}  // namespace appserver::layouts
