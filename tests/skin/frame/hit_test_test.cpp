// What the frame answers to WM_NCHITTEST, and the outline it cuts.
#include <gtest/gtest.h>

#include "frame_fixture.h"

namespace vemora::skin::testing {
namespace {

bool InRegion(const std::vector<MaskRegion>& parts, Point p) {
    for (const MaskRegion& part : parts) {
        for (const Rect& r : part.rects) {
            if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) return true;
        }
    }
    return false;
}

struct HitCase {
    const char* what;
    Point p;  // window coordinates of a 601 × 444 window
    int code;
};

TEST_F(FrameFixture, HitTestOfTheNormalWindow) {
    const int w = 601, h = 444;
    const HitCase cases[] = {
        {"1 pixel inside the rounded top-left corner", {2, 2}, kHtTopLeft},
        {"top border within the border width", {100, 2}, kHtTop},
        {"top border outside the caption object", {100, 26}, kHtObject},
        {"caption", {100, 10}, kHtCaption},
        {"close button", {329 + dx() + 20, 9}, kHtObject},
        {"client", {200, 200}, kHtClient},
        {"left border", {1, 100}, kHtLeft},
        {"right border", {w - 2, 100}, kHtRight},
        {"bottom border", {200, h - 2}, kHtBottom},
        {"bottom-left corner", {3, h - 2}, kHtBottomLeft},
        {"bottom-right corner", {w - 3, h - 3}, kHtBottomRight},
        {"top-right corner", {w - 3, 3}, kHtTopRight},
    };
    for (const HitCase& c : cases) EXPECT_EQ(form->FrameHitTest(Screen(c.p)), c.code) << c.what;
}

TEST_F(FrameFixture, RoundedCornersAreCutFromTheWindow) {
    // The mask cuts 5, 3, 2, 1, 1 pixels at the ends of the first and last five rows.
    const int w = 601, h = 444;
    for (Point outside :
         {Point{0, 0}, Point{4, 0}, Point{2, 1}, Point{w - 1, 0}, Point{0, h - 1}, Point{w - 1, h - 2}}) {
        EXPECT_FALSE(InRegion(platform.region, outside)) << outside.x << "," << outside.y;
    }
    for (Point inside :
         {Point{5, 0}, Point{3, 1}, Point{0, 5}, Point{w - 6, 0}, Point{300, 300}, Point{w - 1, 200}}) {
        EXPECT_TRUE(InRegion(platform.region, inside)) << inside.x << "," << inside.y;
    }
}

TEST_F(FrameFixture, MaximizedOffersNoSizingBorders) {
    form->SetFrameState(kFrameMaximized);
    const int w = RectWidth(platform.bounds), h = RectHeight(platform.bounds);
    form->OnSize(w, h);
    const HitCase cases[] = {
        {"corner", {2, 2}, kHtObject},
        {"left border", {1, 100}, kHtObject},
        {"bottom-right", {w - 3, h - 3}, kHtObject},
        {"caption", {100, 10}, kHtCaption},
        {"client", {200, 200}, kHtClient},
    };
    for (const HitCase& c : cases) EXPECT_EQ(form->FrameHitTest(Screen(c.p)), c.code) << c.what;
}

TEST_F(FrameFixture, RolledUpHasNeitherSizingBordersNorClient) {
    form->SetRollUpState(true);
    ASSERT_EQ(RectHeight(platform.bounds), 34);
    form->OnSize(601, 34);
    const HitCase cases[] = {
        {"corner", {2, 2}, kHtObject},
        {"caption", {100, 10}, kHtCaption},
        {"below the caption", {100, 30}, kHtObject},
    };
    for (const HitCase& c : cases) EXPECT_EQ(form->FrameHitTest(Screen(c.p)), c.code) << c.what;
}

TEST_F(FrameFixture, WindowAtNegativeScreenCoordinates) {
    Build(601, 444, -1500, -600);
    const HitCase cases[] = {
        {"client", {200, 200}, kHtClient},
        {"left border", {1, 100}, kHtLeft},
        {"caption", {100, 10}, kHtCaption},
        {"corner", {2, 2}, kHtTopLeft},
    };
    for (const HitCase& c : cases) EXPECT_EQ(form->FrameHitTest(Screen(c.p)), c.code) << c.what;
}

TEST_F(FrameFixture, AnObjectUnderTheMouseStartsHoverTracking) {
    platform.mouseTimer = false;
    EXPECT_EQ(form->FrameHitTest(Screen(Centre("closebutton"))), kHtObject);
    EXPECT_TRUE(platform.mouseTimer);
    EXPECT_EQ(form->Objects()[form->HoverObject()]->IDName, "closebutton");
}

TEST_F(FrameFixture, CursorOverTheFrameIsTheFormsExceptOnSizingBorders) {
    form->UseFormCursorInNCArea = true;
    for (int code : {int{kHtCaption}, int{kHtObject}, 0, 20})
        EXPECT_EQ(form->CursorHitCode(code), kHtClient) << code;
    for (int code = kHtLeft; code <= kHtBottomRight; ++code) EXPECT_EQ(form->CursorHitCode(code), code);
    form->UseFormCursorInNCArea = false;
    EXPECT_EQ(form->CursorHitCode(kHtCaption), kHtCaption);
}

}  // namespace
}  // namespace vemora::skin::testing
