// The main window as created: its controls, captions and window-level commands.
#include <gmock/gmock.h>

#include "app/event_row.h"
#include "support/form_fixture.h"
#include "win/text.h"

namespace vemora::test {
namespace {

using FormTest = FormFixture;

std::string WindowText(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return win::Narrow(text);
}

RECT BoundsInParent(const win::Control& control) {
    RECT rc{};
    GetWindowRect(control.hwnd(), &rc);
    MapWindowPoints(nullptr, GetParent(control.hwnd()), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

TEST_F(FormTest, WindowIsTopmostCentredWithVersionInCaption) {
    EXPECT_EQ(WindowText(form->hwnd()), "Vemora V2.8(目录监视专家)");
    EXPECT_EQ(form->Label2.Text(), "(Ver2.8)");
    RECT client{};
    GetClientRect(form->hwnd(), &client);
    EXPECT_EQ(client.right, 585);
    EXPECT_EQ(client.bottom, 410);
    EXPECT_TRUE(GetWindowLongW(form->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT window{}, work{};
    GetWindowRect(form->hwnd(), &window);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((window.left + window.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, (work.top + work.bottom) / 2, 1);
}

TEST_F(FormTest, ControlsHaveTheirCaptionsAndHints) {
    const struct {
        const win::Control& control;
        const char* caption;
        const char* hint;
    } cases[] = {
        {form->spSkinLabel1, "监视目录:", ""},
        {form->ePath, "", "双击显示目录选择对话框"},
        {form->BTNSelDir, "", "选择要监视的目录"},
        {form->BTNHelp, "帮助", "帮助"},
        {form->BTNUpdate, "升级", "升级"},
        {form->ckWatchSubTree, "同时监视子目录", ""},
        {form->bStart, "开始", "开始监控当前设定的目录"},
        {form->bStop, "停止", "停止监控当前设定的目录"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(c.control.Text(), c.caption);
        EXPECT_EQ(form->HintOf(c.control), c.hint);
    }
    EXPECT_FALSE(form->bStop.Enabled());
    // The button record stretches only horizontally: every button is 21 pixels high.
    for (const win::Control* button :
         {&form->BTNSelDir, &form->BTNHelp, &form->BTNUpdate, &form->bStart, &form->bStop}) {
        const RECT rc = BoundsInParent(*button);
        EXPECT_EQ(rc.bottom - rc.top, 21) << button->name;
    }
    // The label takes its record's height and sizes itself to its caption.
    const RECT label = BoundsInParent(form->spSkinLabel1);
    EXPECT_EQ(label.bottom - label.top, 19);
    EXPECT_GT(label.right - label.left, 40);
    EXPECT_EQ(form->StatusText(), "Ctrl+Alt+M 组合键控制本程序隐藏/显示");
}

// Every control can be seen and clicked whole: it lies inside its parent, and controls that
// share a parent do not cover each other (the label reaching into the path edit aside).
TEST_F(FormTest, ControlsFitTheirParentsAndDoNotOverlap) {
    std::vector<const win::Control*> panel = {
        &form->spSkinLabel1,       &form->ePath,          &form->BTNSelDir, &form->BTNHelp, &form->BTNUpdate,
        &form->spSkinPageControl1, &form->ckWatchSubTree, &form->bStart,    &form->bStop};
    std::vector<const win::Control*> firstPage;
    for (const skin::TspSkinCheckRadioBox& box : form->eventBoxes) firstPage.push_back(&box);
    for (const auto& group : {panel, firstPage}) {
        for (size_t i = 0; i < group.size(); ++i) {
            SCOPED_TRACE(group[i]->name);
            RECT parent{};
            GetClientRect(GetParent(group[i]->hwnd()), &parent);
            const RECT rc = BoundsInParent(*group[i]);
            EXPECT_TRUE(rc.left >= 0 && rc.top >= 0 && rc.right <= parent.right && rc.bottom <= parent.bottom)
                << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
            for (size_t j = i + 1; j < group.size(); ++j) {
                if (group[i] == &form->spSkinLabel1 && group[j] == &form->ePath) continue;
                RECT a = rc, b = BoundsInParent(*group[j]), both{};
                EXPECT_FALSE(IntersectRect(&both, &a, &b)) << "covers " << group[j]->name;
            }
        }
    }
}

TEST_F(FormTest, CheckBoxesStartInTheFormsStates) {
    const struct {
        const skin::TspSkinCheckRadioBox& box;
        const char* name;
        int tag;
        const char* caption;
        bool checked;
    } cases[] = {
        {form->ckMonitorFileName, "ckMonitorFileName", 1, "文件的创建/改名/删除", true},
        {form->ckMonitorDirName, "ckMonitorDirName", 3, "目录的创建/改名/删除", false},
        {form->ckMonitorAttributes, "ckMonitorAttributes", 5, "文件或目录的属性更改", false},
        {form->ckMonitorSize, "ckMonitorSize", 7, "文件大小更改", false},
        {form->ckMonitorLastWrite, "ckMonitorLastWrite", 4, "文件或目录最后修改日期改变", true},
        {form->ckMonitorLastAccess, "ckMonitorLastAccess", 8, "文件或目录的最后访问日期更改", false},
        {form->ckMonitorCreationDate, "ckMonitorCreationDate", 2, "文件或目录的创建日期更改", false},
        {form->ckMonitorSecurity, "ckMonitorSecurity", 6, "文件或目录的安全属性更改", false},
        {form->ckWatchSubTree, "ckWatchSubTree", 9, "同时监视子目录", true},
        {form->ckSetAutoSave, "ckSetAutoSave", 11, "自动保存监视记录", true},
        {form->ckSetAutoClear, "ckSetAutoClear", 12, "开始监视时,清空以前记录", true},
        {form->ckSetShowTray, "ckSetShowTray", 13, "显示托盘图标", true},
        {form->ckSetRember, "ckSetRember", 14, "记住最近选择", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.box.name, c.name);
        EXPECT_EQ(c.box.tag, c.tag);
        EXPECT_EQ(c.box.Text(), c.caption);
        EXPECT_EQ(c.box.Checked(), c.checked);
        EXPECT_EQ(SendMessageW(c.box.hwnd(), BM_GETCHECK, 0, 0), c.checked ? BST_CHECKED : BST_UNCHECKED);
    }
}

TEST_F(FormTest, CheckBoxClickContract) {
    int clicks = 0;
    bool seen = false;
    skin::TspSkinCheckRadioBox& box = form->ckMonitorSize;
    box.OnClick = [&] { ++clicks, seen = box.Checked(); };
    box.SetChecked(true);
    box.SetChecked(true);  // assigning the same value fires again
    EXPECT_EQ(clicks, 2);
    SendMessageW(box.hwnd(), BM_CLICK, 0, 0);  // as the user's click: the new state is already there
    EXPECT_EQ(clicks, 3);
    EXPECT_FALSE(seen);
}

TEST_F(FormTest, PagesAndImages) {
    EXPECT_EQ(TabCtrl_GetItemCount(form->spSkinPageControl1.hwnd()), 2);
    wchar_t text[32] = {};
    TCITEMW item{TCIF_TEXT};
    item.pszText = text;
    item.cchTextMax = 32;
    TabCtrl_GetItem(form->spSkinPageControl1.hwnd(), 1, &item);
    EXPECT_EQ(win::Narrow(text), "其他...");
}

// Every picture the program names is in its image strip: the rows' states and the menus' items.
TEST_F(FormTest, EveryImageIndexNamesAPicture) {
    std::vector<std::pair<std::string, int>> used;
    for (const char* action : {"ADDED", "DELETED", "MODIFIED", "RENAME...", "RENAMED"}) {
        used.emplace_back(action, MapAction(action).image);
    }
    for (const char* item : {"ClearItem", "SaveItem", "OpenItem"}) {
        used.emplace_back(item, form->MemoPopupMenu.Find(item).image);
    }
    for (const char* item : {"NShow", "NExit"}) used.emplace_back(item, form->TrayPopupMenu.Find(item).image);
    for (const auto& [what, image] : used) {
        EXPECT_GE(image, 0) << what;
        EXPECT_LT(image, form->ImageMsg.Count()) << what;
    }
}

TEST_F(FormTest, ExecutableCarriesVersionAndCommonControls6) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeW(path, &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, static_cast<DWORD>(info.size()), info.data()));
    wchar_t* version = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\080404b0\\ProductVersion",
                               reinterpret_cast<void**>(&version), &length));
    EXPECT_EQ(std::wstring(version), L"2.8");
    // The manifest asks for version 6 of the common controls: its button image lists exist.
    win::Button probe;
    ASSERT_TRUE(probe.Create(form->hwnd(), 0, 0, 10, 10, ""));
    probe.SetGlyph(win::UniqueImageList(ImageList_Create(16, 16, ILC_COLOR24, 1, 0)));
    BUTTON_IMAGELIST query{};
    EXPECT_TRUE(SendMessageW(probe.hwnd(), BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&query)));
    EXPECT_NE(query.himl, nullptr);
}

TEST_F(FormTest, HelpAndUpdateGoThroughTheShell) {
    form->BTNHelp.Click();
    form->BTNUpdate.Click();
    ASSERT_EQ(ui.shellCalls.size(), 2u);
    EXPECT_EQ(ui.shellCalls[0].verb, L"open");
    EXPECT_EQ(ui.shellCalls[0].owner, form->hwnd());
    EXPECT_EQ(win::Narrow(ui.shellCalls[0].target), form->AppDir() + "VemoraHelp.chm");
    EXPECT_EQ(ui.shellCalls[1].verb, L"");
    EXPECT_THAT(win::Narrow(ui.shellCalls[1].target), testing::StartsWith("https://"));
}

TEST_F(FormTest, CloseAsksAndNoKeepsWindowAndWatch) {
    form->ePath.SetText(watched.path());
    form->bStart.Click();
    ASSERT_TRUE(form->Watching());
    ui.answers = {IDNO};
    SendMessageW(form->hwnd(), WM_CLOSE, 0, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "您确认要退出目录监视软件?");
    EXPECT_EQ(ui.messages[0].caption, "Vemora");
    EXPECT_EQ(ui.messages[0].flags, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_TRUE(IsWindow(form->hwnd()));
    EXPECT_TRUE(form->Watching());

    ui.answers = {IDYES};
    const HWND hwnd = form->hwnd();
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(form->Watching()) << "closing stops the watch first";
}

TEST_F(FormTest, EndOfSessionClosesWithoutAsking) {
    const HWND hwnd = form->hwnd();
    EXPECT_EQ(SendMessageW(hwnd, WM_QUERYENDSESSION, 0, 0), TRUE);
    PumpUntil([&] { return !IsWindow(hwnd); });
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace vemora::test
