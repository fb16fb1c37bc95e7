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
        Refusal{"EmptyFile", "",
                "o cabeçalho do arquivo está errado (linha 1): arquivo vazio, falta a linha de cabeçalho"},
        Refusal{"LowerCaseFileType", "cardapio|0002|SUL|20240101|20240131|\n",
                "o cabeçalho do arquivo está errado (linha 1, campo 1): o tipo de arquivo deve ser "
                "\"CARDAPIO\", veio \"cardapio\""},
        Refusal{"HeaderWithoutSeparator", "CARDAPIO\n",
                "o cabeçalho do arquivo está errado (linha 1, campo 1): campo não terminado pelo separador"},
        Refusal{"HeaderLastDayUnterminated", "CARDAPIO|0002|SUL|20240101|20240131\n",
                "o cabeçalho do arquivo está errado (linha 1, campo 5): campo não terminado pelo separador"},
        Refusal{"HeaderMonth13", "CARDAPIO|0002|SUL|20241301|20241231|\n",
                "o cabeçalho do arquivo está errado (linha 1, campo 4): o primeiro dia \"20241301\" não é um "
                "dia escrito como aaaammdd"},
        Refusal{
            "HeaderPeriodBackwards", "CARDAPIO|0002|SUL|20240201|20240131|\n",
            "o cabeçalho do arquivo está errado (linha 1, campo 5): o último dia é anterior ao primeiro dia"},
        Refusal{"ShortBranchCode", "CARDAPIO|2|SUL|20240101|20240131|\n",
                "o cabeçalho do arquivo está errado (linha 1, campo 2): o código da filial de origem \"2\" "
                "deve ter 4 caracteres"},
        Refusal{"UnknownRecordType", kHeaderOnly + "CARDAPIO|x|\n",
                "linha 2, campo 1: tipo de registro desconhecido \"CARDAPIO\""},
        Refusal{"EmptyLine", kHeaderOnly + "\n", "linha 2: linha vazia"},
        Refusal{"MissingField", kHeaderOnly + "SERVICO|00001|Almoço|\n",
                "linha 2, campo 4: falta o indicador hospitalar"},
        Refusal{"ExtraField", kHeaderOnly + "SERVICO|00001|Almoço|N|N|\n",
                "linha 2, campo 5: dados depois do último campo (SERVICO tem 4 campos)"},
        Refusal{"BytesAfterLastSeparator", kHeaderOnly + "SERVICO|00001|Almoço|N|  \n",
                "linha 2, campo 5: dados depois do último campo (SERVICO tem 4 campos)"},
        Refusal{"SeparatorInsideName", kHeaderOnly + "SERVICO|00001|Alm|oço|N|\n",
                "linha 2, campo 5: dados depois do último campo (SERVICO tem 4 campos)"},
        Refusal{"BadFlag", kHeaderOnly + "SERVICO|00001|Almoço|s|\n",
                "linha 2, campo 4: o indicador hospitalar deve ser \"S\" ou \"N\", veio \"s\""},
        Refusal{"BlankName", kHeaderOnly + "SERVICO|00001|   |N|\n",
                "linha 2, campo 3: o nome do serviço está vazio"},
        Refusal{"NameTooLong", kHeaderOnly + "SERVICO|00001|" + std::string(41, 'A') + "|N|\n",
                "linha 2, campo 3: o nome do serviço tem 41 caracteres, o máximo é 40"},
        Refusal{"CodeWithPunctuation", kHeaderOnly + "SERVICO|0000-|Almoço|N|\n",
                "linha 2, campo 2: o código do serviço \"0000-\" deve ter letras, dígitos ou brancos, não só "
                "brancos"},
        Refusal{"DuplicateService", kHeaderOnly + "SERVICO|00001|A|N|\nSERVICO|00001|B|S|\n",
                "linha 3, campo 2: serviço \"00001\" definido mais de uma vez"},
        Refusal{"DietOfUndefinedService", kHeaderOnly + "DIETA|00002|0001|Livre|\n",
                "linha 2, campo 2: serviço \"00002\" não definido"},
        Refusal{"DuplicateDishTypeSequence", kDefinitions + "TIPOPRATO|00001|01|2|9|Outro|N|\n",
                "linha 7, campo 4: tipo de prato \"01\" com sequência 2 definido mais de uma vez para este "
                "serviço"},
        Refusal{"OrderNotANumber", kDefinitions + "TIPOPRATO|00001|02|1|x|Sopa|N|\n",
                "linha 7, campo 5: a ordem de exibição \"x\" deve ser um número inteiro de 0 a 9999"},
        Refusal{"DefinitionAfterMenuLine", WithMenuLine(kMenuLine + "PRATO|000002|Feijão|\n"),
                "linha 8, campo 1: PRATO depois da primeira linha de cardápio: as definições vêm antes"},
        Refusal{"MenuLineOfUndefinedService", WithMenuLine("ITEM|00002|20240102|0001|01|1|000001|120|\n"),
                "linha 7, campo 2: serviço \"00002\" não definido"},
        Refusal{"DayThatDoesNotExist", WithMenuLine("ITEM|00001|20240230|0001|01|1|000001|120|\n"),
                "linha 7, campo 3: a data \"20240230\" não é um dia escrito como aaaammdd"},
        Refusal{"DateOutsidePeriod", WithMenuLine("ITEM|00001|20240201|0001|01|1|000001|120|\n"),
                "linha 7, campo 3: data \"20240201\" fora do período do arquivo"},
        Refusal{"UndefinedDiet", WithMenuLine("ITEM|00001|20240102|0002|01|1|000001|120|\n"),
                "linha 7, campo 4: dieta \"0002\" não definida para o serviço \"00001\""},
        Refusal{
            "UndefinedDishTypeSequence", WithMenuLine("ITEM|00001|20240102|0001|01|3|000001|120|\n"),
            "linha 7, campo 5: tipo de prato \"01\" com sequência 3 não definido para o serviço \"00001\""},
        Refusal{"SequenceZero", WithMenuLine("ITEM|00001|20240102|0001|01|0|000001|120|\n"),
                "linha 7, campo 6: a sequência \"0\" deve ser um número inteiro de 1 a 99"},
        Refusal{"UndefinedDish", WithMenuLine("ITEM|00001|20240102|0001|01|1|1|120|\n"),
                "linha 7, campo 7: prato \"1\" não definido"},
        Refusal{"NegativeDiners", WithMenuLine("ITEM|00001|20240102|0001|01|1|000001|-1|\n"),
                "linha 7, campo 8: o número de comensais \"-1\" deve ser um número inteiro de 0 a 999999999"},
        Refusal{"DinersPastTheLimit", WithMenuLine("ITEM|00001|20240102|0001|01|1|000001|1000000000|\n"),
                "linha 7, campo 8: o número de comensais \"1000000000\" deve ser um número inteiro de 0 a "
                "999999999"},
        Refusal{"EmptyDiners", WithMenuLine("ITEM|00001|20240102|0001|01|1|000001||\n"),
                "linha 7, campo 8: o número de comensais \"\" deve ser um número inteiro de 0 a 999999999"},
        Refusal{"LastLineCutInsideField", WithMenuLine("ITEM|00001|2024"),
                "linha 7, campo 3: última linha incompleta: o arquivo termina dentro deste campo"},
        Refusal{"LastLineWithoutLineEnd", WithMenuLine("ITEM|00001|20240102|0001|01|1|000001|120|"),
                "linha 7, campo 8: última linha incompleta: o arquivo termina sem fim de linha"}),
    [](const auto& info) { return std::string(info.param.what); });

