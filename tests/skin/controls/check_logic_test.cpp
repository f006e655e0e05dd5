// The check box contracts the settings code relies on, groups, radio boxes, the disabled
// box, and the flat look's placement.
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "skin/controls/check_logic.h"
#include "vemora_skin_fixture.h"

namespace vemora::skin {
namespace {

class CheckTest : public testing::Test {
  protected:
    // Each box logs "name=state" when its OnClick runs.
    void Watch(TspSkinCheckRadioState& box, std::string name) {
        box.OnClick = [this, &box, name] { log.push_back(name + "=" + (box.Checked() ? "1" : "0")); };
    }
    std::vector<std::string> log;
};

TEST_F(CheckTest, AssigningCheckedFiresEveryTimeForACheckBox) {
    TspSkinCheckRadioState box;
    Watch(box, "a");
    box.SetChecked(true);
    box.SetChecked(true);  // the same value fires again
    box.SetChecked(false);
    EXPECT_THAT(log, testing::ElementsAre("a=1", "a=1", "a=0"));
}

TEST_F(CheckTest, ARadioBoxFiresOnlyOnChecking) {
    TspSkinCheckRadioState radio;
    radio.Radio = true;
    Watch(radio, "r");
    radio.SetChecked(false);
    radio.Toggle();
    radio.Toggle();  // clicking a checked radio box does nothing
    EXPECT_TRUE(radio.Checked());
    EXPECT_THAT(log, testing::ElementsAre("r=1"));
}

TEST_F(CheckTest, AUserClickTogglesBeforeOnClick) {
    TspSkinCheckRadioState box;
    Watch(box, "a");
    box.MouseEnter();
    box.MouseDown();
    box.MouseUp(true);
    box.MouseDown();
    box.MouseLeave();  // moved off while held: no toggle
    box.MouseUp(true);
    box.MouseEnter();
    box.MouseUp(false);  // right button
    EXPECT_THAT(log, testing::ElementsAre("a=1"));
}

TEST_F(CheckTest, CheckingOneBoxOfAGroupUnchecksTheOtherFirst) {
    TspSkinCheckRadioState a, b;
    const auto group = [&] { return std::vector<TspSkinCheckRadioState*>{&a, &b}; };
    for (auto* box : {&a, &b}) box->GroupIndex = 2, box->Siblings = group;
    a.SetChecked(true);
    Watch(a, "a");
    Watch(b, "b");
    b.Toggle();
    EXPECT_FALSE(a.Checked());
    EXPECT_THAT(log, testing::ElementsAre("a=0", "b=1"));
}

TEST_F(CheckTest, ADisabledBoxIgnoresClicksAndSpace) {
    TspSkinCheckRadioState box;
    Watch(box, "a");
    box.enabled = false;
    box.MouseEnter();
    box.MouseDown();
    box.MouseUp(true);
    box.SpaceUp();
    EXPECT_FALSE(box.Checked());
    box.SetChecked(true);  // code still can, and that still fires
    EXPECT_THAT(log, testing::ElementsAre("a=1"));
    box.enabled = true;
    box.SpaceUp();
    EXPECT_FALSE(box.Checked());
}

TEST(FlatCheckLayout, PlacesThePictureAndTheCaption) {
    const struct {
        Size box;
        bool skinned;
        Point check;
        Rect caption;
    } cases[] = {
        {{236, 25}, true, {3, 5}, {22, 5, 122, 19}},  // this skin's 15 × 15 pictures
        {{270, 20}, true, {3, 3}, {22, 3, 122, 17}},
        {{236, 25}, false, {3, 5}, {22, 5, 122, 19}},
        {{60, 25}, true, {3, 5}, {22, 5, 58, 19}},  // the caption ends 2 pixels inside the box
    };
    for (const auto& c : cases) {
        const FlatCheckPlacement p = LayoutFlatCheck(c.box, {15, 15}, {100, 14}, c.skinned);
        EXPECT_EQ(p.check, c.check);
        EXPECT_EQ(p.caption, c.caption);
    }
}

TEST(NonFlatCheck, TheTextAreaStretchesAndTheCheckSitsCentredInItsArea) {
    const TspSkinData& skin = test::VemoraSkin();
    const auto& vemora = dynamic_cast<const TspDataSkinCheckRadioControl&>(
        *skin.SkinControls[skin.IndexOfControl("checkbox")]);
    TspDataSkinCheckRadioControl right("right");  // the check right of the text
    right.SkinRect = {0, 0, 60, 21};
    right.TextArea = {0, 0, 40, 21};
    right.CheckImageArea = {40, 0, 60, 21};
    right.CheckImageRect = {0, 0, 15, 15};
    const struct {
        const TspDataSkinCheckRadioControl* record;
        int width;
        Rect check, text;
    } cases[] = {
        {&vemora, 150, {3, 3, 18, 18}, {21, 0, 148, 21}},  // the 21-pixel area at the left stays
        {&vemora, 60, {3, 3, 18, 18}, {21, 0, 58, 21}},
        {&right, 150, {133, 3, 148, 18}, {0, 0, 130, 21}},  // the area moves with the width
    };
    for (const auto& c : cases) {
        const NonFlatCheckPlacement p = FitNonFlatCheck(*c.record, c.width);
        EXPECT_EQ(p.check, c.check) << c.width;
        EXPECT_EQ(p.text, c.text) << c.width;
    }
}

}  // namespace
}  // namespace vemora::skin
