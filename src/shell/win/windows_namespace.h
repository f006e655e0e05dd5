// The Windows shell behind the namespace interface: IShellFolder, IEnumIDList,
// SHGetFileInfo and SHGetPathFromIDList, every pointer and id list in an owner.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include "shell/shell_namespace.h"
#include "shell/win/com_ptr.h"

namespace vemora::shell::win {

inline LPCITEMIDLIST Pidl(const IdList& list) {
    return reinterpret_cast<LPCITEMIDLIST>(list.data());
}

class WindowsFolder : public ShellFolder {
  public:
    explicit WindowsFolder(ComPtr<IShellFolder> folder) : folder_(std::move(folder)) {}
    IShellFolder* get() const { return folder_.get(); }

    HResult BindToObject(const IdList& relative, std::shared_ptr<ShellFolder>& folder) override;
    HResult EnumObjects(OwnerWindow owner, std::uint32_t flags, std::unique_ptr<ShellEnum>& items) override;
    HResult GetAttributesOf(const IdList& relative, std::uint32_t& mask) override;
    HResult GetDisplayNameOf(const IdList& relative, std::uint32_t mode, std::string& name) override;
    HResult CompareIDs(const IdList& a, const IdList& b, int& result) override;
    HResult ParseDisplayName(OwnerWindow owner, const std::string& name, IdList& relative) override;
    HResult SetNameOf(OwnerWindow owner, const IdList& relative, const std::string& name,
                      IdList& renamed) override;
    HResult Revalidate() override;

  private:
    ComPtr<IShellFolder> folder_;
};

class WindowsNamespace : public ShellNamespace {
  public:
    std::shared_ptr<ShellFolder> Desktop() override;
    std::string PathFromIdList(const IdList& absolute) override;
    HResult SpecialFolderLocation(int csidl, IdList& absolute) override;
    int SysIconIndex(const IdList& absolute, bool open) override;
    int ShellMajorVersion() override;
    bool SuppressCriticalErrors(bool suppress) override;
    void Beep() override { MessageBeep(0); }
    std::string ErrorText(HResult code) override;
    std::uint32_t MakeDirectory(const std::string& path) override;
    std::string CurrentDirectory() override;

  private:
    int shellMajor_ = -1;
};

// The process's one Windows namespace.
WindowsNamespace& SystemNamespace();

// The shared system image list (never destroyed by us).
HIMAGELIST SystemImageList(bool small);

}  // namespace vemora::shell::win
