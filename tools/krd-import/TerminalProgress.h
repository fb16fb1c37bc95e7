#pragma once
// The busy indicator of krd-import on a terminal: while a call reports its progress (an import),
// one line on the terminal shows it, rewritten in place a few times a second, and stays with its
// last figures once the call is over. Installs itself for its lifetime and puts back the
// indicator it replaced. Install it only when the stream is a terminal: in a file or a pipe the
// rewritten line would be noise.
#include "BusyIndicator.h"

#include <ostream>

namespace krdimport {

class TerminalProgress : public BusyIndicator {
public:
    explicit TerminalProgress(std::ostream& terminal);
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void Start(TComponent*, int, const std::string&) override {}
    void Stop(TComponent*) override {}
    Variant WhileBusy(const std::function<Variant()>& call) override;

private:
    std::ostream& terminal_;
    BusyIndicator* previous_ = nullptr;
};

}  // namespace krdimport
