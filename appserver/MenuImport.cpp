#include "MenuImport.h"

#include "Answer.h"
#include "KeptMappings.h"
#include "PeriodRule.h"
#include "ServerMessages.h"
#include "SqliteStatement.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <unordered_map>

namespace appserver {

namespace {

// How often the import publishes its progress: rarely enough to cost nothing, often enough that
// a reader polling a few times a second sees it move.
constexpr uint64_t kProgressLines = 4096;

// Raised from inside the menu-line stream to stop it; the transaction rolls back.
struct Refusal {
    std::string message;
};

std::set<std::string> DestinationServices(const ImportSelection& selection) {
    std::set<std::string> services;
    for (const auto& [origin, destination] : selection.Pairs()) services.insert(destination);
    return services;
}

// yyyy-mm-dd hh:mm:ss
std::string IsoDateTime(TDateTime moment) {
    const int seconds = static_cast<int>((moment.Value - moment.Days()) * 86400.0 + 0.5);
    char time[16];
    std::snprintf(time, sizeof time, " %02d:%02d:%02d", seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
    return IsoDate(moment) + time;
}

std::string FileDishName(const IntegrationFile& file, std::string_view code) {
    for (const auto& dish : file.dishes) {
        if (dish.code == code) return dish.code + " - " + dish.name;
    }
    return std::string(code);
}

}  // namespace

MenuImport::MenuImport(SqliteDatabase& db, const FileAccess& files, const Clock& clock)
    : db_(db), files_(files), clock_(clock) {}

std::string MenuImport::CheckSelection(const IntegrationFile& file, const ImportSelection& selection,
                                       const BranchCatalogue& catalogue) const {
    for (const auto& [origin, destination] : selection.Pairs()) {
        const auto service = catalogue.Service(destination);
        if (!service) return "Serviço destino não cadastrado.";
        bool hospital = service->hospital;
        for (const auto& exported : file.services) hospital = hospital || (exported.code == origin && exported.hospital);
        if (hospital && !selection.HasDiets(origin)) return messages::kHospitalWithoutDiet;
    }
    for (const auto& [service, diet] : selection.DestinationDiets()) {
        bool registered = false;
        for (const auto& record : catalogue.Diets(service)) registered = registered || record.code == diet;
        if (!registered) return "Dieta não cadastrada para o servico informado.";
    }
    // The configuration the screen matched each dish type in (the file's first day, as the
    // proposal did, when the screen does not say), not merely any configuration ever registered.
    for (const auto& target : selection.DestinationDishTypes()) {
        const auto offered =
            catalogue.Configuration(target.service, target.matchedFor.value_or(file.header.firstDay));
        if (std::none_of(offered.begin(), offered.end(),
                         [&](const auto& record) { return record.code == target.code; }))
            return "Tipo de Prato não cadastrado.";
    }
    return {};
}

bool MenuImport::HasWithdrawal(const ImportSelection& selection, const std::string& branch, TDateTime first,
                               TDateTime last) const {
    auto query = db_.Prepare(
        "SELECT 1 FROM RETIRADA WHERE CDFILIAL = ? AND CDSERVFILI = ? AND DTRETIRADA BETWEEN ? AND ? LIMIT 1");
    for (const auto& service : DestinationServices(selection)) {
        query.Reset();
        if (query.Bind(1, branch).Bind(2, service).BindDate(3, first).BindDate(4, last).Step()) return true;
    }
    return false;
}

void MenuImport::DeletePeriod(const ImportSelection& selection, const std::string& branch, TDateTime first,
                              TDateTime last) {
    auto remove = db_.Prepare(
        "DELETE FROM CARDAPIO WHERE CDFILIAL = ? AND CDSERVFILI = ? AND DTCARDAPIO BETWEEN ? AND ?");
    for (const auto& service : DestinationServices(selection))
        remove.Bind(1, branch).Bind(2, service).BindDate(3, first).BindDate(4, last).Run();
}

void MenuImport::Log(const ImportRequest& request, const IntegrationHeader& header) {
    db_.Prepare(
           "INSERT INTO LOGIMPORTACAO (CDFILIAL, NMARQUIVO, CDOPERADOR, CDFILIORIG, DTINICIO, DTFIM, QTLINHAS, "
           "DTHRIMPORT) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
        .Bind(1, request.branch)
        .Bind(2, request.fileName)
        .Bind(3, request.operatorCode)
        .Bind(4, header.originBranch)
        .BindDate(5, header.firstDay)
        .BindDate(6, header.lastDay)
        .Bind(7, static_cast<int64_t>(rowsWritten_))
        .Bind(8, IsoDateTime(clock_.Now()))
        .Run();
}

Variant MenuImport::Run(const ImportRequest& request, const IntegrationFile& file, const ImportSelection& selection) {
    rowsWritten_ = 0;
    BranchCatalogue catalogue(db_, request.branch);
    if (std::string problem = CheckSelection(file, selection, catalogue); !problem.empty())
        return Answer::Failure(problem);
    const TDateTime first = file.header.firstDay, last = file.header.lastDay;

    SqliteTransaction transaction(db_);
    if (auto conflict = PeriodRule::Check(db_, request.branch, first, last))
        return Answer::Success(VarArrayOf({conflict->status, conflict->boundary}));
    if (HasWithdrawal(selection, request.branch, first, last)) return Answer::Failure(messages::kWithdrawalInPeriod);
    DeletePeriod(selection, request.branch, first, last);

    const auto dishes = catalogue.DishCodes();
    auto insert = db_.Prepare(
        "INSERT INTO CARDAPIO (CDFILIAL, CDSERVFILI, DTCARDAPIO, CDDIETPAD, CDTIPOPRAT, NRSEQCNFMES, CDPRATO, "
        "QTCOMENSAIS) VALUES (?, ?, ?, ?, ?, ?, ?, ?) "
        "ON CONFLICT DO UPDATE SET QTCOMENSAIS = QTCOMENSAIS + excluded.QTCOMENSAIS");
    insert.Bind(1, request.branch);
    std::unordered_map<int, std::string> isoDates;
    uint64_t written = 0, seen = 0;
    auto write = [&](const MenuLine& line) {
        if (++seen % kProgressLines == 0 && counters_) counters_->Publish(seen, written);
        const std::string* service = selection.Service(line.service);
        const DishTypeTarget* dishType = service ? selection.DishType(line.service, line.dishType, line.sequence) : nullptr;
        const std::string* diet = line.diet.empty() ? nullptr : selection.Diet(line.service, line.diet);
        if (!dishType || (!line.diet.empty() && !diet)) return;
        if (!dishes.contains(std::string(line.dish)))
            throw Refusal{messages::Fill(messages::kDishMissing, {FileDishName(file, line.dish), request.branch,
                                                                  file.header.originBranch})};
        auto date = isoDates.try_emplace(line.date.Days()).first;
        if (date->second.empty()) date->second = IsoDate(line.date);
        insert.Bind(2, *service)
            .Bind(3, date->second)
            .Bind(4, diet ? std::string_view(*diet) : std::string_view())
            .Bind(5, dishType->code)
            .Bind(6, dishType->sequence)
            .Bind(7, line.dish)
            .Bind(8, line.diners)
            .Run();
        ++written;
    };
    IntegrationFileReadResult read;
    try {
        read = files_.Read(request.path, write);
    } catch (const Refusal& refusal) {
        return Answer::Failure(refusal.message);
    }
    if (counters_) counters_->Publish(seen, written);
    if (!read.ok) return Answer::Failure(messages::Fill(messages::kFileInvalid, {read.error}));
    if (written == 0) return Answer::Failure(messages::kNoDishes);
    rowsWritten_ = written;
    Log(request, file.header);
    KeptMappings(db_, file.header.originBranch, request.branch).Record(selection);
    transaction.Commit();
    return Answer::Success(VarArrayOf({"OK", Variant()}));
}

}  // namespace appserver
