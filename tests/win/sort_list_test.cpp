// The event list's header sorting, arrow, context menu and wheel, on the real list view.
#include <gmock/gmock.h>

#include "support/form_fixture.h"
#include "win/text.h"

namespace vemora::test {
namespace {

using shell::SortDirection;
using testing::ElementsAreArray;

constexpr int kTime = 1, kType = 2, kAction = 3, kName = 4;

// Arrival order; the type and action texts order by their GBK bytes (目录 C4BF < 文件 CEC4;
// 更名 B8FC < 删除 C9BE < 新建 D0C2 < 修改 D0DE), not by UTF-8.
const EventRow kRows[] = {
    {0, "2026/12/10 11:42:07", "文件", "新建", "b.txt"}, {1, "2026/12/10 09:00:00", "目录", "删除", "A.txt"},
    {2, "2026/12/10 11:42:07", "文件", "修改", ""},      {kNoImage, "2026/12/9", "目录", "", "c.txt"},
    {3, "2026/12/10 10:00:00", "文件", "更名", "a.txt"},
};

class SortListTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        Fill();
    }
    void Fill() {
        form->Show();
        form->ckSetAutoSave.SetChecked(false);
        for (const EventRow& row : kRows) form->AppendRow(row);
        ASSERT_TRUE(PumpUntil([&] { return ShownCount() == static_cast<int>(std::size(kRows)); }));
    }

    HWND List() const { return form->RzLWMsg.hwnd(); }
    HWND Header() const { return ListView_GetHeader(List()); }
    int ShownCount() const { return ListView_GetItemCount(List()); }

    // A click on a header item, as the header control gets it from the mouse.
    void ClickHeader(int column) {
        RECT r{};
        ASSERT_TRUE(Header_GetItemRect(Header(), column, &r));
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(Header(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(Header(), WM_LBUTTONUP, 0, at);
        PumpFor(0);
    }

    std::string ShownText(int row, int column) const {
        wchar_t text[128] = {};
        ListView_GetItemText(List(), row, column, text, 128);
        return win::Narrow(text);
    }
    std::vector<std::string> ShownNames() const {
        std::vector<std::string> names;
        for (int i = 0; i < ShownCount(); ++i) names.push_back(ShownText(i, kName));
        return names;
    }
    int SortFlags(int column) const {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(Header(), column, &item);
        return item.fmt & (HDF_SORTUP | HDF_SORTDOWN);
    }
};

TEST_F(SortListTest, HeaderClicksSortAllRowsAndToggleOnlyTheLastSortedColumn) {
    const struct {
        const char* what;
        std::vector<int> clicks;
        SortDirection direction;
        std::vector<std::string> names;
    } kCases[] = {
        {"名称: equal keys in any case keep arrival order, the empty name last",
         {kName},
         SortDirection::kAscending,
         {"A.txt", "a.txt", "b.txt", "c.txt", ""}},
        {"名称 twice: the empty name first, equal keys still in arrival order",
         {kName, kName},
         SortDirection::kDescending,
         {"", "c.txt", "b.txt", "A.txt", "a.txt"}},
        {"名称 three times",
         {kName, kName, kName},
         SortDirection::kAscending,
         {"A.txt", "a.txt", "b.txt", "c.txt", ""}},
        {"类型 by GBK bytes", {kType}, SortDirection::kAscending, {"A.txt", "c.txt", "b.txt", "", "a.txt"}},
        {"类型 then 动作: both ascending",
         {kType, kAction},
         SortDirection::kAscending,
         {"a.txt", "A.txt", "b.txt", "", "c.txt"}},
        {"类型, 动作, 类型: ascending again",
         {kType, kAction, kType},
         SortDirection::kAscending,
         {"A.txt", "c.txt", "b.txt", "", "a.txt"}},
        {"时间 by text", {kTime}, SortDirection::kAscending, {"A.txt", "a.txt", "b.txt", "", "c.txt"}},
        {"时间 twice", {kTime, kTime}, SortDirection::kDescending, {"c.txt", "b.txt", "", "a.txt", "A.txt"}},
    };
    for (const auto& c : kCases) {
        for (int column : c.clicks) ClickHeader(column);
        EXPECT_THAT(ShownNames(), ElementsAreArray(c.names)) << c.what;
        EXPECT_EQ(form->RzLWMsg.SortColumn(), c.clicks.back()) << c.what;
        EXPECT_EQ(form->RzLWMsg.SortDirection(), c.direction) << c.what;
        for (int column = 0; column < 5; ++column) {
            const int expected = column != c.clicks.back()                  ? 0
                                 : c.direction == SortDirection::kAscending ? HDF_SORTUP
                                                                            : HDF_SORTDOWN;
            EXPECT_EQ(SortFlags(column), expected) << c.what << ", column " << column;
        }
        // The next case starts with no column to turn round (a new list is slow to make
        // under Wine): a click on an ascending column turns it round and disarms it.
        if (c.direction == SortDirection::kAscending) ClickHeader(c.clicks.back());
    }
}

TEST_F(SortListTest, ImagesFollowTheirRowsAndLaterRowsFollowUnsorted) {
    ClickHeader(kName);
    LVITEMW item{LVIF_IMAGE};
    item.iItem = 0;
    ListView_GetItem(List(), &item);
    EXPECT_EQ(item.iImage, 1) << "A.txt's image";

    form->AppendRow({0, "2026/12/10 12:00:00", "文件", "新建", "0-first-by-name.txt"});
    ASSERT_TRUE(PumpUntil([&] { return ShownCount() == 6; }));
    EXPECT_EQ(ShownText(5, kName), "0-first-by-name.txt") << "rows added after a sort are not placed";

    const std::string file = watched / "shown.log";
    ui.fileAnswer = win::Widen(file);
    form->SaveItemClick();
    const std::string saved = win::FromAnsi(ReadTextFile(file));
    EXPECT_EQ(saved.find("A.txt"), saved.find("?A.txt\r\n") + 1);
    EXPECT_LT(saved.find("A.txt"), saved.find("b.txt")) << "saved in the order shown";
    EXPECT_LT(saved.find("c.txt"), saved.find("0-first-by-name.txt"));

    form->ClearItemClick();
    form->AppendRow(kRows[0]);
    form->AppendRow(kRows[1]);
    ASSERT_TRUE(PumpUntil([&] { return ShownCount() == 2; }));
    EXPECT_THAT(ShownNames(), ElementsAreArray({"b.txt", "A.txt"})) << "a cleared list shows arrival order";
}

TEST_F(SortListTest, SelectionStaysOnItsRow) {
    ListView_SetItemState(List(), 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);  // b.txt
    ClickHeader(kName);
    const int selected = ListView_GetNextItem(List(), -1, LVNI_SELECTED);
    EXPECT_EQ(selected, 2);
    EXPECT_EQ(ShownText(selected, kName), "b.txt");
    EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_FOCUSED), 2);
}

