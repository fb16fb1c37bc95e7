#pragma once
// Whether menu import is allowed in the host's mode. The company's integration parameter
// IDMODMATRIZFILI names the modes that may import: "F" branch mode only, "M" head-office mode
// only, "T" both; any other value (empty, or no parameter record at all) allows neither. The
// comparison is exact and case-sensitive.
#include <string>
#include <string_view>

namespace krd52100 {

// The catalogue key of the message that blocks the screen, or "" when the mode may import. The
// message names the host's mode, whatever the parameter said: Int_Bloq_Fili in branch mode,
// Int_Bloq_Matriz in head-office mode.
std::string BranchModeBlockKey(std::string_view allowedModes, bool branchMode);

}  // namespace krd52100
