// Expanding a real folder of 5,000 subfolders in the shell tree under Wine, against two
// baselines in the same run: listing the folder with FindFirstFile and sorting the names, and
// the shell's own share (enumerating, attributes, names, sorting by its comparison) plus the
// bare tree-view's (the same number of items inserted and expanded).
//   vemora_shell_win_bench [COUNT]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "shell/shell_ops.h"
#include "shell/win/rz_shell_tree.h"
#include "shell/win/windows_namespace.h"
#include "support/test_dir.h"
#include "win/text.h"
#include "win/window.h"

namespace {

using Clock = std::chrono::steady_clock;
using vemora::shell::TreeNode;

class Host : public vemora::win::Window {
  public:
    bool Create() {
        return Window::Create(L"VemoraShellBenchHost", L"shell bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                              0, 400, 600, nullptr);
    }
};

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int count = argc > 1 ? _wtoi(argv[1]) : 5000;
    vemora::shell::win::ComScope com;
    vemora::test::TestDir dir(vemora::test::TestDir::Under::kLinuxTmp);
    const std::string big = dir.Make("big");
    for (int i = 0; i < count; ++i) {
        CreateDirectoryW(vemora::win::Widen(big + "\\folder-" + std::to_string(i)).c_str(), nullptr);
    }

    auto start = Clock::now();
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW(vemora::win::Widen(big + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do names.push_back(data.cFileName);
        while (FindNextFileW(find, &data));
        FindClose(find);
    }
    std::sort(names.begin(), names.end());
    const double baseline = Ms(Clock::now() - start);

    // The shell's own share, which the tree cannot avoid: every item enumerated, its attributes
    // and name asked for, and the items sorted by the shell's comparison.
    start = Clock::now();
    auto& ns = vemora::shell::win::SystemNamespace();
    std::shared_ptr<vemora::shell::ShellFolder> folder;
    vemora::shell::IdList bigList;
    std::unique_ptr<vemora::shell::ShellEnum> items;
    if (!vemora::shell::Succeeded(vemora::shell::IdListFromPath(ns, big, bigList)) ||
        !vemora::shell::Succeeded(vemora::shell::BindIdList(ns, bigList, folder)) ||
        !vemora::shell::Succeeded(
            folder->EnumObjects(0, vemora::shell::kEnumFolders | vemora::shell::kEnumIncludeHidden, items))) {
        std::fprintf(stderr, "could not enumerate %s\n", big.c_str());
        return 1;
    }
    std::vector<vemora::shell::IdList> listed;
    for (vemora::shell::IdList item; items->Next(item) == vemora::shell::kOk;) {
        std::uint32_t attributes = 0xF24B0000u;
        folder->GetAttributesOf(item, attributes);
        std::string name;
        folder->GetDisplayNameOf(item, vemora::shell::kNameInFolder, name);
        listed.push_back(std::move(item));
    }
    std::sort(listed.begin(), listed.end(), [&](const auto& a, const auto& b) {
        int result = 0;
        folder->CompareIDs(a, b, result);
        return result < 0;
    });
    double shellWork = Ms(Clock::now() - start);

    Host host;
    host.Create();

    // The bare control's share: the same names put into a plain tree-view under one node (as
    // the tree inserts them, each after the one before, with redrawing off) and expanded.
    const double bareControl = [&] {
        const HWND bare = CreateWindowExW(
            0, WC_TREEVIEWW, L"",
            WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_SHOWSELALWAYS, 0, 0, 380,
            560, host.hwnd(), nullptr, nullptr, nullptr);
        TVINSERTSTRUCTW insert{};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_CHILDREN;
        insert.item.pszText = const_cast<wchar_t*>(L"big");
        insert.item.cChildren = 1;
        const HTREEITEM parent = TreeView_InsertItem(bare, &insert);
        const auto begin = Clock::now();
        SendMessageW(bare, WM_SETREDRAW, FALSE, 0);
        insert.hParent = parent;
        insert.item.cChildren = 0;
        for (const auto& name : names) {
            insert.item.pszText = const_cast<wchar_t*>(name.c_str());
            insert.hInsertAfter = TreeView_InsertItem(bare, &insert);
        }
        SendMessageW(bare, WM_SETREDRAW, TRUE, 0);
        TreeView_Expand(bare, parent, TVE_EXPAND);
        UpdateWindow(bare);
        const double ms = Ms(Clock::now() - begin);
        // The shell's icons of the nodes the view shows.
        const int shown = static_cast<int>(TreeView_GetVisibleCount(bare)) + 1;
        const auto icons = Clock::now();
        for (int i = 0; i < shown && i < static_cast<int>(listed.size()); ++i) {
            ns.SysIconIndex(vemora::shell::ConcatIdLists(bigList, listed[i]), false);
        }
        shellWork += Ms(Clock::now() - icons);
        DestroyWindow(bare);
        return ms;
    }();

    vemora::shell::win::TRzShellTree tree(vemora::shell::win::SystemNamespace());
    tree.Create(host.hwnd(), 0, 0, 380, 560);
    tree.SetOptions(vemora::shell::stoShowHidden);
    tree.SelectedLocation().SetFileSystemPath(big);
    tree.FillTree();
    TreeNode* node = tree.Selected();
    if (!node || node->data->FileSystemPath() != big) {
        std::fprintf(stderr, "could not locate %s\n", big.c_str());
        return 1;
    }
    // The window takes no input while the folder is read: the wait cursor must show from its
    // start to its end.
    const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    bool waitCursor = true;
    tree.OnFillStart = [&] { waitCursor = waitCursor && GetCursor() == wait; };
    tree.OnFillComplete = [&] { waitCursor = waitCursor && GetCursor() == wait; };
    start = Clock::now();
    TreeView_Expand(tree.hwnd(), tree.ItemOf(*node), TVE_EXPAND);  // as the user's click on the button
    UpdateWindow(tree.hwnd());
    const double expand = Ms(Clock::now() - start);
    std::printf(
        "expand %d subfolders: %.1f ms to the filled node (%zu children), wait cursor %s; "
        "FindFirstFile listing and sorting: %.1f ms (ratio %.1f); the shell's own enumeration, "
        "attributes, names, sort and icons of the nodes shown: %.1f ms; a bare tree-view filled with the "
        "names and expanded: %.1f ms; "
        "ratio to the shell's and the control's share together %.2f\n",
        count, expand, node->children.size(), waitCursor ? "shown" : "NOT shown", baseline, expand / baseline,
        shellWork, bareControl, expand / (shellWork + bareControl));
    return node->children.size() == static_cast<size_t>(count) ? 0 : 1;
}
