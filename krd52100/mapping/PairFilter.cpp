#include "mapping/PairFilter.h"

#include "TClientDataSet.h"

namespace krd52100 {

std::string FieldEquals(std::string_view fieldName, std::string_view value) {
    std::string text(fieldName);
    text += " = '";
    for (char c : value) {
        if (c == '\'') text += '\'';
        text += c;
    }
    text += '\'';
    return text;
}

std::string PairFilter(std::string_view originService, std::string_view destinationService) {
    return OriginServiceFilter(originService) + " AND " + FieldEquals("CDSERVDEST", destinationService);
}

std::string OriginServiceFilter(std::string_view originService) { return FieldEquals("CDSERVORIG", originService); }

void ApplyFilter(TClientDataSet& dataSet, const std::string& text) {
    dataSet.SetFilterOptions(dataSet.FilterOptions() | foNoPartialCompare);
    dataSet.SetFilter(text);
    dataSet.SetFiltered(true);
}

}  // namespace krd52100
