#include "shell/shell_tree.h"

#include <gtest/gtest.h>

#include "shell/device_change.h"
#include "shell/memory_namespace.h"
#include "shell/shell_ops.h"

namespace vemora::shell {
namespace {

// Desktop > My Computer > C: > work > a > b, with a virtual Network beside the computer.
class ShellTreeTest : public testing::Test {
  protected:
    ShellTreeTest() {
        computer = &ns.Add(ns.Root(), "My Computer", kAttrFolder | kAttrFileSysAncestor);
        ns.SetSpecial(kCsidlDrives, *computer);
        ns.Add(ns.Root(), "Network", kAttrFolder);
        c = &ns.Add(*computer, "C:");
        work = &ns.Add(*c, "work");
        a = &ns.Add(*work, "a");
        b = &ns.Add(*a, "b");
        tree.SetOptions(stoContextMenus | stoShowHidden);
    }

    // The names of a node's children in tree order.
    static std::vector<std::string> Names(const TreeNode& node) {
        std::vector<std::string> names;
        for (const auto& child : node.children) names.push_back(child->text);
        return names;
    }
    std::string SelectedPath() { return tree.Selected()->data->FileSystemPath(); }
    TreeNode* NodeAt(const std::vector<std::string>& names) { return NodeIn(tree, names); }

    static TreeNode* NodeIn(TRzCustomShellTree& t, const std::vector<std::string>& names) {
        TreeNode* node = t.Items().front().get();
        for (const auto& name : names) {
            TreeNode* next = nullptr;
            for (const auto& child : node->children) {
                if (child->text == name) next = child.get();
            }
            if (!next) return nullptr;
            node = next;
        }
        return node;
    }

