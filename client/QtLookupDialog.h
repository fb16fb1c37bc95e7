#pragma once
// The host's lookup list on Qt: a modal dialog over the main window listing the rows of the
// dataset (its fields as columns, titled by their display labels), with a search box that keeps
// the rows holding the typed text in any column; Up and Down move through the list from the box.
// The list starts on the value the user stands on. Enter or a double click chooses the current
// row; Escape closes without a choice.
#include "LookupDialog.h"

class QWidget;

class QtLookupDialog : public LookupDialogService {
public:
    explicit QtLookupDialog(QWidget* parent) : parent_(parent) {}

    int Choose(const LookupRequest& request) override;

private:
    QWidget* parent_;
};
