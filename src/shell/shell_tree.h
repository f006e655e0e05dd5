// The logic of the shell tree on an abstract tree of nodes: lazy filling, the shell's
// order, walking to a location, the refresh merge and the selected location. A bound view
// (the Win32 tree-view in win/, nothing in native tests) mirrors every change.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/shell_locator.h"
#include "shell/shell_namespace.h"
#include "shell/shell_tree_data.h"

namespace vemora::shell {

enum TRzShellTreeOption : std::uint16_t {
    stoAutoFill = 1 << 0,
    stoVirtualFolders = 1 << 1,
    stoDesignInteractive = 1 << 2,
    stoDefaultKeyHandling = 1 << 3,
    stoContextMenus = 1 << 4,
    stoDynamicRefresh = 1 << 5,
    stoIncludeNonFolders = 1 << 6,
    stoOleDrag = 1 << 7,
    stoOleDrop = 1 << 8,
    stoShowHidden = 1 << 9,
};
using TRzShellTreeOptions = std::uint16_t;
inline constexpr TRzShellTreeOptions kDefaultTreeOptions = 955;

struct TreeNode {
    TreeNode* parent = nullptr;
    std::vector<std::unique_ptr<TreeNode>> children;
    std::string text;
    bool hasChildren = false;  // shows the expand button
    bool expanded = false;
    bool cut = false;    // drawn dimmed (hidden items)
    int overlay = -1;    // 0 shared, 1 shortcut
    int imageIndex = 0;  // 0: not looked up yet
    int selectedIndex = 0;
    std::unique_ptr<TRzShellTreeData> data;
    void* viewItem = nullptr;  // the bound control's item
};

// What the bound control does when the tree's nodes change.
class ShellTreeView {
  public:
    virtual ~ShellTreeView() = default;
    virtual void BeginUpdate() {}
    virtual void EndUpdate() {}
    virtual void Inserted(TreeNode& /*node*/) {}
    virtual void Deleting(TreeNode& /*node*/) {}
    virtual void Changed(TreeNode& /*node*/) {}  // text, expand button or state
    virtual void Sorted(TreeNode* /*parent*/) {}
    virtual void Expanded(TreeNode& /*node*/) {}
    virtual void ShowSelection(TreeNode* /*node*/) {}
    virtual void MakeVisible(TreeNode& /*node*/) {}
    virtual void WaitCursor(bool /*on*/) {}
    virtual OwnerWindow TopLevelOwner() { return 0; }
    // The tree's one-shot timer: (re)started for ms, or stopped; TimerFired when it elapses.
    virtual void StartTimer(int /*ms*/) {}
    virtual void StopTimer() {}
    // Dynamic refresh: watch the drives (again), or drop every watch.
    virtual void WatchDrives() {}
    virtual void StopWatching() {}
};

class TRzCustomShellTree {
  public:
    explicit TRzCustomShellTree(ShellNamespace& ns);
    virtual ~TRzCustomShellTree();
    TRzCustomShellTree(const TRzCustomShellTree&) = delete;
    TRzCustomShellTree& operator=(const TRzCustomShellTree&) = delete;

    ShellNamespace& Namespace() { return ns_; }
    TRzShellTreeOptions Options() const { return options_; }
    void SetOptions(TRzShellTreeOptions options);
    TRzShellLocator& BaseFolder() { return baseFolder_; }
    TRzShellLocator& SelectedLocation() { return selectedLocation_; }

    void FillTree();
    void RefreshTree();
    void LocateIdList(const IdList& target);
    virtual void PopulateNode(std::shared_ptr<ShellFolder> folder, TreeNode* node);
    virtual HResult AddChildItem(ShellFolder* folder, const IdList& parentAbs, const IdList& item,
                                 TreeNode* parentNode);
    virtual bool FilterItem(ShellFolder* folder, const IdList& parentAbs, std::uint32_t attributes,
                            const IdList& item);
    TreeNode* FindChildNode(TreeNode* node, const IdList& item);
    // Ends an in-place edit with new text: the shell renames the item; false when it refused.
    bool RenameNode(TreeNode& node, const std::string& text);
    void SortChildren(TreeNode* node);

