// The application server's whole-file reader, fed arbitrary bytes. A fault may only be refused
// with a short "linha N..." message, never a crash or a read outside the bytes. A file it accepts,
// written again by the file writer, must read back to the same header, definitions and menu lines:
// the reader and the writer agree on the format.
#include "FuzzCheck.h"

#include "IntegrationFileReader.h"
#include "IntegrationFileWriter.h"

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A menu line that outlives the sink call.
struct KeptMenuLine {
    std::string service, diet, dishType, dish;
    TDateTime date;
    int sequence = 0;
    int diners = 0;

    explicit KeptMenuLine(const MenuLine& line)
        : service(line.service), diet(line.diet), dishType(line.dishType), dish(line.dish), date(line.date),
          sequence(line.sequence), diners(line.diners) {}

    MenuLine View() const { return {service, date, diet, dishType, sequence, dish, diners}; }
    friend bool operator==(const KeptMenuLine&, const KeptMenuLine&) = default;
};

struct Reading {
    IntegrationFileReadResult result;
    std::vector<KeptMenuLine> lines;
};

Reading Read(std::string_view bytes) {
    Reading reading;
    reading.result = IntegrationFileReader::Parse(bytes, [&](const MenuLine& line) {
        for (std::string_view view : {line.service, line.diet, line.dishType, line.dish})
            FuzzCheck(view.data() >= bytes.data() && view.data() + view.size() <= bytes.data() + bytes.size(),
                      "menu line fields point into the file's bytes");
        reading.lines.emplace_back(line);
    });
    return reading;
}

std::string Rewritten(const Reading& reading) {
    std::ostringstream out;
    IntegrationFileWriter writer(out);
    writer.Write(reading.result.file);
    for (const KeptMenuLine& line : reading.lines) writer.Write(line.View());
    return out.str();
}

bool SameDefinitions(const IntegrationFile& a, const IntegrationFile& b) {
    auto sameHeader = a.header.originBranch == b.header.originBranch &&
                      a.header.originBranchName == b.header.originBranchName &&
                      a.header.firstDay == b.header.firstDay && a.header.lastDay == b.header.lastDay;
    auto sameServices = std::equal(a.services.begin(), a.services.end(), b.services.begin(), b.services.end(),
                                   [](const FileService& x, const FileService& y) {
                                       return x.code == y.code && x.name == y.name && x.hospital == y.hospital;
                                   });
    auto sameDiets = std::equal(a.diets.begin(), a.diets.end(), b.diets.begin(), b.diets.end(),
                                [](const FileDiet& x, const FileDiet& y) {
                                    return x.service == y.service && x.code == y.code && x.name == y.name;
                                });
    auto sameDishTypes = std::equal(a.dishTypes.begin(), a.dishTypes.end(), b.dishTypes.begin(), b.dishTypes.end(),
                                    [](const FileDishType& x, const FileDishType& y) {
                                        return x.service == y.service && x.code == y.code && x.sequence == y.sequence &&
                                               x.order == y.order && x.name == y.name && x.option == y.option;
                                    });
    auto sameDishes = std::equal(a.dishes.begin(), a.dishes.end(), b.dishes.begin(), b.dishes.end(),
                                 [](const FileDish& x, const FileDish& y) { return x.code == y.code && x.name == y.name; });
    return sameHeader && sameServices && sameDiets && sameDishTypes && sameDishes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Reading first = Read(bytes);
    FuzzCheck(first.result.menuLines == first.lines.size(), "every menu line counted reached the sink");
    if (!first.result.ok) {
        const std::string& error = first.result.error;
        FuzzCheck(error.rfind("linha ", 0) == 0 ||
                      error.rfind("o cabeçalho do arquivo está errado (linha 1", 0) == 0,
                  "a refusal names its line");
        FuzzCheck(error.size() < 400, "a refusal stays short whatever the file holds");
        return 0;
    }
    FuzzCheck(first.result.error.empty(), "an accepted file carries no error");

    const std::string again = Rewritten(first);
    const Reading second = Read(again);
    FuzzCheck(second.result.ok, "a file written from an accepted one is accepted");
    FuzzCheck(SameDefinitions(first.result.file, second.result.file), "definitions survive a rewrite");
    FuzzCheck(first.lines == second.lines, "menu lines survive a rewrite");
    return 0;
}
