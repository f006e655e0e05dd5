// Base of the program's own windows: the C++ object is stored at WM_NCCREATE and every
// message goes to its HandleMessage. Notifications of child controls are handed back to
// the control objects that own them (see controls/control.h).
#pragma once

#include <windows.h>

#include <functional>

namespace vemora::win {

class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }

  protected:
    // Registers the class on first use (with classStyle); style and exStyle as for CreateWindowEx.
    bool Create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
                int w, int h, HWND parent, HICON icon = nullptr, UINT classStyle = CS_DBLCLKS);
    void Destroy();

    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
};

// Runs a message handler; an exception it throws is shown to the user and the message
// gets the fallback's answer.
LRESULT Guarded(HWND hwnd, const std::function<LRESULT()>& handler, const std::function<LRESULT()>& fallback);

// Routes WM_COMMAND, WM_NOTIFY and the owner-draw messages to the control object of the
// sending child. Returns true when a control handled the message.
bool ReflectToControl(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

// A plain child window that only holds other controls (panels, tab pages).
class ContainerWindow : public Window {
  public:
    bool Create(HWND parent, int x, int y, int w, int h, DWORD exStyle = WS_EX_CONTROLPARENT);
};

}  // namespace vemora::win
