// The shell tree against the real shell, in a real tree-view.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "shell/shell_ops.h"
#include "shell/win/rz_shell_tree.h"
#include "shell/win/windows_namespace.h"
#include "support/pump.h"
#include "support/shell_test_dir.h"
#include "win/text.h"
#include "win/window.h"

namespace vemora::shell::win {
namespace {

class Host : public vemora::win::Window {
  public:
    bool Create() {
        return Window::Create(L"VemoraShellTreeTestHost", L"shell tree", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                              40, 40, 420, 480, nullptr);
    }
};

class ShellTreeWin : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(host.Create());
        ASSERT_TRUE(tree.Create(host.hwnd(), 4, 4, 400, 430));
        tree.SetShowRoot(true);
        tree.SetOptions(stoContextMenus | stoShowHidden);
    }
    TreeNode* ChildWithPath(TreeNode& node, const std::string& path) {
        for (auto& child : node.children) {
            if (child->data && child->data->FileSystemPath() == path) return child.get();
        }
        return nullptr;
    }
    bool ExpandedInControl(const TreeNode& node) {
        return TreeView_GetItemState(tree.hwnd(), tree.ItemOf(node), TVIS_EXPANDED) & TVIS_EXPANDED;
    }
    TreeNode* Computer() {
        IdList drives;
        EXPECT_TRUE(Succeeded(ns.SpecialFolderLocation(kCsidlDrives, drives)));
        for (auto& child : tree.Items().front()->children) {
            if (child->data && CompareIdLists(ns, child->data->AbsIdList(), drives) == 0) return child.get();
        }
        return nullptr;
    }

    ComScope com;
    WindowsNamespace& ns = SystemNamespace();
    Host host;
    TRzShellTree tree{ns};
};

TEST_F(ShellTreeWin, DesktopRootWithMyComputerAndItsDrives) {
    tree.FillTree();
    ASSERT_EQ(tree.Items().size(), 1u);
    TreeNode& root = *tree.Items().front();
    EXPECT_EQ(root.text, DisplayNameOf(ns, nullptr, IdList::Empty(), 1));
    EXPECT_EQ(TreeView_GetSelection(tree.hwnd()), tree.ItemOf(root));
    EXPECT_TRUE(ExpandedInControl(root));
    TreeNode* computer = Computer();
    ASSERT_NE(computer, nullptr) << "no My Computer under the desktop";
    EXPECT_TRUE(TreeView_GetChild(tree.hwnd(), tree.ItemOf(*computer)) == nullptr)
        << "filled only when expanded";
    TreeView_Expand(tree.hwnd(), tree.ItemOf(*computer), TVE_EXPAND);  // as a click on its button
    EXPECT_NE(ChildWithPath(*computer, "C:\\"), nullptr);
    EXPECT_NE(ChildWithPath(*computer, "Z:\\"), nullptr);
    EXPECT_TRUE(ExpandedInControl(*computer));
    EXPECT_GT(TreeView_GetCount(tree.hwnd()), 3u);
}

TEST_F(ShellTreeWin, LocatesADeepFolderExpandingEveryLevel) {
    vemora::test::ShellTestDir dir;
    const std::string target = dir.Make("a\\b");
    tree.SelectedLocation().SetFileSystemPath(target);
    ASSERT_TRUE(tree.SelectedLocation().ItemIdList().HasItems());
    tree.FillTree();
    TreeNode* selected = tree.Selected();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->data->FileSystemPath(), target);
    EXPECT_EQ(PathFromIdList(ns, selected->data->AbsIdList()), target);
    EXPECT_EQ(TreeView_GetSelection(tree.hwnd()), tree.ItemOf(*selected));
    for (TreeNode* n = selected->parent; n; n = n->parent) EXPECT_TRUE(ExpandedInControl(*n)) << n->text;
    EXPECT_EQ(selected->text, "b");
}

TEST_F(ShellTreeWin, FolderCreatedOutsideAppearsAfterRefresh) {
    vemora::test::ShellTestDir dir;
    const std::string parent = dir.Make("p");
    tree.SelectedLocation().SetFileSystemPath(parent);
    tree.FillTree();
    TreeNode* node = tree.Selected();
    ASSERT_NE(node, nullptr);
    ASSERT_TRUE(node->children.empty());
    ASSERT_TRUE(CreateDirectoryW(vemora::win::Widen(parent + "\\late").c_str(), nullptr));
    tree.RefreshTree();
    // This shell gives every folder an expand button, so the new one shows on expanding.
    TreeView_Expand(tree.hwnd(), tree.ItemOf(*node), TVE_EXPAND);
    ASSERT_EQ(node->children.size(), 1u);
    EXPECT_EQ(node->children[0]->text, "late");
    EXPECT_NE(TreeView_GetChild(tree.hwnd(), tree.ItemOf(*node)), nullptr);
    EXPECT_EQ(tree.Selected(), node);

    ASSERT_TRUE(RemoveDirectoryW(vemora::win::Widen(parent + "\\late").c_str()));
    tree.Select(node->children[0].get());
    tree.RefreshTree();
    EXPECT_TRUE(node->children.empty());
    EXPECT_EQ(tree.Selected(), node) << "the selection moves up from a deleted folder";
}

TEST_F(ShellTreeWin, IconsComeFromTheSystemListOnFirstDraw) {
    tree.FillTree();
    TreeNode& root = *tree.Items().front();
    EXPECT_EQ(TreeView_GetImageList(tree.hwnd(), TVSIL_NORMAL), SystemImageList(true));
    TreeNode* computer = Computer();
    ASSERT_NE(computer, nullptr);
    UpdateWindow(tree.hwnd());
    vemora::test::PumpFor(100);
    EXPECT_EQ(computer->imageIndex, ns.SysIconIndex(computer->data->AbsIdList(), false));
    EXPECT_NE(root.imageIndex, 0);
}

}  // namespace
}  // namespace vemora::shell::win
