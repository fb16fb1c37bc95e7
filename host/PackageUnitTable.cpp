#include "PackageUnitTable.h"

void InitializeUnits(const PackageInfoTable& table) {
    for (int i = 0; i < table.UnitCount; ++i)
        if (table.Units[i].Initialization) table.Units[i].Initialization();
}

void FinalizeUnits(const PackageInfoTable& table) {
    for (int i = table.UnitCount - 1; i >= 0; --i)
        if (table.Units[i].Finalization) table.Units[i].Finalization();
}
