#include "IntegrationFileReader.h"
#include "IntegrationFileWriter.h"
#include "SyntheticMenuFile.h"
#include "Text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <unistd.h>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// Test files are written readably: '|' stands for the separator byte and '\n' for CR LF; the
// text is UTF-8 and goes to disk as Windows-1252.
std::string FileBytes(std::string_view readable, std::string_view lineEnd = "\r\n") {
    std::string bytes;
    for (char c : EncodeWindows1252(readable)) {
        if (c == '|')
            bytes += '\xF8';
        else if (c == '\n')
            bytes += lineEnd;
        else
            bytes += c;
    }
    return bytes;
}

const std::string kDefinitions = "CARDAPIO|0002|FILIAL SUL|20240101|20240131|\n"
                                 "SERVICO|00001|Almoço|N|\n"
                                 "DIETA|00001|0001|Livre|\n"
                                 "TIPOPRATO|00001|01|1|1|Prato Principal|N|\n"
                                 "TIPOPRATO|00001|01|2|2|Prato Principal|S|\n"
                                 "PRATO|000001|Arroz à grega|\n";
const std::string kMenuLine = "ITEM|00001|20240102|0001|01|1|000001|120|\n";

std::vector<std::string> MenuLinesOf(std::string_view bytes) {
    std::vector<std::string> lines;
    auto result = IntegrationFileReader::Parse(bytes, [&](const MenuLine& line) {
        std::ostringstream text;
        IntegrationFileWriter(text).Write(line);
        lines.push_back(text.str());
    });
    EXPECT_TRUE(result.ok) << result.error;
    return lines;
}

std::string Synthetic(SyntheticMenuSettings settings) {
    std::ostringstream out;
    SyntheticMenuFile(std::move(settings)).Write(out);
    return out.str();
}

TEST(IntegrationFileReader, WriterOutputReadsBackToTheSameBytes) {
    SyntheticMenuSettings settings;
    settings.services = 4;
    settings.dishTypesPerService = 14; // past the list of names: options of earlier dish types
    settings.menuLines = 3000;
    std::string original = Synthetic(settings);

    std::ostringstream rewritten;
    IntegrationFileWriter writer(rewritten);
    auto result = IntegrationFileReader::Parse(original, {});
    ASSERT_TRUE(result.ok) << result.error;
    writer.Write(result.file);
    result = IntegrationFileReader::Parse(original, [&](const MenuLine& line) { writer.Write(line); });

    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.menuLines, 3000u);
    EXPECT_EQ(rewritten.str(), original);
}

TEST(IntegrationFileReader, DecodesDefinitionsAndMenuLines) {
    std::vector<MenuLine> seen;
    std::vector<std::string> dishes;
    auto result =
        IntegrationFileReader::Parse(FileBytes(kDefinitions + kMenuLine), [&](const MenuLine& line) {
            seen.push_back(line);
            dishes.emplace_back(line.dish);
        });

    ASSERT_TRUE(result.ok) << result.error;
    const IntegrationFile& file = result.file;
    EXPECT_EQ(file.header.originBranch, "0002");
    EXPECT_EQ(file.header.firstDay, EncodeDate(2024, 1, 1));
    EXPECT_EQ(file.header.lastDay, EncodeDate(2024, 1, 31));
    ASSERT_EQ(file.services.size(), 1u);
    EXPECT_EQ(file.services[0].name, "Almoço");
    EXPECT_FALSE(file.services[0].hospital);
    ASSERT_EQ(file.dishTypes.size(), 2u);
    EXPECT_EQ(file.dishTypes[1].sequence, 2);
    EXPECT_TRUE(file.dishTypes[1].option);
    EXPECT_EQ(file.dishes[0].name, "Arroz à grega");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].date, EncodeDate(2024, 1, 2));
    EXPECT_EQ(seen[0].sequence, 1);
    EXPECT_EQ(seen[0].diners, 120);
    EXPECT_EQ(dishes[0], "000001");
}

