#include "ServerFixture.h"

#include "Text.h"

#include <fstream>
#include <sstream>

namespace appserver::testing {
namespace {

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

class MenuExportTest : public ServerFixture {
protected:
    Answer Export(const std::string& branch, const Variant& services = Variant(), const std::string& target = "",
                  TDateTime first = EncodeDate(2025, 3, 3), TDateTime last = EncodeDate(2025, 3, 9)) {
        return Call("ExportaCardapio", {branch, first, last, services, target});
    }
};

TEST_F(MenuExportTest, Smoke) {
    ASSERT_TRUE(LoadAndImport("0001").ok);
    Answer answer = Export("0001");
    ASSERT_TRUE(answer.ok) << answer.message;
    const std::string text = EncodeWindows1252(answer.payload[6].AsString());
    const std::string demo = Bytes(dir_ / "cardapio-demo.txt");
    EXPECT_EQ(text.substr(text.find("\r\n")), demo.substr(demo.find("\r\n")));
    Answer written = Export("0001", Variant(), (dir_ / "out.txt").string());
    ASSERT_TRUE(written.ok) << written.message;
    EXPECT_EQ(Bytes(dir_ / "out.txt"), text);
    std::cerr << answer.payload[1].AsInteger() << " " << answer.payload[5].AsInteger() << "\n";
}

}  // namespace
}  // namespace appserver::testing
