// Recording rows: the own-log filter and the list's popup menu.
#include <gmock/gmock.h>

#include "support/form_fixture.h"
#include "win/text.h"

namespace vemora::test {
namespace {

using testing::Contains;
using testing::HasSubstr;
using testing::Not;

class EventListTest : public FormFixture {};

TEST_F(EventListTest, OwnDailyLogInsideTheWatchedTreeIsNotShown) {
    // The program lives inside the watched directory and logs every change. Its directory
    // appears during the watch, so Wine (which watches only subdirectories it sees created)
    // reports what happens inside it.
    CreateForm(watched / "app\\");
    form->ckMonitorDirName.SetChecked(true);
    StartWatching(watched.path());
    WriteTextFile(watched / "one.txt", "x");
    ASSERT_TRUE(PumpUntil([&] { return Exists(form->LogFileName()); }));
    WriteTextFile(watched / "two.txt", "x");
    ASSERT_TRUE(PumpUntil([&] {
        for (const std::string& row : Rows()) {
            if (row.find("two.txt") != std::string::npos) return true;
        }
        return false;
    }));
    PumpFor(300);
    const std::vector<std::string> rows = Rows();
    EXPECT_THAT(rows, Contains("0|目录|新建|app"))
        << "creating the log's directory is a change like any other";
    EXPECT_THAT(ReadTextFile(form->LogFileName()), HasSubstr("?two.txt\r\n"));
    for (const std::string& row : rows) EXPECT_THAT(row, Not(HasSubstr(".log"))) << "the log's own writes";
}

TEST_F(EventListTest, PopupMenuEnablement) {
    const auto enabled = [&](const char* item) { return form->MemoPopupMenu.Find(item).enabled; };
    form->MemoPopupMenuPopup();
    EXPECT_FALSE(enabled("ClearItem"));
    EXPECT_FALSE(enabled("SaveItem"));
    EXPECT_TRUE(enabled("OpenItem"));

    form->ckSetAutoSave.SetChecked(false);
    form->AddEvent("ADDED", "a.txt");
    form->MemoPopupMenuPopup();
    EXPECT_TRUE(enabled("ClearItem"));
    EXPECT_TRUE(enabled("SaveItem"));

    StartWatching(watched.path());
    form->MemoPopupMenuPopup();
    EXPECT_FALSE(enabled("OpenItem")) << "no opening during a watch";
    form->bStop.Click();
    form->MemoPopupMenuPopup();
    EXPECT_TRUE(enabled("OpenItem"));
}

TEST_F(EventListTest, OverflowRowHasNoImageAndNoText) {
    form->ckSetAutoSave.SetChecked(false);
    form->AddEvent("", "");
    EXPECT_THAT(Rows(), testing::ElementsAre("-1|目录||"));
    EXPECT_TRUE(PumpUntil([&] { return ListView_GetItemCount(form->RzLWMsg.hwnd()) == 1; }));
}

TEST_F(EventListTest, ListShowsTheStoredRows) {
    form->ckSetAutoSave.SetChecked(false);
    form->AddEvent("RENAMED", "报告.doc");
    ASSERT_TRUE(PumpUntil([&] { return ListView_GetItemCount(form->RzLWMsg.hwnd()) == 1; }));
    wchar_t text[64] = {};
    ListView_GetItemText(form->RzLWMsg.hwnd(), 0, 3, text, 64);
    EXPECT_EQ(win::Narrow(text), "更名为");
    ListView_GetItemText(form->RzLWMsg.hwnd(), 0, 4, text, 64);
    EXPECT_EQ(win::Narrow(text), "报告.doc");
    LVITEMW item{LVIF_IMAGE};
    ListView_GetItem(form->RzLWMsg.hwnd(), &item);
    EXPECT_EQ(item.iImage, 4);
}

}  // namespace
}  // namespace vemora::test
