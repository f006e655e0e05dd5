// The tree's default command keys, the device-change callbacks and the choice of drives the
// dynamic refresh watches.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "shell/device_change.h"
#include "shell/drive_watch.h"
#include "shell/shell_keys.h"

namespace vemora::shell {
namespace {

TEST(ShellKeys, ShortcutTexts) {
    struct Case {
        const char* text;
        ShortCut code;
    };
    const Case cases[] = {
        {"Ctrl+A", kScCtrl | 'A'},
        {"^C", kScCtrl | 'C'},
        {"ctrl+x", kScCtrl | 'X'},
        {"Del", 0x2E},
        {"F5", 0x74},
        {"F2", 0x71},
        {"f12", 0x7B},
        {"Shift+Del", kScShift | 0x2E},
        {"Alt+Shift+Ctrl+Home", kScAlt | kScShift | kScCtrl | 0x24},
        {"^", 0},
        {"", 0},
        {"Ctrl+", 0},
        {"F0", 0},
        {"F25", 0},
        {"Delete", 0},
        {"Hyper+A", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(TextToShortCut(c.text), c.code) << c.text;
}

TEST(ShellKeys, PressedKeysToActions) {
    struct Case {
        ShortCut pressed;
        TreeKeyAction action;
    };
    const Case cases[] = {
        {0x71, TreeKeyAction::kRename},
        {0x74, TreeKeyAction::kRefresh},
        {kScCtrl | 'X', TreeKeyAction::kCut},
        {kScCtrl | 'C', TreeKeyAction::kCopy},
        {kScCtrl | 'V', TreeKeyAction::kPaste},
        {0x2E, TreeKeyAction::kDelete},
        {kScShift | 0x2E, TreeKeyAction::kDelete},  // Shift+Del is Del
        {kScCtrl | 'A', TreeKeyAction::kNone},      // reserved for list views
        {kScShift | 0x71, TreeKeyAction::kNone},    // only Del drops Shift
        {kScCtrl | 0x2E, TreeKeyAction::kNone},
        {'C', TreeKeyAction::kNone},
    };
    for (const auto& c : cases) EXPECT_EQ(DefaultKeyAction(c.pressed), c.action) << std::hex << c.pressed;
}

TEST(DeviceChangeCallbacks, RunInOrderAndSurviveAFailingOne) {
    DeviceChangeCallbacks callbacks;
    std::vector<std::string> calls, errors;
    callbacks.Register(
        [&](std::uint32_t event, std::uintptr_t) { calls.push_back("a" + std::to_string(event)); });
    const int failing = callbacks.Register([&](std::uint32_t, std::uintptr_t) {
        calls.push_back("b");
        throw std::runtime_error("drive gone");
    });
    int third = 0;
    third = callbacks.Register([&](std::uint32_t, std::uintptr_t data) {
        calls.push_back("c" + std::to_string(data));
        callbacks.Unregister(third);  // a tree destroyed by its own callback
    });
    const auto show = [&](const std::exception& e) { errors.push_back(e.what()); };
    callbacks.Dispatch(kDeviceArrival, 7, show);
    EXPECT_EQ(calls, (std::vector<std::string>{"a32768", "b", "c7"}));
    EXPECT_EQ(errors, std::vector<std::string>{"drive gone"});

    calls.clear();
    callbacks.Unregister(failing);
    callbacks.Dispatch(kDeviceRemoveComplete, 0, show);
    EXPECT_EQ(calls, std::vector<std::string>{"a32772"});

    calls.clear();
    callbacks.SetActive(false);
    callbacks.Dispatch(kDeviceArrival, 0, show);
    EXPECT_TRUE(calls.empty()) << "an inactive handler calls nobody";
}

TEST(DriveWatch, FixedRamAndConnectedRemoteDrivesOnly) {
    const std::map<char, int> types = {{'A', kDriveRemovable}, {'C', kDriveFixed},  {'D', kDriveCdRom},
                                       {'M', kDriveRemote},    {'N', kDriveRemote}, {'R', kDriveRamDisk},
                                       {'U', kDriveUnknown},   {'Z', kDriveFixed}};
    std::uint32_t mask = 0;
    for (const auto& [letter, type] : types) mask |= 1u << (letter - 'A');
    mask &= ~(1u << ('Z' - 'A'));  // not in the mask: not watched whatever its type
    const auto roots = DriveRootsToWatch(
        mask, [&](const std::string& root) { return types.at(root[0]); },
        [](char letter) { return letter == 'M'; });
    EXPECT_EQ(roots, (std::vector<std::string>{"C:\\", "M:\\", "R:\\"}));
    EXPECT_EQ(WatchFilter(false), 0x2u);
    EXPECT_EQ(WatchFilter(true), 0x3u);
}

}  // namespace
}  // namespace vemora::shell
