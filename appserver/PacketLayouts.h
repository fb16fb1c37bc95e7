#pragma once
// The fields of every packet the server sends, named and sized as the screen's datasets hold
// them. Where a caller needs more than the screen declares (the destination-diet lookup needs
// branch and service), the extra fields come after the declared ones.
#include "DataPacket.h"

#include <vector>

namespace appserver::layouts {

std::vector<FieldDef> Diretorio();        // CDPROGRAMA, DSDIRETORIO
std::vector<FieldDef> ParamIntegracao();  // the five integration parameters
// The three mapping packets of a load end in IDPROPOSTA, where each row's destination came from:
// "M" a mapping kept for the branch pair, "N" the same name, "" none.
std::vector<FieldDef> Servicos();         // service mapping
std::vector<FieldDef> Dietas();           // diet mapping
std::vector<FieldDef> TipoPrat();         // dish-type mapping
std::vector<FieldDef> ServOrigem();       // services the file exports
std::vector<FieldDef> DietaOrig();        // diets the file exports
std::vector<FieldDef> TipoPratOrig();     // dish types the file exports
std::vector<FieldDef> Servico();          // CDSERVFILI, NMSERVICO
std::vector<FieldDef> DietaServico();     // CDDIETPAD, DSDIETPAD
std::vector<FieldDef> DietaDestino();     // CDDIETPAD, DSDIETPAD, CDFILIAL, CDSERVFILI
std::vector<FieldDef> TipoPrato();        // CDTIPOPRAT, NMTIPOPRAT

}  // namespace appserver::layouts
