// Buttons, check boxes, edits and labels.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "win/controls/control.h"
#include "win/handles.h"

namespace vemora::win {

class Button : public Control {
  public:
    bool Create(HWND parent, int x, int y, int w, int h, std::string_view caption);
    void SetGlyph(UniqueImageList glyph);  // the list's first image beside the caption; the button keeps it
    void Click();                          // as the user's click: nothing while disabled

    std::function<void()> onClick;

    bool OnCommand(WORD code, LRESULT& result) override;

  private:
    UniqueImageList glyph_;
};

// Setting Checked from code fires onClick, every time; a user click toggles the state
// first, so onClick always sees the new value.
class CheckBox : public Control {
  public:
    bool Create(HWND parent, int x, int y, int w, int h, std::string_view caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    std::function<void()> onClick;

    bool OnCommand(WORD code, LRESULT& result) override;

  private:
    bool checked_ = false;
};

class Edit : public Control {
  public:
    bool Create(HWND parent, int x, int y, int w, int h);

    std::function<void()> onChange;  // also when the text is set from code
    std::function<void()> onDoubleClick;

    bool OnCommand(WORD code, LRESULT& result) override;

  protected:
    LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

class Label : public Control {
  public:
    // extraStyle: SS_NOTIFY for a label that takes clicks.
    bool Create(HWND parent, int x, int y, int w, int h, std::string_view caption, DWORD extraStyle = 0);
    void SetColor(COLORREF color) { color_ = color; }
    bool OnColor(HDC dc, LRESULT& result) override;

  private:
    COLORREF color_ = CLR_INVALID;
};

class Picture : public Control {
  public:
    bool Create(HWND parent, int x, int y, int w, int h, HICON icon);
};

}  // namespace vemora::win
