// The list keeps the newest rows up to its bound, in the order it shows them (arrival or a
// header click's); the status bar says how many left; the daily log keeps every line.
#include <gmock/gmock.h>

#include "app/event_paths.h"
#include "app/win/local_clock.h"
#include "support/form_fixture.h"

namespace vemora::test {
namespace {

using testing::ElementsAreArray;
using testing::HasSubstr;

class ListBoundTest : public FormFixture {
  protected:
    void SetUp() override {
        maxRows = 5;
        FormFixture::SetUp();
        form->Show();
    }
    void Add(int from, int to) {
        for (int i = from; i < to; ++i) form->AddEvent("ADDED", std::string("n").append(std::to_string(i)));
    }
    // What the list view shows, read through the list itself.
    std::vector<std::string> Shown() const {
        std::vector<std::string> names;
        for (int i = 0; i < ListView_GetItemCount(form->RzLWMsg.hwnd()); ++i) {
            wchar_t text[64] = {};
            ListView_GetItemText(form->RzLWMsg.hwnd(), i, 4, text, 64);
            names.push_back(win::Narrow(text));
        }
        return names;
    }
    int Selected() const { return ListView_GetNextItem(form->RzLWMsg.hwnd(), -1, LVNI_SELECTED); }
    bool StatusSays(uint64_t dropped) const {
        return PumpUntil([&] {
            return form->StatusText() == std::string("列表只保留最新的 5 行,较早的 ")
                                             .append(std::to_string(dropped))
                                             .append(" 行已移出列表");
        });
    }
};

TEST_F(ListBoundTest, NewestRowsStayInTheOrderShownAndTheLogKeepsEveryLine) {
    Add(0, 3);
    ASSERT_TRUE(PumpUntil([&] { return Shown().size() == 3; }));
    EXPECT_THAT(form->StatusText(), HasSubstr("Ctrl+Alt+M")) << "nothing has left the list yet";

    Add(3, 8);
    ASSERT_TRUE(StatusSays(3)) << form->StatusText();
    EXPECT_THAT(Shown(), ElementsAreArray({"n3", "n4", "n5", "n6", "n7"}));
    EXPECT_EQ(form->Events().size(), 5u);

    // Sorted by name, descending: the sorted rows that stay keep their places, rows that
    // came since follow in arrival order.
    form->RzLWMsg.HeaderClickSort(4);
    form->RzLWMsg.HeaderClickSort(4);
    ASSERT_THAT(Shown(), ElementsAreArray({"n7", "n6", "n5", "n4", "n3"}));
    Add(8, 10);
    ASSERT_TRUE(StatusSays(5)) << form->StatusText();
    EXPECT_THAT(Shown(), ElementsAreArray({"n7", "n6", "n5", "n8", "n9"}));
    Add(10, 16);  // past every row that was sorted
    ASSERT_TRUE(StatusSays(11)) << form->StatusText();
    EXPECT_THAT(Shown(), ElementsAreArray({"n11", "n12", "n13", "n14", "n15"}));

    // The selection stays on its change as the rows move up, and goes when it leaves.
    ListView_SetItemState(form->RzLWMsg.hwnd(), 2, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    Add(16, 18);
    ASSERT_TRUE(StatusSays(13)) << form->StatusText();
    EXPECT_THAT(Shown(), ElementsAreArray({"n13", "n14", "n15", "n16", "n17"}));
    EXPECT_EQ(Selected(), 0) << "n13";
    Add(18, 19);
    ASSERT_TRUE(StatusSays(14)) << form->StatusText();
    EXPECT_EQ(Selected(), -1);

    const std::string log = ReadTextFile(DailyLogPath(form->AppDir(), LocalNow()));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 19);
    for (int i = 0; i < 19; ++i)
        EXPECT_THAT(log, HasSubstr(std::string("?n").append(std::to_string(i)).append("\r\n")));

    // Open keeps the newest lines of a longer file the same way, and says so.
    const std::string file = watched / "nineteen.log";
    WriteTextFile(file, log);
    ui.fileAnswer = win::Widen(file);
    form->OpenItemClick();
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_TRUE(StatusSays(14)) << form->StatusText();
    EXPECT_THAT(Shown(), ElementsAreArray({"n14", "n15", "n16", "n17", "n18"}));

    form->ClearItemClick();
    EXPECT_THAT(form->StatusText(), HasSubstr("Ctrl+Alt+M")) << "a cleared list has lost nothing";
}

}  // namespace
}  // namespace vemora::test
