// The report list's check boxes and label editing, on a list of its own: the rows are the
// owner's, so both go through the owner's handlers.
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "shell/win/rz_list_view.h"
#include "support/pump.h"
#include "win/text.h"
#include "win/window.h"

namespace vemora::test {
namespace {

using shell::TRzListView;
using testing::ElementsAre;
using testing::IsEmpty;
using Log = std::vector<std::string>;

class Rows : public win::VirtualListView::Source, public TRzListView::CheckStates {
  public:
    int ImageOf(size_t) const override { return -1; }
    std::wstring TextOf(size_t row, int column) const override {
        return column == 0 ? win::Widen(names[row]) : L"detail";
    }
    bool IsChecked(size_t row) const override { return checked[row]; }
    void SetChecked(size_t row, bool on) override { checked[row] = on; }

    std::vector<std::string> names{"alpha", "beta", "gamma"};
    std::vector<bool> checked{false, true, false};
};

class ListWindow : public win::Window {
  public:
    bool Create() {
        return Window::Create(L"VemoraListCheckEditTest", L"list test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 40,
                              40, 360, 200, nullptr);
    }
};

class ListCheckEditTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create());
        const win::VirtualListView::Column columns[] = {{"名称", 120}, {"详情", 120}};
        ASSERT_TRUE(list.Create(window.hwnd(), 0, 0, 340, 160, columns, 2));
        list.SetSource(&rows);
        list.SetRowCount(rows.names.size());
        list.onCheckStateChanging = [this](int item, bool toBeChecked, bool& allow) {
            log.push_back("changing " + std::to_string(item) + (toBeChecked ? " on" : " off"));
            allow = allowChange;
        };
        list.onCheckStateChange = [this](int item) { log.push_back("change " + std::to_string(item)); };
        list.onEditing = [this](int, bool& allow) { allow = allowEdit; };
        list.onEdited = [this](int item, const std::string& text, bool& accept) {
            log.push_back("edited " + std::to_string(item) + " " + text);
            accept = true;
            rows.names[static_cast<size_t>(item)] = text;
        };
        PumpFor(0);
    }

    HWND List() const { return list.hwnd(); }
    RECT ItemRect(int item, int part) const {
        RECT r{};
        EXPECT_TRUE(ListView_GetItemRect(List(), item, &r, part));
        return r;
    }
    // The first point of the row that the list's hit test calls its check box.
    LPARAM CheckBoxPoint(int item) const {
        const RECT row = ItemRect(item, LVIR_BOUNDS);
        const int y = (row.top + row.bottom) / 2;
        for (int x = row.left; x < row.left + 40; ++x) {
            LVHITTESTINFO hit{};
            hit.pt = {x, y};
            ListView_HitTest(List(), &hit);
            if (hit.iItem == item && (hit.flags & LVHT_ONITEMSTATEICON)) return MAKELPARAM(x + 2, y);
        }
        ADD_FAILURE() << "no check box on row " << item;
        return 0;
    }
    void Click(LPARAM at) {
        SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(List(), WM_LBUTTONUP, 0, at);
    }
    void PointAt(POINT client) {
        ClientToScreen(List(), &client);
        SetCursorPos(client.x, client.y);
    }
    static POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

    ListWindow window;
    TRzListView list;
    Rows rows;
    Log log;
    bool allowChange = true;
    bool allowEdit = true;
};

