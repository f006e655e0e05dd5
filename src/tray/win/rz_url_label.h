// A label that reads as a hyperlink: underlined, coloured by whether it was followed, the
// hand cursor over it; a click opens its URL, or its caption when the URL is blank.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "win/controls/basic_controls.h"
#include "win/handles.h"

namespace vemora {

// Opens a label's target; behind an interface so tests can record and answer.
struct UrlLauncher {
    virtual ~UrlLauncher() = default;
    // ERROR_SUCCESS when the shell opened the target, else why it could not.
    virtual DWORD Open(const std::wstring& target) = 0;
    // Lets the user pick the program for .htm files, the usual cause of a page that fails.
    virtual void RunOpenAsForHtm() = 0;
};

UrlLauncher& SystemUrlLauncher();  // ShellExecuteExW and WinExec

class TRzURLLabel : public win::Label {
  public:
    explicit TRzURLLabel(UrlLauncher& launcher = SystemUrlLauncher());

    // A label that hears clicks, in underlined Verdana.
    bool Create(HWND parent, int x, int y, int w, int h, std::string_view caption);

    const std::string& URL() const { return url_; }
    void SetURL(std::string_view url) { url_ = url; }
    bool Visited() const { return visited_; }
    void SetVisited(bool visited);
    COLORREF VisitedColor() const { return visitedColor_; }
    void SetVisitedColor(COLORREF color);
    COLORREF UnvisitedColor() const { return unvisitedColor_; }
    void SetUnvisitedColor(COLORREF color);

    void Click();  // as the user's click

    std::function<void()> onClick;  // the plain label's click, before the target opens
    // The target could not be opened (and it was no page, for which the shell's Open With
    // dialog comes up instead); the owner tells the user. target is UTF-8.
    std::function<void(const std::string& target, DWORD error)> onOpenFailed;

    bool OnCommand(WORD code, LRESULT& result) override;

  protected:
    LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void ApplyColor();

    UrlLauncher& launcher_;
    std::string url_;
    bool visited_ = false;
    COLORREF visitedColor_ = RGB(0x80, 0x00, 0x80);
    COLORREF unvisitedColor_;
    win::UniqueFont font_;
};

}  // namespace vemora
