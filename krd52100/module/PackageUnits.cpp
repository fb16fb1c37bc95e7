#include "module/PackageUnits.h"

namespace {

void InitializeModuleUnit() { boIdCriado = false; }

constexpr PackageUnitInfo units[] = {
    {"MessageCatalogue", nullptr, nullptr},
    {"IntegraCardapioServer", nullptr, nullptr},
    {"TfrmIntegraCardapio", nullptr, nullptr},
    {"KRD52100", InitializeModuleUnit, nullptr},
};

constexpr PackageInfoTable table = {static_cast<int>(sizeof units / sizeof units[0]), units};

}  // namespace

void Initialize() {
    for (int i = 0; i < table.UnitCount; ++i)
        if (table.Units[i].Initialization) table.Units[i].Initialization();
}

void Finalize() {
    for (int i = table.UnitCount - 1; i >= 0; --i)
        if (table.Units[i].Finalization) table.Units[i].Finalization();
}

const PackageInfoTable* GetPackageInfoTable() { return &table; }
