// Expanding a real folder of 5,000 subfolders in the shell tree under Wine, against
// listing the same folder with FindFirstFile and sorting the names, in the same run.
//   vemora_shell_win_bench [COUNT]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "shell/win/rz_shell_tree.h"
#include "shell/win/windows_namespace.h"
#include "support/shell_test_dir.h"
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
    vemora::test::ShellTestDir dir;
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

    Host host;
    host.Create();
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
    bool waitCursor = false;
    tree.OnFillStart = [&] { waitCursor = GetCursor() == LoadCursorW(nullptr, IDC_WAIT); };
    start = Clock::now();
    TreeView_Expand(tree.hwnd(), tree.ItemOf(*node), TVE_EXPAND);  // as the user's click on the button
    UpdateWindow(tree.hwnd());
    const double expand = Ms(Clock::now() - start);
    std::printf(
        "expand %d subfolders: %.1f ms to the filled node (%zu children), wait cursor %s; "
        "FindFirstFile listing and sorting: %.1f ms; ratio %.1f\n",
        count, expand, node->children.size(), waitCursor ? "shown" : "NOT shown", baseline,
        expand / baseline);
    return node->children.size() == static_cast<size_t>(count) ? 0 : 1;
}
