#include "MenuImport.h"

#include "Answer.h"
#include "KeptMappings.h"
#include "MenuRowWriter.h"
#include "PeriodRule.h"
#include "ServerMessages.h"
#include "SqliteStatement.h"

#include <algorithm>
#include <set>
#include <unordered_map>

namespace appserver {

namespace {

// How often the import publishes its progress: rarely enough to cost nothing, often enough that
// a reader polling a few times a second sees it move.
constexpr uint64_t kProgressLines = 4096;

// The page cache an import writes through, only while it runs: eight times SQLite's default, so
// that fewer of a large import's pages spill into the log before the commit. A cache holding a
// whole million-line import (128 MiB) measured no faster and raised its peak memory to 2.5 times
// the file; this one keeps it near 1.6.
constexpr int kImportCacheKiB = 16 * 1024;

std::set<std::string> DestinationServices(const ImportSelection& selection) {
    std::set<std::string> services;
    for (const auto& [origin, destination] : selection.Pairs()) services.insert(destination);
    return services;
}

std::string FileDishName(const IntegrationFile& file, std::string_view code) {
    for (const auto& dish : file.dishes) {
        if (dish.code == code) return dish.code + " - " + dish.name;
    }
    return std::string(code);
}

ImportProblem Problem(const std::string& message, const std::string& row) { return {message, message + " " + row}; }

// Where a menu line's service, dish type and diet go. A file runs slot by slot, so consecutive
// lines mostly share their codes: each run of them is looked up in the selection once.
class LineMapping {
public:
    explicit LineMapping(const ImportSelection& selection) : selection_(selection) {}

    void Map(const MenuLine& line) {
        const bool sameService = line.service == serviceCode_;
        if (!sameService) {
            serviceCode_ = line.service;
            service = selection_.Service(line.service);
        }
        if (!sameService || line.dishType != dishTypeCode_ || line.sequence != sequence_) {
            dishTypeCode_ = line.dishType;
            sequence_ = line.sequence;
            dishType = service ? selection_.DishType(line.service, line.dishType, line.sequence) : nullptr;
        }
        if (!sameService || line.diet != dietCode_) {
            dietCode_ = line.diet;
            diet = line.diet.empty() ? nullptr : selection_.Diet(line.service, line.diet);
        }
    }