    const std::vector<std::unique_ptr<TreeNode>>& Items() const { return roots_; }
    TreeNode* Selected() const { return selected_; }
    TreeNode* FirstDataNode() const;
    int AbsoluteIndex(const TreeNode& node) const;    // in the order of all nodes; the root is 0
    int ImageIndexOf(TreeNode& node, bool selected);  // looked up on first use

    // What the one-shot timer will do: nothing, push the selection, or refresh.
    enum TimerTag { kTimerNone = 0, kTimerSelection = 1, kTimerRefresh = 2 };
    TimerTag PendingTimer() const { return timerTag_; }
    void TimerFired();
    // A watched drive changed: refresh soon (400 ms with the focus, 2 s without), unless the
    // change was our own or a refresh is being held back.
    void ChangeNotified(bool focused);
    // The system's device-change broadcast: a disk or drive came or went.
    void DeviceChanged(std::uint32_t event);

    // Driven by the view (or by tests, as a user would).
    bool CanExpand(TreeNode& node);  // the view asks before expanding; populates on first need
    void Expand(TreeNode& node);     // one level
    void Select(TreeNode* node);
    void UserSelected(TreeNode* node);
    void DeleteNode(TreeNode& node);
    void DeleteAllNodes();
    void SetQuickSelect() { quickSelect_ = true; }
    void SetEditing(bool editing) { editing_ = editing; }
    bool Editing() const { return editing_; }
    void SetDeferRefresh(bool defer);  // runs a refresh asked for meanwhile when the deferral ends
    void SetIgnoreNextChangeNotify() { ignoreNextChangeNotify_ = true; }
    OwnerWindow Owner();

    // Raises a counter for a scope.
    class Raise {
      public:
        explicit Raise(int& counter) : counter_(counter) { ++counter_; }
        ~Raise() { --counter_; }
        Raise(const Raise&) = delete;
        Raise& operator=(const Raise&) = delete;

      private:
        int& counter_;
    };
    int& IgnoreChanges() { return ignoreChanges_; }
    int& IgnoreErrors() { return ignoreErrors_; }

    std::function<bool(ShellFolder*, const IdList& parentAbs, const IdList& item, std::uint32_t attributes)>
        OnAddItem;
    std::function<void(TreeNode&)> OnInsertItem;
    std::function<void(TreeNode&)> OnDeleteItem;
    std::function<void()> OnFillStart, OnFillComplete;
    std::function<void(TreeNode*)> OnChange;  // the selection changed

  protected:
    void BindView(ShellTreeView* view) { view_ = view ? view : &noView_; }
    ShellTreeView& View() { return *view_; }

  private:
    TreeNode& InsertNode(TreeNode* parent, std::unique_ptr<TreeNode> node);
    void InsertStep(TreeNode& node);
    void SelectionChanged(TreeNode* node);
    void Merge(TreeNode& node, TreeNode*& keep);
    void SetHasChildren(TreeNode& node, bool has);
    void BaseFolderChanged();
    void SelectedLocationChanged();
    std::vector<std::unique_ptr<TreeNode>>& SiblingsOf(TreeNode* parent) {
        return parent ? parent->children : roots_;
    }

    ShellNamespace& ns_;
    ShellTreeView noView_;
    ShellTreeView* view_ = &noView_;
    TRzShellTreeOptions options_ = kDefaultTreeOptions;
    TRzShellLocator baseFolder_;
    TRzShellLocator selectedLocation_;
    std::vector<std::unique_ptr<TreeNode>> roots_;
    TreeNode* selected_ = nullptr;
    TreeNode* lastInserted_ = nullptr;
    int ignoreChanges_ = 0;
    int ignoreErrors_ = 0;
    bool quickSelect_ = false;
    bool deferRefresh_ = false;
    bool refreshDeferred_ = false;
    bool ignoreNextChangeNotify_ = false;
    bool editing_ = false;
    bool eatExpand_ = false;
    TimerTag timerTag_ = kTimerNone;
};

}  // namespace vemora::shell