    MemoryNamespace ns;
    MemoryItem *computer, *c, *work, *a, *b;
    TRzCustomShellTree tree{ns};
};

TEST_F(ShellTreeTest, FillsTheDesktopLazilyAndHidesVirtualItems) {
    tree.FillTree();
    ASSERT_EQ(tree.Items().size(), 1u);
    const TreeNode& root = *tree.Items().front();
    EXPECT_EQ(root.text, "Desktop");
    EXPECT_EQ(Names(root), std::vector<std::string>{"My Computer"});
    EXPECT_EQ(tree.Selected(), &root);
    EXPECT_TRUE(root.children[0]->hasChildren);
    EXPECT_TRUE(root.children[0]->children.empty()) << "filled only when expanded";
    EXPECT_EQ(ns.enumerations, 1);

    tree.SetOptions(tree.Options() | stoVirtualFolders);
    tree.FillTree();
    EXPECT_EQ(Names(*tree.Items().front()), (std::vector<std::string>{"My Computer", "Network"}));
}

TEST_F(ShellTreeTest, LocatesAPathExpandingEveryLevel) {
    tree.SelectedLocation().SetFileSystemPath("C:\\work\\a\\b");
    tree.FillTree();
    ASSERT_NE(tree.Selected(), nullptr);
    EXPECT_EQ(tree.Selected()->text, "b");
    EXPECT_EQ(SelectedPath(), "C:\\work\\a\\b");
    for (auto* node : {NodeAt({}), NodeAt({"My Computer"}), NodeAt({"My Computer", "C:"}),
                       NodeAt({"My Computer", "C:", "work"}), NodeAt({"My Computer", "C:", "work", "a"})}) {
        ASSERT_NE(node, nullptr);
        EXPECT_TRUE(node->expanded) << node->text;
    }
    EXPECT_FALSE(tree.Selected()->expanded) << "the final level stays closed";
    EXPECT_EQ(tree.SelectedLocation().ItemIdList(), ns.AbsoluteOf(*b));

    // Writing the location of a filled tree walks there too.
    tree.SelectedLocation().SetFileSystemPath("C:\\work");
    EXPECT_EQ(tree.Selected()->text, "work");
}

TEST_F(ShellTreeTest, BaseFolderBelowTheDesktop) {
    tree.BaseFolder().SetFileSystemPath("C:\\work");
    tree.SelectedLocation().SetFileSystemPath("C:\\work\\a\\b");
    tree.FillTree();
    ASSERT_EQ(tree.Items().size(), 1u);
    EXPECT_EQ(tree.Items().front()->text, "work");
    EXPECT_EQ(tree.Items().front()->imageIndex, ns.SysIconIndex(ns.AbsoluteOf(*work), false));
    EXPECT_EQ(SelectedPath(), "C:\\work\\a\\b");

    struct Case {
        const char* target;
    };
    for (const Case t : {Case{"C:\\"}, Case{"C:\\work"}}) {
        tree.SelectedLocation().SetFileSystemPath(t.target);
        EXPECT_EQ(tree.Selected(), tree.Items().front().get()) << t.target << " selects the root";
    }
    auto& other = ns.Add(*c, "other");
    ns.Add(other, "deep");
    tree.SelectedLocation().SetFileSystemPath("C:\\other\\deep");
    EXPECT_EQ(tree.Selected(), tree.Items().front().get()) << "a place outside the base selects the root";
    EXPECT_EQ(ns.beeps, 0);
}

TEST_F(ShellTreeTest, HiddenIntermediateFolderIsWalkedThroughAndDimmed) {
    tree.SetOptions(stoContextMenus);  // hidden items are not enumerated
    auto& hidden = ns.Add(*work, "secret", MemoryNamespace::kFsFolder | kAttrHidden);
    ns.Add(hidden, "inside");
    tree.SelectedLocation().SetFileSystemPath("C:\\work\\secret\\inside");
    tree.FillTree();
    EXPECT_EQ(SelectedPath(), "C:\\work\\secret\\inside");
    EXPECT_TRUE(NodeAt({"My Computer", "C:", "work", "secret"})->cut);
    EXPECT_EQ(Names(*NodeAt({"My Computer", "C:", "work"})), (std::vector<std::string>{"a", "secret"}));
}

TEST_F(ShellTreeTest, AnElementThatCannotBeAddedBeepsAndSelectsTheDeepestNode) {
    const IdList target = ns.AbsoluteOf(*b);
    ns.Remove(*a);
    tree.SelectedLocation().SetItemIdList(target);
    tree.FillTree();
    EXPECT_EQ(ns.beeps, 1);
    EXPECT_EQ(tree.Selected()->text, "work");
}

TEST_F(ShellTreeTest, ARefusedElementEndsTheWalkLikeAFailure) {
    tree.OnAddItem = [&](ShellFolder* folder, const IdList&, const IdList& item, std::uint32_t) {
        return DisplayNameOf(ns, folder, item, 1) != "a";
    };
    tree.SelectedLocation().SetItemIdList(ns.AbsoluteOf(*b));
    tree.FillTree();
    EXPECT_EQ(ns.beeps, 1);
    EXPECT_EQ(tree.Selected()->text, "work");
    EXPECT_TRUE(NodeAt({"My Computer", "C:", "work"})->children.empty());
}

TEST_F(ShellTreeTest, FailingEnumerationKeepsTheExpandButtonSilently) {
    struct Case {
        const char* what;
        HResult enumResult, endResult;
    };
    for (const Case t :
         {Case{"enumerator refused", kAccessDenied, kFalse}, Case{"ends with E_FAIL", kOk, kFail}}) {
        work->enumResult = t.enumResult;
        work->endResult = t.endResult;
        work->forcedAttributes = kAttrHasSubfolder;
        ns.Remove(*a);
        tree.FillTree();
        tree.Expand(*NodeAt({"My Computer"}));
        tree.Expand(*NodeAt({"My Computer", "C:"}));
        TreeNode* w = NodeAt({"My Computer", "C:", "work"});
        ASSERT_NE(w, nullptr) << t.what;
        EXPECT_NO_THROW(tree.Expand(*w)) << t.what;
        if (t.enumResult != kOk) {
            EXPECT_TRUE(w->hasChildren) << t.what;
        }
        a = &ns.Add(*work, "a");
    }
    work->enumResult = kOk;
    work->endResult = kAccessDenied;  // any other code is reported
    tree.FillTree();
    tree.Expand(*NodeAt({"My Computer"}));
    tree.Expand(*NodeAt({"My Computer", "C:"}));
    EXPECT_THROW(tree.Expand(*NodeAt({"My Computer", "C:", "work"})), ShellError);
}

TEST_F(ShellTreeTest, DriveWithoutMediumShowsNoErrorBox) {
    auto& floppy = ns.Add(*computer, "A:", MemoryNamespace::kFsFolder | kAttrRemovable);
    floppy.needsMedium = true;
    floppy.enumResult = static_cast<HResult>(0x80070015);  // the device is not ready
    floppy.forcedAttributes = kAttrHasSubfolder;
    tree.FillTree();
    tree.Expand(*NodeAt({"My Computer"}));
    TreeNode* node = NodeAt({"My Computer", "A:"});
    ASSERT_NE(node, nullptr);
    tree.Expand(*node);
    EXPECT_EQ(ns.errorBoxes, 0);
    EXPECT_TRUE(node->hasChildren);
    EXPECT_FALSE(ns.criticalErrorsSuppressed) << "the error mode is restored";
}

TEST_F(ShellTreeTest, RefreshDropsADeletedLastSubfolderAndMovesTheSelectionUp) {
    tree.SelectedLocation().SetFileSystemPath("C:\\work\\a\\b");
    tree.FillTree();
    ns.Remove(*a);
    tree.RefreshTree();
    TreeNode* w = NodeAt({"My Computer", "C:", "work"});
    EXPECT_TRUE(w->children.empty());
    EXPECT_FALSE(w->hasChildren);
    EXPECT_EQ(tree.Selected(), w);
    EXPECT_EQ(tree.SelectedLocation().ItemIdList(), ns.AbsoluteOf(*work));
}

TEST_F(ShellTreeTest, RefreshShowsANewSubfolderOfAChildlessNode) {
    tree.SelectedLocation().SetFileSystemPath("C:\\work\\a\\b");
    tree.FillTree();
    TreeNode* node = NodeAt({"My Computer", "C:", "work", "a", "b"});
    EXPECT_FALSE(node->hasChildren);
    ns.Add(*b, "new");
    ns.Add(*work, "also");
    tree.RefreshTree();
    EXPECT_EQ(Names(*NodeAt({"My Computer", "C:", "work", "a", "b"})), std::vector<std::string>{"new"});
    EXPECT_EQ(Names(*NodeAt({"My Computer", "C:", "work"})), (std::vector<std::string>{"a", "also"}));
    EXPECT_EQ(tree.Selected()->text, "b") << "the selection is kept";
}

TEST_F(ShellTreeTest, ChildrenFollowTheNamespaceOrderNotTheText) {
    for (const auto& [name, key] :
         std::vector<std::pair<std::string, std::string>>{{"Zeta", "1"}, {"alpha", "3"}, {"Beta", "2"}}) {
        ns.Add(*c, name).sortKey = key;
    }
    work->sortKey = "0";
    tree.FillTree();
    tree.Expand(*NodeAt({"My Computer"}));
    TreeNode* drive = NodeAt({"My Computer", "C:"});
    tree.Expand(*drive);
    EXPECT_EQ(Names(*drive), (std::vector<std::string>{"work", "Zeta", "Beta", "alpha"}));
    ns.Add(*c, "Gamma").sortKey = "15";
    tree.RefreshTree();
    EXPECT_EQ(Names(*drive), (std::vector<std::string>{"work", "Zeta", "Gamma", "Beta", "alpha"}));
}

TEST_F(ShellTreeTest, SelectionEventsAndIndexes) {
    std::vector<std::string> changes;
    tree.OnChange = [&](TreeNode* node) { changes.push_back(node ? node->text : "-"); };
    tree.SelectedLocation().SetFileSystemPath("C:\\work");
    tree.FillTree();
    EXPECT_EQ(changes, std::vector<std::string>{"work"});
    EXPECT_EQ(tree.AbsoluteIndex(*tree.Items().front()), 0);
    EXPECT_EQ(tree.AbsoluteIndex(*tree.Selected()), 3);
    EXPECT_EQ(tree.ImageIndexOf(*tree.Selected(), true), ns.SysIconIndex(ns.AbsoluteOf(*work), true));
    tree.UserSelected(NodeAt({"My Computer"}));
    EXPECT_EQ(tree.SelectedLocation().ItemIdList(), ns.AbsoluteOf(*computer));
    EXPECT_EQ(tree.SelectedLocation().FileSystemPath(), "") << "a virtual place has no path";
}

// The timer and watch requests a bound view receives.
class RecordingView : public ShellTreeView {
  public:
    void StartTimer(int ms) override { timers.push_back(ms); }
    void StopTimer() override { ++stops; }
    void WatchDrives() override { ++watches; }
    void StopWatching() override { ++unwatches; }
    std::vector<int> timers;
    int stops = 0, watches = 0, unwatches = 0;
};

class ViewedTree : public TRzCustomShellTree {
  public:
    ViewedTree(ShellNamespace& ns, ShellTreeView& view) : TRzCustomShellTree(ns) { BindView(&view); }
};

class DynamicRefreshTest : public ShellTreeTest {
  protected:
    DynamicRefreshTest() {
        viewed.SetOptions(stoShowHidden);
        viewed.SelectedLocation().SetFileSystemPath("C:\\work\\a\\b");
        viewed.FillTree();
        view.unwatches = 0;  // the default options watch; these do not
    }
    RecordingView view;
    ViewedTree viewed{ns, view};
};

TEST_F(DynamicRefreshTest, ChangeNotificationsRefreshAfterTheTimer) {
    viewed.ChangeNotified(true);
    viewed.ChangeNotified(false);  // restarts the timer, longer without the focus
    EXPECT_EQ(view.timers, (std::vector<int>{400, 2000}));
    EXPECT_EQ(viewed.PendingTimer(), TRzCustomShellTree::kTimerRefresh);
    ns.Add(*b, "late");
    EXPECT_TRUE(viewed.Selected()->children.empty()) << "nothing before the timer fires";
    viewed.TimerFired();
    EXPECT_EQ(viewed.PendingTimer(), TRzCustomShellTree::kTimerNone);
    ASSERT_EQ(viewed.Selected()->children.size(), 1u);
    EXPECT_EQ(viewed.Selected()->text, "b") << "the selection is kept";

    // Our own change (a rename, a new folder) and changes while a menu is open start nothing.
    view.timers.clear();
    viewed.SetIgnoreNextChangeNotify();
    viewed.ChangeNotified(true);
    EXPECT_TRUE(view.timers.empty());
    viewed.ChangeNotified(true);
    EXPECT_EQ(view.timers, std::vector<int>{400}) << "only the next notification is ignored";
    viewed.TimerFired();
    view.timers.clear();
    viewed.SetDeferRefresh(true);
    viewed.ChangeNotified(true);
    viewed.SetDeferRefresh(false);
    EXPECT_TRUE(view.timers.empty());
}

TEST_F(DynamicRefreshTest, FillTreeRunsAPendingTimerAtOnceAndWatchesWithTheOption) {
    viewed.ChangeNotified(false);
    viewed.FillTree();
    EXPECT_EQ(viewed.PendingTimer(), TRzCustomShellTree::kTimerNone) << "the refresh ran with the fill";
    EXPECT_EQ(view.watches, 0);

    viewed.SetOptions(viewed.Options() | stoDynamicRefresh);
    EXPECT_EQ(view.watches, 1) << "switching the option on watches the drives";
    viewed.FillTree();
    EXPECT_EQ(view.watches, 2) << "and every fill watches them again";
    viewed.SetOptions(viewed.Options() & ~stoDynamicRefresh);
    EXPECT_EQ(view.unwatches, 1);
}

TEST_F(DynamicRefreshTest, DeviceArrivalRevalidatesTheComputerAndRefreshes) {
    struct Case {
        std::uint32_t event;
        bool reacts;
    };
    for (const Case c : {Case{kDeviceArrival, true}, Case{kDeviceRemoveComplete, true}, Case{0x0007, false},
                         Case{0x8001, false}}) {
        const int before = ns.revalidations;
        MemoryItem& d = ns.Add(*computer, "D:");
        viewed.DeviceChanged(c.event);
        EXPECT_EQ(ns.revalidations - before, c.reacts ? 1 : 0) << std::hex << c.event;
        const bool shown = NodeIn(viewed, {"My Computer", "D:"}) != nullptr;
        EXPECT_EQ(shown, c.reacts) << std::hex << c.event;
        ns.Remove(d);
        viewed.RefreshTree();
    }
    // A second tree refreshing inside the first one's device refresh does not revalidate again.
    ViewedTree other(ns, view);
    other.FillTree();
    const int before = ns.revalidations;
    viewed.OnFillStart = [&] { other.DeviceChanged(kDeviceArrival); };
    viewed.DeviceChanged(kDeviceArrival);
    EXPECT_EQ(ns.revalidations - before, 1);
}

}  // namespace
}  // namespace vemora::shell
