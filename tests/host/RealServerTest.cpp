// The connection against the real application server, in process and over HTTP on loopback,
// on a demonstration database.
#include "DataPacket.h"
#include "DemoCompany.h"
#include "ApplicationServer.h"
#include "EmbeddedTransport.h"
#include "ErrorReporting.h"
#include "HttpServer.h"
#include "IntegraCardapioModule.h"
#include "ScriptedDialogsTest.h"
#include "Session.h"
#include "SysUtils.h"
#include "TClientDataSet.h"
#include "TField.h"
#include "TNetConnection.h"

#include <filesystem>

namespace {

class RealServer : public ScriptedDialogsTest {
protected:
    void SetUp() override {
        ScriptedDialogsTest::SetUp();
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() / ("host-server-" + std::string(test->name()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        appserver::DemoCompany::Create((folder_ / "company.db").string(), folder_ / "demo.txt");
        module_ = std::make_unique<appserver::ApplicationServer>(
            appserver::ServerConfig{(folder_ / "company.db").string(), {folder_}});
        connection_.ServerName = appserver::IntegraCardapioModule::kName;
        connection_.BeforeConnect = [this](TComponent*) {
            connection_.Host = WebURL();
            connection_.Port = WebPort();
        };
    }
    void TearDown() override {
        connection_.Close();
        server_.reset();
        InstallEmbeddedDispatcher({});
        Session::Current().Reset();
        module_.reset();
        std::filesystem::remove_all(folder_);
        ScriptedDialogsTest::TearDown();
    }
    // Serves the module on a loopback port and points the session at it. The connection is
    // closed before the server stops (TearDown), so no kept-alive worker holds the stop up.
    void ServeOverHttp(const std::string& token) {
        server_ = std::make_unique<appserver::HttpServer>(*module_, appserver::HttpServerOptions{"127.0.0.1", 0, token});
        Session::Current().SetServerAddress("http://127.0.0.1:" + std::to_string(server_->Start()));
    }
    // The integration parameters as a screen reads them: checked, then loaded into a dataset.
    std::string IntegrationMode() {
        TClientDataSet parameters(nullptr);
        parameters.SetData(CheckResultServ(connection_.Call("GetParamIntegra"), true, 0));
        return parameters.FieldByName("IDMODMATRIZFILI")->AsString();
    }

    std::filesystem::path folder_;
    std::unique_ptr<appserver::ApplicationServer> module_;
    std::unique_ptr<appserver::HttpServer> server_;
    TNetConnection connection_;
};

TEST_F(RealServer, EmbeddedAndHttpGiveTheSameAnswers) {
    InstallEmbeddedDispatcher([this](const std::string& method, const Variant::Array& args) {
        return module_->Dispatch(method, args);
    });
    connection_.Open();
    EXPECT_EQ(IntegrationMode(), "T");
    Variant embedded = connection_.Call("GetPesqServ", {appserver::DemoCompany::kOriginBranch});
    connection_.Close();

    ServeOverHttp("s3cret");
    Session::Current().ServerToken = "s3cret";
    connection_.Open();
    EXPECT_EQ(connection_.Host, "127.0.0.1");
    EXPECT_EQ(IntegrationMode(), "T");
    EXPECT_EQ(connection_.Call("GetPesqServ", {appserver::DemoCompany::kOriginBranch}), embedded);
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(RealServer, ServerRefusalsAreShownAndAbortTheCaller) {
    ServeOverHttp("s3cret");
    Session::Current().ServerToken = "wrong";
    connection_.Open();
    EXPECT_THROW(CheckResultServ(connection_.Call("GetParamIntegra"), true, 0), EAbort);
    connection_.Close();

    Session::Current().ServerToken = "s3cret";
    connection_.Open();
    EXPECT_THROW(CheckResultServ(connection_.Call("GetPesqServ", {}), true, 0), EAbort);  // argument missing
    ASSERT_EQ(dialogs.Texts().size(), 2u);
    EXPECT_NE(dialogs.Texts()[0].find("(HTTP 401): token de acesso ausente ou errado"), std::string::npos)
        << dialogs.Texts()[0];
    EXPECT_FALSE(dialogs.Texts()[1].empty());
}

}  // namespace
