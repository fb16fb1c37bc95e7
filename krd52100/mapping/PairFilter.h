#pragma once
// Filter texts that narrow a table to one service pair, one service or one branch's service.
//
// Codes go into the text whole: every quote inside a code is doubled, so that a code holding a
// quote is matched as it stands instead of ending the literal early (which would break the
// filter, or change its meaning). A code without quotes gives the same text as a plain
// concatenation would.
#include <string>
#include <string_view>

class TClientDataSet;

namespace krd52100 {

// FIELD = 'value', with every quote inside the value doubled.
std::string FieldEquals(std::string_view fieldName, std::string_view value);

// The rows of one service pair: CDSERVORIG = 'origin' AND CDSERVDEST = 'destination'.
std::string PairFilter(std::string_view originService, std::string_view destinationService);

// The rows of one origin service, whatever their destination: CDSERVORIG = 'origin'.
std::string OriginServiceFilter(std::string_view originService);

// Sets the dataset's filter text and turns filtering on, comparing values whole: with the
// platform's default a literal ending in '*' matches by its beginning, so a code ending in '*'
// would let the rows of every code that starts with the rest through.
void ApplyFilter(TClientDataSet& dataSet, const std::string& text);

}  // namespace krd52100
