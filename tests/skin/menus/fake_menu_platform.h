// A menu platform for native tests: windows that only count their paints, text 7 pixels a
// character, and window timers on a fake clock.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "skin/menus/skin_menu.h"

namespace vemora::skin::testing {

class FakeMenuPlatform : public MenuPlatform {
  public:
    struct View : PopupView {
        explicit View(FakeMenuPlatform& p) : platform(p) { ++platform.viewsAlive; }
        ~View() override { --platform.viewsAlive; }
        void Show(const PopupLevel&) override { ++platform.shows; }
        void RedrawItem(int) override {}
        void Redraw() override {}
        FakeMenuPlatform& platform;
    };

    std::unique_ptr<PopupView> CreateView(PopupLevel&) override { return std::make_unique<View>(*this); }
    int TextWidth(const MenuFont&, std::string_view text) override { return 7 * int(text.size()); }
    Rect WorkArea() override { return workArea; }
    void SetTimer(int id, int ms) override { timers[id] = {now + ms, ms}; }
    void KillTimer(int id) override { timers.erase(id); }
    void HostMenuClosed() override { ++hostClosed; }

    // Moves the clock on, firing each window timer as often as it falls due.
    void Advance(int ms, TspSkinMenu& menu) {
        const int end = now + ms;
        for (;;) {
            auto next = timers.end();
            for (auto it = timers.begin(); it != timers.end(); ++it) {
                if (it->second.due <= end && (next == timers.end() || it->second.due < next->second.due))
                    next = it;
            }
            if (next == timers.end()) break;
            now = next->second.due;
            next->second.due += next->second.interval;
            menu.TimerFired(next->first);
        }
        now = end;
    }

    struct Timer {
        int due;
        int interval;
    };
    Rect workArea{0, 0, 1024, 768};
    int now = 0;
    std::map<int, Timer> timers;
    int viewsAlive = 0;
    int shows = 0;
    int hostClosed = 0;
};

class RecordingOpener : public MenuOpener {
  public:
    void SkinMenuClosed() override { events.push_back("closed"); }
    void SkinMenuCommand() override { events.push_back("command"); }
    std::vector<std::string> events;
};

}  // namespace vemora::skin::testing
