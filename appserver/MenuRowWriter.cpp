#include "MenuRowWriter.h"

namespace appserver {

namespace {

constexpr int kColumns = 8;

std::string InsertSql(int rows) {
    std::string sql =
        "INSERT INTO CARDAPIO (CDFILIAL, CDSERVFILI, DTCARDAPIO, CDDIETPAD, CDTIPOPRAT, NRSEQCNFMES, CDPRATO, "
        "QTCOMENSAIS) VALUES ";
    for (int row = 0; row < rows; ++row) sql += row == 0 ? "(?, ?, ?, ?, ?, ?, ?, ?)" : ", (?, ?, ?, ?, ?, ?, ?, ?)";
    return sql + " ON CONFLICT DO UPDATE SET QTCOMENSAIS = QTCOMENSAIS + excluded.QTCOMENSAIS";
}

}  // namespace

MenuRowWriter::MenuRowWriter(SqliteDatabase& db, const std::string& branch)
    : many_(db, InsertSql(kRowsPerStatement)), one_(db, InsertSql(1)) {
    for (int row = 0; row < kRowsPerStatement; ++row) many_.Bind(row * kColumns + 1, branch);
    one_.Bind(1, branch);
}

void MenuRowWriter::Bind(SqliteStatement& statement, int firstParameter, const MenuRow& row) {
    statement.BindUncopied(firstParameter + 1, row.service)
        .BindUncopied(firstParameter + 2, row.date)
        .BindUncopied(firstParameter + 3, row.diet)
        .BindUncopied(firstParameter + 4, row.dishType)
        .Bind(firstParameter + 5, row.sequence)
        .BindUncopied(firstParameter + 6, row.dish)
        .Bind(firstParameter + 7, row.diners);
}

void MenuRowWriter::Add(const MenuRow& row) {
    held_[static_cast<size_t>(heldCount_++)] = row;
    if (heldCount_ < kRowsPerStatement) return;
    for (int i = 0; i < kRowsPerStatement; ++i) Bind(many_, i * kColumns + 1, held_[static_cast<size_t>(i)]);
    heldCount_ = 0;
    many_.Run();
}

void MenuRowWriter::Flush() {
    for (int i = 0; i < heldCount_; ++i) {
        Bind(one_, 1, held_[static_cast<size_t>(i)]);
        one_.Run();
    }
    heldCount_ = 0;
}

}  // namespace appserver
