#pragma once
// The open-file dialog. Execute shows it through Application's dialog service.
#include "TComponent.h"

#include <string>

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}

    std::string Title;
    // Pairs "description|pattern", separated by '|': "Documento texto (*.txt)|*.txt".
    std::string Filter;
    std::string DefaultExt;
    std::string InitialDir;
    // Proposed on opening; the chosen file after a successful Execute.
    std::string FileName;

    // True when the user chose a file (FileName then holds it).
    bool Execute();
};