// A menu line with more lines after it is read at the offsets of the writer's layout when it has
// that layout; a line that only looks like it must still be refused as the general reading does.
TEST(IntegrationFileReader, MenuLinesThatOnlyLookLikeTheWritersLayoutAreRefused) {
    const std::string nulDay = std::string("ITEM|00001|") + std::string(8, '\0') + "|0001|01|1|000001|120|\n";
    const struct {
        std::string lines;
        std::string error;
    } cases[] = {
        {kMenuLine + "ITEM|00001|20240102|0001|01|1|000001X120|\n",
         "linha 8, campo 8: falta o número de comensais"},
        // 4097 would spill into the bits of the dish type code and pass for sequence 1 of "01".
        {kMenuLine + "ITEM|00001|20240102|0001|01|4097|000001|120|\n",
         "linha 8, campo 6: a sequência \"4097\" deve ser um número inteiro de 1 a 99"},
        {kMenuLine + "ITEM|00001|20240102|0001|01|1|000001|120 \n",
         "linha 8, campo 8: campo não terminado pelo separador"},
        {kMenuLine + "ITEM|00001|20240102|0001|01|1|000001|120|7|\n",
         "linha 8, campo 9: dados depois do último campo (ITEM tem 8 campos)"},
        {nulDay,
         "linha 7, campo 3: a data \"" + std::string(8, '\0') + "\" não é um dia escrito como aaaammdd"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        auto result =
            IntegrationFileReader::Parse(FileBytes(kDefinitions + c.lines + kMenuLine + kMenuLine), {});
        EXPECT_EQ(result.error, c.error);
    }
}

// Such a name could be neither shown nor written back: the reader keeps no text it cannot hold.
TEST(IntegrationFileReader, NameWithAByteTheCodePageLeavesUndefinedIsRefused) {
    for (char byte : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'}) {
        const std::string bytes = FileBytes(kHeaderOnly) + "SERVICO\xF8" "00001\xF8" "Alm" + byte + "o\xF8N\xF8\r\n";
        auto result = IntegrationFileReader::Parse(bytes, {});
        EXPECT_FALSE(result.ok);
        EXPECT_THAT(result.error, ::testing::MatchesRegex("linha 2, campo 3: o nome do serviço contém o byte "
                                                          "0x[0-9A-F]{2}, que o Windows-1252 não define"));
    }
    EXPECT_TRUE(IntegrationFileReader::Parse(FileBytes(kHeaderOnly) + "SERVICO\xF8" "00001\xF8" "Alm\x96o\xF8N\xF8\r\n", {}).ok);
}

TEST(IntegrationFileReader, HugeFieldIsRefusedWithAShortMessage) {
    std::string huge(1'000'000, 'X');
    auto name = IntegrationFileReader::Parse(FileBytes(kHeaderOnly + "PRATO|000001|" + huge + "|\n"), {});
    EXPECT_EQ(name.error, "linha 2, campo 3: o nome do prato tem 1000000 caracteres, o máximo é 60");

    auto type = IntegrationFileReader::Parse(FileBytes(kHeaderOnly + huge + "|\n"), {});
    EXPECT_THAT(type.error, StartsWith("linha 2, campo 1: tipo de registro desconhecido \"XXXXX"));
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
              "o cabeçalho do arquivo está errado (linha 1): arquivo vazio, falta a linha de cabeçalho");
}

TEST_F(IntegrationFileOnDisk, MissingFileAndDirectoryAreRefused) {
    auto missing = IntegrationFileReader::Read(path_, {});
    EXPECT_FALSE(missing.ok);
    EXPECT_THAT(missing.error, HasSubstr("não é possível abrir"));

    auto directory = IntegrationFileReader::Read(std::filesystem::temp_directory_path(), {});
    EXPECT_FALSE(directory.ok);
    EXPECT_THAT(directory.error, HasSubstr("não é um arquivo comum"));
}

} // namespace
