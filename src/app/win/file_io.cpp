#include "app/win/file_io.h"

#include <algorithm>

#include "win/fs_redirection.h"
#include "win/handles.h"

namespace vemora {

bool DirectoryExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

DWORD CreateDirectoryTree(const std::wstring& path) {
    if (path.empty() || DirectoryExists(path)) return 0;
    const size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos && slash > 0 && path[slash - 1] != L':') {
        if (const DWORD error = CreateDirectoryTree(path.substr(0, slash))) return error;
    }
    if (CreateDirectoryW(path.c_str(), nullptr)) return 0;
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS && DirectoryExists(path) ? 0 : error;
}

namespace {

DWORD WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1 << 20));
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return GetLastError();
        bytes.remove_prefix(written);
    }
    return 0;
}

DWORD WriteFileWith(const std::wstring& path, DWORD access, DWORD disposition, std::string_view bytes) {
    win::UniqueFile file(CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError();
    if (const DWORD error = WriteAll(file.get(), bytes)) return error;
    return CloseHandle(file.release()) ? 0 : GetLastError();
}

}  // namespace

DWORD AppendToFile(const std::wstring& path, std::string_view bytes) {
    return WriteFileWith(path, FILE_APPEND_DATA, OPEN_ALWAYS, bytes);
}

DWORD ReplaceFileContents(const std::wstring& path, std::string_view bytes) {
    return WriteFileWith(path, GENERIC_WRITE, CREATE_ALWAYS, bytes);
}

FileReplacement::FileReplacement(const std::wstring& path)
    : file_(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (!file_) error_ = GetLastError();
}

void FileReplacement::Write(std::string_view bytes) {
    if (error_ == 0) error_ = WriteAll(file_.get(), bytes);
}

DWORD FileReplacement::Close() {
    if (file_ && !CloseHandle(file_.release()) && error_ == 0) error_ = GetLastError();
    return error_;
}

DWORD ReadFileContents(const std::wstring& path, std::string& bytes) {
    win::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError();
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return GetLastError();
    if (size.QuadPart > 512 * 1024 * 1024) return ERROR_FILE_TOO_LARGE;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t filled = 0;
    while (filled < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled), &read,
                      nullptr)) {
            return GetLastError();
        }
        if (read == 0) break;
        filled += read;
    }
    bytes.resize(filled);
    return 0;
}

bool IsExistingFile(const std::wstring& path) {
    // The attributes and last-write time a directory search finds, without the search: Wine
    // scans the whole directory for a search, which costs a large directory dearly.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    {
        const win::ScopedRedirectionOff redirectionOff(path);  // the watched folder, not SysWOW64
        if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    FILETIME local{};
    WORD dosDate = 0;
    WORD dosTime = 0;
    return FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) &&
           FileTimeToDosDateTime(&local, &dosDate, &dosTime);
}

}  // namespace vemora
