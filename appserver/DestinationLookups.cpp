#include "DestinationLookups.h"

#include "Answer.h"
#include "PacketBuilder.h"
#include "PacketLayouts.h"
#include "SqliteStatement.h"

#include <set>

namespace appserver {

DestinationLookups::DestinationLookups(SqliteDatabase& db, const Clock& clock) : db_(db), clock_(clock) {}

Variant DestinationLookups::GetVd_Serv(const std::string& branch, const std::string& service,
                                       const std::string& diet, const std::string& scope,
                                       const std::string& /*moduleAcronym*/) {
    BranchCatalogue catalogue(db_, branch);
    PacketBuilder services(layouts::Servico());
    PacketBuilder diets(layouts::DietaServico());
    if (auto found = catalogue.Service(service)) {
        services.Add({found->code, found->name});
        for (const auto& record : catalogue.Diets(service)) {
            if (scope == "T" || record.code == diet) diets.Add({record.code, record.name});
        }
    }
    return Answer::Success(VarArrayOf({services.Take(), diets.Take()}));
}

Variant DestinationLookups::GetPesqServ(const std::string& branch) {
    PacketBuilder services(layouts::Servico());
    for (const auto& record : BranchCatalogue(db_, branch).Services()) services.Add({record.code, record.name});
    return Answer::Success(services.Take());
}

Variant DestinationLookups::GetVd_DietaDestino(const std::string& branch, const std::string& service,
                                               const std::string& diet, const std::string& scope) {
    const auto all = BranchCatalogue(db_, branch).Diets(service);
    PacketBuilder diets(layouts::DietaDestino());
    auto add = [&](const DietRecord& record) { diets.Add({record.code, record.name, branch, service}); };
    if (diet.empty()) {
        for (const auto& record : all) add(record);
        return Answer::Success(diets.Take());
    }
    for (const auto& record : all) {
        if (record.code == diet) add(record);
    }
    if (!diets.Packet().Rows.empty() && scope == "X") {
        for (const auto& record : all) {
            if (record.code != diet) add(record);
        }
    }
    return Answer::Success(diets.Take());
}

Variant DestinationLookups::GetVd_TipoPratOrig(const std::string& branch, const std::string& service,
                                               const std::string& /*diet*/, const std::string& scope) {
    if (scope == "X") return Answer::Success(DishTypes(branch, service, DateOf(clock_.Now())));
    const auto day = scope.starts_with('X') ? ParseIsoDate(std::string_view(scope).substr(1)) : std::nullopt;
    if (!day)
        return Answer::Failure(
            "GetVd_TipoPratOrig: o escopo deve ser \"X\" seguido da data destino (aaaa-mm-dd), veio \"" +
            scope + "\".");
    return Answer::Success(DishTypes(branch, service, *day));
}

Variant DestinationLookups::GetPesqTipoPrat(const std::string& branch, const std::string& service, TDateTime day) {
    return Answer::Success(DishTypes(branch, service, DateOf(day)));
}

Variant DestinationLookups::DishTypes(const std::string& branch, const std::string& service, TDateTime day) {
    PacketBuilder dishTypes(layouts::TipoPrato());
    std::set<std::string> listed;
    for (const auto& record : BranchCatalogue(db_, branch).Configuration(service, day)) {
        if (listed.insert(record.code).second) dishTypes.Add({record.code, record.name});
    }
    return dishTypes.Take();
}

}  // namespace appserver
