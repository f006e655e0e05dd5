#include "tray/tray_gesture.h"

#include <gtest/gtest.h>

namespace vemora {
namespace {

TEST(GestureOfMouseMessage, ButtonMessagesOnly) {
    const struct {
        unsigned message;
        std::optional<TrayGesture> gesture;
    } cases[] = {
        {0x0201, ticLeftClick},  {0x0202, ticLeftClickUp},  {0x0203, ticLeftDblClick},
        {0x0204, ticRightClick}, {0x0205, ticRightClickUp}, {0x0206, ticRightDblClick},
        {0x0200, std::nullopt},  // a move is no gesture
        {0x0207, std::nullopt},  // nor is the middle button
        {0x0403, std::nullopt},  // a balloon notification
    };
    for (const auto& c : cases) EXPECT_EQ(GestureOfMouseMessage(c.message), c.gesture) << c.message;
}

TEST(ActionsOf, EachSettingNamesItsOwnGesture) {
    const struct {
        TrayGesture gesture, restoreOn, popupMenuOn;
        GestureActions actions;
    } cases[] = {
        {ticLeftDblClick, ticLeftDblClick, ticRightClickUp, {true, false}},
        {ticRightClickUp, ticLeftDblClick, ticRightClickUp, {false, true}},
        {ticLeftClick, ticLeftDblClick, ticRightClickUp, {false, false}},
        {ticRightClick, ticLeftDblClick, ticRightClickUp, {false, false}},  // down is not up
        {ticLeftClickUp, ticLeftClickUp, ticLeftClickUp, {true, true}},
        {ticRightDblClick, ticRightDblClick, ticLeftClick, {true, false}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ActionsOf(c.gesture, c.restoreOn, c.popupMenuOn), c.actions)
            << c.gesture << " restoreOn " << c.restoreOn << " popupMenuOn " << c.popupMenuOn;
    }
}

TEST(BalloonEventOf, HideTimeoutAndClick) {
    const struct {
        unsigned notification;
        std::optional<BalloonEvent> event;
    } cases[] = {
        {1026, std::nullopt},  // NIN_BALLOONSHOW has no event
        {1027, BalloonEvent::kHide}, {1028, BalloonEvent::kTimeout}, {1029, BalloonEvent::kUserClick},
        {1030, std::nullopt},        {0x0201, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(BalloonEventOf(c.notification), c.event) << c.notification;
}

}  // namespace
}  // namespace vemora
