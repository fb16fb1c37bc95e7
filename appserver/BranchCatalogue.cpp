#include "BranchCatalogue.h"

#include "SqliteStatement.h"

#include <algorithm>

namespace appserver {

BranchCatalogue::BranchCatalogue(SqliteDatabase& db, std::string branch) : db_(db), branch_(std::move(branch)) {}

std::optional<BranchRecord> BranchCatalogue::Branch() const {
    auto query = db_.Prepare("SELECT CDFILIAL, NMFILIAL, IDCNTRRESC FROM FILIAL WHERE CDFILIAL = ?");
    query.Bind(1, branch_);
    if (!query.Step()) return std::nullopt;
    return BranchRecord{query.Text(0), query.Text(1), query.Text(2) == "S"};
}

std::vector<ServiceRecord> BranchCatalogue::Services() const {
    auto query = db_.Prepare(
        "SELECT CDSERVFILI, NMSERVICO, IDHOSPITALAR FROM SERVFILI WHERE CDFILIAL = ? ORDER BY CDSERVFILI");
    query.Bind(1, branch_);
    std::vector<ServiceRecord> services;
    while (query.Step()) services.push_back({query.Text(0), query.Text(1), query.Text(2) == "S"});
    return services;
}

std::optional<ServiceRecord> BranchCatalogue::Service(const std::string& code) const {
    auto query = db_.Prepare(
        "SELECT CDSERVFILI, NMSERVICO, IDHOSPITALAR FROM SERVFILI WHERE CDFILIAL = ? AND CDSERVFILI = ?");
    query.Bind(1, branch_).Bind(2, code);
    if (!query.Step()) return std::nullopt;
    return ServiceRecord{query.Text(0), query.Text(1), query.Text(2) == "S"};
}

std::vector<DietRecord> BranchCatalogue::Diets(const std::string& service) const {
    auto query = db_.Prepare(
        "SELECT CDDIETPAD, DSDIETPAD FROM SERVDIETA WHERE CDFILIAL = ? AND CDSERVFILI = ? ORDER BY CDDIETPAD");
    query.Bind(1, branch_).Bind(2, service);
    std::vector<DietRecord> diets;
    while (query.Step()) diets.push_back({query.Text(0), query.Text(1)});
    return diets;
}

std::vector<DishTypeRecord> BranchCatalogue::Configuration(const std::string& service, TDateTime day) const {
    auto query = db_.Prepare(
        "SELECT CDTIPOPRAT, NRSEQCNFMES, NRORDCNFMES, NMTIPOPRAT, IDOPCCNFMES FROM CNFCARDAPIO "
        "WHERE CDFILIAL = ?1 AND CDSERVFILI = ?2 AND DTINICNF = "
        "(SELECT MAX(DTINICNF) FROM CNFCARDAPIO WHERE CDFILIAL = ?1 AND CDSERVFILI = ?2 AND DTINICNF <= ?3) "
        "ORDER BY NRORDCNFMES, NRSEQCNFMES, CDTIPOPRAT");
    query.Bind(1, branch_).Bind(2, service).BindDate(3, day);
    std::vector<DishTypeRecord> dishTypes;
    while (query.Step()) {
        dishTypes.push_back({query.Text(0), static_cast<int>(query.Integer(1)), static_cast<int>(query.Integer(2)),
                             query.Text(3), query.Text(4) == "S"});
    }
    return dishTypes;
}

std::vector<std::string> BranchCatalogue::DishCodes() const {
    auto query = db_.Prepare("SELECT CDPRATO FROM PRATO WHERE CDFILIAL = ?");
    query.Bind(1, branch_);
    std::vector<std::string> codes;
    while (query.Step()) codes.push_back(query.Text(0));
    std::sort(codes.begin(), codes.end());
    return codes;
}

}  // namespace appserver
