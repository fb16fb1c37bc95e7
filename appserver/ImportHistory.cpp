#include "ImportHistory.h"

#include "SqliteStatement.h"

#include <cstdio>

namespace appserver {

ImportHistory::ImportHistory(SqliteDatabase& db, const Clock& clock, ImportAttempt attempt, int undoKeepDays)
    : db_(db), clock_(clock), attempt_(std::move(attempt)), undoKeepDays_(undoKeepDays) {}

std::string ImportHistory::IsoDateTime(TDateTime moment) {
    const int seconds = static_cast<int>((moment.Value - moment.Days()) * 86400.0 + 0.5);
    char time[16];
    std::snprintf(time, sizeof time, " %02d:%02d:%02d", seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
    return IsoDate(moment) + time;
}

void ImportHistory::Open(char outcome) {
    db_.Prepare(
           "INSERT INTO HISTIMPORTACAO (DTHRIMPORT, CDOPERADOR, CDFILIAL, DTINICIODEST, CDFILIORIG, DTINICIO, DTFIM, "
           "NMARQUIVO, DSSHA256, IDRESULTADO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .Bind(1, IsoDateTime(clock_.Now()))
        .Bind(2, attempt_.operatorCode)
        .Bind(3, attempt_.branch)
        .BindDate(4, attempt_.destinationStart)
        .Bind(5, attempt_.originBranch)
        .BindDate(6, attempt_.first)
        .BindDate(7, attempt_.last)
        .Bind(8, attempt_.fileName)
        .Bind(9, attempt_.sha256)
        .Bind(10, std::string_view(&outcome, 1))
        .Run();
    id_ = sqlite3_last_insert_rowid(db_.Handle());
    AddTexts('M', attempt_.mappings);
}

void ImportHistory::AddTexts(char type, const std::vector<std::string>& texts) {
    auto insert = db_.Prepare("INSERT INTO HISTTEXTO (NRHISTORICO, IDTIPO, NRORDEM, DSTEXTO) VALUES (?, ?, ?, ?)");
    insert.Bind(1, id_).Bind(2, std::string_view(&type, 1));
    for (size_t i = 0; i < texts.size(); ++i) insert.Bind(3, static_cast<int64_t>(i + 1)).Bind(4, texts[i]).Run();
}

uint64_t ImportHistory::KeepReplaced(const std::set<std::string>& services) {
    services_ = services;
    Open('G');
    auto service = db_.Prepare("INSERT INTO HISTSERVICO (NRHISTORICO, CDSERVFILI) VALUES (?, ?)");
    auto keep = db_.Prepare(
        "INSERT INTO HISTCARDAPIO (CDSERVFILI, DTCARDAPIO, CDDIETPAD, CDTIPOPRAT, NRSEQCNFMES, CDPRATO, QTCOMENSAIS) "
        "SELECT CDSERVFILI, DTCARDAPIO, CDDIETPAD, CDTIPOPRAT, NRSEQCNFMES, CDPRATO, QTCOMENSAIS FROM CARDAPIO "
        "WHERE CDFILIAL = ? AND CDSERVFILI = ? AND DTCARDAPIO BETWEEN ? AND ?");
    auto last = db_.Prepare("SELECT IFNULL(MAX(NRLINHA), 0) FROM HISTCARDAPIO");
    last.Step();
    const int64_t before = last.Integer(0);
    uint64_t kept = 0;
    for (const auto& code : services) {
        service.Bind(1, id_).Bind(2, code).Run();
        keep.Bind(1, attempt_.branch).Bind(2, code).BindDate(3, attempt_.first).BindDate(4, attempt_.last).Run();
        kept += static_cast<uint64_t>(sqlite3_changes(db_.Handle()));
    }
    db_.Prepare("UPDATE HISTIMPORTACAO SET NRLINHAINI = ?, NRLINHAFIM = ? WHERE NRHISTORICO = ?")
        .Bind(1, before + 1)
        .Bind(2, before + static_cast<int64_t>(kept))
        .Bind(3, id_)
        .Run();
    return kept;
}

void ImportHistory::Close(const ImportReport& report) {
    db_.Prepare(
           "UPDATE HISTIMPORTACAO SET QTGRAVADAS = ?, QTSUBSTITUIDAS = ?, QTSEMTIPO = ?, QTSEMSERVICO = ?, "
           "QTSEMDIETA = ? WHERE NRHISTORICO = ?")
        .Bind(1, static_cast<int64_t>(report.written))
        .Bind(2, static_cast<int64_t>(report.replaced))
        .Bind(3, static_cast<int64_t>(report.withoutDishType))
        .Bind(4, static_cast<int64_t>(report.withoutService))
        .Bind(5, static_cast<int64_t>(report.withoutDiet))
        .Bind(6, id_)
        .Run();
    AddTexts('R', report.reasons);
}

void ImportHistory::RecordWritten(const ImportReport& report, int64_t logEntry) {
    Close(report);
    db_.Prepare(
           "UPDATE HISTIMPORTACAO SET NRIMPORTACAO = ?, DSASSINATURA = ?, IDDESFAZIVEL = 'S' WHERE NRHISTORICO = ?")
        .Bind(1, logEntry)
        .Bind(2, Fingerprint(db_, attempt_.branch, services_, attempt_.first, attempt_.last))
        .Bind(3, id_)
        .Run();
    Prune();
}

void ImportHistory::RecordUnwritten(const ImportReport& report) {
    SqliteTransaction transaction(db_);
    Open(report.outcome == ImportReport::Outcome::Refused ? 'R' : 'F');
    Close(report);
    transaction.Commit();
}

void ImportHistory::Prune() {
    const std::string cutoff = IsoDateTime(TDateTime(clock_.Now().Value - undoKeepDays_));
    auto expired = db_.Prepare(
        "SELECT NRLINHAINI, NRLINHAFIM FROM HISTIMPORTACAO WHERE IDDESFAZIVEL = 'S' AND DTHRIMPORT < ?");
    expired.Bind(1, cutoff);
    auto drop = db_.Prepare("DELETE FROM HISTCARDAPIO WHERE NRLINHA BETWEEN ? AND ?");
    while (expired.Step()) drop.Bind(1, expired.Integer(0)).Bind(2, expired.Integer(1)).Run();
    db_.Prepare("UPDATE HISTIMPORTACAO SET IDDESFAZIVEL = 'N' WHERE IDDESFAZIVEL = 'S' AND DTHRIMPORT < ?")
        .Bind(1, cutoff)
        .Run();
}

// A 64-bit FNV-1a chain over the rows in key order: an edit is found unless it collides in 64
// bits, and reading the rows back stays a small part of the import.
std::string ImportHistory::Fingerprint(SqliteDatabase& db, const std::string& branch,
                                       const std::set<std::string>& services, TDateTime first, TDateTime last) {
    auto rows = db.Prepare(
        "SELECT DTCARDAPIO, CDDIETPAD, CDTIPOPRAT, CDPRATO, NRSEQCNFMES, QTCOMENSAIS FROM CARDAPIO "
        "WHERE CDFILIAL = ? AND CDSERVFILI = ? AND DTCARDAPIO BETWEEN ? AND ? "
        "ORDER BY DTCARDAPIO, CDDIETPAD, CDTIPOPRAT, NRSEQCNFMES, CDPRATO");
    uint64_t hash = 14695981039346656037ull;
    auto add = [&hash](std::string_view bytes) {
        for (const char byte : bytes) hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
        hash = (hash ^ 0x1f) * 1099511628211ull;
    };
    auto number = [&hash](int64_t value) {
        for (int shift = 0; shift < 64; shift += 8) hash = (hash ^ ((static_cast<uint64_t>(value) >> shift) & 0xff)) * 1099511628211ull;
    };
    uint64_t count = 0;
    for (const auto& service : services) {
        rows.Reset();
        rows.Bind(1, branch).Bind(2, service).BindDate(3, first).BindDate(4, last);
        add(service);
        while (rows.Step()) {
            for (int column = 0; column < 4; ++column) add(rows.TextView(column));
            number(rows.Integer(4));
            number(rows.Integer(5));
            ++count;
        }
    }
    char text[40];
    std::snprintf(text, sizeof text, "%016llx-%llu", static_cast<unsigned long long>(hash),
                  static_cast<unsigned long long>(count));
    return text;
}

}  // namespace appserver
