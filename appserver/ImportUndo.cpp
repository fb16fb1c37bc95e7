#include "ImportUndo.h"

#include "Answer.h"
#include "ImportHistory.h"
#include "MenuImport.h"
#include "SqliteStatement.h"

#include <optional>
#include <set>

namespace appserver {

struct ImportUndo::Entry {
    std::string branch;
    TDateTime first, last;
    std::string outcome;
    bool undoable = false;
    std::string undoneAt, undoneBy;
    std::string fingerprint;
    int64_t logEntry = 0;
    int64_t firstRow = 0, lastRow = -1;  // of HISTCARDAPIO
    std::set<std::string> services;
};

ImportUndo::ImportUndo(SqliteDatabase& db, const Clock& clock, BranchLocks& locks)
    : db_(db), clock_(clock), locks_(locks) {}

std::optional<ImportUndo::Entry> ImportUndo::ReadEntry(int64_t id) {
    auto query = db_.Prepare(
        "SELECT CDFILIAL, DTINICIO, DTFIM, IDRESULTADO, IDDESFAZIVEL, DTHRDESFEITA, CDOPERDESFEZ, DSASSINATURA, "
        "NRIMPORTACAO, NRLINHAINI, NRLINHAFIM FROM HISTIMPORTACAO WHERE NRHISTORICO = ?");
    if (!query.Bind(1, id).Step()) return std::nullopt;
    Entry entry{query.Text(0), query.Date(1), query.Date(2), query.Text(3),    query.Text(4) == "S",
                query.Text(5), query.Text(6), query.Text(7), query.Integer(8), query.Integer(9), query.Integer(10), {}};
    auto services = db_.Prepare("SELECT CDSERVFILI FROM HISTSERVICO WHERE NRHISTORICO = ?");
    services.Bind(1, id);
    while (services.Step()) entry.services.insert(services.Text(0));
    return entry;
}

std::string ImportUndo::Refusal(int64_t id, const Entry& entry) {
    const std::string number = std::to_string(id);
    if (entry.outcome != "G") return "A importação " + number + " não gravou cardápios: não há o que desfazer.";
    if (!entry.undoneAt.empty())
        return "A importação " + number + " já foi desfeita em " + entry.undoneAt + " por " + entry.undoneBy + ".";
    if (!entry.undoable)
        return "A importação " + number + " não pode mais ser desfeita: os cardápios que ela substituiu já foram "
               "descartados.";
    auto later = db_.Prepare(
        "SELECT MAX(NRHISTORICO) FROM HISTIMPORTACAO WHERE CDFILIAL = ? AND NRHISTORICO > ? AND IDRESULTADO = 'G' "
        "AND DTHRDESFEITA IS NULL AND DTINICIO <= ? AND DTFIM >= ?");
    later.Bind(1, entry.branch).Bind(2, id).BindDate(3, entry.last).BindDate(4, entry.first);
    if (later.Step() && !later.IsNull(0))
        return "A importação " + std::to_string(later.Integer(0)) +
               ", posterior, cobre parte do mesmo período na filial " + entry.branch + ". Desfaça-a antes da " +
               number + ".";
    if (ImportHistory::Fingerprint(db_, entry.branch, entry.services, entry.first, entry.last) != entry.fingerprint)
        return "Os cardápios do período da importação " + number +
               " foram alterados depois dela: desfazê-la perderia essas alterações.";
    return {};
}

Variant ImportUndo::Undo(int64_t id, const Entry& entry, const std::string& operatorCode) {
    const int64_t removed = MenuImport::DeleteMenus(db_, entry.branch, entry.services, entry.first, entry.last);
    db_.Prepare(
           "INSERT INTO CARDAPIO SELECT ?, CDSERVFILI, DTCARDAPIO, CDDIETPAD, CDTIPOPRAT, NRSEQCNFMES, CDPRATO, "
           "QTCOMENSAIS FROM HISTCARDAPIO WHERE NRLINHA BETWEEN ? AND ?")
        .Bind(1, entry.branch)
        .Bind(2, entry.firstRow)
        .Bind(3, entry.lastRow)
        .Run();
    const int64_t restored = sqlite3_changes(db_.Handle());
    db_.Prepare("DELETE FROM LOGIMPORTACAO WHERE NRIMPORTACAO = ?").Bind(1, entry.logEntry).Run();
    db_.Prepare("DELETE FROM HISTCARDAPIO WHERE NRLINHA BETWEEN ? AND ?").Bind(1, entry.firstRow).Bind(2, entry.lastRow).Run();
    db_.Prepare(
           "UPDATE HISTIMPORTACAO SET DTHRDESFEITA = ?, CDOPERDESFEZ = ?, IDDESFAZIVEL = 'N' WHERE NRHISTORICO = ?")
        .Bind(1, ImportHistory::IsoDateTime(clock_.Now()))
        .Bind(2, operatorCode)
        .Bind(3, id)
        .Run();
    return Answer::Success("Importação " + std::to_string(id) + " desfeita: " + std::to_string(removed) +
                           " linhas de cardápio removidas, " + std::to_string(restored) + " restauradas.");
}

Variant ImportUndo::DesfazImportacao(int64_t id, const std::string& operatorCode) {
    const auto before = ReadEntry(id);
    if (!before) return Answer::Failure("Importação " + std::to_string(id) + " não encontrada no histórico.");
    const auto lock = locks_.Lock(before->branch);
    SqliteTransaction transaction(db_);
    const auto entry = ReadEntry(id);
    if (std::string refusal = Refusal(id, *entry); !refusal.empty()) return Answer::Failure(refusal);
    Variant answer = Undo(id, *entry, operatorCode);
    transaction.Commit();
    return answer;
}

}  // namespace appserver
