#include "module/PackageUnits.h"

namespace {

void InitializeModuleUnit() { boIdCriado = false; }

constexpr PackageUnitInfo units[] = {
    {"MessageCatalogue", nullptr, nullptr},
    {"ExportaCardapioServer", nullptr, nullptr},
    {"TfrmExportaCardapio", nullptr, nullptr},
    {"KRD52200", InitializeModuleUnit, nullptr},
};

constexpr PackageInfoTable table = {static_cast<int>(sizeof units / sizeof units[0]), units};

}  // namespace

void Initialize() { InitializeUnits(table); }

void Finalize() { FinalizeUnits(table); }

const PackageInfoTable* GetPackageInfoTable() { return &table; }
