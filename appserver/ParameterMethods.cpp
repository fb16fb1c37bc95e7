#include "ParameterMethods.h"

#include "Answer.h"
#include "PacketBuilder.h"
#include "PacketLayouts.h"
#include "SqliteStatement.h"
#include "Text.h"

namespace appserver {

namespace {
constexpr const char* kProgram = "KRD52100";
constexpr size_t kDirectorySize = 100;
constexpr size_t kProgramSize = 8;
}  // namespace

ParameterMethods::ParameterMethods(SqliteDatabase& db) : db_(db) {}

Variant ParameterMethods::GetDiretorio() {
    auto query = db_.Prepare("SELECT CDPROGRAMA, DSDIRETORIO FROM DIRETORIO WHERE CDPROGRAMA = ?");
    query.Bind(1, kProgram);
    PacketBuilder packet(layouts::Diretorio());
    while (query.Step()) packet.Add({query.Text(0), query.Text(1)});
    return Answer::Success(packet.Take());
}

Variant ParameterMethods::GetParamIntegra() {
    auto query = db_.Prepare(
        "SELECT IDINTMATRIZFIL, IDMODMATRIZFILI, IDAUTMATRIZFILI, IDVALPERIODOINT, DSDIRMATRIZFILI "
        "FROM PARAMINTEGRACAO ORDER BY IDINTMATRIZFIL LIMIT 1");
    PacketBuilder packet(layouts::ParamIntegracao());
    while (query.Step())
        packet.Add({query.Text(0), query.Text(1), query.Text(2), query.Text(3), query.Text(4)});
    return Answer::Success(packet.Take());
}

Variant ParameterMethods::SetDiretorio(const Variant& delta) {
    if (!delta.IsPacket()) return Answer::Failure("SetDiretorio: o argumento deve ser um pacote de dados.");
    const DataPacket& packet = delta.AsPacket();
    const auto program = packet.FieldIndex("CDPROGRAMA");
    const auto directory = packet.FieldIndex("DSDIRETORIO");
    if (!program || !directory)
        return Answer::Failure("SetDiretorio: o pacote deve ter os campos CDPROGRAMA e DSDIRETORIO.");

    SqliteTransaction transaction(db_);
    auto store = db_.Prepare(
        "INSERT INTO DIRETORIO (CDPROGRAMA, DSDIRETORIO) VALUES (?, ?) "
        "ON CONFLICT (CDPROGRAMA) DO UPDATE SET DSDIRETORIO = excluded.DSDIRETORIO");
    auto remove = db_.Prepare("DELETE FROM DIRETORIO WHERE CDPROGRAMA = ?");
    for (const auto& row : packet.Rows) {
        const std::string code = Utf8Left(row.Values[*program].AsString(), kProgramSize);
        if (code.empty()) return Answer::Failure("SetDiretorio: CDPROGRAMA não informado.");
        if (row.Kind == RowKind::Inserted || row.Kind == RowKind::Modified) {
            store.Bind(1, code).Bind(2, Utf8Left(row.Values[*directory].AsString(), kDirectorySize)).Run();
        } else if (row.Kind == RowKind::Deleted) {
            remove.Bind(1, code).Run();
        }
    }
    transaction.Commit();
    return Answer::Success(Variant());
}

}  // namespace appserver
