#include "skin/menus/win/menu_mode.h"

namespace vemora::skin {
namespace {

// A message hook carries no data of its own: the thread's current mode is the one slot.
thread_local MenuModeKeyboard* t_current = nullptr;

}  // namespace

void MenuModeKeyboard::Start(KeyHandler handler) {
    handler_ = std::move(handler);
    if (hook_) return;
    hook_ = SetWindowsHookExW(WH_GETMESSAGE, &GetMessageHook, nullptr, GetCurrentThreadId());
    if (!hook_) return;
    saved_ = t_current;
    t_current = this;
}

void MenuModeKeyboard::Stop() {
    if (!hook_) return;
    UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    if (t_current == this) t_current = saved_;
    saved_ = nullptr;
}

LRESULT CALLBACK MenuModeKeyboard::GetMessageHook(int code, WPARAM wp, LPARAM lp) {
    MenuModeKeyboard* mode = t_current;
    if (code == HC_ACTION && wp == PM_REMOVE && mode) {
        MSG& msg = *reinterpret_cast<MSG*>(lp);
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            const int key = int(msg.wParam);
            msg.message = WM_NULL;
            // The handler may end the mode (and free it): copy it first.
            const KeyHandler handler = mode->handler_;
            if (handler) handler(key);
            return 0;
        } else if (msg.message == WM_MOUSEWHEEL) {
            msg.message = WM_NULL;
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace vemora::skin
