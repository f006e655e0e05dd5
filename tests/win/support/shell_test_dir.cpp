#include "support/shell_test_dir.h"

#include <windows.h>

#include <atomic>

#include "win/text.h"

namespace vemora::test {
namespace {

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

}  // namespace

ShellTestDir::ShellTestDir() {
    static std::atomic<int> counter{0};
    path_ =
        "Z:\\tmp\\vemora-shell-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
    CreateDirectoryW(win::Widen(path_).c_str(), nullptr);
}

ShellTestDir::~ShellTestDir() {
    RemoveTree(win::Widen(path_));
}

std::string ShellTestDir::Make(const std::string& relative) const {
    std::string full = path_;
    std::size_t at = 0;
    while (at <= relative.size()) {
        const std::size_t end = std::min(relative.find('\\', at), relative.size());
        full.push_back('\\');
        full.append(relative, at, end - at);
        CreateDirectoryW(win::Widen(full).c_str(), nullptr);
        at = end + 1;
    }
    return full;
}

}  // namespace vemora::test
