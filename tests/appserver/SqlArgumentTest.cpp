// Text a caller sends is data, never part of a statement: quotes, statement separators, comments,
// LIKE wildcards, parameter markers and NUL bytes in any text argument of any method are compared
// and stored byte for byte. A lookup given such a text answers exactly as for an unknown plain
// code; a write stores it as it came; nothing answers with a database error.
#include "ServerFixture.h"
#include "SqliteStatement.h"
#include "Text.h"

#include <fstream>

namespace appserver::testing {
namespace {

struct Hostile {
    const char* name;
    std::string text;
};

void PrintTo(const Hostile& hostile, std::ostream* out) { *out << hostile.name; }

const Hostile kHostile[] = {
    {"Quote", "'"},
    {"DoubleQuote", "\""},
    {"AlwaysTrue", "' OR '1'='1"},
    {"CodeThenComment", "0001' --"},
    {"StackedStatement", "0001'; DROP TABLE FILIAL; --"},
    {"Union", "' UNION SELECT CDFILIAL, NMFILIAL FROM FILIAL --"},
    {"Percent", "%"},
    {"Underscore", "_"},
    {"WildcardLikeACode", "000_"},
    {"PrefixWildcard", "0%"},
    {"BlockComment", "/*"},
    {"ParameterMarkers", "?1 :a @a $a"},
    {"Backslash", "0001\\"},
    {"Nul", std::string("\0", 1)},
    {"CodeThenNul", std::string("0001\0", 5)},
    {"NulThenAlwaysTrue", std::string("0001\0' OR '1'='1", 16)},
};

class SqlArgumentTest : public ServerFixture, public ::testing::WithParamInterface<Hostile> {
protected:
    const std::string& HostileText() const { return GetParam().text; }

