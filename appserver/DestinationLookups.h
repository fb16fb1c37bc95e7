#pragma once
// The five look-ups the screen makes on the destination branch while the user maps services,
// diets and dish types. Each returns the raw answer (Answer.h); a branch or service that does not
// exist gives empty packets, not a failure, because the screen reads emptiness as "not
// registered".
#include "BranchCatalogue.h"
#include "Clock.h"
#include "Variant.h"

#include <string>

namespace appserver {

class DestinationLookups {
public:
    DestinationLookups(SqliteDatabase& db, const Clock& clock);

    // [service packet (CDSERVFILI, NMSERVICO; one row or none), diets packet (CDDIETPAD,
    // DSDIETPAD)]. Scope "T" lists every standard diet of the service; any other scope only the
    // diet named by `diet`. The module acronym is accepted and does not change the answer.
    Variant GetVd_Serv(const std::string& branch, const std::string& service, const std::string& diet,
                       const std::string& scope, const std::string& moduleAcronym);
    // Packet of the branch's services (CDSERVFILI, NMSERVICO), by code.
    Variant GetPesqServ(const std::string& branch);
    // Packet (CDDIETPAD, DSDIETPAD, CDFILIAL, CDSERVFILI). A registered diet: its row first, then,
    // with scope "X", the service's other diets. An unregistered diet: no row. An empty diet
    // code: every diet of the service.
    Variant GetVd_DietaDestino(const std::string& branch, const std::string& service, const std::string& diet,
                               const std::string& scope);
    // Packet (CDTIPOPRAT, NMTIPOPRAT) of every dish type of the service's configuration valid on
    // the day the scope names ("X" followed by the day as yyyy-mm-dd, the destination start date
    // the screen's lookup lists for), or today for a bare "X", one row per code. The diet does not
    // narrow it: the screen looks the code it checks up among the rows. A scope naming no real day
    // is a failure.
    Variant GetVd_TipoPratOrig(const std::string& branch, const std::string& service, const std::string& diet,
                               const std::string& scope);
    // Packet (CDTIPOPRAT, NMTIPOPRAT) of the service's configuration valid on `day`, one row per
    // code, in display order.
    Variant GetPesqTipoPrat(const std::string& branch, const std::string& service, TDateTime day);

private:
    Variant DishTypes(const std::string& branch, const std::string& service, TDateTime day);

    SqliteDatabase& db_;
    const Clock& clock_;
};

}  // namespace appserver
