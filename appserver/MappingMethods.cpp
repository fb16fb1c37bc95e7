#include "MappingMethods.h"

#include "Answer.h"
#include "BranchCatalogue.h"
#include "KeptMappings.h"
#include "PacketBuilder.h"
#include "SqliteStatement.h"

namespace appserver {

namespace {

constexpr const char* kService = "SERVICO";
constexpr const char* kDiet = "DIETA";
constexpr const char* kDishType = "TIPOPRATO";

FieldDef Text(const char* name, int size) { return FieldDef{name, FieldType::String, size, false}; }
FieldDef Number(const char* name) { return FieldDef{name, FieldType::Integer, 0, false}; }

std::string ServiceName(const BranchCatalogue& branch, const std::string& code) {
    const auto service = branch.Service(code);
    return service ? service->name : "";
}

std::optional<std::string> DietName(const BranchCatalogue& branch, const std::string& service,
                                    const std::string& code) {
    for (const auto& diet : branch.Diets(service)) {
        if (diet.code == code) return diet.name;
    }
    return std::nullopt;
}

int Sequence(const MappingKey& key) { return key.kind == kDishType ? static_cast<int>(key.sequence.AsInteger()) : 0; }

}  // namespace

MappingMethods::MappingMethods(SqliteDatabase& db) : db_(db) {}

std::string MappingMethods::CheckPair(const std::string& origin, const std::string& destination) const {
    if (!BranchCatalogue(db_, origin).Branch()) return "Filial origem " + origin + " não cadastrada.";
    if (!BranchCatalogue(db_, destination).Branch()) return "Filial destino " + destination + " não cadastrada.";
    if (origin == destination) return "A filial destino deve ser diferente da filial origem.";
    return {};
}

std::string MappingMethods::CheckKey(const MappingKey& key) const {
    if (key.kind != kService && key.kind != kDiet && key.kind != kDishType)
        return "Tipo de mapeamento desconhecido: \"" + key.kind + "\" (use SERVICO, DIETA ou TIPOPRATO).";
    if (key.service.empty()) return "Serviço origem deve ser informado.";
    if (key.kind == kDiet && key.code.empty()) return "Dieta origem deve ser informada.";
    if (key.kind == kDishType && key.code.empty()) return "Tipo de prato origem deve ser informado.";
    if (key.kind == kDishType && key.sequence.Type() != VarType::Integer)
        return "A sequência do tipo de prato origem deve ser um número inteiro.";
    return {};
}

std::optional<std::string> MappingMethods::DishTypeName(const std::string& branch, const std::string& service,
                                                        const std::string& code) const {
    auto query = db_.Prepare(
        "SELECT NMTIPOPRAT FROM CNFCARDAPIO WHERE CDFILIAL = ? AND CDSERVFILI = ? AND CDTIPOPRAT = ? "
        "ORDER BY DTINICNF DESC LIMIT 1");
    if (!query.Bind(1, branch).Bind(2, service).Bind(3, code).Step()) return std::nullopt;
    return query.Text(0);
}

Variant MappingMethods::GetMapeamentos(const std::string& origin, const std::string& destination) {
    if (std::string problem = CheckPair(origin, destination); !problem.empty()) return Answer::Failure(problem);
    const KeptChoices kept = KeptMappings(db_, origin, destination).Read();
    const BranchCatalogue from(db_, origin), to(db_, destination);

    PacketBuilder services({Text("CDSERVORIG", 5), Text("NMSERVORIG", 40), Text("CDSERVDEST", 5), Text("NMSERVDEST", 40)});
    for (const auto& [service, target] : kept.services)
        services.Add({service, ServiceName(from, service), target, ServiceName(to, target)});
    PacketBuilder diets({Text("CDSERVORIG", 5), Text("CDDIETORIG", 4), Text("DSDIETORIG", 50), Text("CDSERVDEST", 5),
                         Text("CDDIETDEST", 4), Text("DSDIETDEST", 50)});
    for (const auto& [key, target] : kept.diets) {
        const auto& [service, diet] = key;
        diets.Add({service, diet, DietName(from, service, diet).value_or(""), target.service, target.diet,
                   DietName(to, target.service, target.diet).value_or("")});
    }
    PacketBuilder dishTypes({Text("CDSERVORIG", 5), Text("CDTIPOORIG", 2), Number("NRSEQORIG"), Text("NMTIPOORIG", 15),
                             Text("CDSERVDEST", 5), Text("CDTIPODEST", 2), Number("NRSEQDEST"), Text("NMTIPODEST", 15),
                             Text("IDIMPORTAR", 1)});
    for (const auto& [key, target] : kept.dishTypes) {
        const auto& [service, dishType, sequence] = key;
        const std::string targetName =
            target.marked ? DishTypeName(destination, target.service, target.dishType).value_or("") : "";
        dishTypes.Add({service, dishType, sequence, DishTypeName(origin, service, dishType).value_or(""),
                       target.service, target.dishType, target.sequence, targetName, target.marked ? "S" : "N"});
    }
    return Answer::Success(VarArrayOf({services.Take(), diets.Take(), dishTypes.Take()}));
}

Variant MappingMethods::SetMapeamento(const std::string& origin, const std::string& destination,
                                      const MappingKey& key, const std::string& target) {
    std::string problem = CheckPair(origin, destination);
    if (problem.empty()) problem = CheckKey(key);
    if (problem.empty() && target.empty() && key.kind != kDishType) problem = "O código destino deve ser informado.";
    if (!problem.empty()) return Answer::Failure(problem);

    SqliteTransaction transaction(db_);
    KeptMappings kept(db_, origin, destination);
    const BranchCatalogue to(db_, destination);
    if (key.kind == kService) {
        if (!to.Service(target))
            return Answer::Failure("Serviço destino " + target + " não cadastrado na filial " + destination + ".");
        kept.SetService(key.service, target);
    } else {
        const auto services = kept.Read().services;
        const auto pair = services.find(key.service);
        if (pair == services.end())
            return Answer::Failure("O serviço origem " + key.service +
                                   " não está mapeado para um serviço destino; mapeie o serviço antes.");
        const std::string& service = pair->second;
        if (key.kind == kDiet) {
            if (!DietName(to, service, target))
                return Answer::Failure("Dieta " + target + " não cadastrada para o serviço destino " + service + ".");
            kept.SetDiet(key.service, key.code, {service, target});
        } else {
            if (!target.empty() && !DishTypeName(destination, service, target))
                return Answer::Failure("Tipo de prato " + target + " não cadastrado na configuração do serviço destino " +
                                       service + ".");
            kept.SetDishType(key.service, key.code, Sequence(key), {service, target, Sequence(key), !target.empty()});
        }
    }
    transaction.Commit();
    return Answer::Success(Variant());
}

Variant MappingMethods::RemoveMapeamento(const std::string& origin, const std::string& destination,
                                         const MappingKey& key) {
    std::string problem = CheckPair(origin, destination);
    if (problem.empty()) problem = CheckKey(key);
    if (!problem.empty()) return Answer::Failure(problem);
    KeptMappings kept(db_, origin, destination);
    const bool removed = key.kind == kService ? kept.RemoveService(key.service)
                         : key.kind == kDiet  ? kept.RemoveDiet(key.service, key.code)
                                              : kept.RemoveDishType(key.service, key.code, Sequence(key));
    if (!removed) return Answer::Failure("Mapeamento não encontrado.");
    return Answer::Success(Variant());
}

}  // namespace appserver
