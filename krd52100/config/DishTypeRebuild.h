#pragma once
// The rebuild of the destination side of the dish-type mapping: for every service pair, the dish
// types that the destination service offers at the destination start date, matched by name to
// the origin dish types of the pair's origin service.
//
// A row whose trimmed origin name matches a listed name (ignoring case) takes that dish type
// (code, name, and its own sequence and order as the destination's), unless the same sequence
// already took that dish type in this service: then the row stays as it was, so that two
// origin dish types of one slot never land on one destination slot. A row without a match
// keeps only the destination service, with the dish type cleared. Every row changed is posted,
// so the handlers of cdsTipoPrat see it (the caller holds back the registers' upkeep).
#include "TStringList.h"

#include <string>

class TfrmIntegraCardapio;

namespace krd52100 {

class DishTypeRebuild {
public:
    explicit DishTypeRebuild(TfrmIntegraCardapio& screen) : screen_(screen) { assigned_.SetSorted(true); }

    // Every row of cdsServicos, first to last (each move runs its scroll handler), with one
    // configuration call per service. Leaves the services cursor past the last row and
    // cdsTipoPrat filtered to the last origin service. The caller freezes the controls and sets
    // the index. A failure (server or post) ends it at that service: services before it keep
    // their new values, the rest their old ones.
    void AllServices();

private:
    void CurrentService();
    void MatchRow(const std::string& destinationService);

    TfrmIntegraCardapio& screen_;
    // (sequence, destination dish type) pairs already given to a row of the current service.
    TStringList assigned_;
};

}  // namespace krd52100
