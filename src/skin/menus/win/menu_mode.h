// Menu mode: while a skinned menu is up, every key-down message of the thread goes to a
// handler instead of the focused window, and mouse-wheel messages are dropped. The popups
// never take the focus, so this is how the keyboard reaches them.
#pragma once

#include <windows.h>

#include <functional>

namespace vemora::skin {

class MenuModeKeyboard {
  public:
    // Handler of one key-down (the virtual key); the message is discarded afterwards.
    using KeyHandler = std::function<void(int key)>;

    MenuModeKeyboard() = default;
    MenuModeKeyboard(const MenuModeKeyboard&) = delete;
    MenuModeKeyboard& operator=(const MenuModeKeyboard&) = delete;
    ~MenuModeKeyboard() { Stop(); }

    // Takes the thread's keyboard; a mode already running elsewhere on the thread is saved
    // and gets it back on Stop.
    void Start(KeyHandler handler);
    void Stop();
    bool Active() const { return hook_ != nullptr; }

  private:
    static LRESULT CALLBACK GetMessageHook(int code, WPARAM wp, LPARAM lp);

    KeyHandler handler_;
    HHOOK hook_ = nullptr;
    MenuModeKeyboard* saved_ = nullptr;
};

}  // namespace vemora::skin