TEST_F(ListCheckEditTest, BoxChangesAskFirstTellAfterAndShowTheOwnersState) {
    list.SetCheckBoxes(&rows);
    enum How { kClickOnBox, kSpaceOnFocused, kAssigned };
    const struct {
        const char* what;
        How how;
        bool allow;
        Log log;
        std::vector<bool> checked;
    } kCases[] = {
        {"a click on row 0's box checks it", kClickOnBox, true, {"changing 0 on", "change 0"}, {true, true, false}},
        {"refused: the box stays as it was", kClickOnBox, false, {"changing 0 off"}, {true, true, false}},
        {"Space turns the focused row's box round", kSpaceOnFocused, true, {"changing 0 off", "change 0"},
         {false, true, false}},
        {"Space refused", kSpaceOnFocused, false, {"changing 0 on"}, {false, true, false}},
        {"assigning from code goes the same way", kAssigned, true, {"changing 2 on", "change 2"},
         {false, true, true}},
    };
    for (const auto& c : kCases) {
        log.clear();
        allowChange = c.allow;
        switch (c.how) {
            case kClickOnBox:
                Click(CheckBoxPoint(0));
                break;
            case kSpaceOnFocused:
                ListView_SetItemState(List(), 0, LVIS_FOCUSED, LVIS_FOCUSED);
                SendMessageW(List(), WM_KEYDOWN, VK_SPACE, 0);
                SendMessageW(List(), WM_CHAR, L' ', 0);
                SendMessageW(List(), WM_KEYUP, VK_SPACE, 0);
                break;
            case kAssigned:
                list.SetItemChecked(2, true);
                break;
        }
        EXPECT_THAT(log, testing::ElementsAreArray(c.log)) << c.what;
        EXPECT_EQ(rows.checked, c.checked) << c.what;
        // What screen readers and automation read is the owner's state.
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(ListView_GetCheckState(List(), i) != 0, c.checked[static_cast<size_t>(i)])
                << c.what << ", row " << i;
        }
    }

    log.clear();
    list.SetItemChecked(1, true);  // already checked: no change to ask about
    Click(MAKELPARAM(Centre(ItemRect(0, LVIR_LABEL)).x, Centre(ItemRect(0, LVIR_LABEL)).y));
    EXPECT_THAT(log, IsEmpty()) << "a click on the text selects, it does not check";
}

TEST_F(ListCheckEditTest, WithoutStatesThereAreNoBoxes) {
    Click(MAKELPARAM(4, Centre(ItemRect(0, LVIR_BOUNDS)).y));
    EXPECT_FALSE(ListView_GetExtendedListViewStyle(List()) & LVS_EX_CHECKBOXES);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(ListCheckEditTest, WholeRowSelectionEditsFromTheLabelUnlessEditOnRowClick) {
    list.SetEditLabels(true);
    const POINT onLabel = Centre(ItemRect(0, LVIR_LABEL));
    RECT detail{};
    ListView_GetSubItemRect(List(), 0, 1, LVIR_BOUNDS, &detail);
    const POINT onRow = Centre(detail);
    const struct {
        const char* what;
        POINT pointer;
        bool editOnRowClick;
        bool allowEdit;
        bool edits;
    } kCases[] = {
        {"pointer on the label", onLabel, false, true, true},
        {"pointer elsewhere on the row", onRow, false, true, false},
        {"EditOnRowClick: elsewhere on the row", onRow, true, true, true},
        {"the owner refuses", onLabel, false, false, false},
    };
    for (const auto& c : kCases) {
        list.SetEditOnRowClick(c.editOnRowClick);
        allowEdit = c.allowEdit;
        PointAt(c.pointer);
        SetFocus(List());
        const HWND edit = ListView_EditLabel(List(), 0);
        EXPECT_EQ(edit != nullptr, c.edits) << c.what;
        if (edit) SendMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
        PumpFor(0);
    }
    EXPECT_THAT(log, IsEmpty()) << "a cancelled edit tells the owner nothing";

    allowEdit = true;
    PointAt(Centre(ItemRect(1, LVIR_LABEL)));
    SetFocus(List());
    const HWND edit = ListView_EditLabel(List(), 1);
    ASSERT_NE(edit, nullptr);
    SetWindowTextW(edit, L"贝塔");
    SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    PumpFor(0);
    EXPECT_THAT(log, ElementsAre("edited 1 贝塔"));
    wchar_t text[32] = {};
    ListView_GetItemText(List(), 1, 0, text, 32);
    EXPECT_EQ(win::Narrow(text), "贝塔");
}

}  // namespace
}  // namespace vemora::test
