// Integration files are read only below the import root, whatever way a name takes out of it:
// climbing, an absolute path, or links (to a file, to a folder, chained, relative) met anywhere
// along the way. The file waiting outside is a valid integration file, so a refusal cannot come
// from its content; and nothing of it may reach the answer.
#include "ServerFixture.h"

#include <filesystem>

namespace appserver::testing {
namespace {

namespace fs = std::filesystem;

const std::string kOutsideMessage = "Arquivo fora das pastas de importação do servidor: ";

class ImportRootConfinementTest : public ServerFixture {
protected:
    void SetUp() override {
        ServerFixture::SetUp();
        // A sibling whose name starts with the root's own, so that a comparison of text
        // instead of path components would take it for the root.
        outside_ = dir_.parent_path() / (dir_.filename().string() + "-fora");
        fs::create_directories(outside_);
        fs::copy_file(dir_ / "cardapio-demo.txt", outside_ / "cardapio.txt");
        fs::create_directories(dir_ / "sub");
    }
    void TearDown() override {
        fs::remove_all(outside_);
        ServerFixture::TearDown();
    }
    Answer LoadFile(const std::string& name) {
        return Call("ImportaCardapio", {name, "OPER", "0003", Variant(), Variant(), Variant()});
    }
    std::string Outside() const { return outside_.filename().string(); }

    fs::path outside_;
};

struct Escape {
    const char* name;
    // Lays out the links the case needs and gives the file name to ask for.
    std::function<std::string(const fs::path& root, const fs::path& outside)> arrange;
};

void PrintTo(const Escape& escape, std::ostream* out) { *out << escape.name; }

class EscapeTest : public ImportRootConfinementTest, public ::testing::WithParamInterface<Escape> {};

TEST_P(EscapeTest, IsRefusedAsOutsideTheRoots) {
    const std::string name = GetParam().arrange(dir_, outside_);
    const Answer answer = LoadFile(name);
    EXPECT_FALSE(answer.ok);
    EXPECT_EQ(answer.message, kOutsideMessage + name);
    EXPECT_TRUE(answer.payload.IsNull());
}

INSTANTIATE_TEST_SUITE_P(
    ImportRoot, EscapeTest,
    ::testing::Values(
        Escape{"ClimbingToASibling",
               [](const fs::path&, const fs::path& outside) {
                   return "../" + outside.filename().string() + "/cardapio.txt";
               }},
        // A name that climbs is refused even where it would land back inside.
        Escape{"ClimbingBackInside", [](const fs::path&, const fs::path&) { return std::string("sub/../cardapio-demo.txt"); }},
        Escape{"ClimbingDeepFromASubfolder",
               [](const fs::path&, const fs::path&) { return std::string("sub/../../../../../../etc/passwd"); }},
        Escape{"AbsoluteSiblingSharingTheRootsName",
               [](const fs::path&, const fs::path& outside) { return (outside / "cardapio.txt").string(); }},
        Escape{"AbsoluteSystemFile", [](const fs::path&, const fs::path&) { return std::string("/etc/hostname"); }},
        Escape{"LinkToAFolderOutside",
               [](const fs::path& root, const fs::path& outside) {
                   fs::create_directory_symlink(outside, root / "pasta");
                   return std::string("pasta/cardapio.txt");
               }},
        Escape{"AbsoluteNameThroughALinkToAFolderOutside",
               [](const fs::path& root, const fs::path& outside) {
                   fs::create_directory_symlink(outside, root / "pasta");
                   return (root / "pasta" / "cardapio.txt").string();
               }},
        Escape{"RelativeLinkClimbingOut",
               [](const fs::path& root, const fs::path& outside) {
                   fs::create_symlink("../" + outside.filename().string() + "/cardapio.txt", root / "sobe.txt");
                   return std::string("sobe.txt");
               }},
        Escape{"ChainOfLinksEndingOutside",
               [](const fs::path& root, const fs::path& outside) {
                   fs::create_symlink(outside / "cardapio.txt", root / "sub" / "ultimo.txt");
                   fs::create_symlink("sub/ultimo.txt", root / "primeiro.txt");
                   return std::string("primeiro.txt");
               }},
        Escape{"LinkInASubfolderToAboveTheRoot",
               [](const fs::path& root, const fs::path& outside) {
                   fs::create_directory_symlink("../..", root / "sub" / "acima");
                   return "sub/acima/" + outside.filename().string() + "/cardapio.txt";
               }},
        Escape{"LinkToTheFileSystemRoot",
               [](const fs::path& root, const fs::path&) {
                   fs::create_directory_symlink("/", root / "raiz");
                   return std::string("raiz/etc/hostname");
               }}),
    [](const auto& info) { return std::string(info.param.name); });

// The refusals above are about where a link leads, not about links: links that stay inside are
// followed.
TEST_F(ImportRootConfinementTest, LinksThatStayInsideAreFollowed) {
    fs::copy_file(dir_ / "cardapio-demo.txt", dir_ / "sub" / "semana.txt");
    fs::create_directory_symlink(dir_ / "sub", dir_ / "atalho");
    fs::create_symlink("../cardapio-demo.txt", dir_ / "sub" / "demo.txt");
    for (const std::string& name : {std::string("atalho/semana.txt"), std::string("sub/demo.txt"),
                                    (dir_ / "atalho" / "demo.txt").string()})
        EXPECT_TRUE(LoadFile(name).ok) << name;
}

TEST_F(ImportRootConfinementTest, FilesAreFoundByRelativeOrAbsoluteNameBelowTheRoot) {
    fs::create_directories(dir_ / "março");
    fs::copy_file(dir_ / "cardapio-demo.txt", dir_ / "março" / "semana 10.txt");
    for (const std::string& name : {std::string("março/semana 10.txt"), (dir_ / "março" / "semana 10.txt").string(),
                                    std::string("  cardapio-demo.txt ")})
        EXPECT_TRUE(LoadFile(name).ok) << name;
}

// A link to nothing tells no more than a missing file: whether something exists outside the
// root stays unknown to the caller.
TEST_F(ImportRootConfinementTest, AMissingFileADanglingLinkOrAnEmptyNameSaySo) {
    fs::create_symlink(outside_ / "nada.txt", dir_ / "quebrado.txt");
    EXPECT_EQ(LoadFile("nao-existe.txt").message, "Arquivo não existe.");
    EXPECT_EQ(LoadFile("quebrado.txt").message, "Arquivo não existe.");
    EXPECT_EQ(LoadFile("   ").message, "Arquivo origem deve ser informado.");
}

// A file name cannot hold a NUL byte: a name carrying one names no file, even when the part
// before it does.
TEST_F(ImportRootConfinementTest, ANameWithANulByteNamesNoFile) {
    for (const std::string& name :
         {std::string("cardapio-demo.txt\0.bak", 23), std::string("/etc/hostname\0", 14),
          (dir_ / "cardapio-demo.txt").string() + std::string("\0/../../etc/hostname", 20)}) {
        const Answer answer = LoadFile(name);
        EXPECT_FALSE(answer.ok);
        EXPECT_EQ(answer.message, "Arquivo não existe.");
    }
}

// Folders below the root are no integration files; naming one fails, it does not break the call.
TEST_F(ImportRootConfinementTest, AFolderIsNoFile) {
    for (const std::string& name : {std::string("."), std::string("sub"), std::string("sub/"), dir_.string()}) {
        const Answer answer = LoadFile(name);
        EXPECT_FALSE(answer.ok) << name;
        EXPECT_FALSE(answer.message.empty()) << name;
    }
}

}  // namespace
}  // namespace appserver::testing
