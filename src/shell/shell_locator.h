// A copyable reference to a place: an id list, or a special folder resolved on first use.
// The owning control hooks onChange, which fires after every real change.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "shell/id_list.h"
#include "shell/shell_namespace.h"

namespace vemora::shell {

class TRzShellLocator {
  public:
    enum class Kind : std::uint8_t { IdList = 0, SpecialFolder = 1 };
    static constexpr std::uint8_t kNoSpecialFolder = 50;

    explicit TRzShellLocator(ShellNamespace& ns) : ns_(&ns) {}
    TRzShellLocator(const TRzShellLocator&) = delete;
    TRzShellLocator& operator=(const TRzShellLocator&) = delete;

    Kind kind() const { return kind_; }
    std::uint8_t SpecialFolder() const { return special_; }
    void SetSpecialFolder(std::uint8_t csidl);

    const IdList& ItemIdList();  // no list for an empty locator
    void SetItemIdList(const IdList& list);
    std::string FileSystemPath();  // an empty locator reads as the desktop directory
    void SetFileSystemPath(const std::string& path);
    void Clear() { SetItemIdList({}); }
    bool SameLocation(TRzShellLocator& other);
    void CopyFrom(TRzShellLocator* other);

    // The stored form "Pidl"; HasStoredForm tells whether it is written at all.
    bool HasStoredForm() const { return kind_ == Kind::SpecialFolder || list_.HasItems(); }
    std::vector<std::uint8_t> Write() const;
    bool Read(std::span<const std::uint8_t> bytes);  // false (and unchanged) for damaged data

    std::function<void()> onChange;

  private:
    void Changed() {
        if (onChange) onChange();
    }

    ShellNamespace* ns_;
    Kind kind_ = Kind::IdList;
    IdList list_;  // the place, or the cached resolution of the special folder
    std::uint8_t special_ = kNoSpecialFolder;
    bool resolved_ = false;
};

}  // namespace vemora::shell
