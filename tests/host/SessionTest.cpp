#include "Session.h"

#include "SysUtils.h"

#include <gtest/gtest.h>

namespace {

class SessionTest : public ::testing::Test {
protected:
    void TearDown() override { Session::Current().Reset(); }
};

TEST_F(SessionTest, ServerAddressGivesWebUrlAndPort) {
    struct Case {
        const char* address;
        const char* host;
        int port;
    } cases[] = {
        {"", "embedded", 0},
        {"embedded", "embedded", 0},
        {"http://127.0.0.1:8211", "127.0.0.1", 8211},
        {"http://srv-krd:9000/", "srv-krd", 9000},
        {"http://srv-krd", "srv-krd", 80},
    };
    for (const auto& c : cases) {
        Session::Current().SetServerAddress(c.address);
        EXPECT_EQ(WebURL(), c.host) << c.address;
        EXPECT_EQ(WebPort(), c.port) << c.address;
    }
}

TEST_F(SessionTest, MalformedServerAddressIsRefusedAndTheOldOneKept) {
    Session::Current().SetServerAddress("http://127.0.0.1:8211");
    for (const char* bad : {"ftp://x:1", "127.0.0.1:8211", "http://", "http://h:0", "http://h:70000",
                            "http://h:12ab", "http://h:", "http://h/p:1"})
        EXPECT_THROW(Session::Current().SetServerAddress(bad), EConvertError) << bad;
    EXPECT_EQ(WebURL(), "127.0.0.1");
    EXPECT_EQ(WebPort(), 8211);
}

TEST_F(SessionTest, RoutinesReadTheSessionAndFormatSettingsFollowIt) {
    Session& session = Session::Current();
    session.BranchCode = "0002";
    session.BranchName = "Filial Centro";
    session.BranchMode = true;
    session.OperatorCode = "OPER01";
    session.ModuleAcronym = "KRD";
    EXPECT_EQ(FiliProc(), "0002");
    EXPECT_EQ(NomeFiliProc(), "Filial Centro");
    EXPECT_TRUE(ModuFili());
    EXPECT_EQ(Operador(), "OPER01");
    EXPECT_EQ(_SiglaModulo(), "KRD");

    session.SetFormatSettings(TFormatSettings::English());
    EXPECT_EQ(FormatDateTime("ddd", EncodeDate(2024, 3, 1)), "Fri");
    session.Reset();
    EXPECT_EQ(FormatDateTime("ddd", EncodeDate(2024, 3, 1)), TFormatSettings::BrazilianPortuguese().ShortDayNames[5]);
    EXPECT_FALSE(ModuFili());
}

}  // namespace

namespace {

// A login starts from a blank session: nothing of the user before survives it.
TEST_F(SessionTest, LogInReplacesTheWholeSession) {
    Session& session = Session::Current();
    session.BranchName = "Filial anterior";
    session.ServerAnswerSeconds = 3;
    session.LogIn({"OPER", "0003", true, "KRD", "http://127.0.0.1:8211", "segredo", ""});
    EXPECT_EQ(FiliProc(), "0003");
    EXPECT_TRUE(ModuFili());
    EXPECT_EQ(Operador(), "OPER");
    EXPECT_EQ(_SiglaModulo(), "KRD");
    EXPECT_EQ(WebURL(), "127.0.0.1");
    EXPECT_EQ(WebPort(), 8211);
    EXPECT_EQ(session.ServerToken, "segredo");
    EXPECT_EQ(NomeFiliProc(), "");
    EXPECT_EQ(session.ServerAnswerSeconds, 0);
    EXPECT_THROW(session.LogIn({"OPER", "0003", false, "KRD", "ftp://srv", "", ""}), EConvertError);
}

}  // namespace
