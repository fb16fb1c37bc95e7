#include "ControlRoutines.h"

#include "TColumn.h"
#include "TDBGrid.h"
#include "TWinControl.h"
#include "Text.h"

#include <algorithm>
#include <vector>

namespace {

// The children a SetChildEnabled(false) disabled. Owned by the container, so it goes with it.
class DisabledChildren : public TComponent {
public:
    explicit DisabledChildren(TComponent* owner) : TComponent(owner) {}
    std::vector<TControl*> Controls;
};

DisabledChildren* Remembered(TWinControl* container) {
    for (TComponent* component : container->Components())
        if (auto* remembered = dynamic_cast<DisabledChildren*>(component)) return remembered;
    return nullptr;
}

}  // namespace

void SetChildEnabled(TWinControl* container, bool enabled) {
    DisabledChildren* remembered = Remembered(container);
    if (!enabled) {
        if (!remembered) remembered = new DisabledChildren(container);
        for (TControl* child : container->Controls()) {
            if (!child->Enabled()) continue;
            remembered->Controls.push_back(child);
            child->SetEnabled(false);
        }
        return;
    }
    if (!remembered) {
        for (TControl* child : container->Controls()) child->SetEnabled(true);
        return;
    }
    const auto& children = container->Controls();
    for (TControl* control : remembered->Controls)
        if (std::find(children.begin(), children.end(), control) != children.end()) control->SetEnabled(true);
    delete remembered;
}

int IndiceCol(const TDBGrid* grid, std::string_view fieldName) {
    const TDBGridColumns& columns = grid->Columns();
    for (int index = 0; index < columns.Count(); ++index)
        if (AnsiSameText(columns[index]->FieldName(), fieldName)) return index;
    return -1;
}
