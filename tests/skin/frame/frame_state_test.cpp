// Size limits, maximize, minimize, restore and roll-up, as the frame runs them itself.
#include <gtest/gtest.h>

#include "frame_fixture.h"

namespace vemora::skin::testing {
namespace {

TEST_F(FrameFixture, SizeLimits) {
    const struct {
        int minWidth, minHeight;
        bool rolledUp;
        int width, height;
    } cases[] = {
        {592, 0, false, 592, 34},  // this window: as low as its caption bar and bottom border
        {0, 0, false, 378, 34},    // no minimum: the picture's width
        {300, 0, false, 378, 34},  // a minimum below the picture's width
        {592, 100, false, 592, 100},
        {592, 100, true, 592, 34},  // rolled up: the caption bar whatever the minimum
    };
    for (const auto& c : cases) {
        form->MinWidth = c.minWidth;
        form->MinHeight = c.minHeight;
        if (c.rolledUp) form->SetRollUpState(true);
        EXPECT_EQ(form->MinTrackWidth(), c.width) << c.minWidth << " " << c.minHeight;
        EXPECT_EQ(form->MinTrackHeight(), c.height) << c.minWidth << " " << c.minHeight;
    }
    EXPECT_EQ(form->MaxTrackWidth(), 1024);
    EXPECT_EQ(form->MaxTrackHeight(), 738);
    form->MaxWidth = 800;
    form->MaximizeOnFullScreen = true;
    EXPECT_EQ(form->MaxTrackWidth(), 800);
    EXPECT_EQ(form->MaxTrackHeight(), 768);
}

TEST_F(FrameFixture, ApplyingTheSkinRaisesAWindowBelowTheMinimum) {
    Build(400, 20);
    EXPECT_EQ(RectWidth(platform.bounds), 592);
    EXPECT_EQ(RectHeight(platform.bounds), 34);
}

TEST_F(FrameFixture, MaximizeMinimizeRestoreReturnsToTheBoundsBeforeTheMaximize) {
    const Rect before = platform.bounds;
    form->SetFrameState(kFrameMaximized);
    EXPECT_EQ(platform.bounds, platform.workArea_);
    EXPECT_EQ(form->FrameState(), kFrameMaximized);
    form->SetFrameState(kFrameMinimized);
    EXPECT_EQ(form->FrameState(), kFrameMinimized);
    // The minimized form is its caption bar, as wide as the picture, at the bottom left of
    // the work area.
    EXPECT_EQ(platform.bounds, (Rect{0, 738 - 34, 378, 738}));
    form->SetFrameState(kFrameNormal);
    EXPECT_EQ(platform.bounds, before);
    EXPECT_TRUE(IsEmptyRect(form->RestoreBounds()));
}

TEST_F(FrameFixture, SettingTheSameStateDoesNothing) {
    const int changes = platform.boundsChanges;
    form->SetFrameState(kFrameNormal);
    EXPECT_EQ(platform.boundsChanges, changes);
}

TEST_F(FrameFixture, MinimizedFormsQueueAlongTheWorkAreasBottom) {
    struct Queued : FakePlatform {
        bool MinimizedFormAt(const Rect& r) const override { return r.left < 3 * 378 && r.bottom == 738; }
    } queued;
    queued.workArea_ = {0, 0, 1300, 738};
    TspDynamicSkinForm frame(queued);
    frame.MinWidth = 592;
    frame.SetSkinData(&VemoraSkin());
    frame.SetFrameState(kFrameMinimized);
    // Three places taken in the bottom row, a fourth would leave the work area: one row up.
    EXPECT_EQ(queued.bounds, (Rect{0, 738 - 68, 378, 738 - 34}));
}

TEST_F(FrameFixture, MaximizeLeavesAMarginForAnAutoHiddenTaskbar) {
    platform.workArea_ = platform.monitor;  // the taskbar takes no room
    form->SetFrameState(kFrameMaximized);
    EXPECT_EQ(platform.bounds, (Rect{1, 1, 1023, 767}));
    form->SetFrameState(kFrameNormal);
    form->MaximizeOnFullScreen = true;
    form->SetFrameState(kFrameMaximized);
    EXPECT_EQ(platform.bounds, platform.monitor);
}

TEST_F(FrameFixture, MinimizingTheMainFormMinimizesTheApplication) {
    platform.mainForm = true;
    form->SetFrameState(kFrameMaximized);
    const Rect maximized = platform.bounds;
    form->SetFrameState(kFrameMinimized);
    EXPECT_EQ(platform.applicationMinimized, 1);
    EXPECT_EQ(form->FrameState(), kFrameMaximized);  // restored from the taskbar, it is maximized again
    EXPECT_EQ(platform.bounds, maximized);
}

TEST_F(FrameFixture, MaximizedCaptionDragDoesNotMove) {
    form->SetFrameState(kFrameMaximized);
    Rect proposed{50, 60, 50 + 1024, 60 + 738};
    form->OnMoving(proposed);
    EXPECT_EQ(proposed, platform.bounds);
}

TEST_F(FrameFixture, MagneticSnapping) {
    form->Magnetic = true;
    const struct {
        Rect proposed, snapped;
    } cases[] = {
        {{5, 200, 606, 644}, {0, 200, 601, 644}},      // near the left edge
        {{420, -7, 1021, 437}, {423, 0, 1024, 444}},   // near the top and the right edge
        {{200, 290, 801, 734}, {200, 294, 801, 738}},  // near the bottom
        {{200, 200, 801, 644}, {200, 200, 801, 644}},  // far from every edge
    };
    for (const auto& c : cases) {
        Rect r = c.proposed;
        form->OnMoving(r);
        EXPECT_EQ(r, c.snapped) << c.proposed.left << "," << c.proposed.top;
    }
}

TEST_F(FrameFixture, RollUpToTheCaptionBarAndBack) {
    form->SetRollUpState(true);
    EXPECT_EQ(RectHeight(platform.bounds), 34);
    EXPECT_TRUE(form->RollUpState());
    form->SetRollUpState(false);
    EXPECT_EQ(RectHeight(platform.bounds), 444);

    TspBorderIcons noRollUp;
    noRollUp.biRollUp = false;
    form->SetBorderIcons(noRollUp);
    form->SetSkinData(&VemoraSkin());
    form->SetRollUpState(true);
    EXPECT_FALSE(form->RollUpState());
    EXPECT_EQ(RectHeight(platform.bounds), 444);
}

TEST_F(FrameFixture, CaptionDoubleClickMaximizesAndRestores) {
    const Rect before = platform.bounds;
    form->OnNcButtonDblClk(kLeftButton, Screen({100, 10}), kHtCaption);
    EXPECT_EQ(form->FrameState(), kFrameMaximized);
    form->OnNcButtonDblClk(kLeftButton, Screen({100, 10}), kHtCaption);
    EXPECT_EQ(form->FrameState(), kFrameNormal);
    EXPECT_EQ(platform.bounds, before);
    form->Sizeable = false;
    form->OnNcButtonDblClk(kLeftButton, Screen({100, 10}), kHtCaption);
    EXPECT_TRUE(form->RollUpState());  // not sizeable: the double-click rolls up
}

TEST_F(FrameFixture, CaptionRightClickOpensTheSystemMenu) {
    form->OnNcButtonDown(kRightButton, Screen({100, 10}), kHtCaption);
    const Point at = Screen({100, 10});
    EXPECT_EQ(platform.systemMenuAnchors, (std::vector<Rect>{Rect{at.x, at.y, at.x, at.y}}));
    EXPECT_EQ(form->CaptureObject(), -1);
}

}  // namespace
}  // namespace vemora::skin::testing
