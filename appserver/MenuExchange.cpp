#include "MenuExchange.h"

#include "Answer.h"
#include "BranchCatalogue.h"
#include "ImportSelection.h"
#include "MappingProposal.h"
#include "MenuImport.h"
#include "PeriodRule.h"
#include "ServerMessages.h"
#include "Sha256.h"

#include <memory>

namespace appserver {

namespace {

ImportAttempt Attempt(const std::string& operatorCode, const std::string& branch, const std::string& fileName,
                      const std::filesystem::path& path, const IntegrationFile& file,
                      const std::variant<ImportSelection, std::string>& read) {
    ImportAttempt attempt{operatorCode, branch,         file.header.firstDay, file.header.originBranch,
                          file.header.firstDay, file.header.lastDay, fileName, Sha256::OfFile(path), {}};
    if (const auto* selection = std::get_if<ImportSelection>(&read)) {
        attempt.mappings = selection->Describe();
        // The destination start date is the one the screen matched the dish types for.
        for (const auto& target : selection->DestinationDishTypes()) {
            if (target.matchedFor) attempt.destinationStart = *target.matchedFor;
        }
    }
    return attempt;
}

}  // namespace

MenuExchange::MenuExchange(SqliteDatabase& db, const ImportRoots& roots, const FileAccess& files, const Clock& clock,
                           BranchLocks& locks, int undoKeepDays, ImportProgress* progress)
    : db_(db),
      roots_(roots),
      files_(files),
      clock_(clock),
      locks_(locks),
      undoKeepDays_(undoKeepDays),
      progress_(progress) {}

Variant MenuExchange::ImportaCardapio(const std::string& fileName, const std::string& operatorCode,
                                      const std::string& branch, const Variant& services, const Variant& diets,
                                      const Variant& dishTypes) {
    const bool load = services.IsNull() && diets.IsNull() && dishTypes.IsNull();
    if (!load && !(services.IsPacket() && diets.IsPacket() && dishTypes.IsPacket()))
        return Answer::Failure(
            "ImportaCardapio: as tabelas de serviços, dietas e tipos de prato devem ser todas nulas (carga) "
            "ou todas pacotes de dados (importação).");

    BranchCatalogue destination(db_, branch);
    const auto record = destination.Branch();
    if (!record) return Answer::Failure(messages::kBranchMissing);
    if (record->rescinded) return Answer::Failure(messages::kBranchRescinded);

    const ResolvedFile resolved = roots_.Resolve(fileName);
    if (!resolved.ok) return Answer::Failure(resolved.error);
    IntegrationFileReadResult read = files_.Read(resolved.path, {});
    if (!read.ok) return Answer::Failure(messages::Fill(messages::kFileInvalid, {read.error}));
    const IntegrationFile& file = read.file;
    if (file.header.originBranch == branch) return Answer::Failure(messages::kBranchIsOrigin);

    if (load) {
        if (auto conflict = PeriodRule::Check(db_, branch, file.header.firstDay, file.header.lastDay))
            return Answer::Success(VarArrayOf({conflict->status, conflict->boundary}));
        Variant::Array result{"OK", Variant()};
        const auto kept = KeptMappings(db_, file.header.originBranch, branch).Read();
        for (auto& packet : MappingProposal::Build(file, destination, kept)) result.push_back(std::move(packet));
        return Answer::Success(VarArrayOf(std::move(result)));
    }

    auto selection = ImportSelection::Read(services, diets, dishTypes);
    ImportHistory history(db_, clock_, Attempt(operatorCode, branch, fileName, resolved.path, file, selection),
                          undoKeepDays_);
    if (auto* problem = std::get_if<std::string>(&selection)) {
        history.RecordUnwritten(ImportReport::Unwritten(ImportReport::Outcome::Refused, *problem));
        return Answer::Failure(*problem);
    }
    const auto lock = locks_.Lock(branch);
    MenuImport import(db_, files_, clock_);
    ImportCounters* counters = progress_ ? &progress_->Start(branch) : nullptr;
    import.ReportTo(counters);
    // Finished however the import ends, a raised failure of the store included.
    const std::unique_ptr<ImportCounters, void (*)(ImportCounters*)> finish(
        counters, [](ImportCounters* running) { running->Finish(); });
    try {
        Variant answer = import.Run(ImportRequest{resolved.path, fileName, operatorCode, branch}, file,
                                    std::get<ImportSelection>(selection), history);
        if (import.Report().outcome != ImportReport::Outcome::Written) history.RecordUnwritten(import.Report());
        return answer;
    } catch (const std::exception& error) {
        history.RecordUnwritten(ImportReport::Unwritten(ImportReport::Outcome::Failed, error.what()));
        throw;
    }
}

}  // namespace appserver
