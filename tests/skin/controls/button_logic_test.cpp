// The push button's placement, glyph frames, pictures and click rules, with a fake host
// whose repeat timer runs on a fake clock.
#include <gmock/gmock.h>

#include "skin/controls/button_logic.h"

namespace vemora::skin {
namespace {

TEST(ButtonLayout, PlacesGlyphAndCaption) {
    const Rect r{0, 0, 75, 21};
    const struct {
        TspButtonLayout layout;
        int margin;
        Size glyph;
        Point glyphAt;
        Rect caption;
    } cases[] = {
        // No glyph, caption 24 × 14, centred: the caption rectangle at (25, 3), 26 wide.
        {TspButtonLayout::blGlyphLeft, -1, {0, 0}, {37 - 12, 10}, {25, 3, 51, 17}},
        {TspButtonLayout::blGlyphLeft, -1, {16, 16}, {17, 2}, {33, 3, 59, 17}},
        {TspButtonLayout::blGlyphRight, -1, {16, 16}, {41, 2}, {17, 3, 43, 17}},
        {TspButtonLayout::blGlyphTop, -1, {16, 16}, {29, -5}, {25, 11, 51, 25}},
        {TspButtonLayout::blGlyphBottom, -1, {16, 16}, {29, 9}, {25, -5, 51, 9}},
        {TspButtonLayout::blGlyphLeft, 4, {16, 16}, {4, 2}, {21, 3, 47, 17}},
        {TspButtonLayout::blGlyphRight, 4, {16, 16}, {55, 2}, {30, 3, 56, 17}},
        {TspButtonLayout::blGlyphTop, 2, {16, 16}, {29, 2}, {25, 19, 51, 33}},
        {TspButtonLayout::blGlyphBottom, 2, {16, 16}, {29, 3}, {25, -12, 51, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << int(c.layout) << " margin " << c.margin);
        const ButtonContentPlacement p = LayoutButtonContent(r, c.glyph, {24, 14}, c.layout, c.margin, 1);
        if (c.glyph.width) {
            EXPECT_EQ(p.glyph, c.glyphAt);
        }
        EXPECT_EQ(p.caption, c.caption);
    }
}

TEST(ButtonGlyphFrame, TakesOnlyTheFramesTheStripHas) {
    const struct {
        int numGlyphs;
        bool enabled, down, active;
        int frame;
    } cases[] = {
        {1, false, false, false, 1},  // disabled with one frame: frame 1
        {2, false, false, false, 2}, {4, true, true, true, 3},  {2, true, true, true, 1},
        {4, true, false, true, 4},   {3, true, false, true, 1}, {4, true, false, false, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ButtonGlyphFrame(c.numGlyphs, c.enabled, c.down, c.active), c.frame)
            << c.numGlyphs << c.enabled << c.down << c.active;
    }
}

// Timers run on a fake clock: Advance fires every tick that falls due.
class FakeHost : public ButtonHost {
  public:
    void StartRepeatTimer(int intervalMs) override { repeatInterval = intervalMs, repeatStart = now; }
    void StopRepeatTimer() override { repeatInterval = 0; }
    void StartMorphTimer() override { morphing = true; }
    void StopMorphTimer() override { morphing = false; }
    void Repaint() override { ++repaints; }
    void SetModalResult(int result) override { modalResult = result; }

    void Advance(int ms, TspSkinButtonState& button) {
        for (int t = 0; t < ms; ++t) {
            ++now;
            if (repeatInterval && (now - repeatStart) % repeatInterval == 0) button.RepeatTick();
        }
    }

    int now = 0;
    int repeatInterval = 0, repeatStart = 0;
    bool morphing = false;
    int repaints = 0;
    int modalResult = -1;
};

class ButtonTest : public testing::Test {
  protected:
    ButtonTest() {
        button.OnClick = [this] { ++clicks; };
    }
    FakeHost host;
    TspSkinButtonState button{host};
    int clicks = 0;
};

TEST_F(ButtonTest, ReleaseOverTheButtonClicksOnceAndOffItNever) {
    button.MouseEnter();
    button.MouseDown();
    EXPECT_TRUE(button.Down());
    button.MouseUp();
    EXPECT_EQ(clicks, 1);

    button.MouseDown();
    button.MouseLeave();
    button.MouseUp();
    EXPECT_EQ(clicks, 1) << "released off the button";
    EXPECT_FALSE(button.Down());
}

TEST_F(ButtonTest, ModalResultIsSetOnEveryClickOfAFocusableButton) {
    host.modalResult = 5;
    button.ButtonClick();
    EXPECT_EQ(host.modalResult, 0);
    button.SetGroupIndex(1);  // a group button takes no focus
    host.modalResult = 5;
    button.ButtonClick();
    EXPECT_EQ(host.modalResult, 5);
}

TEST_F(ButtonTest, RepeatModeClicksEveryIntervalAndOnRelease) {
    button.RepeatMode = true;
    button.RepeatInterval = 100;
    button.MouseEnter();
    button.MouseDown();
    host.Advance(350, button);
    EXPECT_EQ(clicks, 3) << "timer clicks at 100, 200 and 300 ms";
    button.MouseUp();
    EXPECT_EQ(clicks, 4) << "and one on release";
    host.Advance(300, button);
    EXPECT_EQ(clicks, 4) << "the timer stopped";
}

TEST_F(ButtonTest, GroupsReleaseTheOtherButtonUnlessAllUpIsAllowed) {
    for (const bool allowAllUp : {false, true}) {
        SCOPED_TRACE(allowAllUp);
        FakeHost otherHost;
        TspSkinButtonState first{host}, second{otherHost};
        const auto group = [&] { return std::vector<TspSkinButtonState*>{&first, &second}; };
        for (TspSkinButtonState* b : {&first, &second}) {
            b->SetGroupIndex(1);
            b->AllowAllUp = allowAllUp;
            b->Siblings = group;
        }
        int firstClicks = 0;
        first.OnClick = [&] { ++firstClicks; };
        first.MouseEnter();
        first.MouseDown();  // a group button clicks as it goes down
        first.MouseUp();
        EXPECT_EQ(firstClicks, 1);
        second.MouseEnter();
        second.MouseDown();
        second.MouseUp();
        EXPECT_TRUE(second.Down());
        EXPECT_EQ(first.Down(), allowAllUp);
        EXPECT_FALSE(first.CanFocused());

        // A second click releases a down button only with AllowAllUp.
        second.MouseDown();
        second.MouseUp();
        EXPECT_EQ(second.Down(), !allowAllUp);
    }
}

TEST_F(ButtonTest, SpaceClicksOnReleaseAndADisabledButtonIgnoresIt) {
    button.SpaceDown();
    EXPECT_TRUE(button.Down());
    EXPECT_EQ(clicks, 0);
    button.SpaceUp();
    EXPECT_EQ(clicks, 1);
    button.EnabledChanged(false);
    button.SpaceDown();
    button.SpaceUp();
    button.EnterKey();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, TheDefaultButtonAnswersEnterAndLooksActiveWhileAnotherKindOfControlHasTheFocus) {
    FakeHost otherHost;
    TspSkinButtonState other{otherHost};
    button.SetDefault(true);
    EXPECT_TRUE(button.TakesEnter()) << "from its creation";
    EXPECT_FALSE(other.TakesEnter());

    const auto focusTo = [&](TspSkinButtonState* to) {  // nullptr: an edit, a check box
        for (TspSkinButtonState* b : {&button, &other}) b->FormFocusChanged(to != nullptr, b == to);
    };
    focusTo(&other);
    EXPECT_FALSE(button.TakesEnter()) << "a focused button answers Enter itself";
    EXPECT_TRUE(other.TakesEnter());
    EXPECT_EQ(button.Look(true).picture, ButtonPicture::kNormal);

    focusTo(nullptr);
    EXPECT_TRUE(button.TakesEnter());
    EXPECT_FALSE(other.TakesEnter());
    EXPECT_EQ(button.Look(true).picture, ButtonPicture::kActive);
    button.MouseEnter();
    button.MouseLeave();
    EXPECT_EQ(button.Look(true).picture, ButtonPicture::kActive) << "the mouse leaving keeps the look";

    button.EnabledChanged(false);
    EXPECT_FALSE(button.TakesEnter()) << "a disabled default button does nothing";
}

TEST_F(ButtonTest, EscapeClicksOnlyAFocusableCancelButtonWithoutModifiers) {
    EXPECT_FALSE(button.TakesEscape(false));
    button.Cancel = true;
    EXPECT_TRUE(button.TakesEscape(false));
    EXPECT_FALSE(button.TakesEscape(true)) << "Shift+Escape";
    button.SetGroupIndex(1);
    EXPECT_FALSE(button.TakesEscape(false)) << "a group button takes no focus";
}

TEST_F(ButtonTest, PictureFollowsTheState) {
    const auto look = [&] { return button.Look(true).picture; };
    EXPECT_EQ(look(), ButtonPicture::kNormal);
    button.MouseEnter();
    EXPECT_EQ(look(), ButtonPicture::kActive);
    button.MouseDown();
    EXPECT_EQ(look(), ButtonPicture::kDown);
    button.MouseUp();
    button.MouseLeave();
    button.EnabledChanged(false);
    EXPECT_EQ(look(), ButtonPicture::kDisabled);
    EXPECT_EQ(button.Look(false).picture, ButtonPicture::kNormal) << "no disabled picture: the normal one";
}

TEST_F(ButtonTest, TheMorphFadesInStepsOfAFifthAndStops) {
    button.SkinChanged(true);
    button.MouseEnter();
    EXPECT_TRUE(host.morphing);
    std::vector<double> factors;
    while (host.morphing && factors.size() < 10) {
        button.MorphTick();
        factors.push_back(button.MorphFactor());
        if (button.MorphFactor() > 0 && button.MorphFactor() < 1) {
            EXPECT_EQ(button.Look(true).picture, ButtonPicture::kMorph);
        }
    }
    EXPECT_THAT(factors, testing::ElementsAre(testing::DoubleNear(0.2, 1e-9), testing::DoubleNear(0.4, 1e-9),
                                              testing::DoubleNear(0.6, 1e-9), testing::DoubleNear(0.8, 1e-9),
                                              1.0, 1.0));
    EXPECT_EQ(button.Look(true).picture, ButtonPicture::kActive);
}

}  // namespace
}  // namespace vemora::skin
