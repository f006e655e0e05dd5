// The shell tree's dynamic refresh under Wine: the watcher thread's change notifications on
// real directories, the tree's refresh after one, and the device-change broadcast.
#include <windows.h>
#include <commctrl.h>
#include <dbt.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "shell/win/change_handler_thread.h"
#include "shell/win/device_change_handler.h"
#include "shell/win/rz_shell_tree.h"
#include "shell/win/windows_namespace.h"
#include "support/pump.h"
#include "support/test_dir.h"
#include "win/text.h"
#include "win/window.h"

namespace vemora::shell::win {
namespace {

using vemora::test::PumpUntil;
using vemora::test::TestDir;
using vemora::win::Widen;

constexpr UINT kReport = WM_APP + 5;

// A window that notes the watcher's reports.
class Listener : public vemora::win::Window {
  public:
    bool Create() {
        return Window::Create(L"VemoraChangeListener", L"listener", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 40,
                              40, 420, 480, nullptr);
    }
    std::vector<WPARAM> reports;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == kReport) {
            reports.push_back(wp);
            return 0;
        }
        return Window::HandleMessage(msg, wp, lp);
    }
};

class ChangeHandlerThreadTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(listener.Create()); }
    Listener listener;
    TestDir dir{TestDir::Under::kLinuxTmp};
};

TEST_F(ChangeHandlerThreadTest, ReportsTheSlotOfAChangedDirectoryAndKeepsWatching) {
    TChangeHandlerThread thread(listener.hwnd(), kReport);
    ASSERT_TRUE(thread.Running());
    const std::string quiet = dir.Make("quiet"), busy = dir.Make("busy");
    ASSERT_TRUE(thread.AddWatch(Widen(quiet), true, FILE_NOTIFY_CHANGE_DIR_NAME));
    ASSERT_TRUE(thread.AddWatch(Widen(busy), true, FILE_NOTIFY_CHANGE_DIR_NAME));
    for (const char* name : {"\\one", "\\two"}) {
        listener.reports.clear();
        ASSERT_TRUE(CreateDirectoryW(Widen(busy + name).c_str(), nullptr));
        ASSERT_TRUE(PumpUntil([&] { return !listener.reports.empty(); })) << name << ": no report";
        EXPECT_EQ(listener.reports.front(), 1u) << "the second slot";
    }
    EXPECT_FALSE(thread.AddWatch(Widen(dir.path() + "\\missing"), true, FILE_NOTIFY_CHANGE_DIR_NAME));
    EXPECT_EQ(thread.WatchCount(), 2);
    EXPECT_TRUE(thread.RemoveWatch(0));
    EXPECT_EQ(thread.WatchCount(), 1);
    EXPECT_TRUE(thread.RemoveAll());
    EXPECT_EQ(thread.WatchCount(), 0);
    listener.reports.clear();
    ASSERT_TRUE(CreateDirectoryW(Widen(busy + "\\three").c_str(), nullptr));
    vemora::test::PumpFor(300);
    EXPECT_TRUE(listener.reports.empty()) << "no reports after the watches went";
}

TEST_F(ChangeHandlerThreadTest, HoldsSixtyThreeWatchesAtMost) {
    TChangeHandlerThread thread(listener.hwnd(), kReport);
    const std::string watched = dir.Make("w");
    for (int i = 0; i < TChangeHandlerThread::kSlots; ++i) {
        ASSERT_TRUE(thread.AddWatch(Widen(watched), false, FILE_NOTIFY_CHANGE_DIR_NAME)) << i;
    }
    EXPECT_FALSE(thread.AddWatch(Widen(watched), false, FILE_NOTIFY_CHANGE_DIR_NAME)) << "all slots taken";
    EXPECT_EQ(thread.WatchCount(), TChangeHandlerThread::kSlots);
    ASSERT_TRUE(thread.RemoveWatch(5));
    EXPECT_TRUE(thread.AddWatch(Widen(watched), false, FILE_NOTIFY_CHANGE_DIR_NAME))
        << "a freed slot is reused";
}

class TreeRefreshWin : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(listener.Create());
        ASSERT_TRUE(tree.Create(listener.hwnd(), 4, 4, 400, 430));
        tree.SetOptions(stoShowHidden);
        parent = dir.Make("p");
        tree.SelectedLocation().SetFileSystemPath(parent);
        tree.FillTree();
        ASSERT_NE(tree.Selected(), nullptr);
        node = tree.Selected();
        TreeView_Expand(tree.hwnd(), tree.ItemOf(*node), TVE_EXPAND);
        ASSERT_TRUE(node->children.empty());
    }
    bool Shows(const std::string& name) {
        for (const auto& child : node->children) {
            if (child->text == name) return true;
        }
        return false;
    }

    ComScope com;
    Listener listener;
    TRzShellTree tree{SystemNamespace()};
    TestDir dir{TestDir::Under::kLinuxTmp};
    std::string parent;
    TreeNode* node = nullptr;
};

TEST_F(TreeRefreshWin, AChangeNotificationRefreshesAfterItsTimer) {
    ASSERT_TRUE(CreateDirectoryW(Widen(parent + "\\late").c_str(), nullptr));
    PostMessageW(tree.hwnd(), TRzShellTree::kChangeNotifyMessage, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return Shows("late"); })) << "the refresh did not come";
    EXPECT_EQ(tree.PendingTimer(), TRzCustomShellTree::kTimerNone);
    EXPECT_EQ(tree.Selected(), node);
}

TEST_F(TreeRefreshWin, F5RefreshesOnlyWithTheDefaultKeys) {
    for (const bool keys : {false, true}) {
        tree.SetOptions(stoShowHidden | (keys ? stoDefaultKeyHandling : 0));
        const std::string name = keys ? "with-keys" : "without-keys";
        ASSERT_TRUE(CreateDirectoryW(Widen(parent + "\\" + name).c_str(), nullptr));
        SendMessageW(tree.hwnd(), WM_KEYDOWN, VK_F5, 0);
        EXPECT_EQ(Shows(name), keys) << name;
    }
}

TEST_F(TreeRefreshWin, ADeviceArrivalRefreshesEveryTreeAndSurvivesAFailingOne) {
    auto& handler = TRzDeviceChangeHandler::Instance();
    std::vector<std::string> errors;
    const auto showError = handler.showError;
    handler.showError = [&](const std::exception& e) { errors.push_back(e.what()); };
    const int failing =
        handler.Register([](std::uint32_t, std::uintptr_t) { throw std::runtime_error("no disk"); });
    ASSERT_TRUE(CreateDirectoryW(Widen(parent + "\\arrived").c_str(), nullptr));
    // As the system broadcasts it: sent to the handler's top-level window.
    DEV_BROADCAST_HDR header{sizeof(header), DBT_DEVTYP_VOLUME, 0};
    SendMessageW(handler.hwnd(), WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&header));
    EXPECT_FALSE(Shows("arrived")) << "the broadcast is answered first, the refresh comes after";
    const bool refreshed = PumpUntil([&] { return Shows("arrived"); });
    handler.Unregister(failing);
    handler.showError = showError;
    EXPECT_TRUE(refreshed);
    EXPECT_EQ(errors, std::vector<std::string>{"no disk"});

    // Other device events leave the tree alone.
    ASSERT_TRUE(CreateDirectoryW(Widen(parent + "\\ignored").c_str(), nullptr));
    SendMessageW(handler.hwnd(), WM_DEVICECHANGE, DBT_CONFIGCHANGED, 0);
    vemora::test::PumpFor(200);
    EXPECT_FALSE(Shows("ignored"));
}

}  // namespace
}  // namespace vemora::shell::win
