#include "IntegraCardapioModule.h"

#include "Answer.h"
#include "DestinationLookups.h"
#include "MappingMethods.h"
#include "MenuExchange.h"
#include "ParameterMethods.h"
#include "SqliteDatabase.h"
#include "StoreSchema.h"

namespace appserver {

namespace {

std::string AsText(const Variant& value) { return value.AsString(); }

TDateTime AsDay(const Variant& value) {
    return value.Type() == VarType::Date ? value.AsDate() : TDateTime(static_cast<double>(value.AsDouble()));
}

// A day of the calendar, whatever the type carrying it: a count that is no number or lies past
// 9999-12-31 names no day, and the store's date handling must never meet one.
bool IsDay(const Variant& value) {
    const VarType type = value.Type();
    if (type != VarType::Date && type != VarType::Double && type != VarType::Integer) return false;
    const double days = AsDay(value).Value;
    return days >= EncodeDate(1, 1, 1).Value && days < EncodeDate(9999, 12, 31).Value + 1;
}

}  // namespace

IntegraCardapioModule::IntegraCardapioModule(ServerConfig config, std::shared_ptr<const FileAccess> files,
                                             std::shared_ptr<const Clock> clock)
    : config_(std::move(config)),
      files_(files ? std::move(files) : std::make_shared<LocalFileAccess>()),
      clock_(clock ? std::move(clock) : std::make_shared<SystemClock>()),
      roots_(config_.importRoots, *files_) {
    SqliteDatabase db(config_.databasePath);
    StoreSchema::Migrate(db);
    DefineMethods();
}

IntegraCardapioModule::~IntegraCardapioModule() = default;

void IntegraCardapioModule::DefineMethods() {
    using enum Argument;
    const Clock& clock = *clock_;
    methods_["GetDiretorio"] = {{}, [](SqliteDatabase& db, const Variant::Array&) {
                                    return ParameterMethods(db).GetDiretorio();
                                }};
    methods_["GetParamIntegra"] = {{}, [](SqliteDatabase& db, const Variant::Array&) {
                                       return ParameterMethods(db).GetParamIntegra();
                                   }};
    methods_["SetDiretorio"] = {{Value}, [](SqliteDatabase& db, const Variant::Array& a) {
                                    return ParameterMethods(db).SetDiretorio(a[0]);
                                }};
    methods_["ImportaCardapio"] = {{Text, Text, Text, Value, Value, Value},
                                   [this](SqliteDatabase& db, const Variant::Array& a) {
                                       MenuExchange exchange(db, roots_, *files_, *clock_, locks_, &progress_);
                                       return exchange.ImportaCardapio(AsText(a[0]), AsText(a[1]), AsText(a[2]), a[3], a[4],
                                                                       a[5]);
                                   }};
    methods_["GetVd_Serv"] = {{Text, Text, Text, Text, Text}, [&clock](SqliteDatabase& db, const Variant::Array& a) {
                                  return DestinationLookups(db, clock).GetVd_Serv(AsText(a[0]), AsText(a[1]), AsText(a[2]),
                                                                                  AsText(a[3]), AsText(a[4]));
                              }};
    methods_["GetPesqServ"] = {{Text}, [&clock](SqliteDatabase& db, const Variant::Array& a) {
                                   return DestinationLookups(db, clock).GetPesqServ(AsText(a[0]));
                               }};
    methods_["GetVd_DietaDestino"] = {{Text, Text, Text, Text}, [&clock](SqliteDatabase& db, const Variant::Array& a) {
                                          return DestinationLookups(db, clock).GetVd_DietaDestino(
                                              AsText(a[0]), AsText(a[1]), AsText(a[2]), AsText(a[3]));
                                      }};
    methods_["GetVd_TipoPratOrig"] = {{Text, Text, Text, Text}, [&clock](SqliteDatabase& db, const Variant::Array& a) {
                                          return DestinationLookups(db, clock).GetVd_TipoPratOrig(
                                              AsText(a[0]), AsText(a[1]), AsText(a[2]), AsText(a[3]));
                                      }};
    methods_["GetPesqTipoPrat"] = {{Text, Text, Day}, [&clock](SqliteDatabase& db, const Variant::Array& a) {
                                       return DestinationLookups(db, clock).GetPesqTipoPrat(AsText(a[0]), AsText(a[1]),
                                                                                            AsDay(a[2]));
                                   }};
    methods_["GetProgressoImportacao"] = {{Text}, [this](SqliteDatabase&, const Variant::Array& a) {
                                              return progress_.GetProgressoImportacao(AsText(a[0]));
                                          }};
    methods_["GetMapeamentos"] = {{Text, Text}, [](SqliteDatabase& db, const Variant::Array& a) {
                                      return MappingMethods(db).GetMapeamentos(AsText(a[0]), AsText(a[1]));
                                  }};
    methods_["SetMapeamento"] = {{Text, Text, Text, Text, Text, Value, Text},
                                 [](SqliteDatabase& db, const Variant::Array& a) {
                                     return MappingMethods(db).SetMapeamento(
                                         AsText(a[0]), AsText(a[1]), {AsText(a[2]), AsText(a[3]), AsText(a[4]), a[5]},
                                         AsText(a[6]));
                                 }};
    methods_["RemoveMapeamento"] = {{Text, Text, Text, Text, Text, Value},
                                    [](SqliteDatabase& db, const Variant::Array& a) {
                                        return MappingMethods(db).RemoveMapeamento(
                                            AsText(a[0]), AsText(a[1]), {AsText(a[2]), AsText(a[3]), AsText(a[4]), a[5]});
                                    }};
}

std::string IntegraCardapioModule::CheckArguments(const std::string& name, const Method& method,
                                                  const Variant::Array& args) {
    if (args.size() != method.arguments.size()) {
        return name + ": são esperados " + std::to_string(method.arguments.size()) + " argumentos, vieram " +
               std::to_string(args.size()) + ".";
    }
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string position = name + ": o argumento " + std::to_string(i + 1);
        if (method.arguments[i] == Argument::Text && args[i].Type() != VarType::String)
            return position + " deve ser um texto.";
        if (method.arguments[i] == Argument::Day && !IsDay(args[i])) return position + " deve ser uma data.";
    }
    return {};
}

Variant IntegraCardapioModule::Dispatch(const std::string& method, const Variant::Array& args) {
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
