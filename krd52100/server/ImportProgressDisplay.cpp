#include "server/ImportProgressDisplay.h"

#include "TNetConnection.h"

#include <cstdint>

namespace krd52100 {

namespace {

// 1234567 as "1.234.567", the way the screen's users write their numbers.
std::string Grouped(int64_t number) {
    std::string digits = std::to_string(number);
    for (auto at = static_cast<int64_t>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ".");
    return digits;
}

}  // namespace

ImportProgressDisplay::ImportProgressDisplay(const TNetConnection& connection, std::string branch)
    : previous_(SetBusyProgress([&connection, branch = std::move(branch)] {
          return Text(connection.CallAside("GetProgressoImportacao", {branch}));
      })) {}

ImportProgressDisplay::~ImportProgressDisplay() { SetBusyProgress(std::move(previous_)); }

std::string ImportProgressDisplay::Text(const Variant& raw) {
    if (raw.ArrayLength() < 3 || !raw[0].AsBoolean() || raw[2].ArrayLength() < 3) return {};
    const Variant& figures = raw[2];
    // Nothing before the first figures: a small file's import is over before it has any to show.
    if (!figures[0].AsBoolean() || figures[1].AsInteger() == 0) return {};
    return "Linhas lidas: " + Grouped(figures[1].AsInteger()) + " - gravadas: " + Grouped(figures[2].AsInteger());
}

}  // namespace krd52100