TEST(IntegrationFileReader, HeaderNameIsDecodedFromWindows1252) {
    std::string header = "CARDAPIO\xF8"
                         "0007\xF8S\xC3O JOS\xC9 \x96 A\xC7\xDA"
                         "CAR\xF8"
                         "20240101\xF8"
                         "20240101\xF8\r\n";
    auto result = IntegrationFileReader::Parse(header, {});
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.file.header.originBranchName, "SÃO JOSÉ – AÇÚCAR");
}

TEST(IntegrationFileReader, AcceptsEveryLineEnd) {
    std::string text = kDefinitions + kMenuLine + kMenuLine;
    for (std::string_view lineEnd : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(lineEnd)));
        EXPECT_EQ(MenuLinesOf(FileBytes(text, lineEnd)).size(), 2u);
    }
    std::string mixed = FileBytes(kDefinitions) + FileBytes(kMenuLine, "\n") + FileBytes(kMenuLine, "\r");
    EXPECT_EQ(MenuLinesOf(mixed).size(), 2u);
}

struct Refusal {
    const char* what;
    std::string readable;
    std::string error;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.what; }

class IntegrationFileRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(IntegrationFileRefusal, NamesLineFieldAndReason) {
    auto result = IntegrationFileReader::Parse(FileBytes(GetParam().readable), {});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, GetParam().error);
}

const std::string kHeaderOnly = "CARDAPIO|0002|FILIAL SUL|20240101|20240131|\n";

std::string WithMenuLine(std::string_view line) {
    return kDefinitions + std::string(line);
}

