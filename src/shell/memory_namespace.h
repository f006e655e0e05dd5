// An in-memory shell namespace: folders with attributes, display names, an order of the
// namespace's own (not text order), hidden and virtual items, failing enumerations and
// renames. The tree's logic is tested and benchmarked against it.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "shell/shell_namespace.h"

namespace vemora::shell {

struct MemoryItem {
    std::uint32_t id = 0;
    std::string name;     // the in-folder display name
    std::string sortKey;  // the namespace's order; the lower-case name unless set
    std::string path;     // the file-system path; empty for virtual items
    std::uint32_t attributes = 0;
    std::uint32_t forcedAttributes = 0;  // reported besides the computed has-subfolder
    HResult enumResult = kOk;            // a failure makes EnumObjects fail
    HResult endResult = kFalse;          // what the enumerator ends with
    bool needsMedium = false;            // enumerating without suppressed error boxes shows one
    bool denyCreate = false;             // creating directories inside fails with access denied
    MemoryItem* parent = nullptr;
    std::vector<std::unique_ptr<MemoryItem>> children;
};

class MemoryNamespace : public ShellNamespace {
  public:
    static constexpr std::uint32_t kFsFolder = kAttrFolder | kAttrFileSystem | kAttrFileSysAncestor;

    MemoryNamespace();

    MemoryItem& Root() { return *root_; }
    // A folder below parent; a file-system folder's path is the parent's path plus name.
    MemoryItem& Add(MemoryItem& parent, const std::string& name, std::uint32_t attributes = kFsFolder);
    void Remove(MemoryItem& item);
    MemoryItem* Find(const std::string& path);  // by file-system path, ignoring case
    IdList AbsoluteOf(const MemoryItem& item) const;
    void SetSpecial(int csidl, MemoryItem& item) { special_[csidl] = &item; }

    int beeps = 0;
    int errorBoxes = 0;
    int enumerations = 0;
    int revalidations = 0;
    std::vector<std::string> created;

    // ShellNamespace
    std::shared_ptr<ShellFolder> Desktop() override;
    std::string PathFromIdList(const IdList& absolute) override;
    HResult SpecialFolderLocation(int csidl, IdList& absolute) override;
    int SysIconIndex(const IdList& absolute, bool open) override;
    int ShellMajorVersion() override { return 6; }
    bool SuppressCriticalErrors(bool suppress) override;
    void Beep() override { ++beeps; }
    std::string ErrorText(HResult code) override;
    std::uint32_t MakeDirectory(const std::string& path) override;
    std::string CurrentDirectory() override { return "C:\\"; }

    // Used by the folders.
    MemoryItem* Resolve(MemoryItem& from, const IdList& relative) const;
    std::uint32_t AttributesOf(const MemoryItem& item) const;
    int Compare(MemoryItem& folder, const IdList& a, const IdList& b) const;
    void Renamed(MemoryItem& item);
    bool criticalErrorsSuppressed = false;

  private:
    std::unique_ptr<MemoryItem> root_;
    std::unordered_map<std::uint32_t, MemoryItem*> byId_;
    std::map<int, MemoryItem*> special_;
    std::uint32_t nextId_ = 1;
};

}  // namespace vemora::shell
