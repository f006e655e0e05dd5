#include "shell/shell_tree.h"

#include <algorithm>
#include <functional>

#include "shell/device_change.h"
#include "shell/id_list_array.h"
#include "shell/pidl_list.h"
#include "shell/shell_ops.h"

namespace vemora::shell {
namespace {

class WaitCursor {
  public:
    explicit WaitCursor(ShellTreeView& view) : view_(view) { view_.WaitCursor(true); }
    ~WaitCursor() { view_.WaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    ShellTreeView& view_;
};

class BulkUpdate {
  public:
    explicit BulkUpdate(ShellTreeView& view) : view_(view) { view_.BeginUpdate(); }
    ~BulkUpdate() { view_.EndUpdate(); }
    BulkUpdate(const BulkUpdate&) = delete;
    BulkUpdate& operator=(const BulkUpdate&) = delete;

  private:
    ShellTreeView& view_;
};

bool IsBelow(const TreeNode* node, const TreeNode* ancestor) {
    for (; node; node = node->parent) {
        if (node == ancestor) return true;
    }
    return false;
}

}  // namespace

TRzCustomShellTree::TRzCustomShellTree(ShellNamespace& ns) : ns_(ns), baseFolder_(ns), selectedLocation_(ns) {
    baseFolder_.onChange = [this] { BaseFolderChanged(); };
    selectedLocation_.onChange = [this] { SelectedLocationChanged(); };
}

TRzCustomShellTree::~TRzCustomShellTree() {
    baseFolder_.onChange = nullptr;
    selectedLocation_.onChange = nullptr;
}

OwnerWindow TRzCustomShellTree::Owner() {
    return ignoreErrors_ > 0 ? 0 : view_->TopLevelOwner();
}

TreeNode* TRzCustomShellTree::FirstDataNode() const {
    for (const auto& root : roots_) {
        if (root->data) return root.get();
    }
    return nullptr;
}

void TRzCustomShellTree::SetOptions(TRzShellTreeOptions options) {
    const bool wasDynamic = options_ & stoDynamicRefresh;
    options_ = options;
    const bool dynamic = options_ & stoDynamicRefresh;
    if (dynamic && !wasDynamic) {
        view_->WatchDrives();
    } else if (!dynamic && wasDynamic) {
        view_->StopWatching();
    }
}

void TRzCustomShellTree::BaseFolderChanged() {
    selectedLocation_.Clear();
    if (options_ & stoAutoFill) {
        quickSelect_ = true;
        FillTree();
    }
}

void TRzCustomShellTree::SelectedLocationChanged() {
    if (!roots_.empty()) LocateIdList(selectedLocation_.ItemIdList());
}

void TRzCustomShellTree::SetDeferRefresh(bool defer) {
    deferRefresh_ = defer;
    if (!defer && refreshDeferred_) {
        refreshDeferred_ = false;
        RefreshTree();
    }
}

void TRzCustomShellTree::FillTree() {
    if (deferRefresh_ || editing_) {
        refreshDeferred_ = true;
        return;
    }
    WaitCursor wait(*view_);
    {
        Raise raised(ignoreChanges_);
        Select(nullptr);
        DeleteAllNodes();
    }
    std::shared_ptr<ShellFolder> root;
    const HResult hr = BindIdList(ns_, baseFolder_.ItemIdList(), root);
    if (!Succeeded(hr) || !root) throw ShellError(ns_.ErrorText(hr), hr);
    PopulateNode(root, nullptr);
    if (!selectedLocation_.ItemIdList().IsNull()) {
        LocateIdList(selectedLocation_.ItemIdList());
    } else if (!roots_.empty()) {
        quickSelect_ = true;
        Select(roots_.front().get());
    }
    if (timerTag_ != kTimerNone) TimerFired();  // now, not after the wait
    if (options_ & stoDynamicRefresh) view_->WatchDrives();
}

void TRzCustomShellTree::TimerFired() {
    const TimerTag tag = timerTag_;
    timerTag_ = kTimerNone;
    view_->StopTimer();
    if (tag == kTimerRefresh) {
        RefreshTree();
    } else if (tag == kTimerSelection && selected_ && selected_->data) {
        Raise raised(ignoreChanges_);
        selectedLocation_.SetItemIdList(selected_->data->AbsIdList());
    }
}

void TRzCustomShellTree::ChangeNotified(bool focused) {
    if (ignoreNextChangeNotify_ || deferRefresh_) {
        ignoreNextChangeNotify_ = false;
        return;
    }
    timerTag_ = kTimerRefresh;
    view_->StartTimer(focused ? 400 : 2000);
}

void TRzCustomShellTree::DeviceChanged(std::uint32_t event) {
    if (event != kDeviceArrival && event != kDeviceRemoveComplete) return;
    // Trees share the shell's computer folder: the first to hear of the change asks it to
    // look at its drives again, the others only refresh.
    static int refreshing = 0;
    if (refreshing == 0) {
        IdList drives;
        std::shared_ptr<ShellFolder> computer;
        if (Succeeded(ns_.SpecialFolderLocation(kCsidlDrives, drives)) &&
            Succeeded(BindIdList(ns_, drives, computer)) && computer) {
            computer->Revalidate();
        }
    }
    Raise raised(refreshing);
    RefreshTree();
}

void TRzCustomShellTree::PopulateNode(std::shared_ptr<ShellFolder> folder, TreeNode* node) {
    if (OnFillStart) OnFillStart();
    struct Restore {
        TRzCustomShellTree& tree;
        bool previous;
        ~Restore() {
            tree.ns_.SuppressCriticalErrors(previous);
            if (tree.OnFillComplete) tree.OnFillComplete();
        }
    } restore{*this, ns_.SuppressCriticalErrors(true)};

    IdList parentAbs;
    bool builtRoot = false;
    if (node) {
        parentAbs = node->data ? node->data->AbsIdList() : IdList();
    } else {
        parentAbs = baseFolder_.ItemIdList();
        auto root = std::make_unique<TreeNode>();
        root->text = AbsoluteDisplayName(ns_, parentAbs);
        root->imageIndex = ns_.SysIconIndex(CopyIdList(parentAbs), false);
        root->selectedIndex = ns_.SysIconIndex(CopyIdList(parentAbs), true);
        root->data = std::make_unique<TRzShellTreeData>(ns_, parentAbs, folder);
        node = &InsertNode(nullptr, std::move(root));
        InsertStep(*node);
        builtRoot = true;
    }

    std::uint32_t flags = kEnumFolders;
    if (options_ & stoShowHidden) flags |= kEnumIncludeHidden;
    if (options_ & stoIncludeNonFolders) flags |= kEnumNonFolders;
    std::unique_ptr<ShellEnum> items;
    if (!folder || !Succeeded(folder->EnumObjects(Owner(), flags, items)) || !items) {
        SetHasChildren(*node, true);  // the user may try again
        return;
    }
    HResult last = kOk;
    for (IdList item; (last = items->Next(item)) == kOk;) {
        const HResult hr = AddChildItem(folder.get(), parentAbs, item, node);
        if (!Succeeded(hr)) throw ShellError(ns_.ErrorText(hr), hr);
    }
    if (node->children.empty()) SetHasChildren(*node, false);
    if (last != kFalse && last != kFail) throw ShellError(ns_.ErrorText(last), last);
    SortChildren(node);
    if (builtRoot) Expand(*node);
}

HResult TRzCustomShellTree::AddChildItem(ShellFolder* folder, const IdList& parentAbs, const IdList& item,
                                         TreeNode* parentNode) {
    if (item.IsNull()) return kOk;
    std::uint32_t attributes = ns_.ShellMajorVersion() > 5 ? 0xF24B0000u : 0xF20B0000u;
    const HResult hr = folder ? folder->GetAttributesOf(item, attributes) : kFail;
    if (!Succeeded(hr)) return hr;
    const bool candidate =
        (options_ & stoVirtualFolders) || (attributes & (kAttrFileSystem | kAttrFileSysAncestor));
    if (!candidate || !FilterItem(folder, parentAbs, attributes, item)) return kOk;

    auto node = std::make_unique<TreeNode>();
    node->text = DisplayNameOf(ns_, folder, item, 1);
    const bool isFolder = attributes & kAttrFolder, hasSub = attributes & kAttrHasSubfolder;
    node->hasChildren = (options_ & stoIncludeNonFolders) ? (isFolder || hasSub) : (isFolder && hasSub);
    node->overlay = (attributes & kAttrShare) ? 0 : (attributes & kAttrLink) ? 1 : -1;
    node->cut = attributes & kAttrHidden;
    if (parentNode && parentNode->data) {
        node->data = std::make_unique<TRzShellTreeData>(ns_, parentNode->data.get(), item);
    } else {
        node->data = std::make_unique<TRzShellTreeData>(ns_, ConcatIdLists(parentAbs, item), nullptr);
    }
    TreeNode& inserted = InsertNode(parentNode, std::move(node));
    InsertStep(inserted);
    return kOk;
}

bool TRzCustomShellTree::FilterItem(ShellFolder* folder, const IdList& parentAbs, std::uint32_t attributes,
                                    const IdList& item) {
    return OnAddItem ? OnAddItem(folder, parentAbs, item, attributes) : true;
}

TreeNode& TRzCustomShellTree::InsertNode(TreeNode* parent, std::unique_ptr<TreeNode> node) {
    node->parent = parent;
    auto& siblings = SiblingsOf(parent);
    siblings.push_back(std::move(node));
    TreeNode& inserted = *siblings.back();
    view_->Inserted(inserted);
    if (parent) SetHasChildren(*parent, true);
    return inserted;
}

void TRzCustomShellTree::InsertStep(TreeNode& node) {
    lastInserted_ = &node;
    if (OnInsertItem) OnInsertItem(node);
}

void TRzCustomShellTree::SetHasChildren(TreeNode& node, bool has) {
    if (node.hasChildren == has) return;
    node.hasChildren = has;
    view_->Changed(node);
}

void TRzCustomShellTree::SortChildren(TreeNode* node) {
    auto& children = SiblingsOf(node);
    std::stable_sort(children.begin(), children.end(), [](const auto& a, const auto& b) {
        if (!a->data || !b->data) return false;
        const auto folder = a->data->ContainingFolder();
        int result = 0;
        if (!folder || !Succeeded(folder->CompareIDs(a->data->RelIdList(), b->data->RelIdList(), result))) {
            return false;
        }
        return ShortResult(result) < 0;
    });
    view_->Sorted(node);
}

TreeNode* TRzCustomShellTree::FindChildNode(TreeNode* node, const IdList& item) {
    if (!node) return FirstDataNode();
    for (const auto& child : node->children) {
        if (!child->data) continue;
        const auto folder = child->data->ContainingFolder();
        int result = 0;
        if (folder && Succeeded(folder->CompareIDs(child->data->RelIdList(), item, result)) &&
            ShortResult(result) == 0) {
            return child.get();
        }
    }
    return nullptr;
}

void TRzCustomShellTree::LocateIdList(const IdList& target) {
    if (ignoreChanges_ > 0) return;
    quickSelect_ = true;
    const IdList& base = baseFolder_.ItemIdList();
    const TRzIdListArray baseItems(base), targetItems(target);
    {
        BulkUpdate bulk(*view_);
        TreeNode* root = FirstDataNode();
        int depth = baseItems.Count();
        // A target that does not lie below the base folder is shown as the base folder.
        bool below = true;
        if (depth > 0 && depth < targetItems.Count()) {
            const int c = CompareIdLists(ns_, targetItems.WithoutLast(targetItems.Count() - depth), base);
            below = c == 0 || c == kIncomparable;
        }
        if (targetItems.Count() == 0 || !root) {
            if (root) Select(root);
        } else if (depth >= targetItems.Count() || !below) {
            Select(root);
            Expand(*root);
        } else {
            TreeNode* node = root;
            Expand(*node);
            TreeNode* last = nullptr;
            while (depth < targetItems.Count()) {
                const IdList item = targetItems.SingleItem(depth);
                last = FindChildNode(node, item);
                if (!last) {
                    lastInserted_ = nullptr;
                    const HResult hr = node->data ? AddChildItem(node->data->OwnFolder().get(),
                                                                 node->data->AbsIdList(), item, node)
                                                  : kFail;
                    // An element the candidate test or OnAddItem refuses has no node either: the
                    // place cannot be shown, so the walk ends there as on a failure.
                    if (Succeeded(hr) && lastInserted_ && lastInserted_->parent == node) {
                        last = lastInserted_;
                        SortChildren(node);
                    } else {
                        ns_.Beep();
                        last = nullptr;
                        break;
                    }
                }
                if (depth + 1 < targetItems.Count()) Expand(*last);
                ++depth;
                node = last;
            }
            Select(last ? last : node);
        }
    }
    if (selected_) view_->MakeVisible(*selected_);
}

bool TRzCustomShellTree::RenameNode(TreeNode& node, const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (!node.data || first == std::string::npos) return false;
    const std::string name = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    const auto folder = node.data->ContainingFolder();
    if (!folder) return false;
    WaitCursor wait(*view_);
    ignoreNextChangeNotify_ = true;
    Raise raised(ignoreChanges_);
    IdList renamed;
    if (!Succeeded(folder->SetNameOf(Owner(), node.data->RelIdList(), name, renamed))) return false;
    if (renamed.HasItems()) {
        std::function<void(TreeNode&)> drop = [&](TreeNode& n) {
            for (auto& child : n.children) {
                if (child->data) child->data->DropCache();
                drop(*child);
            }
        };
        drop(node);
        node.text = DisplayNameOf(ns_, folder.get(), renamed, 1);
        node.data->SetRelIdList(std::move(renamed));
        selectedLocation_.SetItemIdList(node.data->AbsIdList());
    } else {
        node.text = DisplayNameOf(ns_, folder.get(), node.data->RelIdList(), 1);
    }
    view_->Changed(node);
    if (node.parent) SortChildren(node.parent);
    return true;
}

bool TRzCustomShellTree::CanExpand(TreeNode& node) {
    if (eatExpand_) return false;
    if (node.children.empty() && node.hasChildren && node.data) {
        WaitCursor wait(*view_);
        BulkUpdate bulk(*view_);
        PopulateNode(node.data->OwnFolder(), &node);
    }
    return true;
}

void TRzCustomShellTree::Expand(TreeNode& node) {
    if (node.expanded || !CanExpand(node)) return;
    if (node.children.empty()) return;
    node.expanded = true;
    view_->Expanded(node);
}

void TRzCustomShellTree::Select(TreeNode* node) {
    if (selected_ == node) return;
    selected_ = node;
    view_->ShowSelection(node);
    SelectionChanged(node);
}

void TRzCustomShellTree::UserSelected(TreeNode* node) {
    if (selected_ == node) return;
    selected_ = node;
    SelectionChanged(node);
}

void TRzCustomShellTree::SelectionChanged(TreeNode* node) {
    if (ignoreChanges_ == 0 && OnChange) OnChange(node);
    if (!node || !node->data) return;
    // No list view is linked here, so the location follows at once, not through the timer.
    Raise raised(ignoreChanges_);
    selectedLocation_.SetItemIdList(node->data->AbsIdList());
    quickSelect_ = false;
}

void TRzCustomShellTree::DeleteNode(TreeNode& node) {
    if (OnDeleteItem) {
        std::function<void(TreeNode&)> tell = [&](TreeNode& n) {
            for (auto& child : n.children) tell(*child);
            OnDeleteItem(n);
        };
        tell(node);
    }
    if (IsBelow(selected_, &node)) selected_ = nullptr;
    if (IsBelow(lastInserted_, &node)) lastInserted_ = nullptr;
    view_->Deleting(node);
    TreeNode* parent = node.parent;
    auto& siblings = SiblingsOf(parent);
    siblings.erase(std::find_if(siblings.begin(), siblings.end(), [&](auto& c) { return c.get() == &node; }));
    if (parent && parent->children.empty()) {
        parent->expanded = false;
        SetHasChildren(*parent, false);
    }
}

void TRzCustomShellTree::DeleteAllNodes() {
    Raise raised(ignoreChanges_);
    BulkUpdate bulk(*view_);
    while (!roots_.empty()) DeleteNode(*roots_.back());
}

void TRzCustomShellTree::RefreshTree() {
    if (deferRefresh_ || editing_) {
        refreshDeferred_ = true;
        return;
    }
    if (roots_.empty()) {
        FillTree();
        return;
    }
    WaitCursor wait(*view_);
    if (OnFillStart) OnFillStart();
    TreeNode* keep = nullptr;
    {
        Raise raised(ignoreChanges_);
        keep = selected_;
        Select(nullptr);
        BulkUpdate bulk(*view_);
        if (TreeNode* first = roots_.front().get()) Merge(*first, keep);
    }
    if (keep) {
        quickSelect_ = true;
        Select(keep);
    }
    if (OnFillComplete) OnFillComplete();
}

void TRzCustomShellTree::Merge(TreeNode& node, TreeNode*& keep) {
    if (!node.data) return;
    const auto folder = node.data->OwnFolder();
    if (!folder) return;
    if (node.hasChildren && node.children.empty()) return;  // never expanded: filled when it is

    TRzPidlList old;
    old.SetCompareFolder(folder);
    old.SetDuplicates(TRzDuplicates::dupAccept);
    old.SetCapacity(static_cast<int>(node.children.size()));
    for (const auto& child : node.children) {
        if (child->data) old.AddEntry(child->data->RelIdList(), child.get());
    }
    old.SetSorted(true);

    TRzPidlList fresh;
    std::uint32_t flags = kEnumFolders;
    if (options_ & stoShowHidden) flags |= kEnumIncludeHidden;
    if (options_ & stoIncludeNonFolders) flags |= kEnumNonFolders;
    std::unique_ptr<ShellEnum> items;
    {
        const bool previous = ns_.SuppressCriticalErrors(true);
        if (Succeeded(folder->EnumObjects(0, flags, items)) && items) {
            for (IdList item; items->Next(item) == kOk;) fresh.Add(std::move(item));
        }
        ns_.SuppressCriticalErrors(previous);
    }

    // Matched pairs leave both lists; marked first and removed at once, so the pass stays
    // n log n on a folder of thousands.
    std::vector<bool> oldTaken(old.Count()), freshTaken(fresh.Count());
    for (int i = fresh.Count() - 1; i >= 0; --i) {
        const int at = old.IndexOfFree(fresh.EntryIdList(i), oldTaken);
        if (at >= 0) oldTaken[at] = freshTaken[i] = true;
    }
    old.DeleteTaken(oldTaken);
    fresh.DeleteTaken(freshTaken);
    for (int i = old.Count() - 1; i >= 0; --i) {
        auto* gone = static_cast<TreeNode*>(old.EntryNode(i));
        if (IsBelow(keep, gone)) keep = gone->parent;
        DeleteNode(*gone);
    }
    const IdList parentAbs = node.data->AbsIdList();
    const std::size_t before = node.children.size();
    for (int i = 0; i < fresh.Count(); ++i)
        AddChildItem(folder.get(), parentAbs, fresh.EntryIdList(i), &node);
    if (node.children.size() != before) SortChildren(&node);

    for (std::size_t i = 0; i < node.children.size(); ++i) Merge(*node.children[i], keep);
}

int TRzCustomShellTree::AbsoluteIndex(const TreeNode& node) const {
    int index = 0;
    std::function<bool(const std::vector<std::unique_ptr<TreeNode>>&)> walk = [&](const auto& nodes) {
        for (const auto& n : nodes) {
            if (n.get() == &node) return true;
            ++index;
            if (walk(n->children)) return true;
        }
        return false;
    };
    return walk(roots_) ? index : -1;
}

int TRzCustomShellTree::ImageIndexOf(TreeNode& node, bool selected) {
    int& index = selected ? node.selectedIndex : node.imageIndex;
    if (index == 0 && node.data) index = ns_.SysIconIndex(node.data->AbsIdList(), selected);
    return index;
}

}  // namespace vemora::shell
