#include "RemoteModule.h"

#include "Answer.h"
#include "SqliteDatabase.h"
#include "StoreSchema.h"

namespace appserver {

namespace {

// A day of the calendar, whatever the type carrying it: a count that is no number or lies past
// 9999-12-31 names no day, and the store's date handling must never meet one.
bool IsDay(const Variant& value) {
    const VarType type = value.Type();
    if (type != VarType::Date && type != VarType::Double && type != VarType::Integer) return false;
    const double days = type == VarType::Date ? value.AsDate().Value : value.AsDouble();
    return days >= EncodeDate(1, 1, 1).Value && days < EncodeDate(9999, 12, 31).Value + 1;
}

}  // namespace

RemoteModule::RemoteModule(ServerConfig config) : config_(std::move(config)) {
    SqliteDatabase db(config_.databasePath);
    StoreSchema::Migrate(db);
}

TDateTime RemoteModule::AsDay(const Variant& value) {
    return value.Type() == VarType::Date ? value.AsDate() : TDateTime(static_cast<double>(value.AsDouble()));
}

std::vector<std::string> RemoteModule::MethodNames() const {
    std::vector<std::string> names;
    for (const auto& [name, method] : methods_) names.push_back(name);
    return names;
}

std::string RemoteModule::CheckArguments(const std::string& name, const Method& method, const Variant::Array& args) {
    if (args.size() != method.arguments.size()) {
        return name + ": são esperados " + std::to_string(method.arguments.size()) + " argumentos, vieram " +
               std::to_string(args.size()) + ".";
    }
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string position = name + ": o argumento " + std::to_string(i + 1);
        if (method.arguments[i] == Argument::Text && args[i].Type() != VarType::String)
            return position + " deve ser um texto.";
        if (method.arguments[i] == Argument::Day && !IsDay(args[i])) return position + " deve ser uma data.";
        if (method.arguments[i] == Argument::Number && args[i].Type() != VarType::Integer)
            return position + " deve ser um número inteiro.";
    }
    return {};
}

Variant RemoteModule::Dispatch(const std::string& method, const Variant::Array& args) {
    auto found = methods_.find(method);
    if (found == methods_.end()) return Answer::Failure("Método desconhecido: " + method);
    if (std::string problem = CheckArguments(method, found->second, args); !problem.empty())
        return Answer::Failure(problem);
    try {
        SqliteDatabase db(config_.databasePath, config_.busyTimeoutMs);
        return found->second.run(db, args);
    } catch (const std::exception& error) {
        return Answer::Failure(method + ": " + error.what());
    } catch (...) {
        return Answer::Failure(method + ": erro inesperado no servidor.");
    }
}

}  // namespace appserver
