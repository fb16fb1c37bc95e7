#pragma once
// The package entry points the host's loader calls, and the module's unit table.
//
// The units are listed in dependency order, the module's own unit ("KRD52100") last. Initialize
// runs each unit's initialization in that order, Finalize the finalizations in reverse. The
// libraries the module requires (libplatform, libhost) are initialized by the system loader
// before Initialize runs, so the table holds the module's own units only. The module's own
// initialization clears boIdCriado; no unit has anything to finalize.
#include "module/ModuleEntry.h"

struct PackageUnitInfo {
    const char* Name;
    void (*Initialization)();  // nullptr when the unit has none
    void (*Finalization)();    // likewise
};

struct PackageInfoTable {
    int UnitCount;
    const PackageUnitInfo* Units;
};

extern "C" {
KRD52100_EXPORT void Initialize();
KRD52100_EXPORT void Finalize();
KRD52100_EXPORT const PackageInfoTable* GetPackageInfoTable();
}
