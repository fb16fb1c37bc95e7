#pragma once
// What the module exports to the host, under the names the host looks up with the package
// loader (C linkage, visible outside the library):
//
//   IniProc              the host's entry: opens the screen (CriaIntegraCardapio)
//   CriaIntegraCardapio  opens the one screen, or restores and raises it when it is open
//   frmIntegraCardapio   the screen last created; not cleared when it closes, so it is only
//                        meaningful while boIdCriado is true
//   boIdCriado           true while a screen exists
//   boImporta            mode of the exchange with the server: false loads the file, true imports
//   boPrimVez            kept for the host; the module never reads or writes it
//
// Initialize, Finalize and GetPackageInfoTable are in PackageUnits.h.
class TfrmIntegraCardapio;

#define KRD52100_EXPORT __attribute__((visibility("default")))

extern "C" {
KRD52100_EXPORT extern TfrmIntegraCardapio* frmIntegraCardapio;
KRD52100_EXPORT extern bool boIdCriado;
KRD52100_EXPORT extern bool boImporta;
KRD52100_EXPORT extern bool boPrimVez;

KRD52100_EXPORT void IniProc();
KRD52100_EXPORT void CriaIntegraCardapio();
}
