#include "KeptMappings.h"

#include "SqliteStatement.h"

#include <sqlite3.h>

namespace appserver {

KeptMappings::KeptMappings(SqliteDatabase& db, std::string originBranch, std::string destinationBranch)
    : db_(db), origin_(std::move(originBranch)), destination_(std::move(destinationBranch)) {}

KeptChoices KeptMappings::Read() const {
    KeptChoices kept;
    const char* const pair = " WHERE CDFILIORIG = ? AND CDFILIDEST = ?";
    auto services = db_.Prepare(std::string("SELECT CDSERVORIG, CDSERVDEST FROM MAPSERVICO") + pair);
    services.Bind(1, origin_).Bind(2, destination_);
    while (services.Step()) kept.services.emplace(services.Text(0), services.Text(1));
    auto diets = db_.Prepare(std::string("SELECT CDSERVORIG, CDDIETORIG, CDSERVDEST, CDDIETDEST FROM MAPDIETA") + pair);
    diets.Bind(1, origin_).Bind(2, destination_);
    while (diets.Step()) kept.diets.emplace(std::pair(diets.Text(0), diets.Text(1)), KeptDiet{diets.Text(2), diets.Text(3)});
    auto types = db_.Prepare(
        std::string("SELECT CDSERVORIG, CDTIPOORIG, NRSEQORIG, CDSERVDEST, CDTIPODEST, NRSEQDEST, IDIMPORTAR "
                    "FROM MAPTIPOPRAT") + pair);
    types.Bind(1, origin_).Bind(2, destination_);
    while (types.Step()) {
        kept.dishTypes.emplace(std::tuple(types.Text(0), types.Text(1), static_cast<int>(types.Integer(2))),
                               KeptDishType{types.Text(3), types.Text(4), static_cast<int>(types.Integer(5)),
                                            types.Text(6) == "S"});
    }
    return kept;
}

void KeptMappings::Record(const ImportSelection& selection) {
    for (const auto& [origin, destination] : selection.Pairs()) SetService(origin, destination);
    for (const auto& choice : selection.DietChoices())
        SetDiet(choice.service, choice.diet, {*selection.Service(choice.service), choice.destination});
    for (const auto& choice : selection.DishTypeChoices()) {
        const std::string& service = *selection.Service(choice.service);
        SetDishType(choice.service, choice.dishType, choice.sequence,
                    choice.target ? KeptDishType{service, choice.target->code, choice.target->sequence, true}
                                  : KeptDishType{service, "", choice.sequence, false});
    }
}

void KeptMappings::SetService(const std::string& origin, const std::string& destination) {
    db_.Prepare("INSERT OR REPLACE INTO MAPSERVICO VALUES (?, ?, ?, ?)")
        .Bind(1, origin_)
        .Bind(2, destination_)
        .Bind(3, origin)
        .Bind(4, destination)
        .Run();
}

void KeptMappings::SetDiet(const std::string& service, const std::string& diet, const KeptDiet& target) {
    db_.Prepare("INSERT OR REPLACE INTO MAPDIETA VALUES (?, ?, ?, ?, ?, ?)")
        .Bind(1, origin_)
        .Bind(2, destination_)
        .Bind(3, service)
        .Bind(4, diet)
        .Bind(5, target.service)
        .Bind(6, target.diet)
        .Run();
}

void KeptMappings::SetDishType(const std::string& service, const std::string& dishType, int sequence,
                               const KeptDishType& target) {
    db_.Prepare("INSERT OR REPLACE INTO MAPTIPOPRAT VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .Bind(1, origin_)
        .Bind(2, destination_)
        .Bind(3, service)
        .Bind(4, dishType)
        .Bind(5, sequence)
        .Bind(6, target.service)
        .Bind(7, target.marked ? target.dishType : "")
        .Bind(8, target.sequence)
        .Bind(9, target.marked ? "S" : "N")
        .Run();
}

bool KeptMappings::Remove(const char* table, const char* keyColumns, std::initializer_list<std::string_view> key,
                          int sequence) {
    auto remove = db_.Prepare(std::string("DELETE FROM ") + table + " WHERE CDFILIORIG = ? AND CDFILIDEST = ? AND " +
                              keyColumns);
    remove.Bind(1, origin_).Bind(2, destination_);
    int index = 3;
    for (std::string_view part : key) remove.Bind(index++, part);
    if (sequence >= 0) remove.Bind(index, sequence);
    remove.Run();
    return sqlite3_changes(db_.Handle()) > 0;
}

bool KeptMappings::RemoveService(const std::string& origin) {
    return Remove("MAPSERVICO", "CDSERVORIG = ?", {origin}, -1);
}

bool KeptMappings::RemoveDiet(const std::string& service, const std::string& diet) {
    return Remove("MAPDIETA", "CDSERVORIG = ? AND CDDIETORIG = ?", {service, diet}, -1);
}

bool KeptMappings::RemoveDishType(const std::string& service, const std::string& dishType, int sequence) {
    return Remove("MAPTIPOPRAT", "CDSERVORIG = ? AND CDTIPOORIG = ? AND NRSEQORIG = ?", {service, dishType}, sequence);
}

}  // namespace appserver
