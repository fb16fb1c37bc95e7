#pragma once
// `krd-appserver mapping list|set|remove`: the kept mappings of a branch pair from the command
// line, on a store directly (embedded) or through a running server over HTTP. The list is
// printed one mapping a line ("origin -> destination", names beside the codes); a refusal is
// printed as the server words it and ends with status 1.
#include "CommandTarget.h"

#include <iosfwd>
#include <string>

namespace appserver {

struct MappingCommandOptions {
    std::string action;       // list, set, remove
    CommandTarget where;      // the store or a running server
    std::string origin;       // branches
    std::string destination;
    std::string kind;         // service, diet, dishtype
    std::string service;      // origin service
    std::string code;         // origin diet or dish type
    int sequence = 0;         // origin dish type's sequence
    std::string target;       // destination code; "" leaves a dish type unmarked
};

class MappingCommand {
public:
    // The exit status: 0 done, 1 refused or unreachable.
    static int Run(const MappingCommandOptions& options, std::ostream& out, std::ostream& err);
};

}  // namespace appserver
