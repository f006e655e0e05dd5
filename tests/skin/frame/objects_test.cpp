// The caption buttons: hover, press and release, their looks, fades, and the built-in frame.
#include <gtest/gtest.h>

#include "frame_fixture.h"
#include "skin/draw/copy_rect.h"

namespace vemora::skin::testing {
namespace {

class Buttons : public FrameFixture {
  protected:
    // The mouse moves to a window point: the 50 ms tick notices it.
    void MoveTo(Point p) { form->OnMouseTimer(Screen(p)); }
    // Lets every fade run to its end.
    void SettleFades() {
        for (int tick = 0; platform.morphTimer && tick < 20; ++tick) form->OnMorphTimer();
    }
    void Press(Point p) {
        form->FrameHitTest(Screen(p));
        form->OnNcButtonDown(kLeftButton, Screen(p), kHtObject);
    }
    // After a press the window holds the capture, so the release arrives as a client message.
    void Release() { form->OnButtonUp(kLeftButton); }

    // The object as it draws itself on the window with the update flag.
    Image24 Look(const std::string& name) {
        TspActiveSkinObject& object = Object(name);
        Image24 image(RectWidth(object.ObjectRect), RectHeight(object.ObjectRect));
        ObjectCanvas canvas{image, {object.ObjectRect.left, object.ObjectRect.top}};
        form->DrawObject(object, canvas);
        return image;
    }
    // A rectangle of the buttons' picture at the object's size.
    Image24 Picture(const std::string& name, const Rect& from) {
        const Rect& r = Object(name).ObjectRect;
        Image24 image(RectWidth(r), RectHeight(r));
        CopyRect(image, {0, 0, image.Width(), image.Height()}, VemoraSkin().ActivePictures[0], from);
        return image;
    }
};

TEST_F(Buttons, PressAndReleaseOverTheCloseButtonClosesTheHost) {
    const Point close = Centre("closebutton");
    MoveTo(close);
    Press(close);
    EXPECT_TRUE(platform.captured);
    EXPECT_TRUE(Button("closebutton").Down());
    Release();
    EXPECT_FALSE(platform.captured);
    EXPECT_FALSE(Button("closebutton").Down());
    EXPECT_EQ(platform.closed, 1);
}

TEST_F(Buttons, PressMoveOffAndReleaseDoesNothing) {
    const Point close = Centre("closebutton");
    MoveTo(close);
    Press(close);
    MoveTo({100, 10});
    Release();
    EXPECT_EQ(platform.closed, 0);
    EXPECT_FALSE(Button("closebutton").Down());
    EXPECT_FALSE(Object("closebutton").Active);
    SettleFades();
    EXPECT_TRUE(Look("closebutton") == Picture("closebutton", Object("closebutton").SkinRect));
}

// The system-menu button opens its menu below itself and stays down while the menu is open;
// with an empty menu it is an ordinary button.
TEST_F(Buttons, TheSystemMenuButtonStaysDownWhileItsMenuIsOpen) {
    const struct {
        bool hasItems;
        bool downAfterRelease;
    } kCases[] = {{true, true}, {false, false}};
    form->SetBorderIcons(TspBorderIcons{});  // with the system-menu button
    form->SetSkinData(&VemoraSkin());
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.hasItems);
        platform.systemMenuHasItems = c.hasItems;
        platform.systemMenuAnchors.clear();
        const Rect r = Object("sysmenubutton").ObjectRect;
        MoveTo(Centre("sysmenubutton"));
        Press(Centre("sysmenubutton"));
        ASSERT_EQ(platform.systemMenuAnchors.size(), 1u);
        EXPECT_EQ(platform.systemMenuAnchors[0],
                  (Rect{platform.bounds.left + r.left, platform.bounds.top + r.top,
                        platform.bounds.left + r.right, platform.bounds.top + r.bottom}));
        Release();
        EXPECT_EQ(Button("sysmenubutton").Down(), c.downAfterRelease);
        form->ReleaseMenuButton();  // menu mode ends
        EXPECT_FALSE(Button("sysmenubutton").Down());
    }
}

