#include "MappingCommand.h"

#include "Answer.h"
#include "DataPacket.h"

#include <map>
#include <ostream>
#include <stdexcept>

namespace appserver {

namespace {

std::string Cell(const DataPacket& packet, size_t row, const char* field) { return packet.Value(row, field).AsString(); }

void PrintList(const Variant& kept, std::ostream& out) {
    const DataPacket& services = kept[0].AsPacket();
    out << "Services (" << services.Rows.size() << ")\n";
    for (size_t r = 0; r < services.Rows.size(); ++r) {
        out << "  " << Cell(services, r, "CDSERVORIG") << " " << Cell(services, r, "NMSERVORIG") << " -> "
            << Cell(services, r, "CDSERVDEST") << " " << Cell(services, r, "NMSERVDEST") << "\n";
    }
    const DataPacket& diets = kept[1].AsPacket();
    out << "Diets (" << diets.Rows.size() << ")\n";
    for (size_t r = 0; r < diets.Rows.size(); ++r) {
        out << "  " << Cell(diets, r, "CDSERVORIG") << "/" << Cell(diets, r, "CDDIETORIG") << " "
            << Cell(diets, r, "DSDIETORIG") << " -> " << Cell(diets, r, "CDSERVDEST") << "/"
            << Cell(diets, r, "CDDIETDEST") << " " << Cell(diets, r, "DSDIETDEST") << "\n";
    }
    const DataPacket& types = kept[2].AsPacket();
    out << "Dish types (" << types.Rows.size() << ")\n";
    for (size_t r = 0; r < types.Rows.size(); ++r) {
        out << "  " << Cell(types, r, "CDSERVORIG") << "/" << Cell(types, r, "CDTIPOORIG") << " seq "
            << Cell(types, r, "NRSEQORIG") << " " << Cell(types, r, "NMTIPOORIG") << " -> ";
        if (Cell(types, r, "IDIMPORTAR") == "S") {
            out << Cell(types, r, "CDSERVDEST") << "/" << Cell(types, r, "CDTIPODEST") << " seq "
                << Cell(types, r, "NRSEQDEST") << " " << Cell(types, r, "NMTIPODEST") << "\n";
        } else {
            out << Cell(types, r, "CDSERVDEST") << " left unmarked\n";
        }
    }
}

}  // namespace

int MappingCommand::Run(const MappingCommandOptions& options, std::ostream& out, std::ostream& err) {
    static const std::map<std::string, std::string> kinds{
        {"service", "SERVICO"}, {"diet", "DIETA"}, {"dishtype", "TIPOPRATO"}};
    const auto kind = kinds.find(options.kind);
    const Variant::Array key{kind == kinds.end() ? options.kind : kind->second, options.service, options.code,
                             static_cast<int64_t>(options.sequence)};
    Variant::Array args{options.origin, options.destination};
    std::string method = "GetMapeamentos";
    if (options.action != "list") {
        method = options.action == "set" ? "SetMapeamento" : "RemoveMapeamento";
        args.insert(args.end(), key.begin(), key.end());
        if (options.action == "set") args.emplace_back(options.target);
    }
    const auto answer = Answer::Read(options.where.Call(method, args));
    if (!answer || !answer->ok) {
        err << "krd-appserver: " << (answer ? answer->message : "resposta do servidor sem a forma esperada") << "\n";
        return 1;
    }
    if (options.action == "list") PrintList(answer->payload, out);
    return 0;
}

}  // namespace appserver