    const std::string* service = nullptr;
    const DishTypeTarget* dishType = nullptr;
    const std::string* diet = nullptr;

private:
    const ImportSelection& selection_;
    std::string serviceCode_, dishTypeCode_, dietCode_;
    int sequence_ = 0;
};

}  // namespace

MenuImport::MenuImport(SqliteDatabase& db, const FileAccess& files, const Clock& clock)
    : db_(db), files_(files), clock_(clock) {}

std::vector<ImportProblem> MenuImport::CheckSelection(const IntegrationFile& file, const ImportSelection& selection,
                                                      const BranchCatalogue& catalogue) const {
    std::vector<ImportProblem> problems;
    for (const auto& [origin, destination] : selection.Pairs()) {
        const auto service = catalogue.Service(destination);
        if (!service) {
            problems.push_back(Problem("Serviço destino não cadastrado.", "(serviço destino " + destination + ")"));
            continue;
        }
        bool hospital = service->hospital;
        for (const auto& exported : file.services) hospital = hospital || (exported.code == origin && exported.hospital);
        if (hospital && !selection.HasDiets(origin))
            problems.push_back(Problem(messages::kHospitalWithoutDiet,
                                       "(serviço origem " + origin + ", destino " + destination + ")"));
    }
    for (const auto& [service, diet] : selection.DestinationDiets()) {
        bool registered = false;
        for (const auto& record : catalogue.Diets(service)) registered = registered || record.code == diet;
        if (!registered)
            problems.push_back(Problem("Dieta não cadastrada para o servico informado.",
                                       "(dieta " + diet + ", serviço destino " + service + ")"));
    }
    // The configuration the screen matched each dish type in (the file's first day, as the
    // proposal did, when the screen does not say), not merely any configuration ever registered.
    for (const auto& target : selection.DestinationDishTypes()) {
        const auto offered =
            catalogue.Configuration(target.service, target.matchedFor.value_or(file.header.firstDay));
        if (std::none_of(offered.begin(), offered.end(),
                         [&](const auto& record) { return record.code == target.code; }))
            problems.push_back(Problem("Tipo de Prato não cadastrado.",
                                       "(tipo de prato " + target.code + ", serviço destino " + target.service + ")"));
    }
    return problems;
}

std::vector<ImportProblem> MenuImport::Withdrawals(const ImportSelection& selection, const std::string& branch,
                                                   TDateTime first, TDateTime last) const {
    auto query = db_.Prepare(
        "SELECT DTRETIRADA FROM RETIRADA WHERE CDFILIAL = ? AND CDSERVFILI = ? AND DTRETIRADA BETWEEN ? AND ? "
        "ORDER BY DTRETIRADA");
    std::vector<ImportProblem> problems;
    for (const auto& service : DestinationServices(selection)) {
        query.Reset();
        query.Bind(1, branch).Bind(2, service).BindDate(3, first).BindDate(4, last);
        while (query.Step())
            problems.push_back(Problem(messages::kWithdrawalInPeriod,
                                       "(retirada de " + query.Text(0) + ", serviço destino " + service + ")"));
    }
    return problems;
}

int64_t MenuImport::DeleteMenus(SqliteDatabase& db, const std::string& branch, const std::set<std::string>& services,
                                TDateTime first, TDateTime last) {
    auto remove = db.Prepare(
        "DELETE FROM CARDAPIO WHERE CDFILIAL = ? AND CDSERVFILI = ? AND DTCARDAPIO BETWEEN ? AND ?");
    int64_t removed = 0;
    for (const auto& service : services) {
        remove.Bind(1, branch).Bind(2, service).BindDate(3, first).BindDate(4, last).Run();
        removed += sqlite3_changes(db.Handle());
    }
    return removed;
}

int64_t MenuImport::Log(const ImportRequest& request, const IntegrationHeader& header) {
    db_.Prepare(
           "INSERT INTO LOGIMPORTACAO (CDFILIAL, NMARQUIVO, CDOPERADOR, CDFILIORIG, DTINICIO, DTFIM, QTLINHAS, "
           "DTHRIMPORT) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
        .Bind(1, request.branch)
        .Bind(2, request.fileName)
        .Bind(3, request.operatorCode)
        .Bind(4, header.originBranch)
        .BindDate(5, header.firstDay)
        .BindDate(6, header.lastDay)
        .Bind(7, static_cast<int64_t>(report_.written))
        .Bind(8, ImportHistory::IsoDateTime(clock_.Now()))
        .Run();
    return sqlite3_last_insert_rowid(db_.Handle());
}

Variant MenuImport::Refuse(const std::vector<ImportProblem>& problems) {
    report_.outcome = ImportReport::Outcome::Refused;
    report_.reasons.clear();
    for (const auto& problem : problems) report_.reasons.push_back(problem.reason);
    report_.written = report_.replaced = 0;
    return Answer::Failure(problems.front().message);
}

Variant MenuImport::Run(const ImportRequest& request, const IntegrationFile& file, const ImportSelection& selection,
                        ImportHistory& history) {
    report_ = {};
    BranchCatalogue catalogue(db_, request.branch);
    if (auto problems = CheckSelection(file, selection, catalogue); !problems.empty()) return Refuse(problems);
    const TDateTime first = file.header.firstDay, last = file.header.lastDay;

    const SqliteCacheSpan cache(db_, kImportCacheKiB);
    SqliteTransaction transaction(db_);
    if (auto conflict = PeriodRule::Check(db_, request.branch, first, last)) {
        Refuse({Problem("O período do arquivo cruza o das importações anteriores da filial:",
                        conflict->status + " " + IsoDate(conflict->boundary))});
        return Answer::Success(VarArrayOf({conflict->status, conflict->boundary}));
    }
    if (auto problems = Withdrawals(selection, request.branch, first, last); !problems.empty()) return Refuse(problems);
    report_.replaced = history.KeepReplaced(DestinationServices(selection));
    DeleteMenus(db_, request.branch, DestinationServices(selection), first, last);

    const auto dishes = catalogue.DishCodes();
    std::unordered_map<int, std::string> isoDates;
    std::set<std::string, std::less<>> missingSeen;
    std::vector<ImportProblem> missing;
    uint64_t seen = 0;
    // Every text a row holds lives in the selection, the catalogue or isoDates until the end.
    MenuRowWriter rows(db_, request.branch);
    LineMapping mapping(selection);
    auto write = [&](const MenuLine& line) {
        if (++seen % kProgressLines == 0 && counters_) counters_->Publish(seen, report_.written);
        mapping.Map(line);
        const std::string* service = mapping.service;
        const DishTypeTarget* dishType = mapping.dishType;
        const std::string* diet = mapping.diet;
        if (!service) ++report_.withoutService;
        else if (!dishType) ++report_.withoutDishType;
        else if (!line.diet.empty() && !diet) ++report_.withoutDiet;
        if (!dishType || (!line.diet.empty() && !diet)) return;
        const auto dish = std::lower_bound(dishes.begin(), dishes.end(), line.dish);
        if (dish == dishes.end() || *dish != line.dish) {
            if (missingSeen.insert(std::string(line.dish)).second) {
                const std::string text = messages::Fill(
                    messages::kDishMissing, {FileDishName(file, line.dish), request.branch, file.header.originBranch});
                missing.push_back({text, text});
            }
            return;
        }
        if (!missing.empty()) return;  // refused already: only the remaining missing dishes matter
        auto date = isoDates.try_emplace(line.date.Days()).first;
        if (date->second.empty()) date->second = IsoDate(line.date);
        rows.Add({*service, date->second, diet ? std::string_view(*diet) : std::string_view(), dishType->code,
                  dishType->sequence, *dish, line.diners});
        ++report_.written;
    };
    const IntegrationFileReadResult read = files_.Read(request.path, write);
    const std::string invalid = read.ok ? std::string() : messages::Fill(messages::kFileInvalid, {read.error});
    if (!missing.empty()) {
        if (!read.ok) missing.push_back({invalid, invalid});
        return Refuse(missing);
    }
    if (counters_) counters_->Publish(seen, report_.written);
    if (!read.ok) {
        report_ = ImportReport::Unwritten(ImportReport::Outcome::Failed, invalid);
        return Answer::Failure(invalid);
    }
    if (report_.written == 0) return Refuse({{messages::kNoDishes, messages::kNoDishes}});
    rows.Flush();
    KeptMappings(db_, file.header.originBranch, request.branch).Record(selection);
    history.RecordWritten(report_, Log(request, file.header));
    transaction.Commit();
    report_.outcome = ImportReport::Outcome::Written;
    return Answer::Success(VarArrayOf({"OK", Variant()}));
}

}  // namespace appserver
