#include "shell/shell_locator.h"

#include <gtest/gtest.h>

#include "shell/memory_namespace.h"

namespace vemora::shell {
namespace {

class LocatorTest : public testing::Test {
  protected:
    LocatorTest() {
        auto& computer = ns.Add(ns.Root(), "My Computer", kAttrFolder | kAttrFileSysAncestor);
        ns.SetSpecial(kCsidlDrives, computer);
        auto& c = ns.Add(computer, "C:");
        place = ns.AbsoluteOf(ns.Add(c, "data"));
        locator.onChange = [this] { ++changes; };
    }
    MemoryNamespace ns;
    IdList place;
    TRzShellLocator locator{ns};
    int changes = 0;
};

TEST_F(LocatorTest, ChangeEventsFireOnlyForRealChanges) {
    struct Step {
        const char* what;
        IdList write;
        int changesAfter;
        bool holdsList;
    };
    const Step steps[] = {
        {"the empty list into an empty locator", IdList::Empty(), 0, false},
        {"a place", place, 1, true},
        {"the same place again", place, 1, true},
        {"the empty list over a place", IdList::Empty(), 2, false},
        {"no list into an empty locator", IdList(), 2, false},
    };
    for (const auto& s : steps) {
        locator.SetItemIdList(s.write);
        EXPECT_EQ(changes, s.changesAfter) << s.what;
        EXPECT_EQ(locator.ItemIdList().HasItems(), s.holdsList) << s.what;
        EXPECT_FALSE(locator.ItemIdList().IsEmpty()) << s.what << ": the desktop is stored as no list";
    }
}

TEST_F(LocatorTest, PathsRoundTripAndTheEmptyLocatorIsTheDesktopDirectory) {
    EXPECT_EQ(locator.FileSystemPath(), "C:\\Desktop");
    locator.SetFileSystemPath("c:\\DATA");
    EXPECT_EQ(locator.ItemIdList(), place);
    EXPECT_EQ(locator.FileSystemPath(), "C:\\data");
    for (const char* unusable : {"Q:\\nowhere", "", "  "}) {
        locator.SetFileSystemPath("c:\\data");
        locator.SetFileSystemPath(unusable);
        EXPECT_TRUE(locator.ItemIdList().IsNull()) << unusable;
    }
}

TEST_F(LocatorTest, CopyFromAndSameLocation) {
    TRzShellLocator other(ns);
    other.SetItemIdList(place);
    locator.CopyFrom(&other);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(locator.SameLocation(other));
    locator.CopyFrom(&other);
    EXPECT_EQ(changes, 1) << "copying an equal place changes nothing";
    other.SetSpecialFolder(kCsidlDrives);
    EXPECT_FALSE(locator.SameLocation(other));
    locator.CopyFrom(&other);
    EXPECT_EQ(locator.kind(), TRzShellLocator::Kind::SpecialFolder);
    EXPECT_EQ(locator.ItemIdList().ItemCount(), 1) << "resolved on first read";
    locator.SetItemIdList(place);
    locator.CopyFrom(nullptr);
    EXPECT_TRUE(locator.ItemIdList().IsNull());
    EXPECT_EQ(changes, 4);
}

TEST_F(LocatorTest, StoredFormRoundTrips) {
    locator.SetItemIdList(place);
    EXPECT_TRUE(locator.HasStoredForm());
    const auto stored = locator.Write();
    ASSERT_EQ(stored.size(), 1 + 4 + IdListLength(place));
    TRzShellLocator back(ns);
    ASSERT_TRUE(back.Read(stored));
    EXPECT_EQ(back.ItemIdList(), place);

    locator.SetSpecialFolder(kCsidlDrives);
    ASSERT_TRUE(back.Read(locator.Write()));
    EXPECT_EQ(back.kind(), TRzShellLocator::Kind::SpecialFolder);
    EXPECT_EQ(back.SpecialFolder(), kCsidlDrives);

    const std::vector<std::uint8_t> zeroLength{0, 0, 0, 0, 0};
    ASSERT_TRUE(back.Read(zeroLength));
    EXPECT_EQ(back.kind(), TRzShellLocator::Kind::SpecialFolder);
    EXPECT_EQ(back.SpecialFolder(), 0);
}

TEST_F(LocatorTest, DamagedStoredFormsAreRefusedAndChangeNothing) {
    locator.SetItemIdList(place);
    const std::vector<std::vector<std::uint8_t>> damaged = {{},
                                                            {1},
                                                            {0, 1, 0},
                                                            {0, 200, 0, 0, 0, 4, 0},
                                                            {0, 4, 0, 0, 0, 4, 0, 1, 1},
                                                            {0, 0xFF, 0xFF, 0xFF, 0xFF}};
    for (const auto& bytes : damaged) {
        EXPECT_FALSE(locator.Read(bytes));
        EXPECT_EQ(locator.ItemIdList(), place);
    }
}

}  // namespace
}  // namespace vemora::shell
