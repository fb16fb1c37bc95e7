// The dish-type grid of the configuration tab: how it paints (dish-type names in place of codes,
// the option flag as "Sim"/"Não", check boxes for the import mark), which columns stay closed to
// typing, the marking of one row or of all rows of the pair for import, and its keys.
//
// Only the destination dish type is typed in place: the origin side is the file's, and the mark
// changes by double click, Space, the mark column's title or Ctrl+Space, each change posted at
// once.
#include "screen/TfrmIntegraCardapio.h"

#include "mapping/MappingRoutines.h"

#include "CheckBoxPictures.h"
#include "TBitmap.h"
#include "TClientDataSet.h"
#include "TDataSource.h"
#include "TImage.h"
#include "TextRoutines.h"

#include <algorithm>
#include <array>

using krd52100::SelectedFieldIs;

namespace {

// Fields whose column takes no in-place editing when it becomes current (column or grid enter).
constexpr std::array<const char*, 5> kClosedOnEntry{"NRORDORIG", "IDOPCORIG", "IDIMPORTAR", "NRORDDEST", "CDTIPOORIG"};
// Fields whose column closes in-place editing when clicked.
constexpr std::array<const char*, 3> kClosedOnClick{"IDIMPORTAR", "IDOPCORIG", "CDTIPOORIG"};
// Fields whose column swallows typed characters.
constexpr std::array<const char*, 4> kClosedToTyping{"NRORDORIG", "IDOPCORIG", "NRORDDEST", "CDTIPOORIG"};

template <size_t N>
bool SelectedIn(const TDBGrid& grid, const std::array<const char*, N>& fields) {
    return std::any_of(fields.begin(), fields.end(), [&](const char* field) { return SelectedFieldIs(grid, field); });
}

void SetEditing(TDBGrid& grid, bool editing) {
    grid.SetOptions(editing ? grid.Options() + dgEditing : grid.Options() - dgEditing);
}

bool IsMarked(const TField& mark) { return mark.AsString() == "S"; }

}  // namespace

void TfrmIntegraCardapio::dbgTipoPratDrawColumnCell(TComponent*, const TRect& Rect, int, TColumn* Column,
                                                    TGridDrawState State) {
    if (cdsTipoPrat->IsEmpty()) return;
    TCanvas& canvas = dbgTipoPrat->Canvas();
    canvas.FillRect(Rect);
    const bool selected = State.Contains(gdSelected);
    canvas.Brush.Color = selected ? clHighlight : clInfoBk;
    if (ActiveControl() != dbgTipoPrat)
        canvas.Font.Color = clInactiveCaption;
    else
        canvas.Font.Color = selected ? clHighlightText : clWindowText;

    TField* field = Column->Field();
    if (!field) return;
    canvas.TextRect(Rect, Rect.Left + 3, Rect.Top + 3, field->DisplayText());
    const std::string& name = field->FieldName();
    if (name == "CDTIPOORIG")
        krd52100::PaintCodeAsName(*dbgTipoPrat, Rect, State, *field, *cdsTipoPrat->FieldByName("NMTIPOORIG"));
    if (name == "CDTIPODEST")
        krd52100::PaintCodeAsName(*dbgTipoPrat, Rect, State, *field, *cdsTipoPrat->FieldByName("NMTIPODEST"));
    if (name == "IDIMPORTAR") {
        const bool unchecked = field->IsNull() || field->AsString() == "N";
        PaintCheckBox(canvas, Rect, (unchecked ? imgUncheck : imgCheck)->Bitmap());
    }
}

void TfrmIntegraCardapio::dbgTipoPratColEnter(TComponent*) { SetEditing(*dbgTipoPrat, !SelectedIn(*dbgTipoPrat, kClosedOnEntry)); }

void TfrmIntegraCardapio::dbgTipoPratEnter(TComponent* Sender) { dbgTipoPratColEnter(Sender); }

void TfrmIntegraCardapio::dbgTipoPratCellClick(TColumn*) {
    if (SelectedIn(*dbgTipoPrat, kClosedOnClick)) SetEditing(*dbgTipoPrat, false);
}

void TfrmIntegraCardapio::dbgTipoPratKeyPress(TComponent*, char& Key) {
    if (SelectedIn(*dbgTipoPrat, kClosedToTyping)) Key = '\0';
}

// The edit releases the row's register entries; the post takes them again only when the row is
// marked.
void TfrmIntegraCardapio::dbgTipoPratDblClick(TComponent*) {
    if (cdsTipoPrat->IsEmpty() || !SelectedFieldIs(*dbgTipoPrat, "IDIMPORTAR")) return;
    cdsTipoPrat->Edit();
    TField& mark = *cdsTipoPrat->FieldByName("IDIMPORTAR");
    mark.SetAsString(IsMarked(mark) ? "N" : "S");
    cdsTipoPrat->Post();
}

// One mark anywhere in the pair unmarks every row; none marks every row that has a destination.
void TfrmIntegraCardapio::dbgTipoPratTitleClick(TColumn* Column) {
    if (!Column->Field() || Column->Field()->FieldName() != "IDIMPORTAR") return;
    cdsTipoPrat->DisableControls();
    try {
        const bool anyMarked = cdsTipoPrat->Locate("IDIMPORTAR", Variant("S"), loCaseInsensitive);
        for (cdsTipoPrat->First(); !cdsTipoPrat->Eof(); cdsTipoPrat->Next()) {
            if (!anyMarked && EmptyString(cdsTipoPrat->FieldByName("CDTIPODEST")->AsString())) continue;
            cdsTipoPrat->Edit();
            cdsTipoPrat->FieldByName("IDIMPORTAR")->SetAsString(anyMarked ? "N" : "S");
            cdsTipoPrat->Post();
        }
    } catch (...) {
        cdsTipoPrat->EnableControls();
        throw;
    }
    cdsTipoPrat->EnableControls();
    Refresh();
}

void TfrmIntegraCardapio::dbgTipoPratKeyDown(TComponent*, Word& Key, TShiftState Shift) {
    const bool ctrlAlone = Shift == TShiftState{ssCtrl};
    const bool editing = dtsTipoPrat->State() == dsEdit || dtsTipoPrat->State() == dsInsert;
    if (editing && Key == VK_RETURN && !ctrlAlone) {
        dtsTipoPrat->DataSet()->Post();
        return;
    }
    if (SelectedFieldIs(*dbgTipoPrat, "IDIMPORTAR") && Key == VK_SPACE) {
        if (Shift.Empty())
            dbgTipoPratDblClick(dbgTipoPrat);
        else if (ctrlAlone)
            dbgTipoPratTitleClick(dbgTipoPrat->Columns()[dbgTipoPrat->SelectedIndex()]);
    }
    if (Shift.Contains(ssCtrl) && Key == VK_DELETE) Key = 0;
    if (!ctrlAlone && (Key == VK_BACK || Key == VK_DELETE)) Key = 0;
}
