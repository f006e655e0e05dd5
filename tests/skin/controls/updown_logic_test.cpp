// The up-down of the page control: its buttons with this program's skin and without a record,
// the pictures of its states, the Position range, and a held button on a fake clock.
#include <gmock/gmock.h>

#include "skin/controls/updown_logic.h"
#include "vemora_skin_fixture.h"

namespace vemora::skin {
namespace {

const TspDataSkinUpDownControl& Record(const char* name) {
    const TspSkinData& skin = test::VemoraSkin();
    return dynamic_cast<const TspDataSkinUpDownControl&>(*skin.SkinControls[skin.IndexOfControl(name)]);
}

TEST(UpDown, ButtonsAreTheRecordsOrTheHalves) {
    const TspDataSkinUpDownControl& h = Record("hupdown");
    const struct {
        const TspDataSkinUpDownControl* record;
        bool useSkinSize, horizontal;
        Rect up, down;
    } cases[] = {
        {&h, true, true, {18, 0, 36, 18}, {0, 0, 18, 18}},
        {&h, false, true, {20, 0, 40, 20}, {0, 0, 20, 20}},  // the skin's size not taken: halves
        {nullptr, true, true, {20, 0, 40, 20}, {0, 0, 20, 20}},
        {nullptr, true, false, {0, 0, 40, 10}, {0, 10, 40, 20}},
    };
    for (const auto& c : cases) {
        const UpDownButtons b = UpDownButtonRects(c.record, c.useSkinSize, c.horizontal, 40, 20);
        EXPECT_EQ(b.up, c.up);
        EXPECT_EQ(b.down, c.down);
    }
    const UpDownButtons b = UpDownButtonRects(&h, true, true, 36, 18);
    EXPECT_EQ(UpDownButtonAt(b, {17, 5}), UpDownButton::kDown);
    EXPECT_EQ(UpDownButtonAt(b, {18, 5}), UpDownButton::kUp);
    EXPECT_EQ(UpDownButtonAt(b, {36, 5}), UpDownButton::kNone);
}

TEST(UpDown, EachStateOverdrawsItsPicture) {
    TspDataSkinUpDownControl r("test");
    r.ActiveUpButtonRect = {18, 18, 36, 36};
    r.DownUpButtonRect = {18, 36, 36, 54};
    r.ActiveDownButtonRect = {0, 18, 18, 36};  // no pressed picture for the down button
    const struct {
        UpDownButton button;
        bool pressed, hot;
        Rect source;
    } cases[] = {
        {UpDownButton::kUp, false, false, {}},
        {UpDownButton::kUp, true, false, {}},  // held but the pointer is off it: the normal look
        {UpDownButton::kUp, false, true, r.ActiveUpButtonRect},
        {UpDownButton::kUp, true, true, r.DownUpButtonRect},
        {UpDownButton::kDown, true, true, r.ActiveDownButtonRect},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UpDownStateRect(r, c.button, c.pressed, c.hot), c.source)
            << int(c.button) << c.pressed << c.hot;
    }
}

// One timer on a fake clock: Advance fires every tick that falls due.
class FakeTimer : public UpDownHost {
  public:
    void StartTimer(int periodMs) override { period = periodMs, start = now; }
    void StopTimer() override { period = 0; }
    void Repaint() override {}
    void Advance(int ms, TspSkinUpDownState& state) {
        for (const int end = now + ms; now < end;) {
            ++now;
            if (period && (now - start) % period == 0) state.TimerTick();
        }
    }
    int now = 0, start = 0, period = 0;
};

struct UpDownFixture : testing::Test {
    UpDownFixture() {
        state.OnChange = [this] { changes.push_back(state.Position()); };
        state.OnUpButtonClick = [this] { ++upClicks; };
    }
    FakeTimer timer;
    TspSkinUpDownState state{timer};
    std::vector<int> changes;
    int upClicks = 0;
};

TEST_F(UpDownFixture, PositionStaysInItsRangeAndFiresEvenWhenUnchanged) {
    state.SetMax(5);
    state.SetPosition(3);
    state.SetPosition(3);
    state.SetPosition(6);   // outside: ignored
    state.SetPosition(-1);  // likewise
    EXPECT_THAT(changes, testing::ElementsAre(3, 3));
    state.SetMax(2);  // pulls Position in, silently
    EXPECT_EQ(state.Position(), 2);
    state.SetMin(4);
    EXPECT_EQ(state.Position(), 4);
    EXPECT_EQ(changes.size(), 2u);
}

TEST_F(UpDownFixture, AHeldButtonWaits500MsThenSteps100MsApartAndOnceMoreOnRelease) {
    state.MouseDown(UpDownButton::kUp);
    timer.Advance(499, state);
    EXPECT_TRUE(changes.empty());
    timer.Advance(351, state);  // 500: the period changes; 600, 700, 800: steps
    EXPECT_THAT(changes, testing::ElementsAre(1, 2, 3));
    state.MouseUp(UpDownButton::kUp);
    EXPECT_THAT(changes, testing::ElementsAre(1, 2, 3, 4));
    EXPECT_EQ(upClicks, 1);
    EXPECT_EQ(timer.period, 0);
}

TEST_F(UpDownFixture, MovingOffStopsTheStepsAndBackOnRestartsThemFaster) {
    state.SetMax(100);
    state.MouseDown(UpDownButton::kUp);
    timer.Advance(650, state);
    EXPECT_THAT(changes, testing::ElementsAre(1));
    state.MouseMove(UpDownButton::kNone);
    timer.Advance(500, state);
    EXPECT_THAT(changes, testing::ElementsAre(1));
    state.MouseMove(UpDownButton::kUp);
    timer.Advance(100, state);
    EXPECT_THAT(changes, testing::ElementsAre(1, 2, 3));
    state.MouseMove(UpDownButton::kDown);
    state.MouseUp(UpDownButton::kDown);  // released off the button it went down on
    EXPECT_THAT(changes, testing::ElementsAre(1, 2, 3));
    EXPECT_EQ(upClicks, 0);
}

TEST_F(UpDownFixture, TheDownButtonStopsAtMin) {
    state.MouseDown(UpDownButton::kDown);
    state.MouseUp(UpDownButton::kDown);
    EXPECT_TRUE(changes.empty()) << "already at Min";
    EXPECT_EQ(state.Position(), 0);
}

}  // namespace
}  // namespace vemora::skin