    // Rows of a query with one bound text, counted: the test's own reading of what was stored.
    int64_t CountWhere(const std::string& sql, const std::string& value) {
        SqliteDatabase db(dbPath_);
        auto query = db.Prepare(sql);
        query.Bind(1, value).Step();
        return query.Integer(0);
    }
    int64_t Fingerprint() {
        return Count("SELECT (SELECT COUNT(*) FROM CARDAPIO) * 1000003 + (SELECT COUNT(*) FROM LOGIMPORTACAO) * 7 "
                     "+ (SELECT COUNT(*) FROM FILIAL) + (SELECT COUNT(*) FROM DIRETORIO) * 13");
    }
    static void ExpectNoStoreError(const Answer& answer) {
        EXPECT_EQ(answer.message.find("banco de dados"), std::string::npos) << answer.message;
    }
};

// --- lookups ----------------------------------------------------------------------------------

struct Lookup {
    const char* method;
    Variant::Array args;   // a call that finds rows
    Variant::Array plain;  // per argument, a plain value the text must behave like (Null: not text)
};

const Lookup kLookups[] = {
    {"GetPesqServ", {"0001"}, {"ZZZZ"}},
    // The scope "X" is replaced by a plain scope that is neither "T" nor "X"; the module acronym
    // changes nothing, so it must keep answering as the real one.
    {"GetVd_Serv", {"0001", "00002", "0002", "X", "KRD"}, {"ZZZZ", "ZZZZZ", "ZZZZ", "ZZ", "KRD"}},
    {"GetVd_DietaDestino", {"0001", "00002", "0002", "X"}, {"ZZZZ", "ZZZZZ", "ZZZZ", "ZZ"}},
    // The scope of GetVd_TipoPratOrig names a day; any other text is refused before the store.
    {"GetVd_TipoPratOrig", {"0001", "00002", "0002", "X"}, {"ZZZZ", "ZZZZZ", "0002", Variant()}},
    {"GetPesqTipoPrat", {"0001", "00002", EncodeDate(2025, 3, 3)}, {"ZZZZ", "ZZZZZ", Variant()}},
};

TEST_P(SqlArgumentTest, EveryLookupArgumentActsAsAnUnknownPlainValue) {
    for (const auto& lookup : kLookups) {
        ASSERT_TRUE(Call(lookup.method, lookup.args).ok) << lookup.method;
        for (size_t i = 0; i < lookup.args.size(); ++i) {
            if (lookup.plain[i].IsNull()) continue;
            Variant::Array hostile = lookup.args, plain = lookup.args;
            hostile[i] = HostileText();
            plain[i] = lookup.plain[i];
            const Answer answer = Call(lookup.method, hostile);
            ASSERT_TRUE(answer.ok) << lookup.method << " argument " << i + 1 << ": " << answer.message;
            EXPECT_EQ(EncodeVariant(answer.payload), EncodeVariant(Payload(lookup.method, plain)))
                << lookup.method << " argument " << i + 1;
        }
    }
}

// Registered under the very text, a branch is found by that text and by no other.
TEST_P(SqlArgumentTest, ABranchCodedWithTheTextIsFoundByItAlone) {
    {
        SqliteDatabase db(dbPath_);
        db.Prepare("INSERT INTO FILIAL VALUES (?, 'Filial estranha', 'N')").Bind(1, HostileText()).Run();
        db.Prepare("INSERT INTO SERVFILI VALUES (?, '00077', 'Serviço estranho', 'N')").Bind(1, HostileText()).Run();
    }
    EXPECT_EQ(Column(Payload("GetPesqServ", {HostileText()}), "NMSERVICO"), std::vector<std::string>{"Serviço estranho"});
    EXPECT_EQ(Payload("GetPesqServ", {"0001"}).AsPacket().Rows.size(), 5u);
    for (const auto& other : kHostile) {
        if (other.text == HostileText()) continue;
        EXPECT_EQ(Payload("GetPesqServ", {other.text}).AsPacket().Rows.size(), 0u) << other.name;
    }
}

// --- the directory ----------------------------------------------------------------------------

TEST_P(SqlArgumentTest, TheDirectoryIsStoredAsSent) {
    Payload("SetDiretorio", {DirectoryDelta(RowKind::Modified, "KRD52100", HostileText())});
    EXPECT_EQ(Column(Payload("GetDiretorio", {}), "DSDIRETORIO"), std::vector<std::string>{HostileText()});
    EXPECT_EQ(Count("SELECT COUNT(*) FROM DIRETORIO"), 1);
}

// A program code made of the text touches its own row only, whatever the change.
TEST_P(SqlArgumentTest, AProgramCodeTouchesItsOwnRowOnly) {
    const Variant before = Payload("GetDiretorio", {});
    const std::string stored = Utf8Left(HostileText(), 8);
    for (RowKind kind : {RowKind::Inserted, RowKind::Modified}) {
        ExpectNoStoreError(Call("SetDiretorio", {DirectoryDelta(kind, HostileText(), "/estranho")}));
        EXPECT_EQ(CountWhere("SELECT COUNT(*) FROM DIRETORIO WHERE CDPROGRAMA = ? AND DSDIRETORIO = '/estranho'", stored),
                  1);
    }
    ExpectNoStoreError(Call("SetDiretorio", {DirectoryDelta(RowKind::Deleted, HostileText(), "")}));
    EXPECT_EQ(CountWhere("SELECT COUNT(*) FROM DIRETORIO WHERE CDPROGRAMA = ?", stored), 0);
    EXPECT_EQ(EncodeVariant(Payload("GetDiretorio", {})), EncodeVariant(before));
}

// --- the import -------------------------------------------------------------------------------

Variant::Array ImportCall(const std::string& file, const std::string& operatorCode, const std::string& branch,
                          const Variant& load) {
    return {file, operatorCode, branch, load[2], load[3], load[4]};
}

TEST_P(SqlArgumentTest, TheOperatorIsLoggedAsSent) {
    const Variant load = Load("0003");
    const Answer answer = Call("ImportaCardapio", ImportCall("cardapio-demo.txt", HostileText(), "0003", load));
    ASSERT_TRUE(answer.ok) << answer.message;
    EXPECT_EQ(answer.payload[0].AsString(), "OK");
    EXPECT_EQ(Count("SELECT COUNT(*) FROM LOGIMPORTACAO"), 1);
    EXPECT_EQ(CountWhere("SELECT COUNT(*) FROM LOGIMPORTACAO WHERE CDOPERADOR = ?", HostileText()), 1);
}

TEST_P(SqlArgumentTest, AFileNamedWithTheTextIsReadAndLoggedUnderItsName) {
    const std::string name = "semana " + HostileText() + ".txt";
    if (name.find('\0') != std::string::npos) {
        EXPECT_EQ(Call("ImportaCardapio", {name, "OPER", "0003", Variant(), Variant(), Variant()}).message,
                  "Arquivo não existe.");
        return;
    }
    std::filesystem::create_directories((dir_ / name).parent_path());  // the text may hold a slash
    std::filesystem::copy_file(dir_ / "cardapio-demo.txt", dir_ / name);
    const Answer answer = Call("ImportaCardapio", ImportCall(name, "OPER", "0003", Load("0003", name)));
    ASSERT_TRUE(answer.ok) << answer.message;
    EXPECT_EQ(CountWhere("SELECT COUNT(*) FROM LOGIMPORTACAO WHERE NMARQUIVO = ?", name), 1);
}

TEST_P(SqlArgumentTest, ABranchMadeOfTheTextIsNotRegistered) {
    const Variant load = Load("0003");
    const int64_t before = Fingerprint();
    EXPECT_EQ(Call("ImportaCardapio", {"cardapio-demo.txt", "OPER", HostileText(), Variant(), Variant(), Variant()})
                  .message,
              "Filial não cadastrada.");
    EXPECT_EQ(Call("ImportaCardapio", ImportCall("cardapio-demo.txt", "OPER", HostileText(), load)).message,
              "Filial não cadastrada.");
    EXPECT_EQ(Fingerprint(), before);
}

// A destination code in the mapping tables made of the text matches nothing registered: the
// import is refused and writes nothing.
TEST_P(SqlArgumentTest, AMappedDestinationCodeMadeOfTheTextWritesNothing) {
    const Variant load = Load("0003");
    const int64_t before = Fingerprint();
    const auto every = [](const DataPacket&, size_t) { return true; };
    const Variant::Array calls[] = {
        {"cardapio-demo.txt", "OPER", "0003", Change(load[2], "CDSERVFILIDEST", HostileText(), every), load[3], load[4]},
        {"cardapio-demo.txt", "OPER", "0003", load[2], Change(load[3], "CDDIETDEST", HostileText(), every), load[4]},
        {"cardapio-demo.txt", "OPER", "0003", load[2], load[3], Change(load[4], "CDTIPODEST", HostileText(), every)},
    };
    for (const auto& call : calls) {
        const Answer answer = Call("ImportaCardapio", call);
        EXPECT_FALSE(answer.ok);
        EXPECT_FALSE(answer.message.empty());
        ExpectNoStoreError(answer);
        EXPECT_EQ(Fingerprint(), before) << answer.message;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, SqlArgumentTest, ::testing::ValuesIn(kHostile),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace appserver::testing
