// Resizing a container: its children keep the distances their anchors name, and its aligned
// children fill their sides again, on a plain container and on a form's client area.
#include "TForm.h"
#include "TPanel.h"

#include <gtest/gtest.h>

namespace {

struct AnchorCase {
    const char* name;
    TAnchors anchors;
    TRect after;  // a 50 x 30 child at (20, 10), once its 200 x 100 parent is 300 x 160
};

TEST(Anchors, ResizingTheParentKeepsTheAnchoredDistances) {
    const AnchorCase cases[] = {
        {"left top", {akLeft, akTop}, Bounds(20, 10, 50, 30)},
        {"across", {akLeft, akTop, akRight}, Bounds(20, 10, 150, 30)},
        {"all four", {akLeft, akTop, akRight, akBottom}, Bounds(20, 10, 150, 90)},
        {"right bottom", {akRight, akBottom}, Bounds(120, 70, 50, 30)},
        {"top right", {akTop, akRight}, Bounds(120, 10, 50, 30)},
        {"left bottom", {akLeft, akBottom}, Bounds(20, 70, 50, 30)},
        {"none: the centre keeps its proportion", {}, Bounds(43, 25, 50, 30)},
    };
    for (const AnchorCase& c : cases) {
        TPanel parent(nullptr), child(nullptr);
        parent.SetBounds(0, 0, 200, 100);
        child.SetParent(&parent);
        child.SetBounds(20, 10, 50, 30);
        child.SetAnchors(c.anchors);
        parent.SetBounds(0, 0, 300, 160);
        EXPECT_EQ(child.BoundsRect(), c.after) << c.name;
        parent.SetBounds(0, 0, 200, 100);
        EXPECT_EQ(child.BoundsRect(), Bounds(20, 10, 50, 30)) << c.name << ", back to the first size";
    }
}

TEST(Anchors, ChildPlacedInAnUnsizedParentFollowsFromItsFirstSize) {
    TPanel parent(nullptr), child(nullptr);
    child.SetParent(&parent);
    child.SetBounds(20, 10, 50, 30);
    child.SetAnchors({akLeft, akTop, akRight, akBottom});
    parent.SetBounds(0, 0, 200, 100);
    EXPECT_EQ(child.BoundsRect(), Bounds(20, 10, 50, 30));
    parent.SetBounds(0, 0, 210, 120);
    EXPECT_EQ(child.BoundsRect(), Bounds(20, 10, 60, 50));
}

TEST(Align, SidesAreTakenTopBottomLeftRightAndTheClientGetsTheRest) {
    TForm form(nullptr);
    form.SetClientSize(200, 100);
    TPanel client(nullptr), right(nullptr), left(nullptr), bottom(nullptr), top(nullptr), second(nullptr),
        hidden(nullptr);
    second.SetParent(&form);
    second.SetBounds(0, 0, 1, 15);
    second.SetAlign(alTop);
    const std::pair<TPanel*, TAlign> aligned[] = {{&client, alClient}, {&right, alRight}, {&left, alLeft},
                                                  {&bottom, alBottom}, {&top, alTop}, {&hidden, alTop}};
    for (auto [panel, align] : aligned) {
        panel->SetParent(&form);
        panel->SetBounds(5, 5, 30, 10);
        panel->SetAlign(align);
    }
    hidden.Hide();
    second.SetTop(50);  // the first top strip, moved below the other one: it follows it now
    form.SetClientSize(300, 160);
    EXPECT_EQ(form.Width(), 300 + 2 * TForm::BorderWidth);
    EXPECT_EQ(form.Height(), 160 + TForm::CaptionHeight + 2 * TForm::BorderWidth);
    EXPECT_EQ(top.BoundsRect(), Bounds(0, 0, 300, 10));
    EXPECT_EQ(second.BoundsRect(), Bounds(0, 10, 300, 15));
    EXPECT_EQ(bottom.BoundsRect(), Bounds(0, 150, 300, 10));
    EXPECT_EQ(left.BoundsRect(), Bounds(0, 25, 30, 125));
    EXPECT_EQ(right.BoundsRect(), Bounds(270, 25, 30, 125));
    EXPECT_EQ(client.BoundsRect(), Bounds(30, 25, 240, 125));
    EXPECT_EQ(right.Anchors(), (TAnchors{akRight, akTop, akBottom}));

    bottom.SetHeight(0);  // a strip collapsed by its screen gives its room back at once
    EXPECT_EQ(client.BoundsRect(), Bounds(30, 25, 240, 135));
}

}  // namespace
