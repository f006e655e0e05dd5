// Starts Vemora.exe as a user would and drives it through its windows.
//   vemora_e2e_tests.exe PATH\TO\Vemora.exe
#include <windows.h>

#include <gtest/gtest.h>

#include "e2e_support.h"

namespace {

using namespace vemora::e2e;

void Press(HWND box, int button) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}

TEST(EndToEnd, MainWindowAppearsAndSecondStartIsTurnedAway) {
    Process first(g_exe);
    ASSERT_NE(first.pid(), 0u) << "cannot start " << vemora::win::Narrow(g_exe);
    ASSERT_NE(WaitForMainWindow(first), nullptr)
        << "no main window with the caption Vemora V2.8(目录监视专家)";

    Process second(g_exe);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        box = FindMessageBox(second.pid(), L"Vemora", L"The program already start");
        return box != nullptr;
    })) << "the second start shows no message";
    EXPECT_TRUE(TopLevelWindows(second.pid(), kMainCaption).empty());
    Press(box, IDOK);
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(TopLevelWindows(0, kMainCaption).size(), 1u);
}

TEST(EndToEnd, CloseAsksAndOnlyYesEnds) {
    Process app(g_exe);
    HWND main = WaitForMainWindow(app);
    ASSERT_NE(main, nullptr);
    const std::wstring question = vemora::win::Widen("您确认要退出目录监视软件?");
    for (const int answer : {IDNO, IDYES}) {
        PostMessageW(main, WM_CLOSE, 0, 0);
        HWND box = nullptr;
        ASSERT_TRUE(WaitFor([&] {
            box = FindMessageBox(app.pid(), L"Vemora", question);
            return box != nullptr;
        })) << "no confirmation";
        Press(box, answer);
        if (answer == IDNO) {
            ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
            EXPECT_FALSE(app.WaitForExit(500));
            EXPECT_TRUE(IsWindowVisible(main));
        }
    }
    EXPECT_TRUE(app.WaitForExit());
}

}  // namespace

std::wstring vemora::e2e::g_exe;

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: vemora_e2e_tests PATH\\TO\\Vemora.exe\n");
        return 2;
    }
    vemora::e2e::g_exe = argv[1];
    return RUN_ALL_TESTS();
}
