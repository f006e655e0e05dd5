// The shell tree against the real shell, in a real tree-view.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "shell/shell_ops.h"
#include "shell/win/rz_shell_tree.h"
#include "shell/win/windows_namespace.h"
#include "support/pump.h"
#include "support/test_dir.h"
#include "win/text.h"
#include "win/window.h"

namespace vemora::shell::win {
namespace {

bool CriticalErrorsOff() {
    const UINT mode = SetErrorMode(0);
    SetErrorMode(mode);
    return mode & SEM_FAILCRITICALERRORS;
}

// The real shell, with a note of the error mode every enumeration runs under.
class ErrorModeSpy : public ShellNamespace {
  public:
    class Folder : public ShellFolder {
      public:
        Folder(std::shared_ptr<ShellFolder> inner, ErrorModeSpy& spy) : inner_(std::move(inner)), spy_(spy) {}
        HResult BindToObject(const IdList& relative, std::shared_ptr<ShellFolder>& folder) override {
            std::shared_ptr<ShellFolder> bound;
            const HResult hr = inner_->BindToObject(relative, bound);
            if (bound) folder = std::make_shared<Folder>(bound, spy_);
            return hr;
        }
        HResult EnumObjects(OwnerWindow owner, std::uint32_t flags,
                            std::unique_ptr<ShellEnum>& items) override {
            spy_.enumerations.push_back(CriticalErrorsOff());
            return inner_->EnumObjects(owner, flags, items);
        }
        HResult GetAttributesOf(const IdList& relative, std::uint32_t& mask) override {
            return inner_->GetAttributesOf(relative, mask);
        }
        HResult GetDisplayNameOf(const IdList& relative, std::uint32_t mode, std::string& name) override {
            return inner_->GetDisplayNameOf(relative, mode, name);
        }
        HResult CompareIDs(const IdList& a, const IdList& b, int& result) override {
            return inner_->CompareIDs(a, b, result);
        }
        HResult ParseDisplayName(OwnerWindow owner, const std::string& name, IdList& relative) override {
            return inner_->ParseDisplayName(owner, name, relative);
        }
        HResult SetNameOf(OwnerWindow owner, const IdList& relative, const std::string& name,
                          IdList& renamed) override {
            return inner_->SetNameOf(owner, relative, name, renamed);
        }

      private:
        std::shared_ptr<ShellFolder> inner_;
        ErrorModeSpy& spy_;
    };

    std::shared_ptr<ShellFolder> Desktop() override {
        return std::make_shared<Folder>(real_.Desktop(), *this);
    }
    std::string PathFromIdList(const IdList& absolute) override { return real_.PathFromIdList(absolute); }
    HResult SpecialFolderLocation(int csidl, IdList& absolute) override {
        return real_.SpecialFolderLocation(csidl, absolute);
    }
    int SysIconIndex(const IdList& absolute, bool open) override {
        return real_.SysIconIndex(absolute, open);
    }
    int ShellMajorVersion() override { return real_.ShellMajorVersion(); }
    bool SuppressCriticalErrors(bool suppress) override { return real_.SuppressCriticalErrors(suppress); }
    void Beep() override {}
    std::string ErrorText(HResult code) override { return real_.ErrorText(code); }
    std::uint32_t MakeDirectory(const std::string& path) override { return real_.MakeDirectory(path); }
    std::string CurrentDirectory() override { return real_.CurrentDirectory(); }

    std::vector<bool> enumerations;  // critical-error boxes off during each

  private:
    WindowsNamespace& real_ = SystemNamespace();
};

// Message boxes and other dialogs of this thread.
BOOL CALLBACK CountDialog(HWND hwnd, LPARAM count) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    if (IsWindowVisible(hwnd) && std::wstring(name) == L"#32770") ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int DialogsShown() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountDialog, reinterpret_cast<LPARAM>(&count));
    return count;
}

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

