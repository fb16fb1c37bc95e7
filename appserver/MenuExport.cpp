#include "MenuExport.h"

#include "Answer.h"
#include "ExportedMenus.h"
#include "FileReplacement.h"
#include "ServerMessages.h"
#include "Text.h"

#include <sstream>
#include <variant>

namespace appserver {

namespace {

constexpr const char* kTargetNotAbsolute = "O arquivo de destino deve ser um caminho completo: %s";
constexpr const char* kFolderMissing = "A pasta de destino não existe: %s";
constexpr const char* kFolderOutsideRoots = "Pasta de destino fora das pastas de exportação do servidor: %s";
constexpr const char* kTargetIsFolder = "O destino é uma pasta, não um arquivo: %s";
constexpr const char* kFolderNotWritable = "Não é possível gravar na pasta de destino: %s";
constexpr const char* kWriteFailed =
    "A gravação do arquivo %s falhou (disco cheio ou erro do disco); nenhum arquivo foi deixado no destino.";

// Both passes over the menu rows read one snapshot of the store, whatever imports commit between.
class ReadSnapshot {
public:
    explicit ReadSnapshot(SqliteDatabase& db) : db_(db) { db_.Execute("BEGIN"); }
    ~ReadSnapshot() { sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr); }
    ReadSnapshot(const ReadSnapshot&) = delete;
    ReadSnapshot& operator=(const ReadSnapshot&) = delete;

private:
    SqliteDatabase& db_;
};

// Codes of the services asked for; nullopt when the argument is neither Null nor an array of texts.
std::optional<std::vector<std::string>> ServiceCodes(const Variant& services) {
    std::vector<std::string> codes;
    if (services.IsNull()) return codes;
    if (!services.IsArray()) return std::nullopt;
    for (const Variant& code : services.AsArray()) {
        if (code.Type() != VarType::String) return std::nullopt;
        codes.push_back(code.AsString());
    }
    return codes;
}

Variant Summary(const ExportedMenus& menus, const std::string& written, Variant text) {
    const IntegrationFile& file = menus.Definitions();
    return Answer::Success(VarArrayOf({written, static_cast<int64_t>(file.services.size()),
                                       static_cast<int64_t>(file.diets.size()),
                                       static_cast<int64_t>(file.dishTypes.size()),
                                       static_cast<int64_t>(file.dishes.size()),
                                       static_cast<int64_t>(menus.MenuLines()), std::move(text)}));
}

}  // namespace

MenuExport::MenuExport(SqliteDatabase& db, const ImportRoots& exportRoots, const FileAccess& files)
    : db_(db), exportRoots_(exportRoots), files_(files) {}

std::variant<std::filesystem::path, std::string> MenuExport::TargetFolder(const std::filesystem::path& target) const {
    if (!target.is_absolute() || !target.has_filename())
        return messages::Fill(kTargetNotAbsolute, {target.string()});
    const auto folder = files_.Canonical(target.parent_path());
    if (!folder || !std::filesystem::is_directory(*folder))
        return messages::Fill(kFolderMissing, {target.parent_path().string()});
    if (!exportRoots_.Contains(*folder)) return messages::Fill(kFolderOutsideRoots, {folder->string()});
    if (std::filesystem::is_directory(*folder / target.filename()))
        return messages::Fill(kTargetIsFolder, {target.string()});
    return *folder;
}

std::string MenuExport::WriteTarget(const ExportedMenus& menus, const std::filesystem::path& target) {
    FileReplacement replacement(target);
    const auto outcome = files_.Write(replacement.Temporary(), [&](std::ostream& out) { menus.Write(db_, out); });
    if (outcome == FileAccess::WriteOutcome::Written && replacement.Commit()) return {};
    if (outcome == FileAccess::WriteOutcome::CannotCreate)
        return messages::Fill(kFolderNotWritable, {target.parent_path().string()});
    return messages::Fill(kWriteFailed, {target.string()});
}

Variant MenuExport::ExportaCardapio(const std::string& branch, TDateTime firstDay, TDateTime lastDay,
                                    const Variant& services, const std::string& target) {
    const auto codes = ServiceCodes(services);
    if (!codes) return Answer::Failure("ExportaCardapio: os serviços devem ser Null ou uma lista de códigos (textos).");
    if (lastDay.Days() < firstDay.Days()) return Answer::Failure("O último dia do período é anterior ao primeiro.");
    std::filesystem::path destination;
    if (!target.empty()) {
        auto folder = TargetFolder(std::filesystem::path(target));
        if (auto* refusal = std::get_if<std::string>(&folder)) return Answer::Failure(*refusal);
        destination = std::get<std::filesystem::path>(folder) / std::filesystem::path(target).filename();
    }

    ReadSnapshot snapshot(db_);
    auto gathered = ExportedMenus::Gather(db_, ExportRequest{branch, DateOf(firstDay), DateOf(lastDay), *codes});
    if (auto* refusal = std::get_if<std::string>(&gathered)) return Answer::Failure(*refusal);
    const ExportedMenus& menus = std::get<ExportedMenus>(gathered);
    if (destination.empty()) {
        std::ostringstream out;
        menus.Write(db_, out);
        return Summary(menus, "", DecodeWindows1252(out.view()));
    }
    if (std::string refusal = WriteTarget(menus, destination); !refusal.empty()) return Answer::Failure(refusal);
    return Summary(menus, destination.string(), Variant());
}

}  // namespace appserver