TEST_F(Buttons, AHeldButtonKeepsTheOthersFromLightingUp) {
    MoveTo(Centre("maximizebutton"));
    Press(Centre("maximizebutton"));
    MoveTo(Centre("minimizebutton"));
    EXPECT_FALSE(Object("minimizebutton").Active);
    EXPECT_EQ(form->HoverObject(), -1);
    Release();
    EXPECT_EQ(form->FrameState(), kFrameNormal);
}

TEST_F(Buttons, MaximizeButtonTogglesAndShowsItsRestoreLooksWhileMaximized) {
    const Rect before = platform.bounds;
    const auto& maximize = dynamic_cast<const TspDataSkinStdButton&>(
        *VemoraSkin().SkinObjects[VemoraSkin().IndexOfObject("maximizebutton")]);
    MoveTo(Centre("maximizebutton"));
    Press(Centre("maximizebutton"));
    Release();
    ASSERT_EQ(form->FrameState(), kFrameMaximized);
    EXPECT_EQ(platform.bounds, platform.workArea_);
    form->OnSize(RectWidth(platform.bounds), RectHeight(platform.bounds));
    MoveTo({100, 10});
    SettleFades();
    EXPECT_TRUE(Look("maximizebutton") == Picture("maximizebutton", maximize.RestoreRect));
    MoveTo(Centre("maximizebutton"));
    SettleFades();
    EXPECT_TRUE(Look("maximizebutton") == Picture("maximizebutton", maximize.RestoreActiveRect));
    Press(Centre("maximizebutton"));
    EXPECT_TRUE(Look("maximizebutton") == Picture("maximizebutton", maximize.RestoreDownRect));
    Release();
    EXPECT_EQ(form->FrameState(), kFrameNormal);
    EXPECT_EQ(platform.bounds, before);
    form->OnSize(RectWidth(platform.bounds), RectHeight(platform.bounds));
    MoveTo({100, 10});
    SettleFades();
    EXPECT_TRUE(Look("maximizebutton") == Picture("maximizebutton", maximize.SkinRect));
}

TEST_F(Buttons, AnInactiveWindowShowsInactiveLooksAndNoHover) {
    platform.active = false;
    form->OnActivate();
    for (const char* name : {"closebutton", "minimizebutton", "maximizebutton"}) {
        MoveTo(Centre(name));
        EXPECT_FALSE(Object(name).Active) << name;
        EXPECT_TRUE(Look(name) == Picture(name, Object(name).InActiveSkinRect)) << name;
    }
    EXPECT_EQ(form->HoverObject(), -1);
}

TEST_F(Buttons, MinimizeOfTheMainFormMinimizesTheApplication) {
    platform.mainForm = true;
    MoveTo(Centre("minimizebutton"));
    Press(Centre("minimizebutton"));
    Release();
    EXPECT_EQ(platform.applicationMinimized, 1);
}

TEST_F(Buttons, AFadeTakesFiveStepsAndReversesFromWhereItIs) {
    TspActiveSkinObject& close = Object("closebutton");
    ASSERT_TRUE(close.Morphing);
    MoveTo(Centre("closebutton"));
    EXPECT_TRUE(platform.morphTimer);
    std::vector<double> factors;
    while (platform.morphTimer && factors.size() < 10) {
        form->OnMorphTimer();
        factors.push_back(close.MorphFactor);
    }
    // Five steps, then a tick that finds nothing to do and stops the timer.
    EXPECT_EQ(factors, (std::vector<double>{0.2, 0.4, 0.6, 0.8, 1, 1}));

    MoveTo({100, 10});
    platform.morphTimer = true;
    for (int i = 0; i < 2; ++i) form->OnMorphTimer();
    EXPECT_DOUBLE_EQ(close.MorphFactor, 0.6);
    MoveTo(Centre("closebutton"));  // back in halfway: up again from 0.6
    factors.clear();
    while (platform.morphTimer && factors.size() < 10) {
        form->OnMorphTimer();
        factors.push_back(close.MorphFactor);
    }
    EXPECT_EQ(factors, (std::vector<double>{0.8, 1, 1}));
}

