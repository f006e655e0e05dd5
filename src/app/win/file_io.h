// The file operations of the event log, returning the system's error code (0 on success)
// instead of throwing, so the caller can tell the user which file failed and why.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vemora {

DWORD CreateDirectoryTree(const std::wstring& path);
DWORD AppendToFile(const std::wstring& path, std::string_view bytes);  // creates the file when missing
DWORD ReplaceFileContents(const std::wstring& path, std::string_view bytes);
DWORD ReadFileContents(const std::wstring& path, std::string& bytes);
bool DirectoryExists(const std::wstring& path);

// The event list's type test: a file (not a directory) is there now, with a last-write
// time that a local DOS date can hold.
bool IsExistingFile(const std::wstring& path);

}  // namespace vemora
