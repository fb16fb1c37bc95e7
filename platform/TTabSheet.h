#pragma once
// A page of a TPageControl. Only the active page is visible, so controls on the other pages
// cannot take the focus. A page that is not Enabled cannot be chosen by the user (tab click,
// arrow keys, SelectNextPage): that is how a screen locks its other tabs during an edit.
#include "TWinControl.h"

class TPageControl;

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    // Adds the page at the end of `pageControl` (and makes it the page's parent).
    void SetPageControl(TPageControl* pageControl);
    int PageIndex() const;

    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    bool TakesFocusOnClick() const override { return false; }

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};
