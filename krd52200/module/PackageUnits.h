#pragma once
// The package entry points the host's loader calls, and the module's unit table
// (PackageUnitTable.h). The module's own initialization clears boIdCriado.
#include "module/ModuleEntry.h"

#include "PackageUnitTable.h"

extern "C" {
KRD52200_EXPORT void Initialize();
KRD52200_EXPORT void Finalize();
KRD52200_EXPORT const PackageInfoTable* GetPackageInfoTable();
}
