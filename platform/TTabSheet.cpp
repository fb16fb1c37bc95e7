#include "TTabSheet.h"

#include "TForm.h"
#include "TPageControl.h"

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) { SetVisible(false); }

// Leaving its page control takes the page off the form, which must first let go of any focus
// pointer into it (the base's destructor no longer finds the form).
TTabSheet::~TTabSheet() {
    if (TForm* form = ParentForm()) form->ControlDestroying(this);
    SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    if (pageControl == pageControl_) return;
    if (pageControl_) pageControl_->RemovePage(this);
    pageControl_ = pageControl;
    SetParent(pageControl);
    if (pageControl_) pageControl_->InsertPage(this);
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    for (int i = 0; i < pageControl_->PageCount(); ++i)
        if (pageControl_->Pages(i) == this) return i;
    return -1;
}

void TTabSheet::SetTabVisible(bool visible) {
    tabVisible_ = visible;
    Changed(TControlChange::State);
}
