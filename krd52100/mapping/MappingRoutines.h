#pragma once
// Routines shared by the handlers of the three mapping tables (services, diets, dish types) and
// their grids.
#include "TDBGrid.h"
#include "TField.h"

#include <string>
#include <string_view>

class TDataSet;

namespace krd52100 {

// The dataset holds a row being edited or inserted.
bool IsEditing(const TDataSet& dataSet);

// Asks `question` with Yes and No; No aborts silently (EAbort), so a cancel it guards does not
// happen.
void ConfirmOrAbort(const std::string& question);

// Runs `check`; when it fails, the input focus goes to the control showing `field` (its grid
// column) before the failure goes on, so that the user lands where the value must be fixed.
template <typename Check>
void FocusOnFailure(TField& field, Check&& check) {
    try {
        check();
    } catch (...) {
        field.FocusControl();
        throw;
    }
}

// Paints the name in place of the code in a code column of a mapping grid, over what the grid's
// default drawing left: the code itself while it is being typed (editor shown in the selected,
// unfocused cell), blank when there is no code (whatever name is left in the row), else the name.
void PaintCodeAsName(TDBGrid& grid, const TRect& rect, TGridDrawState state, const TField& code,
                     const TField& name);

// Enter posts the row being edited or inserted in a mapping grid, except with Ctrl alone
// (Ctrl+Enter is the lookup button's key). The key is left for the grid's own handling.
void PostOnEnter(TDBGrid& grid, Word key, TShiftState shift);

// The grid's selected field is named `fieldName`.
bool SelectedFieldIs(const TDBGrid& grid, std::string_view fieldName);

}  // namespace krd52100
