// The hyperlink label on a plain window: how it looks, and what a click opens.
#include <gmock/gmock.h>

#include <memory>
#include <string>
#include <vector>

#include "support/test_dir.h"
#include "tray/win/rz_url_label.h"
#include "win/text.h"
#include "win/window.h"

namespace vemora::test {
namespace {

using testing::ElementsAre;
using Log = std::vector<std::string>;

class RecordingLauncher : public UrlLauncher {
  public:
    explicit RecordingLauncher(Log& log) : log_(log) {}
    DWORD Open(const std::wstring& target) override {
        log_.push_back("open " + win::Narrow(target));
        return answer;
    }
    void RunOpenAsForHtm() override { log_.push_back("open as *.htm"); }

    DWORD answer = ERROR_SUCCESS;

  private:
    Log& log_;
};

class TestWindow : public win::Window {
  public:
    bool Create() {
        return Window::Create(L"VemoraUrlLabelTest", L"url label test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                              30, 30, 320, 120, nullptr);
    }
};

class UrlLabelTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(window.Create()); }

    TRzURLLabel& MakeLabel(const char* caption) {
        label = std::make_unique<TRzURLLabel>(launcher);
        EXPECT_TRUE(label->Create(window.hwnd(), 10, 10, 200, 18, caption));
        label->onClick = [this] { log.push_back("onClick"); };
        label->onOpenFailed = [this](const std::string& target, DWORD error) {
            log.push_back("failed " + target + " " + std::to_string(error));
        };
        return *label;
    }

    // The static tells its parent of the click, and the parent hands it to the label.
    void ClickLikeTheUser() {
        SendMessageW(label->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(label->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }

    // What the parent's WM_CTLCOLORSTATIC leaves in a DC the label paints with.
    struct Paint {
        COLORREF text;
        int backgroundMode;
    };
    Paint PaintedWith() {
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(window.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(label->hwnd()));
        const Paint paint{GetTextColor(dc), GetBkMode(dc)};
        DeleteDC(dc);
        return paint;
    }

    TestWindow window;
    Log log;
    RecordingLauncher launcher{log};
    std::unique_ptr<TRzURLLabel> label;
};

TEST_F(UrlLabelTest, LooksLikeALink) {
    TRzURLLabel& link = MakeLabel("www.example.com");
    EXPECT_FALSE(link.Visited());
    EXPECT_EQ(link.VisitedColor(), RGB(0x80, 0x00, 0x80));
    EXPECT_EQ(link.UnvisitedColor(), GetSysColor(COLOR_HIGHLIGHT));
    const Paint paint = PaintedWith();
    EXPECT_EQ(paint.text, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(paint.backgroundMode, TRANSPARENT);

    LOGFONTW font{};
    ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(link.hwnd(), WM_GETFONT, 0, 0)), sizeof(font),
                           &font));
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Verdana");
    EXPECT_TRUE(font.lfUnderline);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(11, GetDeviceCaps(screen, LOGPIXELSY), 96));
    ReleaseDC(nullptr, screen);

    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_TRUE(SendMessageW(link.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link.hwnd()),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(UrlLabelTest, ClickOpensTheUrlOrTheCaption) {
    const struct {
        const char* url;
        const char* caption;
        DWORD answer;
        Log log;
        bool visited;
    } cases[] = {
        {"https://example.com/", "主页", ERROR_SUCCESS, {"onClick", "open https://example.com/"}, true},
        {" \t",
         "mailto:someone@example.com",
         ERROR_SUCCESS,
         {"onClick", "open mailto:someone@example.com"},
         true},
        {"", "", ERROR_SUCCESS, {"onClick"}, false},
        {" ", "  ", ERROR_SUCCESS, {"onClick"}, false},
        {"C:\\help\\index.htm",
         "帮助",
         ERROR_NO_ASSOCIATION,
         {"onClick", "open C:\\help\\index.htm", "open as *.htm"},
         false},
        {"", "INDEX.HTM", ERROR_FILE_NOT_FOUND, {"onClick", "open INDEX.HTM", "open as *.htm"}, false},
        {"https://example.com/a.html",
         "",
         ERROR_FILE_NOT_FOUND,
         {"onClick", "open https://example.com/a.html", "failed https://example.com/a.html 2"},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "url '" << c.url << "' caption '" << c.caption << "'");
        TRzURLLabel& link = MakeLabel(c.caption);
        link.SetURL(c.url);
        launcher.answer = c.answer;
        log.clear();
        ClickLikeTheUser();
        EXPECT_EQ(log, c.log);
        EXPECT_EQ(link.Visited(), c.visited);
        EXPECT_EQ(PaintedWith().text, c.visited ? RGB(0x80, 0x00, 0x80) : GetSysColor(COLOR_HIGHLIGHT));
    }
}

TEST_F(UrlLabelTest, ColoursFollowVisited) {
    TRzURLLabel& link = MakeLabel("www.example.com");
    link.SetVisitedColor(RGB(1, 2, 3));
    link.SetUnvisitedColor(RGB(4, 5, 6));
    const struct {
        bool visited;
        COLORREF color;
    } steps[] = {{false, RGB(4, 5, 6)}, {true, RGB(1, 2, 3)}, {false, RGB(4, 5, 6)}};
    for (const auto& step : steps) {
        link.SetVisited(step.visited);
        EXPECT_EQ(PaintedWith().text, step.color) << step.visited;
    }
}

TEST_F(UrlLabelTest, SystemLauncherReportsAMissingFile) {
    TestDir dir;
    const DWORD error = SystemUrlLauncher().Open(win::Widen(dir / "missing.txt"));
    EXPECT_NE(error, DWORD(ERROR_SUCCESS));
}

}  // namespace
}  // namespace vemora::test
