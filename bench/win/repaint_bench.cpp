// Repainting the whole main window, skinned, beside the same window built from the plain
// platform controls it had before (same places, same list), measured alternately in one run.
#include "bench/win/repaint_bench.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/watch_options.h"
#include "app/win/form_vemora.h"
#include "support/fake_ui.h"
#include "support/pump.h"
#include "win/controls/basic_controls.h"
#include "win/controls/page_control.h"
#include "win/controls/virtual_list_view.h"
#include "win/window.h"

namespace vemora::bench {
namespace {

// The main window's layout in the platform's own controls.
class PlainForm : public win::Window {
  public:
    bool Build() {
        RECT frame{0, 0, 585, 410};
        AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
        if (!Create(L"VemoraPlainForm", L"plain", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                    0, 0, frame.right - frame.left, frame.bottom - frame.top, nullptr)) {
            return false;
        }
        panel_.Create(hwnd(), 0, 0, 585, 201);
        const HWND p = panel_.hwnd();
        label_.Create(p, 5, 3, 55, 21, "监视目录:");
        edit_.Create(p, 8, 21, 305, 20);
        buttons_[0].Create(p, 320, 19, 41, 25, "");
        buttons_[1].Create(p, 391, 19, 58, 25, "帮助");
        buttons_[2].Create(p, 471, 19, 58, 25, "升级");
        pages_.Create(p, 8, 45, 569, 122);
        const HWND first = pages_.AddPage("监视事件").hwnd();
        pages_.AddPage("其他...");
        pages_.SetActivePage(0);
        for (int i = 0; i < kEventBoxCount; ++i) {
            boxes_[i].Create(first, 8 + (i % 2) * 280, 6 + (i / 2) * 22, 270, 20, kEventBoxes[i].caption);
        }
        subtree_.Create(p, 5, 171, 236, 25, "同时监视子目录");
        buttons_[3].Create(p, 416, 173, 75, 21, "开始");
        buttons_[4].Create(p, 501, 172, 75, 22, "停止");
        const win::VirtualListView::Column columns[] = {
            {"", 18}, {"时间", 120}, {"类型", 50}, {"动作", 70}, {"名称", LVSCW_AUTOSIZE_USEHEADER}};
        list_.Create(hwnd(), 0, 201, 585, 188, columns, 5);
        status_.Create(hwnd());
        status_.SetPanelText("Ctrl+Alt+M 组合键控制本程序隐藏/显示");
        ShowWindow(hwnd(), SW_SHOWNORMAL);
        return true;
    }

  private:
    win::ContainerWindow panel_;
    win::Label label_;
    win::Edit edit_;
    win::Button buttons_[5];
    win::PageControl pages_;
    win::CheckBox boxes_[kEventBoxCount];
    win::CheckBox subtree_;
    win::VirtualListView list_;
    win::StatusBar status_;
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Milliseconds per repaint of the window and all its children.
double RepaintMs(HWND window, int count) {
    LARGE_INTEGER start{}, end{};
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    GdiFlush();
    QueryPerformanceCounter(&end);
    return Seconds(start, end) * 1000.0 / count;
}

}  // namespace

int RepaintBench(int count) {
    test::FakeUi ui;
    TFormVemora skinned({&ui, "Z:\\tmp\\vemora-repaint-bench\\", false});
    if (!skinned.FormCreate()) return 1;
    skinned.Show();
    PlainForm plain;
    if (!plain.Build()) return 1;
    test::PumpFor(300);
    RepaintMs(skinned.hwnd(), 5);  // warm up both
    RepaintMs(plain.hwnd(), 5);

    std::vector<double> skinnedMs, plainMs;
    for (int round = 0; round < 3; ++round) {
        plainMs.push_back(RepaintMs(plain.hwnd(), count));
        skinnedMs.push_back(RepaintMs(skinned.hwnd(), count));
    }
    const double s = *std::min_element(skinnedMs.begin(), skinnedMs.end());
    const double p = *std::min_element(plainMs.begin(), plainMs.end());
    printf("repaint of the whole main window, %d times, best of 3 alternating rounds:\n", count);
    printf("  plain controls   %.3f ms per repaint\n", p);
    printf("  skinned controls %.3f ms per repaint\n", s);
    printf("  skinned / plain  %.2f\n", s / p);
    return 0;
}

}  // namespace vemora::bench
