// Everything the tree and the picker ask of the shell namespace, as one small interface.
// The Windows shell implements it in win/; MemoryNamespace is the substitute for tests.
// Results are the shell's HRESULT codes, so both sides report failures the same way.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "shell/id_list.h"

namespace vemora::shell {

using HResult = std::int32_t;
inline constexpr HResult kOk = 0;
inline constexpr HResult kFalse = 1;  // S_FALSE: the enumerator has no more items
inline constexpr HResult kFail = static_cast<HResult>(0x80004005);
inline constexpr HResult kInvalidArg = static_cast<HResult>(0x80070057);
inline constexpr HResult kFileNotFound = static_cast<HResult>(0x80070002);
inline constexpr HResult kAccessDenied = static_cast<HResult>(0x80070005);
inline constexpr bool Succeeded(HResult hr) {
    return hr >= 0;
}

// Item attributes (the shell's attribute word).
enum ShellAttribute : std::uint32_t {
    kAttrCanRename = 0x00000010,
    kAttrLink = 0x00010000,
    kAttrShare = 0x00020000,
    kAttrHidden = 0x00080000,
    kAttrStream = 0x00400000,
    kAttrRemovable = 0x02000000,
    kAttrFileSysAncestor = 0x10000000,
    kAttrFolder = 0x20000000,
    kAttrFileSystem = 0x40000000,
    kAttrHasSubfolder = 0x80000000,
};
// Enumeration flags.
inline constexpr std::uint32_t kEnumFolders = 0x20, kEnumNonFolders = 0x40, kEnumIncludeHidden = 0x80;
// Display-name modes (the shell's flags).
inline constexpr std::uint32_t kNameNormal = 0, kNameInFolder = 1, kNameForParsing = 0x8000,
                               kNameForEditing = 0x1001;
// Special folders used here.
inline constexpr int kCsidlDesktop = 0, kCsidlDesktopDirectory = 0x10, kCsidlDrives = 17;

// The window shell calls may show messages on; 0 for none (no error boxes).
using OwnerWindow = std::uintptr_t;

// A failure of the shell carried to the user with the system's text for its code.
class ShellError : public std::runtime_error {
  public:
    ShellError(const std::string& text, HResult code) : std::runtime_error(text), code_(code) {}
    HResult code() const { return code_; }

  private:
    HResult code_;
};

class ShellEnum {
  public:
    virtual ~ShellEnum() = default;
    // kOk with the next relative item, kFalse at the end, or a failure.
    virtual HResult Next(IdList& item) = 0;
};

class ShellFolder {
  public:
    virtual ~ShellFolder() = default;
    virtual HResult BindToObject(const IdList& relative, std::shared_ptr<ShellFolder>& folder) = 0;
    virtual HResult EnumObjects(OwnerWindow owner, std::uint32_t flags,
                                std::unique_ptr<ShellEnum>& items) = 0;
    // mask: in the attributes asked for, out what holds of them.
    virtual HResult GetAttributesOf(const IdList& relative, std::uint32_t& mask) = 0;
    virtual HResult GetDisplayNameOf(const IdList& relative, std::uint32_t mode, std::string& name) = 0;
    // result: negative, zero or positive (the low 16 bits the shell returns, read signed).
    virtual HResult CompareIDs(const IdList& a, const IdList& b, int& result) = 0;
    virtual HResult ParseDisplayName(OwnerWindow owner, const std::string& name, IdList& relative) = 0;
    virtual HResult SetNameOf(OwnerWindow owner, const IdList& relative, const std::string& name,
                              IdList& renamed) = 0;
    // Tells the folder to check its cached items again (drives that came or went).
    virtual HResult Revalidate() { return kOk; }
};

class ShellNamespace {
  public:
    virtual ~ShellNamespace() = default;
    virtual std::shared_ptr<ShellFolder> Desktop() = 0;              // null when the shell cannot give it
    virtual std::string PathFromIdList(const IdList& absolute) = 0;  // empty for a virtual place
    virtual HResult SpecialFolderLocation(int csidl, IdList& absolute) = 0;
    virtual int SysIconIndex(const IdList& absolute, bool open) = 0;  // 0 when unknown
    virtual int ShellMajorVersion() = 0;
    // Switches the system's critical-error boxes off or back; returns the previous state.
    virtual bool SuppressCriticalErrors(bool suppress) = 0;
    virtual void Beep() = 0;
    virtual std::string ErrorText(HResult code) = 0;
    // Creates a directory; 0 or the system's error code (183: it exists).
    virtual std::uint32_t MakeDirectory(const std::string& path) = 0;
    virtual std::string CurrentDirectory() = 0;
};

}  // namespace vemora::shell
