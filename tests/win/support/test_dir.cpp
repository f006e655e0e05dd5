#include "support/test_dir.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "app/win/file_io.h"
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
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

}  // namespace

TestDir::TestDir(Under under) {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH] = L"Z:\\tmp\\";
    if (under == Under::kTemp) GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"vemora-test-" + std::to_wstring(GetCurrentProcessId()) +
                              L"-" + std::to_wstring(counter++) + L"-" + std::to_wstring(GetTickCount());
    RemoveTree(path);
    EXPECT_TRUE(CreateDirectoryW(path.c_str(), nullptr)) << GetLastError();
    path_ = win::Narrow(path);
}

TestDir::~TestDir() {
    RemoveTree(win::Widen(path_));
}

std::string TestDir::Make(const std::string& relative) const {
    std::string full = path_;
    for (std::size_t at = 0; at <= relative.size();) {
        const std::size_t end = std::min(relative.find('\\', at), relative.size());
        full.push_back('\\');
        full.append(relative, at, end - at);
        CreateDirectoryW(win::Widen(full).c_str(), nullptr);
        at = end + 1;
    }
    return full;
}

void WriteTextFile(const std::string& path, const std::string& bytes) {
    ASSERT_EQ(ReplaceFileContents(win::Widen(path), bytes), 0u) << path;
}

std::string ReadTextFile(const std::string& path) {
    std::string bytes;
    EXPECT_EQ(ReadFileContents(win::Widen(path), bytes), 0u) << path;
    return bytes;
}

void MakeDirectory(const std::string& path) {
    ASSERT_TRUE(CreateDirectoryW(win::Widen(path).c_str(), nullptr)) << path;
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(win::Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace vemora::test
