// The shell tree bound to a real tree-view control: the system's small icons looked up on
// first draw, the unfocused selection outlined, background by state, wheel scrolling.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <functional>
#include <memory>

#include "shell/shell_tree.h"
#include "shell/win/change_handler_thread.h"
#include "shell/win/com_ptr.h"
#include "win/controls/control.h"

namespace vemora::shell::win {

class TRzShellTree : public vemora::win::Control, public TRzCustomShellTree, private ShellTreeView {
  public:
    static constexpr UINT kChangeNotifyMessage = WM_USER + 101;  // 1125, from the watcher thread
    static constexpr UINT kAutoFillMessage = WM_USER + 103;      // 1127, posted by a new window

    explicit TRzShellTree(ShellNamespace& ns);
    ~TRzShellTree() override;

    bool Create(HWND parent, int x, int y, int w, int h);
    TreeNode* NodeOf(HTREEITEM item) const;
    HTREEITEM ItemOf(const TreeNode& node) const { return static_cast<HTREEITEM>(node.viewItem); }
    void SetReadOnly(bool readOnly);
    bool ReadOnly() const { return readOnly_; }
    void SetShowRoot(bool show);

    COLORREF DisabledColor = GetSysColor(COLOR_BTNFACE);
    COLORREF FocusColor = GetSysColor(COLOR_WINDOW);

    // Commands on the items (context menu, rename); the picker's window implements them.
    std::function<void(TreeNode&, POINT screen)> onContextMenu;

    // Commands on the items.
    void ShowShellContextMenu(TreeNode& node, POINT screen);
    // Runs a verb of the item's context menu; 1 when nothing was done.
    HResult InvokeNodeVerb(TreeNode* node, const std::string& verb);
    HResult InvokeNodeVerb(TreeNode* node, int offset);
    bool CreateNewFolder();
    void StartRename(TreeNode& node);

    std::function<void(const std::string&)> OnPopupHint;
    std::function<void(const std::string&)> onWarning;  // a warning box unless replaced

    bool OnNotify(const NMHDR& header, LRESULT& result) override;

  protected:
    LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    // ShellTreeView
    void BeginUpdate() override;
    void EndUpdate() override;
    void Inserted(TreeNode& node) override;
    void Deleting(TreeNode& node) override;
    void Changed(TreeNode& node) override;
    void Sorted(TreeNode* parent) override;
    void Expanded(TreeNode& node) override;
    void ShowSelection(TreeNode* node) override;
    void MakeVisible(TreeNode& node) override;
    void WaitCursor(bool on) override;
    OwnerWindow TopLevelOwner() override;
    void StartTimer(int ms) override;
    void StopTimer() override;
    void WatchDrives() override;
    void StopWatching() override;

    bool DefaultKey(WPARAM key);

    void SetItemState(const TreeNode& node, TVITEMW& item) const;
    void ApplyBackground();
    void OutlineSelection();
    bool ItemExpanding(const NMTREEVIEWW& info);
    void ShowContextMenuFor(TreeNode* node, POINT screen);
    bool ForwardMenuMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    ComPtr<IContextMenu> ContextMenuOf(TreeNode& node);
    HResult InvokeOffset(IContextMenu& menu, int offset);

    ComPtr<IContextMenu> activeMenu_;                // while its popup is open
    std::unique_ptr<TChangeHandlerThread> watcher_;  // only with stoDynamicRefresh
    int deviceTicket_ = 0;

    int updates_ = 0;
    int syncing_ = 0;  // the control reacts to the model, not the user
    int waits_ = 0;
    HCURSOR savedCursor_ = nullptr;
    int wheelDelta_ = 0;
    bool readOnly_ = false;
};

}  // namespace vemora::shell::win
