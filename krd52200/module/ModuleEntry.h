#pragma once
// What the module exports to the host, under the names the host looks up with the package
// loader (C linkage, visible outside the library):
//
//   IniProc              the host's entry: opens the screen (CriaExportaCardapio)
//   CriaExportaCardapio  opens the one screen, or restores and raises it when it is open
//   frmExportaCardapio   the screen last created; meaningful only while boIdCriado is true
//   boIdCriado           true while a screen exists
//
// Initialize, Finalize and GetPackageInfoTable are in PackageUnits.h.
class TfrmExportaCardapio;

#define KRD52200_EXPORT __attribute__((visibility("default")))

extern "C" {
KRD52200_EXPORT extern TfrmExportaCardapio* frmExportaCardapio;
KRD52200_EXPORT extern bool boIdCriado;

KRD52200_EXPORT void IniProc();
KRD52200_EXPORT void CriaExportaCardapio();
}