TEST_F(ShellTreeWin, ANewWindowOfAnAutoFillingTreeFillsItselfOnce) {
    TRzShellTree autoFilled(ns);
    autoFilled.SetOptions(stoAutoFill);
    ASSERT_TRUE(autoFilled.Create(host.hwnd(), 4, 4, 400, 430));
    EXPECT_TRUE(autoFilled.Items().empty()) << "filled before its owner finished setting it up";
    ASSERT_TRUE(vemora::test::PumpUntil([&] { return !autoFilled.Items().empty(); }));
    EXPECT_EQ(autoFilled.Items().size(), 1u);

    TRzShellTree filledMeanwhile(ns);
    filledMeanwhile.SetOptions(stoAutoFill);
    ASSERT_TRUE(filledMeanwhile.Create(host.hwnd(), 4, 4, 400, 430));
    filledMeanwhile.FillTree();
    const TreeNode* root = filledMeanwhile.Items().front().get();
    vemora::test::PumpFor(100);
    ASSERT_EQ(filledMeanwhile.Items().size(), 1u);
    EXPECT_EQ(filledMeanwhile.Items().front().get(), root) << "a filled tree is not filled again";

    tree.FillTree();
    DestroyWindow(tree.hwnd());
    EXPECT_TRUE(tree.Items().empty()) << "nodes outlived their window";
}

TEST_F(ShellTreeWin, LocatesADeepFolderExpandingEveryLevel) {
    vemora::test::TestDir dir(vemora::test::TestDir::Under::kLinuxTmp);
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
    vemora::test::TestDir dir(vemora::test::TestDir::Under::kLinuxTmp);
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

TEST_F(ShellTreeWin, UnreadablePlacesKeepTheirExpandButtonWithoutAnErrorBox) {
    vemora::test::TestDir dir(vemora::test::TestDir::Under::kLinuxTmp);
    // A drive letter whose target is missing stands for a drive without its medium.
    wchar_t drive[] = L"?:";
    for (drive[0] = L'Q'; drive[0] < L'Z' && (GetLogicalDrives() & (1u << (drive[0] - L'A'))); ++drive[0]) {
    }
    ASSERT_TRUE(DefineDosDeviceW(0, drive, vemora::win::Widen(dir.path() + "\\missing").c_str()));
    struct Undefine {
        const wchar_t* drive;
        ~Undefine() { DefineDosDeviceW(DDD_REMOVE_DEFINITION, drive, nullptr); }
    } undefine{drive};
    const std::string driveRoot = vemora::win::Narrow(drive) + "\\";
    const std::string vanished = dir.Make("gone\\inside");

    struct Case {
        const char* what;
        std::string path;
        std::function<void()> makeUnreadable;
    };
    const Case cases[] = {
        {"a drive without its medium", driveRoot, [] {}},
        {"a folder removed after it was listed", dir.path() + "\\gone",
         [&] {
             RemoveDirectoryW(vemora::win::Widen(vanished).c_str());
             RemoveDirectoryW(vemora::win::Widen(dir.path() + "\\gone").c_str());
         }},
    };
    for (const auto& c : cases) {
        ErrorModeSpy spy;
        TRzShellTree spied(spy);
        ASSERT_TRUE(spied.Create(host.hwnd(), 4, 4, 400, 430));
        spied.SetOptions(stoShowHidden);
        spied.SelectedLocation().SetFileSystemPath(c.path);
        spied.FillTree();
        TreeNode* node = spied.Selected();
        ASSERT_TRUE(node && node->data) << c.what;
        ASSERT_EQ(node->data->FileSystemPath(), c.path) << c.what;
        ASSERT_TRUE(node->hasChildren) << c.what;
        c.makeUnreadable();
        spy.enumerations.clear();
        const bool modeBefore = CriticalErrorsOff();
        TreeView_Expand(spied.hwnd(), spied.ItemOf(*node), TVE_EXPAND);  // as a click on its button
        EXPECT_EQ(DialogsShown(), 0) << c.what;
        EXPECT_TRUE(node->children.empty()) << c.what;
        EXPECT_TRUE(node->hasChildren) << c.what << ": the user can try again";
        TVITEMW item{TVIF_CHILDREN};
        item.hItem = spied.ItemOf(*node);
        ASSERT_TRUE(TreeView_GetItem(spied.hwnd(), &item));
        EXPECT_EQ(item.cChildren, 1) << c.what << ": the control still shows the button";
        EXPECT_EQ(spy.enumerations, std::vector<bool>{true}) << c.what << ": boxes are off while enumerating";
        EXPECT_EQ(CriticalErrorsOff(), modeBefore) << c.what << ": the error mode is restored";
    }
}

}  // namespace
}  // namespace vemora::shell::win
