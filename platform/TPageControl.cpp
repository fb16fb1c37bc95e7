#include "TPageControl.h"

#include "TForm.h"
#include "TTabSheet.h"

#include <algorithm>

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

TPageControl::~TPageControl() {
    // Pages may outlive the control (their owner destroys them later).
    for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->PageControl() != this) return;
    ChangeActivePage(page);
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? pages_[index] : nullptr);
}

bool TPageControl::Selectable(const TTabSheet* page, bool checkTabVisible) const {
    return page->Enabled() && (!checkTabVisible || page->TabVisible());
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool forward, bool checkTabVisible) const {
    int count = PageCount();
    if (count == 0) return nullptr;
    auto it = std::find(pages_.begin(), pages_.end(), current);
    int start = it == pages_.end() ? (forward ? count - 1 : 0) : static_cast<int>(it - pages_.begin());
    int position = start;
    for (int step = 0; step < count; ++step) {
        position = ((forward ? position + 1 : position - 1) + count) % count;
        if (Selectable(pages_[position], checkTabVisible)) return pages_[position];
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool forward, bool checkTabVisible) {
    if (UserChange(FindNextPage(activePage_, forward, checkTabVisible))) EnterActivePage();
}

// A panel on the page (dates, filters) is entered on purpose: passing through it would run its
// exit checks on the way.
void TPageControl::EnterActivePage() {
    if (!activePage_) return;
    for (TWinControl* control : activePage_->TabList()) {
        if (control->TabStop() && control->CanFocus()) return control->SetFocus();
    }
}

void TPageControl::ClickTab(TTabSheet* page) {
    if (page && page->PageControl() == this && Selectable(page, true)) UserChange(page);
}

bool TPageControl::UserChange(TTabSheet* page) {
    if (!page || page == activePage_) return false;
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    if (!allow) return false;
    ChangeActivePage(page);
    if (OnChange) OnChange(this);
    return true;
}

void TPageControl::ChangeActivePage(TTabSheet* page) {
    if (page == activePage_) return;
    TForm* form = ParentForm();
    if (form && activePage_ && activePage_->ContainsControl(form->ActiveControl()) && CanFocus())
        form->SetActiveControl(this);
    if (activePage_) activePage_->SetVisible(false);
    activePage_ = page;
    if (activePage_) activePage_->SetVisible(true);
    Changed(TControlChange::State);
}

bool TPageControl::WantsKey(Word key, TShiftState) const { return key == VK_LEFT || key == VK_RIGHT; }

void TPageControl::KeyAction(Word& key, TShiftState shift) {
    // The tabs keep the focus: the user is choosing among them.
    if (shift.Empty() && (key == VK_LEFT || key == VK_RIGHT))
        UserChange(FindNextPage(activePage_, key == VK_RIGHT, true));
}

namespace {

constexpr int kTabsHeight = 24;
constexpr int kFrameWidth = 4;

}  // namespace

TRect TPageControl::DisplayRect() const {
    return Rect(kFrameWidth, kTabsHeight, std::max(kFrameWidth, Width() - kFrameWidth),
                std::max(kTabsHeight, Height() - kFrameWidth));
}

void TPageControl::Resized() {
    const TRect area = DisplayRect();
    for (TTabSheet* page : pages_) page->SetBounds(area.Left, area.Top, area.Width(), area.Height());
    TWinControl::Resized();
}

void TPageControl::InsertPage(TTabSheet* page) {
    const TRect area = DisplayRect();
    page->SetBounds(area.Left, area.Top, area.Width(), area.Height());
    pages_.push_back(page);
    if (!activePage_) ChangeActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
    if (page == activePage_) ChangeActivePage(nullptr);
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
}
