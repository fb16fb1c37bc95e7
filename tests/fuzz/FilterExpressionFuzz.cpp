// The dataset filter parser, fed arbitrary filter text (the first byte picks the filter options),
// then the parsed filter tested on every record of a small table with nulls, accents, case
// variants and extreme numbers. Bad text may only be refused with EDatabaseError; a parsed
// filter never throws while testing records. When the filter pins a field to one value, every
// record it accepts holds that value (ignoring case): a dataset takes only that value's run of
// its index as the candidates, so a record outside it that the filter accepts would go missing.
#include "FuzzCheck.h"

#include "DataPacket.h"
#include "DateTime.h"
#include "FilterExpression.h"
#include "SysUtils.h"
#include "ValueCompare.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace {

const std::vector<FieldDef>& Columns() {
    static const std::vector<FieldDef> columns = {
        {"NAME", FieldType::String, 20, false}, {"CODE", FieldType::Integer, 0, false},
        {"PRICE", FieldType::Double, 0, false}, {"ACTIVE", FieldType::Boolean, 0, false},
        {"DAY", FieldType::Date, 0, false},     {"Dish Type", FieldType::String, 15, false},
    };
    return columns;
}

const std::vector<std::vector<Variant>>& Records() {
    static const std::vector<std::vector<Variant>> records = {
        {"Arroz", 1, 2.5, true, TDateTime(45717), "Prato Principal"},
        {"arroz", int64_t{2}, 0.0, false, TDateTime(0), "PRATO PRINCIPAL"},
        {"Feijão", -1, -0.5, true, TDateTime(-1), "Sobremesa"},
        {"FEIJÃO", std::numeric_limits<int64_t>::max(), 1e300, false, TDateTime(2958465), ""},
        {"", std::numeric_limits<int64_t>::min(), -1e-300, true, TDateTime(45717.5), "ção"},
        {"O'Brien*", 0, 100.0, Variant(), Variant(), "ÇÃO"},
        {Variant(), Variant(), Variant(), Variant(), Variant(), Variant()},
    };
    return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const TFilterOptions options = data[0] & (foCaseInsensitive | foNoPartialCompare);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::optional<dataset::FilterExpression> filter;
    try {
        filter.emplace(text, Columns(), options);
    } catch (const EDatabaseError&) {
        return 0;
    }
    for (const auto& record : Records()) {
        if (!filter->Accepts(record)) continue;
        for (int column = 0; column < static_cast<int>(Columns().size()); ++column) {
            const Variant* pinned = filter->RequiredEqual(column);
            FuzzCheck(!pinned || dataset::CompareFolded(record[column], *pinned) == 0,
                      "a record the filter accepts holds the value it pins");
        }
    }
    return 0;
}
