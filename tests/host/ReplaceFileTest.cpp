#include "ReplaceFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

namespace {

std::string Content(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The path holds the old content or the new one, whole; nothing else is left in the folder.
TEST(ReplaceFileTest, ReplacesWholeOrLeavesThePathAsItWas) {
    const auto folder = std::filesystem::temp_directory_path() / ("replace-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(folder);
    const auto file = folder / "cardapio.txt";
    std::ofstream(file) << "antigo, e mais longo que o novo";

    EXPECT_EQ(ReplaceFile(file, std::string("novo\0\r\n", 7)), "");
    EXPECT_EQ(Content(file), std::string("novo\0\r\n", 7));
    EXPECT_NE(ReplaceFile(folder / "sem-pasta" / "x.txt", "x"), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << "a temporary file was left";
    std::filesystem::remove_all(folder);
}

}  // namespace
