#pragma once
// The lookup button beside a code edit. A click runs, in this order:
//   1. OnClick, as any button;
//   2. BeforePesq(Sender, Proceed): the place to fill the list; Proceed false ends the click;
//   3. when the data source's dataset is closed or empty: EmptyListText as an error box, then
//      EAbort (the click ends silently);
//   4. the lookup dialog (Pesquisar) over DataSource titled Title; no choice ends the click;
//   5. the chosen row's code (CodeField, or the dataset's first visible field) into Edit's text,
//      which runs the edit's OnChange;
//   6. AfterPesq(Sender).
// The button never takes the focus and moves none: the edit is filled where it stands, so no
// exit or enter handler of the screen runs because of the lookup.
#include "TSpeedButton.h"

#include <functional>
#include <string>

class TDataSource;
class TEdit;

class TBtnPesquisa : public TSpeedButton {
public:
    using TBeforePesqEvent = std::function<void(TComponent* Sender, bool& Proceed)>;

    explicit TBtnPesquisa(TComponent* owner) : TSpeedButton(owner) {}

    TEdit* Edit = nullptr;
    std::string Title;
    TDataSource* DataSource = nullptr;
    std::string EmptyListText;
    std::string CodeField;
    TBeforePesqEvent BeforePesq;
    TNotifyEvent AfterPesq;

    void Click() override;

private:
    std::string ChosenCode() const;
};
