#include "shell/shell_tree_data.h"

#include "shell/shell_ops.h"

namespace vemora::shell {

TRzShellTreeData::TRzShellTreeData(ShellNamespace& ns, const IdList& absolute,
                                   std::shared_ptr<ShellFolder> own)
    : ns_(ns),
      rel_(absolute.HasItems() ? absolute.Last() : CopyIdList(absolute)),
      abs_(CopyIdList(absolute)) {
    own_ = std::move(own);
    ownBound_ = own_ != nullptr;
}

TRzShellTreeData::TRzShellTreeData(ShellNamespace& ns, TRzShellTreeData* parent, IdList relative)
    : ns_(ns), parent_(parent), rel_(std::move(relative)) {}

void TRzShellTreeData::SetRelIdList(IdList relative) {
    rel_ = std::move(relative);
    DropCache();
}

void TRzShellTreeData::DropCache() {
    if (parent_) abs_.reset();
    own_.reset();
    ownBound_ = false;
}

const IdList& TRzShellTreeData::AbsIdList() {
    if (!abs_) abs_ = parent_ ? ConcatIdLists(parent_->AbsIdList(), rel_) : CopyIdList(rel_);
    return *abs_;
}

std::shared_ptr<ShellFolder> TRzShellTreeData::OwnFolder() {
    if (!ownBound_) {
        ownBound_ = true;
        const IdList& abs = AbsIdList();
        if (!abs.HasItems()) {
            own_ = ns_.Desktop();
        } else if (const auto containing = ContainingFolder()) {
            std::shared_ptr<ShellFolder> folder;
            if (Succeeded(containing->BindToObject(rel_, folder))) own_ = std::move(folder);
        }
        if (!own_) ownBound_ = false;  // a failed bind is tried again next time
    }
    return own_;
}

std::shared_ptr<ShellFolder> TRzShellTreeData::ContainingFolder() {
    if (parent_) return parent_->OwnFolder();
    ParentSplit split;
    if (!Succeeded(SplitForParent(ns_, AbsIdList(), split))) return nullptr;
    return split.folder;
}

std::string TRzShellTreeData::FileSystemPath() {
    return PathFromIdList(ns_, AbsIdList());
}

bool TRzShellTreeData::CanRename() {
    if (!parent_ || !AbsIdList().HasItems()) return false;
    const auto containing = ContainingFolder();
    std::uint32_t attributes = kAttrCanRename;
    return containing && Succeeded(containing->GetAttributesOf(rel_, attributes)) &&
           (attributes & kAttrCanRename);
}

}  // namespace vemora::shell
