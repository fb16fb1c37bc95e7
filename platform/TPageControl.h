#pragma once
// A set of pages with tabs. Programmatic changes (SetActivePage, SetActivePageIndex) fire no
// events; user changes (ClickTab, Left/Right while focused, SelectNextPage) ask OnChanging
// first and fire OnChange after. When the focus was on the page being left it moves to the
// page control; SelectNextPage (the screens' keyboard command) then takes it into the new page,
// to the first control in tab order placed on the page itself.
#include "TWinControl.h"

#include <vector>

class TTabSheet;

using TTabChangingEvent = std::function<void(TComponent* Sender, bool& AllowChange)>;

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(index); }
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    // The next (or previous) page with its tab visible (when checkTabVisible) and enabled,
    // wrapping around; nullptr when there is none.
    TTabSheet* FindNextPage(TTabSheet* current, bool forward, bool checkTabVisible) const;
    // Moves to FindNextPage(ActivePage()) as a user change, and the focus into the new page.
    void SelectNextPage(bool forward, bool checkTabVisible = true);
    // The user clicks the page's tab: a user change unless the page is hidden or disabled.
    void ClickTab(TTabSheet* page);

    TTabChangingEvent OnChanging;
    TNotifyEvent OnChange;

    bool WantsKey(Word key, TShiftState shift) const override;

    // The area every page fills: below the tabs, inside the frame.
    TRect DisplayRect() const;

protected:
    void KeyAction(Word& key, TShiftState shift) override;
    void Resized() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void ChangeActivePage(TTabSheet* page);
    // True when the page changed.
    bool UserChange(TTabSheet* page);
    void EnterActivePage();
    bool Selectable(const TTabSheet* page, bool checkTabVisible) const;

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
};