// The header as painted: pixels in the button-shadow colour inside an item's content.
struct ArrowPixels {
    int count = 0;
    int topRowWidth = 0, bottomRowWidth = 0;
};

class SortArrowTest : public SortListTest {
  protected:
    ArrowPixels ArrowIn(int column) {
        RedrawWindow(Header(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        RECT r{};
        Header_GetItemRect(Header(), column, &r);
        const HDC dc = GetDC(Header());
        const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
        ArrowPixels found;
        int top = -1, bottom = -1;
        std::vector<int> widths(r.bottom);
        for (int y = r.top + 2; y < r.bottom - 2; ++y) {
            for (int x = r.left + 2; x < r.right - 2; ++x) {
                if (GetPixel(dc, x, y) != shadow) continue;
                ++found.count;
                ++widths[y];
                if (top < 0) top = y;
                bottom = y;
            }
        }
        ReleaseDC(Header(), dc);
        if (top >= 0) {
            found.topRowWidth = widths[top];
            found.bottomRowWidth = widths[bottom];
        }
        return found;
    }
};

TEST_F(SortArrowTest, TheSortedColumnShowsItsArrowPointingTheSortWay) {
    ClickHeader(kName);
    const ArrowPixels up = ArrowIn(kName);
    EXPECT_GT(up.count, 10);
    EXPECT_GT(up.bottomRowWidth, up.topRowWidth + 5) << "ascending points up";
    EXPECT_EQ(ArrowIn(kTime).count, 0);

    ClickHeader(kName);
    const ArrowPixels down = ArrowIn(kName);
    EXPECT_GT(down.topRowWidth, down.bottomRowWidth + 5) << "descending points down";

    ClickHeader(kTime);
    EXPECT_EQ(ArrowIn(kName).count, 0) << "the old sort column is repainted without its arrow";
    EXPECT_GT(ArrowIn(kTime).count, 10);
}

TEST_F(SortArrowTest, NarrowColumnShowsNoArrow) {
    ClickHeader(0);  // the 18-pixel image column: sorted (by the empty captions), no arrow
    EXPECT_EQ(form->RzLWMsg.SortColumn(), 0);
    EXPECT_EQ(ArrowIn(0).count, 0);
    EXPECT_THAT(ShownNames(), ElementsAreArray({"b.txt", "A.txt", "", "c.txt", "a.txt"}));
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

class ListMenuTest : public SortListTest {
  protected:
    void SetUp() override {
        SortListTest::SetUp();
        // Counts each opening and closes the menu at once.
        form->MemoPopupMenu.onPopup = [this] {
            ++menus;
            SetTimer(nullptr, 0, 10, &CloseMenu);
        };
    }
    POINT RowPoint(int row) const {
        RECT r{};
        ListView_GetItemRect(List(), row, &r, LVIR_BOUNDS);
        return {r.left + 150, (r.top + r.bottom) / 2};
    }
    void RightClick(POINT at) {
        const LPARAM lp = MAKELPARAM(at.x, at.y);
        PostMessageW(List(), WM_RBUTTONUP, 0, lp);
        SendMessageW(List(), WM_RBUTTONDOWN, MK_RBUTTON, lp);
        PumpFor(100);
    }
    int menus = 0;
};

TEST_F(ListMenuTest, RightClickOnARowOpensTheMenuOnce) {
    RightClick(RowPoint(1));
    EXPECT_EQ(menus, 1) << "no second menu for the release";
    EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 1);
}

TEST_F(ListMenuTest, RightClickBelowTheRowsOpensTheMenu) {
    RECT client{};
    GetClientRect(List(), &client);
    RightClick({client.right / 2, client.bottom - 5});
    EXPECT_EQ(menus, 1);
}

TEST_F(ListMenuTest, MenuKeysOpenTheMenuAndAreConsumed) {
    SetFocus(List());
    ListView_SetItemState(List(), 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageW(List(), WM_KEYDOWN, VK_APPS, 0);
    SendMessageW(List(), WM_KEYUP, VK_APPS, 0);
    PumpFor(50);
    EXPECT_EQ(menus, 1) << "Applications key";

    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(List(), WM_SYSKEYDOWN, VK_F10, 0);
    SendMessageW(List(), WM_SYSKEYUP, VK_F10, 0);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    PumpFor(50);
    EXPECT_EQ(menus, 2) << "Shift+F10";

    SendMessageW(List(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List()), MAKELPARAM(-1, -1));
    PumpFor(50);
    EXPECT_EQ(menus, 3) << "the system's request from the keyboard";
}

TEST_F(SortListTest, WheelScrollsThreeLinesOfSixteenPixels) {
    for (int i = 0; i < 200; ++i) form->AppendRow(kRows[i % 5]);
    ASSERT_TRUE(PumpUntil([&] { return ShownCount() == 205; }));
    UINT lines = 0;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    RECT row{};
    ListView_GetItemRect(List(), 0, &row, LVIR_BOUNDS);
    const int rowHeight = row.bottom - row.top;
    const auto wheel = [&](int delta) {
        SendMessageW(List(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))), 0);
    };
    wheel(-2 * WHEEL_DELTA);  // two notches down; the list view scrolls whole rows, the nearest
    const int pixels = static_cast<int>(2 * lines * 16);
    EXPECT_EQ(ListView_GetTopIndex(List()), (pixels + rowHeight / 2) / rowHeight);
    wheel(2 * WHEEL_DELTA);
    EXPECT_EQ(ListView_GetTopIndex(List()), 0);
}

TEST(RunShowingWaitCursor, ShowsTheWaitOnlyForLongWork) {
    int waits = 0;
    shell::RunShowingWaitCursor([] {}, 500, [&] { ++waits; });
    EXPECT_EQ(waits, 0);
    shell::RunShowingWaitCursor([] { Sleep(120); }, 50, [&] { ++waits; });
    EXPECT_EQ(waits, 1);
    EXPECT_THROW(shell::RunShowingWaitCursor([] { throw std::runtime_error("sort failed"); }, 50, [] {}),
                 std::runtime_error);
}

}  // namespace
}  // namespace vemora::test
