#pragma once
// The export screen's host for tests: the module fixture (ModuleFixture.h) with KRD52200, and
// the screen by its type.
#include "screen/TfrmExportaCardapio.h"

#include "ModuleFixture.h"

#include <stdexcept>

namespace krd52200::testing {

class ExportScreenFixture : public screens::testing::ModuleFixture {
protected:
    ExportScreenFixture() : ModuleFixture(KRD52200_MODULE_PATH) {}

    TfrmExportaCardapio& Frm() {
        auto* screen = Module().Variable<TfrmExportaCardapio*>("frmExportaCardapio");
        if (!boIdCriado() || !screen) throw std::logic_error("no screen is open");
        return *screen;
    }
    TForm& ScreenForm() override { return Frm(); }
};

}  // namespace krd52200::testing