INSTANTIATE_TEST_SUITE_P(
    IntegrationFileReader, IntegrationFileRefusal,
    ::testing::Values(
        Refusal{"EmptyFile", "", "line 1: empty file, expected the header line"},
        Refusal{"LowerCaseFileType", "cardapio|0002|SUL|20240101|20240131|\n",
                "line 1, field 1: file type must be \"CARDAPIO\", found \"cardapio\""},
        Refusal{"HeaderWithoutSeparator", "CARDAPIO\n", "line 1, field 1: not terminated by the separator"},
        Refusal{"HeaderLastDayUnterminated", "CARDAPIO|0002|SUL|20240101|20240131\n",
                "line 1, field 5: not terminated by the separator"},
        Refusal{"HeaderMonth13", "CARDAPIO|0002|SUL|20241301|20241231|\n",
                "line 1, field 4: first day \"20241301\" is not a day written as yyyymmdd"},
        Refusal{"HeaderPeriodBackwards", "CARDAPIO|0002|SUL|20240201|20240131|\n",
                "line 1, field 5: last day is before the first day"},
        Refusal{"ShortBranchCode", "CARDAPIO|2|SUL|20240101|20240131|\n",
                "line 1, field 2: origin branch code \"2\" must have 4 characters"},
        Refusal{"UnknownRecordType", kHeaderOnly + "CARDAPIO|x|\n",
                "line 2, field 1: unknown record type \"CARDAPIO\""},
        Refusal{"EmptyLine", kHeaderOnly + "\n", "line 2: empty line"},
        Refusal{"MissingField", kHeaderOnly + "SERVICO|00001|Almoço|\n",
                "line 2, field 4: missing hospital flag"},
        Refusal{"ExtraField", kHeaderOnly + "SERVICO|00001|Almoço|N|N|\n",
                "line 2, field 5: unexpected data after the last field (SERVICO has 4 fields)"},
        Refusal{"BytesAfterLastSeparator", kHeaderOnly + "SERVICO|00001|Almoço|N|  \n",
                "line 2, field 5: unexpected data after the last field (SERVICO has 4 fields)"},
        Refusal{"SeparatorInsideName", kHeaderOnly + "SERVICO|00001|Alm|oço|N|\n",
                "line 2, field 5: unexpected data after the last field (SERVICO has 4 fields)"},
        Refusal{"BadFlag", kHeaderOnly + "SERVICO|00001|Almoço|s|\n",
                "line 2, field 4: hospital flag must be \"S\" or \"N\", found \"s\""},
        Refusal{"BlankName", kHeaderOnly + "SERVICO|00001|   |N|\n",
                "line 2, field 3: service name is empty"},
        Refusal{"NameTooLong", kHeaderOnly + "SERVICO|00001|" + std::string(41, 'A') + "|N|\n",
                "line 2, field 3: service name has 41 characters, at most 40 are allowed"},
        Refusal{"CodeWithPunctuation", kHeaderOnly + "SERVICO|0000-|Almoço|N|\n",
                "line 2, field 2: service code \"0000-\" must be letters, digits or blanks, not all blank"},
        Refusal{"DuplicateService", kHeaderOnly + "SERVICO|00001|A|N|\nSERVICO|00001|B|S|\n",
                "line 3, field 2: service \"00001\" is already defined"},
        Refusal{"DietOfUndefinedService", kHeaderOnly + "DIETA|00002|0001|Livre|\n",
                "line 2, field 2: service \"00002\" is not defined"},
        Refusal{"DuplicateDishTypeSequence", kDefinitions + "TIPOPRATO|00001|01|2|9|Outro|N|\n",
                "line 7, field 4: dish type \"01\" with sequence 2 is already defined for this service"},
        Refusal{"OrderNotANumber", kDefinitions + "TIPOPRATO|00001|02|1|x|Sopa|N|\n",
                "line 7, field 5: display order \"x\" must be a whole number from 0 to 9999"},
        Refusal{"DefinitionAfterMenuLine", WithMenuLine(kMenuLine + "PRATO|000002|Feijão|\n"),
                "line 8, field 1: PRATO after the first menu line: definitions come first"},
        Refusal{"MenuLineOfUndefinedService", WithMenuLine("ITEM|00002|20240102|0001|01|1|000001|120|\n"),
                "line 7, field 2: service \"00002\" is not defined"},
        Refusal{"DayThatDoesNotExist", WithMenuLine("ITEM|00001|20240230|0001|01|1|000001|120|\n"),
                "line 7, field 3: date \"20240230\" is not a day written as yyyymmdd"},
        Refusal{"DateOutsidePeriod", WithMenuLine("ITEM|00001|20240201|0001|01|1|000001|120|\n"),
                "line 7, field 3: date \"20240201\" is outside the file's period"},
        Refusal{"UndefinedDiet", WithMenuLine("ITEM|00001|20240102|0002|01|1|000001|120|\n"),
                "line 7, field 4: diet \"0002\" is not defined for service \"00001\""},
        Refusal{"UndefinedDishTypeSequence", WithMenuLine("ITEM|00001|20240102|0001|01|3|000001|120|\n"),
                "line 7, field 5: dish type \"01\" with sequence 3 is not defined for service \"00001\""},
        Refusal{"SequenceZero", WithMenuLine("ITEM|00001|20240102|0001|01|0|000001|120|\n"),
                "line 7, field 6: sequence \"0\" must be a whole number from 1 to 99"},
        Refusal{"UndefinedDish", WithMenuLine("ITEM|00001|20240102|0001|01|1|1|120|\n"),
                "line 7, field 7: dish \"1\" is not defined"},
        Refusal{"NegativeDiners", WithMenuLine("ITEM|00001|20240102|0001|01|1|000001|-1|\n"),
                "line 7, field 8: diners \"-1\" must be a whole number from 0 to 999999999"},
        Refusal{"DinersPastTheLimit", WithMenuLine("ITEM|00001|20240102|0001|01|1|000001|1000000000|\n"),
                "line 7, field 8: diners \"1000000000\" must be a whole number from 0 to 999999999"},
        Refusal{"EmptyDiners", WithMenuLine("ITEM|00001|20240102|0001|01|1|000001||\n"),
                "line 7, field 8: diners \"\" must be a whole number from 0 to 999999999"},
        Refusal{"LastLineCutInsideField", WithMenuLine("ITEM|00001|2024"),
                "line 7, field 3: truncated last line: the file ends inside this field"},
        Refusal{"LastLineWithoutLineEnd", WithMenuLine("ITEM|00001|20240102|0001|01|1|000001|120|"),
                "line 7, field 8: truncated last line: the file ends without a line end"}),
    [](const auto& info) { return std::string(info.param.what); });

