#pragma once
// The dialog service of the headless import: every message box the screen shows is written to
// a stream (standard error) with its caption. Nobody is there to answer, so a confirmation is
// answered Yes, any other box with its first button, and an open-file dialog is cancelled.
// Error and warning boxes count as refusals: the screen shows one whenever it refuses the file,
// the branch or the import.
#include "TDialogService.h"

#include <iosfwd>

namespace krdimport {

class StderrDialogs : public TDialogService {
public:
    explicit StderrDialogs(std::ostream& out) : out_(out) {}

    int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) override;
    bool ExecuteOpen(TOpenDialog& dialog) override;

    // Error and warning boxes shown so far.
    int Refusals() const { return refusals_; }

private:
    std::ostream& out_;
    int refusals_ = 0;
};

}  // namespace krdimport
