// Base of the wrappers around child controls. The wrapper subclasses its window, so it
// learns of the window's end and can take messages before the control does; the parent
// hands notifications to it through ReflectToControl (win/window.h).
//
// These are the contracts the skinned controls keep: a later look replaces the drawing,
// not what the handlers see.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

namespace vemora::win {

class Control {
  public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    static Control* FromHwnd(HWND hwnd);

    HWND hwnd() const { return hwnd_; }
    std::string Text() const;
    void SetText(std::string_view text);
    bool Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }
    void SetEnabled(bool enabled);
    bool Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }
    void SetFont(HFONT font);

    std::string name;
    int tag = 0;

    // Called by the parent; return true when handled, with the message result in result.
    virtual bool OnCommand(WORD /*code*/, LRESULT& /*result*/) { return false; }
    virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual bool OnColor(HDC /*dc*/, LRESULT& /*result*/) { return false; }

  protected:
    bool CreateControl(const wchar_t* className, std::string_view text, DWORD style, DWORD exStyle, int x,
                       int y, int w, int h, HWND parent);
    virtual LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp);

  private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                         DWORD_PTR data);
    HWND hwnd_ = nullptr;
};

}  // namespace vemora::win
