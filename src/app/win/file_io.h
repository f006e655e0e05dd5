// The file operations of the event log, returning the system's error code (0 on success)
// instead of throwing, so the caller can tell the user which file failed and why.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "win/handles.h"

namespace vemora {

DWORD CreateDirectoryTree(const std::wstring& path);
DWORD AppendToFile(const std::wstring& path, std::string_view bytes);  // creates the file when missing
DWORD ReplaceFileContents(const std::wstring& path, std::string_view bytes);
// A file created anew and written in pieces; the first failure is kept and ends the writing.
class FileReplacement {
  public:
    explicit FileReplacement(const std::wstring& path);
    void Write(std::string_view bytes);
    DWORD Error() const { return error_; }
    DWORD Close();  // the first failure of creating, writing or closing; 0 when all went well

  private:
    win::UniqueFile file_;
    DWORD error_ = 0;
};

DWORD ReadFileContents(const std::wstring& path, std::string& bytes);
bool DirectoryExists(const std::wstring& path);

// The event list's type test: a file (not a directory) is there now, with a last-write
// time that a local DOS date can hold.
bool IsExistingFile(const std::wstring& path);

}  // namespace vemora
