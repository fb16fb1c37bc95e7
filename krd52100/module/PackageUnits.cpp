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

void Initialize() { InitializeUnits(table); }

void Finalize() { FinalizeUnits(table); }

const PackageInfoTable* GetPackageInfoTable() { return &table; }
