#pragma once
// The package entry points the host's loader calls, and the module's unit table
// (PackageUnitTable.h). The module's own initialization clears boIdCriado; no unit has anything
// to finalize.
#include "module/ModuleEntry.h"

#include "PackageUnitTable.h"

extern "C" {
KRD52100_EXPORT void Initialize();
KRD52100_EXPORT void Finalize();
KRD52100_EXPORT const PackageInfoTable* GetPackageInfoTable();
}
