#include "module/BranchModeRule.h"

namespace krd52100 {

std::string BranchModeBlockKey(std::string_view allowedModes, bool branchMode) {
    if (allowedModes == "T") return "";
    if (branchMode) return allowedModes == "F" ? "" : "Int_Bloq_Fili";
    return allowedModes == "M" ? "" : "Int_Bloq_Matriz";
}

}  // namespace krd52100
