// The record each shell node carries: its item relative to the parent folder, and the
// absolute list and folder object computed or bound on first use.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "shell/id_list.h"
#include "shell/shell_namespace.h"

namespace vemora::shell {

class TRzShellTreeData {
  public:
    // A root: rel is the last item of abs (the whole list for the desktop).
    TRzShellTreeData(ShellNamespace& ns, const IdList& absolute, std::shared_ptr<ShellFolder> own);
    TRzShellTreeData(ShellNamespace& ns, TRzShellTreeData* parent, IdList relative);

    TRzShellTreeData* ParentData() const { return parent_; }
    const IdList& RelIdList() const { return rel_; }
    void SetRelIdList(IdList relative);  // after a rename; drops the caches
    const IdList& AbsIdList();
    std::shared_ptr<ShellFolder> OwnFolder();
    std::shared_ptr<ShellFolder> ContainingFolder();  // a root's is looked up on every call
    std::string FileSystemPath();
    bool CanRename();
    void DropCache();  // the absolute list and the own folder, recomputed on next use

  private:
    ShellNamespace& ns_;
    TRzShellTreeData* parent_ = nullptr;
    IdList rel_;
    std::optional<IdList> abs_;
    std::shared_ptr<ShellFolder> own_;
    bool ownBound_ = false;
};

}  // namespace vemora::shell
