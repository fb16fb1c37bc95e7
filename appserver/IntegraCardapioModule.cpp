#include "IntegraCardapioModule.h"

#include "Answer.h"
#include "DestinationLookups.h"
#include "MappingMethods.h"
#include "HistoryMethods.h"
#include "ImportUndo.h"
#include "MenuExchange.h"
#include "ParameterMethods.h"
#include "SqliteDatabase.h"

namespace appserver {

IntegraCardapioModule::IntegraCardapioModule(ServerConfig config, std::shared_ptr<const FileAccess> files,
                                             std::shared_ptr<const Clock> clock)
    : RemoteModule(std::move(config)),
      files_(files ? std::move(files) : std::make_shared<LocalFileAccess>()),
      clock_(clock ? std::move(clock) : std::make_shared<SystemClock>()),
      roots_(config_.importRoots, *files_) {
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
                                       MenuExchange exchange(db, roots_, *files_, *clock_, locks_, config_.undoKeepDays,
                                                             &progress_);
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
    methods_["GetHistorico"] = {{Text, Day, Day}, [](SqliteDatabase& db, const Variant::Array& a) {
                                    return HistoryMethods(db).GetHistorico(AsText(a[0]), AsDay(a[1]), AsDay(a[2]));
                                }};
    methods_["GetHistoricoDetalhe"] = {{Number}, [](SqliteDatabase& db, const Variant::Array& a) {
                                           return HistoryMethods(db).GetHistoricoDetalhe(a[0].AsInteger());
                                       }};
    methods_["DesfazImportacao"] = {{Number, Text}, [this](SqliteDatabase& db, const Variant::Array& a) {
                                        return ImportUndo(db, *clock_, locks_).DesfazImportacao(a[0].AsInteger(),
                                                                                                AsText(a[1]));
                                    }};
}

}  // namespace appserver
