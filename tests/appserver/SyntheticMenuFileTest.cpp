#include "SyntheticMenuFile.h"
#include "IntegrationFileReader.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <stdexcept>

namespace {

std::string Written(const SyntheticMenuSettings& settings) {
    std::ostringstream out;
    SyntheticMenuFile(settings).Write(out);
    return out.str();
}

TEST(SyntheticMenuFile, SameSeedSameBytesOtherSeedOtherBytes) {
    SyntheticMenuSettings settings;
    settings.menuLines = 500;
    std::string first = Written(settings);
    EXPECT_EQ(Written(settings), first);
    settings.seed = 2;
    EXPECT_NE(Written(settings), first);
}

TEST(SyntheticMenuFile, WritesTheRequestedSizesAsAValidFile) {
    SyntheticMenuSettings settings;
    settings.services = 3;
    settings.dietsPerService = 2;
    settings.dishTypesPerService = 13;
    settings.dishes = 7;
    settings.days = 5;
    settings.menuLines = 1000; // more lines than the 390 slots: each slot gets two or three dishes
    std::set<std::string> services;
    std::set<double> days;
    auto result = IntegrationFileReader::Parse(Written(settings), [&](const MenuLine& line) {
        services.emplace(line.service);
        days.insert(line.date.Value);
    });

    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.menuLines, 1000u);
    EXPECT_EQ(result.file.services.size(), 3u);
    EXPECT_EQ(result.file.diets.size(), 6u);
    EXPECT_EQ(result.file.dishTypes.size(), 39u);
    EXPECT_EQ(result.file.dishes.size(), 7u);
    EXPECT_EQ(services.size(), 3u);
    EXPECT_EQ(days.size(), 5u);
    EXPECT_EQ(result.file.header.lastDay, result.file.header.firstDay + 4);
}

TEST(SyntheticMenuFile, FewerLinesThanSlotsStillCoverTheWholeRange) {
    SyntheticMenuSettings settings;
    settings.services = 10;
    settings.days = 30;
    settings.menuLines = 10;
    std::set<std::string> services;
    auto result = IntegrationFileReader::Parse(Written(settings),
                                               [&](const MenuLine& line) { services.emplace(line.service); });
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(services.size(), 10u);
}

TEST(SyntheticMenuFile, RefusesSizesTheFormatCannotHold) {
    SyntheticMenuSettings settings;
    settings.dishTypesPerService = 100; // a dish type's sequence has two digits
    EXPECT_THROW(SyntheticMenuFile{settings}, std::invalid_argument);
    settings.dishTypesPerService = 6;
    settings.services = 0;
    EXPECT_THROW(SyntheticMenuFile{settings}, std::invalid_argument);
}

} // namespace