TEST_F(Buttons, DisabledButtonsAreNeitherHitNorPlaced) {
    // The system menu is not among the border icons: its button has its own picture, so it
    // disappears instead of staying as a dead part of the frame.
    const TspActiveSkinObject& menu = Object("sysmenubutton");
    EXPECT_FALSE(menu.Enabled);
    EXPECT_FALSE(menu.Visible);
    MoveTo({menu.ObjectRect.left + 1, menu.ObjectRect.top + 1});
    EXPECT_NE(form->HoverObject(), 2);
}

TEST_F(FrameFixture, CaptionTextIsShortenedInItsRectangle) {
    auto& caption = dynamic_cast<TspSkinCaptionObject&>(Object("caption"));
    EXPECT_EQ(caption.Text, "Vemora V2.8");
    const TextMeasure sevenEach = [](std::string_view text) { return 7 * static_cast<int>(text.size()); };
    const auto placed = PlaceCaptionText(caption, caption.Text, sevenEach, 16);
    ASSERT_TRUE(placed);
    // Left-aligned in textrect (4,1,363,18) of the object at (6,4), its right edge moved with the width.
    EXPECT_EQ(placed->at, (Point{6 + 4, 4 + 1 + 17 / 2 - 8}));
    EXPECT_EQ(placed->textRect.right, 277 + dx());
    const auto longOne = PlaceCaptionText(caption, std::string(200, 'x'), sevenEach, 16);
    ASSERT_TRUE(longOne);
    EXPECT_EQ(longOne->text, std::string((267 + dx()) / 7 - 3, 'x') + "...");
    EXPECT_FALSE(PlaceCaptionText(caption, "", sevenEach, 16));
}

TEST(BuiltInFrame, LayoutOfTheCaptionAndButtons) {
    const struct {
        bool toolWindow, showIcon;
        Rect close, caption;
    } cases[] = {
        {false, false, {581, 4, 598, 21}, {20, 3, 530, 19}},
        {true, false, {585, 4, 598, 17}, {16, 3, 546, 15}},
        {false, true, {581, 4, 598, 21}, {19, 3, 530, 19}},
    };
    for (const auto& c : cases) {
        FakePlatform platform;
        platform.toolWindow = c.toolWindow;
        TspDynamicSkinForm form(platform);
        form.SetShowIcon(c.showIcon);
        form.SetBorderIcons({});
        const Rect caption = form.BuiltInLayout();
        EXPECT_EQ(form.Objects()[0]->ObjectRect, c.close) << c.toolWindow << c.showIcon;
        EXPECT_EQ(caption, c.caption) << c.toolWindow << c.showIcon;
        EXPECT_EQ(form.MinTrackHeight(), (c.toolWindow ? 15 : 19) + 6);
    }
}

TEST(BuiltInFrame, ALongCaptionIsShortenedAndCentred) {
    const TextMeasure sevenEach = [](std::string_view text) { return 7 * static_cast<int>(text.size()); };
    const Rect area{20, 3, 530, 19};
    const auto shortOne = PlaceBuiltInCaptionText(area, 19, "Vemora", sevenEach, 13);
    ASSERT_TRUE(shortOne);
    const int free = 510 + 3, c = 17 + free / 2 - (42 + 5) / 2;
    EXPECT_EQ(shortOne->textRect, (Rect{c, 0, c + 47, 19}));
    EXPECT_EQ(shortOne->at, (Point{c + 3, 9 - 6}));
    const auto longOne = PlaceBuiltInCaptionText(area, 19, std::string(100, 'x'), sevenEach, 13);
    ASSERT_TRUE(longOne);
    EXPECT_EQ(longOne->text, std::string(free / 7 - 3, 'x') + "...");
    const int w = 7 * static_cast<int>(longOne->text.size());
    EXPECT_EQ(longOne->textRect.left, 17 + free / 2 - (w + 5) / 2);
}

}  // namespace
}  // namespace vemora::skin::testing
