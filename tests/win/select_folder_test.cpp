// The folder picker against the real shell: Execute runs a real modal form, driven from
// its OnFormShow as a user would press its buttons.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "shell/shell_ops.h"
#include "shell/win/select_folder_dialog.h"
#include "shell/win/windows_namespace.h"
#include "support/test_dir.h"

namespace vemora::shell::win {
namespace {

class SelectFolderWin : public testing::Test {
  protected:
    // Presses a button of the running form once its loop runs.
    static void Press(vemora::win::Button& button) { PostMessageW(button.hwnd(), BM_CLICK, 0, 0); }
    static bool Expanded(TRzSelectFolderForm& form, const TreeNode& node) {
        return TreeView_GetItemState(form.ShellTree.hwnd(), form.ShellTree.ItemOf(node), TVIS_EXPANDED) &
               TVIS_EXPANDED;
    }

    ComScope com;
    WindowsNamespace& ns = SystemNamespace();
    TRzSelectFolderDialog dialog{ns};
};

TEST_F(SelectFolderWin, OpensAtTheTypedFolderAndOkReturnsIt) {
    vemora::test::TestDir dir(vemora::test::TestDir::Under::kLinuxTmp);
    const std::string target = dir.Make("one\\two\\three");
    dialog.SetSelectedPath(target);
    bool checked = false;
    dialog.OnFormShow = [&](TRzSelectFolderForm& form) {
        TreeNode* node = form.ShellTree.Selected();
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->data->FileSystemPath(), target);
        for (TreeNode* n = node->parent; n; n = n->parent) EXPECT_TRUE(Expanded(form, *n)) << n->text;
        EXPECT_EQ(form.Caption(), "Browse for Folder");
        EXPECT_EQ(form.btnOk.Text(), "OK");
        EXPECT_EQ(form.btnCancel.Text(), "Cancel");
        EXPECT_EQ(form.btnDeleteFolder.Text(), "Delete");
        EXPECT_FALSE(form.btnNewFolder.Visible()) << "the default options hide the tool buttons";
        EXPECT_EQ(form.ShellTree.Options(), stoAutoFill | stoContextMenus | stoShowHidden)
            << "no drive watching, no command keys, no virtual folders in the picker";
        EXPECT_TRUE(form.btnDeleteFolder.Enabled());
        EXPECT_FALSE(form.RzStatusBar1.PanelText().empty());
        checked = true;
        Press(form.btnOk);
    };
    EXPECT_TRUE(dialog.Execute());
    EXPECT_TRUE(checked);
    EXPECT_EQ(dialog.SelectedPath(), target);
    EXPECT_EQ(dialog.Form(), nullptr) << "the form is gone when Execute returns";
}

TEST_F(SelectFolderWin, UnusablePathOpensOnTheRootAndCancelKeepsTheSelection) {
    for (const char* text : {"Q:\\no\\such\\folder", "Z:\\tmp\\bad<name>|?", ""}) {
        dialog.SetSelectedPath(text);
        const std::string before = dialog.SelectedPath();
        dialog.OnFormShow = [&](TRzSelectFolderForm& form) {
            ASSERT_FALSE(form.ShellTree.Items().empty());
            EXPECT_EQ(form.ShellTree.Selected(), form.ShellTree.Items().front().get()) << text;
            EXPECT_FALSE(form.btnDeleteFolder.Enabled()) << "Delete is off on the root";
            Press(form.btnCancel);
        };
        EXPECT_FALSE(dialog.Execute()) << text;
        EXPECT_EQ(dialog.SelectedPath(), before) << text;
    }
}

TEST_F(SelectFolderWin, OkOnADriveRootAndOnMyComputer) {
    IdList computer;
    ASSERT_TRUE(Succeeded(ns.SpecialFolderLocation(kCsidlDrives, computer)));
    struct Case {
        std::function<void(TRzShellLocator&)> choose;
        std::string path;
        bool deleteEnabled;
    };
    const Case cases[] = {
        {[](TRzShellLocator& l) { l.SetFileSystemPath("Z:\\"); }, "Z:\\", true},
        {[&](TRzShellLocator& l) { l.SetItemIdList(computer); }, "", false},
    };
    for (const auto& c : cases) {
        dialog.OnFormShow = [&](TRzSelectFolderForm& form) {
            c.choose(form.ShellTree.SelectedLocation());  // the tree walks there and selects it
            EXPECT_EQ(form.btnDeleteFolder.Enabled(), c.deleteEnabled) << c.path;
            EXPECT_EQ(form.btnNewFolder.Enabled(), !c.path.empty()) << c.path;
            Press(form.btnOk);
        };
        EXPECT_TRUE(dialog.Execute());
        EXPECT_EQ(dialog.SelectedPath(), c.path);
    }
}

TEST_F(SelectFolderWin, ReopensWithTheSizeTheUserLeft) {
    dialog.OnFormShow = [&](TRzSelectFolderForm& form) {
        SetWindowPos(form.hwnd(), nullptr, 30, 40, 520, 470, SWP_NOZORDER);
        Press(form.btnCancel);
    };
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Placement.FormWidth, 520);
    EXPECT_EQ(dialog.Placement.FormHeight, 470);
    RECT second{};
    dialog.OnFormShow = [&](TRzSelectFolderForm& form) {
        GetWindowRect(form.hwnd(), &second);
        SetWindowPos(form.hwnd(), nullptr, 0, 0, 100, 100, SWP_NOZORDER | SWP_NOMOVE);  // below the minimum
        Press(form.btnCancel);
    };
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(second.right - second.left, 520);
    EXPECT_EQ(second.bottom - second.top, 470);
    EXPECT_GE(dialog.Placement.FormWidth, TRzSelectFolderForm::kMinOuterWidth);
    EXPECT_GE(dialog.Placement.FormHeight, TRzSelectFolderForm::kMinOuterHeight);
}

TEST_F(SelectFolderWin, ReenteringExecuteIsRefused) {
    std::string error;
    dialog.OnFormShow = [&](TRzSelectFolderForm& form) {
        try {
            dialog.Execute();
        } catch (const std::exception& e) {
            error = e.what();
        }
        Press(form.btnCancel);
    };
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(error, "TRzSelectFolderDialog already executing");
    dialog.OnFormShow = [&](TRzSelectFolderForm& form) { Press(form.btnOk); };
    EXPECT_TRUE(dialog.Execute()) << "the flag is cleared afterwards";
}

TEST_F(SelectFolderWin, ToolButtonsFollowTheOptions) {
    vemora::test::TestDir dir(vemora::test::TestDir::Under::kLinuxTmp);
    dialog.SetSelectedPath(dir.Make("x"));
    dialog.Options = kDefaultSelectFolderOptions | sfdoCreateDeleteButtons;
    dialog.OnFormShow = [&](TRzSelectFolderForm& form) {
        EXPECT_TRUE(form.btnNewFolder.Visible());
        EXPECT_TRUE(form.btnDeleteFolder.Visible());
        RECT button{}, tree{};
        GetWindowRect(form.btnNewFolder.hwnd(), &button);
        GetWindowRect(form.ShellTree.hwnd(), &tree);
        EXPECT_EQ(tree.top, button.bottom + 4) << "the tree starts below the tool buttons";
        Press(form.btnCancel);
    };
    EXPECT_FALSE(dialog.Execute());
}

}  // namespace
}  // namespace vemora::shell::win
