#pragma once
// A screen module's unit table, as the package loader's convention has every module export it
// (GetPackageInfoTable), and the runs of its units' initializations and finalizations that the
// module's own Initialize and Finalize make.
//
// The units are listed in dependency order, the module's own unit last. The libraries a module
// requires (libplatform, libhost) are initialized by the system loader before Initialize runs,
// so the table holds the module's own units only.
struct PackageUnitInfo {
    const char* Name;
    void (*Initialization)();  // nullptr when the unit has none
    void (*Finalization)();    // likewise
};

struct PackageInfoTable {
    int UnitCount;
    const PackageUnitInfo* Units;
};

// Each unit's initialization in the table's order.
void InitializeUnits(const PackageInfoTable& table);
// The finalizations in reverse order.
void FinalizeUnits(const PackageInfoTable& table);
