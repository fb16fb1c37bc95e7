#include "IntegrationFileReader.h"
#include "SyntheticMenuFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <random>
#include <sstream>

namespace {

using ::testing::MatchesRegex;

// The seed corpus for fuzzing: files named valid-* must read, invalid-* must be refused.
const std::filesystem::path kCorpus =
    std::filesystem::path(__FILE__).parent_path() / "corpus" / "integration-file";

// Parses a copy in a buffer of exactly its size, so that AddressSanitizer sees any read past it.
IntegrationFileReadResult ParseExact(std::string_view bytes) {
    auto buffer = std::make_unique<char[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), buffer.get());
    size_t handed = 0;
    auto result = IntegrationFileReader::Parse(std::string_view(buffer.get(), bytes.size()),
                                               [&](const MenuLine&) { ++handed; });
    EXPECT_EQ(handed, result.menuLines);
    return result;
}

void ExpectVerdict(const IntegrationFileReadResult& result) {
    if (!result.ok) {
        EXPECT_THAT(result.error, MatchesRegex(".*linha [0-9]+(, campo [0-9]+)?\\)?: .+"));
    }
}

TEST(IntegrationFileCorpus, ValidFilesReadAndInvalidOnesAreRefused) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus)) {
        std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        std::ifstream in(entry.path(), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        auto result = ParseExact(bytes);
        EXPECT_EQ(result.ok, name.starts_with("valid-")) << result.error;
        ExpectVerdict(result);
        ++files;
    }
    EXPECT_GE(files, 6);
}

std::string SmallFile() {
    SyntheticMenuSettings settings;
    settings.services = 2;
    settings.dietsPerService = 2;
    settings.dishTypesPerService = 3;
    settings.dishes = 4;
    settings.days = 2;
    settings.menuLines = 12;
    std::ostringstream out;
    SyntheticMenuFile(settings).Write(out);
    return out.str();
}

TEST(IntegrationFileRobustness, EveryCutOfAValidFileIsJudgedWithoutOverreading) {
    std::string bytes = SmallFile();
    for (size_t size = 0; size < bytes.size(); ++size) {
        auto result = ParseExact(std::string_view(bytes).substr(0, size));
        ExpectVerdict(result);
        if (result.ok) {
            EXPECT_TRUE(bytes[size - 1] == '\r' || bytes[size - 1] == '\n') << size;
        }
    }
}

TEST(IntegrationFileRobustness, CorruptedBytesAreJudgedWithoutOverreading) {
    const std::string original = SmallFile();
    const char interesting[] = {'\xF8', '\r', '\n', '0', '9', ' ', '\0', '\xFF'};
    std::mt19937 random(20240101);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = original;
        for (int change = 0; change < 1 + round % 4; ++change) {
            size_t at = random() % bytes.size();
            bytes[at] =
                random() % 2 ? interesting[random() % sizeof interesting] : static_cast<char>(random());
        }
        ExpectVerdict(ParseExact(bytes));
    }
}

} // namespace
