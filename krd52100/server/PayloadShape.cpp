#include "server/PayloadShape.h"

namespace krd52100 {

namespace {

// Where the load's tables start in the exchange result, after the status and the date.
constexpr size_t kFirstTable = 2;

const char* TypeName(FieldType type) {
    switch (type) {
    case FieldType::String: return "texto";
    case FieldType::Integer: return "número inteiro";
    case FieldType::Double: return "número";
    case FieldType::Boolean: return "lógico";
    case FieldType::Date: return "data";
    }
    return "";
}

// The packets from `first` on, one per layout.
std::string PacketsFrom(const Variant& payload, size_t first, const std::vector<PacketLayout>& layouts) {
    const size_t wanted = first + layouts.size();
    if (payload.ArrayLength() < wanted)
        return "vieram " + std::to_string(payload.ArrayLength()) + " elementos em vez de " + std::to_string(wanted);
    for (size_t i = 0; i < layouts.size(); ++i)
        if (std::string misfit = PacketMisfit(payload[first + i], layouts[i]); !misfit.empty()) return misfit;
    return "";
}

}  // namespace

std::string PacketMisfit(const Variant& payload, const PacketLayout& layout) {
    const std::string what = layout.what;
    if (!payload.IsPacket()) return what + " não é um pacote de dados";
    const DataPacket& packet = payload.AsPacket();
    for (const PacketColumn& column : layout.columns) {
        const auto index = packet.FieldIndex(column.name);
        if (!index) return what + " não tem o campo " + column.name;
        if (const FieldType type = packet.Fields[*index].Type; type != column.type)
            return what + " traz o campo " + column.name + " como " + TypeName(type) + " em vez de " +
                   TypeName(column.type);
    }
    return "";
}

std::string PacketListMisfit(const Variant& payload, const std::vector<PacketLayout>& layouts) {
    if (!payload.IsArray()) return "a resposta não é uma lista";
    return PacketsFrom(payload, 0, layouts);
}

std::string ExchangeMisfit(const Variant& result, const std::vector<PacketLayout>& tables) {
    if (!result.IsArray()) return "o resultado não é uma lista";
    if (result.ArrayLength() == 0) return "o resultado está vazio";
    const std::string* status = result[0].StringPtr();
    if (!status) return "a situação da importação não é texto";
    if (IsPeriodConflict(*status)) {
        if (result.ArrayLength() < 2 || result[1].Type() != VarType::Date)
            return "o conflito de período veio sem a sua data";
        return "";
    }
    if (tables.empty()) return "";
    return PacketsFrom(result, kFirstTable, tables);
}

bool IsPeriodConflict(const std::string& status) {
    return status == "ERRO_INTERVALO_INI" || status == "ERRO_INTERVALO_FIN";
}

}  // namespace krd52100
