#pragma once
// A record navigator: a strip of buttons that move its data source's dataset. Only the moving
// buttons exist here (first, prior, next, last). With no data source, or a closed dataset,
// every button is inert. Like a flat tool button it never takes the focus.
#include "TControl.h"
#include "TSet.h"

class TDataSource;

enum TNavigateBtn { nbFirst, nbPrior, nbNext, nbLast };
using TButtonSet = TSet<TNavigateBtn>;

class TDBNavigator : public TControl {
public:
    explicit TDBNavigator(TComponent* owner) : TControl(owner) {}

    TDataSource* DataSource = nullptr;
    TButtonSet VisibleButtons{nbFirst, nbPrior, nbNext, nbLast};
    bool Flat = false;

    // The user presses a button: the dataset moves (with its scroll events). Nothing happens
    // for a hidden button, while the navigator is disabled, or without an open dataset.
    void BtnClick(TNavigateBtn button);
};