// Such a name could be neither shown nor written back: the reader keeps no text it cannot hold.
TEST(IntegrationFileReader, NameWithAByteTheCodePageLeavesUndefinedIsRefused) {
    for (char byte : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'}) {
        const std::string bytes = FileBytes(kHeaderOnly) + "SERVICO\xF8" "00001\xF8" "Alm" + byte + "o\xF8N\xF8\r\n";
        auto result = IntegrationFileReader::Parse(bytes, {});
        EXPECT_FALSE(result.ok);
        EXPECT_THAT(result.error, ::testing::MatchesRegex(
                                      "line 2, field 3: service name holds the byte 0x[0-9A-F]{2}, which Windows-1252 does not define"));
    }
    EXPECT_TRUE(IntegrationFileReader::Parse(FileBytes(kHeaderOnly) + "SERVICO\xF8" "00001\xF8" "Alm\x96o\xF8N\xF8\r\n", {}).ok);
}

TEST(IntegrationFileReader, HugeFieldIsRefusedWithAShortMessage) {
    std::string huge(1'000'000, 'X');
    auto name = IntegrationFileReader::Parse(FileBytes(kHeaderOnly + "PRATO|000001|" + huge + "|\n"), {});
    EXPECT_EQ(name.error, "line 2, field 3: dish name has 1000000 characters, at most 60 are allowed");

    auto type = IntegrationFileReader::Parse(FileBytes(kHeaderOnly + huge + "|\n"), {});
    EXPECT_THAT(type.error, StartsWith("line 2, field 1: unknown record type \"XXXXX"));
    EXPECT_LT(type.error.size(), 100u);
}

TEST(IntegrationFileReader, KeepsWhatWasReadBeforeAFault) {
    int handed = 0;
    auto result = IntegrationFileReader::Parse(FileBytes(WithMenuLine(kMenuLine + kMenuLine + "ITEM|\n")),
                                               [&](const MenuLine&) { ++handed; });
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(handed, 2);
    EXPECT_EQ(result.menuLines, 2u);
    EXPECT_EQ(result.file.services.size(), 1u);
}

class IntegrationFileOnDisk : public ::testing::Test {
  protected:
    std::filesystem::path Save(std::string_view bytes) {
        std::ofstream(path_, std::ios::binary) << bytes;
        return path_;
    }
    void TearDown() override { std::filesystem::remove(path_); }

    std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                  ("integration-file-test-" + std::to_string(::getpid()) + ".txt");
};

TEST_F(IntegrationFileOnDisk, ReadsAMappedFileLikeBytesInMemory) {
    std::string bytes = FileBytes(kDefinitions + kMenuLine + kMenuLine);
    int handed = 0;
    auto result = IntegrationFileReader::Read(Save(bytes), [&](const MenuLine&) { ++handed; });
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(handed, 2);

    auto definitions = IntegrationFileReader::ReadDefinitions(path_);
    ASSERT_TRUE(definitions.ok) << definitions.error;
    EXPECT_EQ(definitions.menuLines, 2u);
    EXPECT_EQ(definitions.file.dishes.size(), 1u);
}

TEST_F(IntegrationFileOnDisk, EmptyFileIsRefusedNotMapped) {
    EXPECT_EQ(IntegrationFileReader::Read(Save(""), {}).error,
              "line 1: empty file, expected the header line");
}

TEST_F(IntegrationFileOnDisk, MissingFileAndDirectoryAreRefused) {
    auto missing = IntegrationFileReader::Read(path_, {});
    EXPECT_FALSE(missing.ok);
    EXPECT_THAT(missing.error, HasSubstr("cannot open"));

    auto directory = IntegrationFileReader::Read(std::filesystem::temp_directory_path(), {});
    EXPECT_FALSE(directory.ok);
    EXPECT_THAT(directory.error, HasSubstr("not a regular file"));
}

} // namespace
