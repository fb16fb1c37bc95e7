#pragma once
// The save-file dialog: the open dialog's properties, shown through Application's dialog service
// to choose where a file is written. The chosen file need not exist.
#include "TOpenDialog.h"

class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}

    // True when the user chose a file (FileName then holds it).
    bool Execute();
};
