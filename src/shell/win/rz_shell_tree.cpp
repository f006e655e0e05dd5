#include "shell/win/rz_shell_tree.h"

#include <windowsx.h>

#include <unordered_map>

#include "shell/drive_watch.h"
#include "shell/shell_keys.h"
#include "shell/shell_ops.h"
#include "shell/win/device_change_handler.h"
#include "shell/win/windows_namespace.h"
#include "win/text.h"

namespace vemora::shell::win {
namespace {

class Syncing {
  public:
    explicit Syncing(int& counter) : counter_(counter) { ++counter_; }
    ~Syncing() { --counter_; }
    Syncing(const Syncing&) = delete;
    Syncing& operator=(const Syncing&) = delete;

  private:
    int& counter_;
};

int CALLBACK ComparePositions(LPARAM a, LPARAM b, LPARAM positions) {
    const auto& at = *reinterpret_cast<const std::unordered_map<LPARAM, int>*>(positions);
    return at.at(a) - at.at(b);
}

void ForgetItems(TreeNode& node) {
    node.viewItem = nullptr;
    for (auto& child : node.children) ForgetItems(*child);
}

}  // namespace

TRzShellTree::TRzShellTree(ShellNamespace& ns) : TRzCustomShellTree(ns) {
    deviceTicket_ = TRzDeviceChangeHandler::Instance().Register(
        [this](std::uint32_t event, std::uintptr_t) { DeviceChanged(event); });
}

TRzShellTree::~TRzShellTree() {
    TRzDeviceChangeHandler::Instance().Unregister(deviceTicket_);
    // The window goes first, while the logic it reports to is still whole.
    if (hwnd() && IsWindow(hwnd())) DestroyWindow(hwnd());
}

bool TRzShellTree::Create(HWND parent, int x, int y, int w, int h) {
    const DWORD style =
        WS_TABSTOP | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_SHOWSELALWAYS | TVS_EDITLABELS;
    if (!CreateControl(WC_TREEVIEWW, "", style, 0, x, y, w, h, parent)) return false;
    TreeView_SetIndent(hwnd(), 19);
    TreeView_SetImageList(hwnd(), SystemImageList(true), TVSIL_NORMAL);
    BindView(this);
    ApplyBackground();
    // Nodes do not outlive a window, so a new window of an auto-filling tree fills itself
    // once the caller has finished setting it up.
    if ((Options() & stoAutoFill) && Items().empty()) PostMessageW(hwnd(), kAutoFillMessage, 0, 0);
    return true;
}

TreeNode* TRzShellTree::NodeOf(HTREEITEM item) const {
    if (!item) return nullptr;
    TVITEMW info{TVIF_PARAM};
    info.hItem = item;
    if (!TreeView_GetItem(hwnd(), &info)) return nullptr;
    return reinterpret_cast<TreeNode*>(info.lParam);
}

void TRzShellTree::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
}

void TRzShellTree::SetShowRoot(bool show) {
    LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    style = show ? (style | TVS_LINESATROOT) : (style & ~TVS_LINESATROOT);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, style);
}

void TRzShellTree::SetItemState(const TreeNode& node, TVITEMW& item) const {
    item.mask |= TVIF_STATE | TVIF_CHILDREN;
    item.stateMask = TVIS_OVERLAYMASK | TVIS_CUT;
    item.state = INDEXTOOVERLAYMASK(node.overlay + 1) | (node.cut ? TVIS_CUT : 0);
    item.cChildren = node.hasChildren || !node.children.empty() ? 1 : 0;
}

void TRzShellTree::BeginUpdate() {
    if (updates_++ == 0 && hwnd()) SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
}

void TRzShellTree::EndUpdate() {
    if (--updates_ == 0 && hwnd()) {
        SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd(), nullptr, TRUE);
    }
}

void TRzShellTree::Inserted(TreeNode& node) {
    if (!hwnd()) return;
    Syncing syncing(syncing_);
    const std::wstring text = vemora::win::Widen(node.text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = node.parent ? ItemOf(*node.parent) : TVI_ROOT;
    // After the node before it in the model, not TVI_LAST: Wine walks every sibling to find
    // the last one, which made filling a folder of 5,000 subfolders quadratic.
    const auto& siblings = node.parent ? node.parent->children : Items();
    const TreeNode* before =
        siblings.size() > 1 && siblings.back().get() == &node ? siblings[siblings.size() - 2].get() : nullptr;
    insert.hInsertAfter = before && before->viewItem ? ItemOf(*before) : TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.lParam = reinterpret_cast<LPARAM>(&node);
    insert.item.iImage = I_IMAGECALLBACK;
    insert.item.iSelectedImage = I_IMAGECALLBACK;
    SetItemState(node, insert.item);
    node.viewItem = TreeView_InsertItem(hwnd(), &insert);
}

void TRzShellTree::Deleting(TreeNode& node) {
    if (!hwnd() || !node.viewItem) return;
    Syncing syncing(syncing_);
    TreeView_DeleteItem(hwnd(), ItemOf(node));
    ForgetItems(node);
}

void TRzShellTree::Changed(TreeNode& node) {
    if (!hwnd() || !node.viewItem) return;
    Syncing syncing(syncing_);
    const std::wstring text = vemora::win::Widen(node.text);
    TVITEMW item{TVIF_TEXT};
    item.hItem = ItemOf(node);
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SetItemState(node, item);
    TreeView_SetItem(hwnd(), &item);
}

void TRzShellTree::Sorted(TreeNode* parent) {
    if (!hwnd()) return;
    Syncing syncing(syncing_);
    const auto& children = parent ? parent->children : Items();
    std::unordered_map<LPARAM, int> positions;
    for (std::size_t i = 0; i < children.size(); ++i) {
        positions[reinterpret_cast<LPARAM>(children[i].get())] = static_cast<int>(i);
    }
    TVSORTCB sort{};
    sort.hParent = parent ? ItemOf(*parent) : TVI_ROOT;
    sort.lpfnCompare = &ComparePositions;
    sort.lParam = reinterpret_cast<LPARAM>(&positions);
    TreeView_SortChildrenCB(hwnd(), &sort, FALSE);
}

void TRzShellTree::Expanded(TreeNode& node) {
    if (!hwnd() || !node.viewItem) return;
    Syncing syncing(syncing_);
    TreeView_Expand(hwnd(), ItemOf(node), TVE_EXPAND);
}

void TRzShellTree::ShowSelection(TreeNode* node) {
    if (!hwnd()) return;
    Syncing syncing(syncing_);
    TreeView_SelectItem(hwnd(), node ? ItemOf(*node) : nullptr);
}

void TRzShellTree::MakeVisible(TreeNode& node) {
    if (!hwnd() || !node.viewItem) return;
    Syncing syncing(syncing_);
    const HTREEITEM item = ItemOf(node);
    TreeView_EnsureVisible(hwnd(), item);
    // Scrolled down to, the node would sit on the last line with nothing of its place below
    // it: bring it up to the middle, as far as the tree reaches.
    const int lines = static_cast<int>(TreeView_GetVisibleCount(hwnd()));
    int row = 0;
    for (HTREEITEM at = TreeView_GetFirstVisible(hwnd()); at && at != item && row <= lines;
         at = TreeView_GetNextVisible(hwnd(), at)) {
        ++row;
    }
    for (int i = lines / 2; i < row && i <= lines; ++i) SendMessageW(hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
}

void TRzShellTree::WaitCursor(bool on) {
    if (on) {
        if (waits_++ == 0) savedCursor_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    } else if (--waits_ == 0) {
        SetCursor(savedCursor_);
    }
}

OwnerWindow TRzShellTree::TopLevelOwner() {
    return reinterpret_cast<OwnerWindow>(hwnd() ? GetAncestor(hwnd(), GA_ROOT) : nullptr);
}

void TRzShellTree::StartTimer(int ms) {
    if (hwnd()) SetTimer(hwnd(), 1, static_cast<UINT>(ms), nullptr);
}

void TRzShellTree::StopTimer() {
    if (hwnd()) KillTimer(hwnd(), 1);
}

namespace {

// A network drive counts as connected unless the network library says otherwise (or is
// missing: then it is tried like a local drive).
bool Connected(char letter) {
    static const auto get = [] {
        using Get = DWORD(WINAPI*)(LPCWSTR, LPWSTR, LPDWORD);
        const HMODULE mpr = LoadLibraryW(L"mpr.dll");  // kept for the process: the pointer lives on
        return mpr ? reinterpret_cast<Get>(reinterpret_cast<void*>(GetProcAddress(mpr, "WNetGetConnectionW")))
                   : nullptr;
    }();
    if (!get) return true;
    const wchar_t drive[] = {static_cast<wchar_t>(letter), L':', 0};
    wchar_t remote[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    return get(drive, remote, &size) != ERROR_CONNECTION_UNAVAIL;
}

}  // namespace

void TRzShellTree::WatchDrives() {
    if (!hwnd()) return;
    if (!watcher_) watcher_ = std::make_unique<TChangeHandlerThread>(hwnd(), kChangeNotifyMessage);
    watcher_->RemoveAll();
    const auto roots = DriveRootsToWatch(
        GetLogicalDrives(),
        [](const std::string& root) { return static_cast<int>(GetDriveTypeA(root.c_str())); }, Connected);
    const DWORD filter = WatchFilter(Options() & stoIncludeNonFolders);
    for (const auto& root : roots) watcher_->AddWatch(vemora::win::Widen(root), true, filter);
}

void TRzShellTree::StopWatching() {
    if (watcher_) watcher_->RemoveAll();
}

bool TRzShellTree::DefaultKey(WPARAM key) {
    if (!(Options() & stoDefaultKeyHandling) || Editing() || key > 0xFF) return false;
    ShortCut pressed = static_cast<ShortCut>(key);
    if (GetKeyState(VK_SHIFT) & 0x8000) pressed |= kScShift;
    if (GetKeyState(VK_CONTROL) & 0x8000) pressed |= kScCtrl;
    if (GetKeyState(VK_MENU) & 0x8000) pressed |= kScAlt;
    TreeNode* node = Selected();
    switch (DefaultKeyAction(pressed)) {
        case TreeKeyAction::kNone:
            return false;
        case TreeKeyAction::kRename:
            if (node) StartRename(*node);
            break;
        case TreeKeyAction::kRefresh:
            RefreshTree();
            break;
        case TreeKeyAction::kCut:
            InvokeNodeVerb(node, "cut");
            break;
        case TreeKeyAction::kCopy:
            InvokeNodeVerb(node, "copy");
            break;
        case TreeKeyAction::kPaste:
            InvokeNodeVerb(node, "paste");
            RefreshTree();
            break;
        case TreeKeyAction::kDelete:
            InvokeNodeVerb(node, "delete");
            RefreshTree();
            break;
    }
    return true;
}

void TRzShellTree::ApplyBackground() {
    if (!hwnd()) return;
    const COLORREF color = !IsWindowEnabled(hwnd()) ? DisabledColor
                           : GetFocus() == hwnd()   ? FocusColor
                                                    : GetSysColor(COLOR_WINDOW);
    TreeView_SetBkColor(hwnd(), color);
}

void TRzShellTree::OutlineSelection() {
    const HTREEITEM selected = TreeView_GetSelection(hwnd());
    if (!selected || GetFocus() == hwnd()) return;
    RECT label{};
    if (!TreeView_GetItemRect(hwnd(), selected, &label, TRUE)) return;
    HDC dc = GetDC(hwnd());
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, label.left, label.top, label.right, label.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    ReleaseDC(hwnd(), dc);
}

bool TRzShellTree::ItemExpanding(const NMTREEVIEWW& info) {
    if (syncing_ > 0 || info.action != TVE_EXPAND) return true;
    TreeNode* node = reinterpret_cast<TreeNode*>(info.itemNew.lParam);
    if (!node) return true;
    const bool allowed = CanExpand(*node);
    if (allowed) node->expanded = !node->children.empty();
    if (node->children.empty()) Changed(*node);  // the button shows what was found
    return allowed;
}

void TRzShellTree::ShowContextMenuFor(TreeNode* node, POINT screen) {
    if (node && onContextMenu && (Options() & stoContextMenus)) onContextMenu(*node, screen);
}

bool TRzShellTree::OnNotify(const NMHDR& header, LRESULT& result) {
    switch (header.code) {
        case TVN_ITEMEXPANDINGW:
            result = ItemExpanding(reinterpret_cast<const NMTREEVIEWW&>(header)) ? FALSE : TRUE;
            return true;
        case TVN_ITEMEXPANDEDW: {
            const auto& info = reinterpret_cast<const NMTREEVIEWW&>(header);
            if (TreeNode* node = reinterpret_cast<TreeNode*>(info.itemNew.lParam)) {
                if (syncing_ == 0 && info.action == TVE_COLLAPSE) node->expanded = false;
            }
            result = 0;
            return true;
        }
        case TVN_SELCHANGEDW: {
            const auto& info = reinterpret_cast<const NMTREEVIEWW&>(header);
            if (syncing_ == 0) UserSelected(reinterpret_cast<TreeNode*>(info.itemNew.lParam));
            result = 0;
            return true;
        }
        case TVN_GETDISPINFOW: {
            auto& info = const_cast<NMTVDISPINFOW&>(reinterpret_cast<const NMTVDISPINFOW&>(header));
            if (TreeNode* node = reinterpret_cast<TreeNode*>(info.item.lParam)) {
                if (info.item.mask & TVIF_IMAGE) info.item.iImage = ImageIndexOf(*node, false);
                // The open icon only for the selected node: each lookup is a trip to the shell
                // (about 10 ms under Wine), and the view asks again once a node is selected.
                if (info.item.mask & TVIF_SELECTEDIMAGE) {
                    info.item.iSelectedImage = node == Selected() || node->selectedIndex != 0
                                                   ? ImageIndexOf(*node, true)
                                                   : ImageIndexOf(*node, false);
                }
            }
            result = 0;
            return true;
        }
        case TVN_BEGINLABELEDITW: {
            const auto& info = reinterpret_cast<const NMTVDISPINFOW&>(header);
            TreeNode* node = reinterpret_cast<TreeNode*>(info.item.lParam);
            const bool allowed = !readOnly_ && node && node->data && node->data->CanRename();
            if (allowed) {
                SetEditing(true);
                SetDeferRefresh(true);
                if (HWND edit = TreeView_GetEditControl(hwnd())) {
                    const std::string name = DisplayNameOf(Namespace(), node->data->ContainingFolder().get(),
                                                           node->data->RelIdList(), 3);
                    SetWindowTextW(edit, vemora::win::Widen(name).c_str());
                }
            }
            result = allowed ? FALSE : TRUE;
            return true;
        }
        case TVN_ENDLABELEDITW: {
            const auto& info = reinterpret_cast<const NMTVDISPINFOW&>(header);
            SetEditing(false);
            TreeNode* node = reinterpret_cast<TreeNode*>(info.item.lParam);
            if (node && info.item.pszText) RenameNode(*node, vemora::win::Narrow(info.item.pszText));
            SetDeferRefresh(false);
            result = FALSE;  // the node text is set by the rename itself
            return true;
        }
        case NM_RCLICK: {
            POINT screen{};
            GetCursorPos(&screen);
            TVHITTESTINFO hit{};
            hit.pt = screen;
            ScreenToClient(hwnd(), &hit.pt);
            TreeNode* node = NodeOf(TreeView_HitTest(hwnd(), &hit));
            if (!node || !(hit.flags & TVHT_ONITEM)) node = Selected();
            ShowContextMenuFor(node, screen);
            result = TRUE;
            return true;
        }
        case NM_CUSTOMDRAW: {
            const auto& draw = reinterpret_cast<const NMTVCUSTOMDRAW&>(header);
            const HIMAGELIST images = TreeView_GetImageList(hwnd(), TVSIL_NORMAL);
            static COLORREF saved = CLR_NONE;
            if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
                if (images) saved = ImageList_SetBkColor(images, TreeView_GetBkColor(hwnd()));
                result = CDRF_NOTIFYPOSTPAINT;
            } else if (draw.nmcd.dwDrawStage == CDDS_POSTPAINT) {
                if (images) ImageList_SetBkColor(images, saved);
                OutlineSelection();
                result = CDRF_DODEFAULT;
            } else {
                result = CDRF_DODEFAULT;
            }
            return true;
        }
    }
    return false;
}

LRESULT TRzShellTree::SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (LRESULT result = 0; ForwardMenuMessage(msg, wp, lp, result)) return result;
    switch (msg) {
        case WM_LBUTTONDOWN:
            SetQuickSelect();
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            const LRESULT result = Control::SubclassMessage(msg, wp, lp);
            ApplyBackground();
            InvalidateRect(hwnd(), nullptr, FALSE);
            return result;
        }
        case WM_ENABLE:
            ApplyBackground();
            break;
        case WM_MOUSEWHEEL: {
            UINT lines = 3;
            SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
            wheelDelta_ += GET_WHEEL_DELTA_WPARAM(wp);
            for (; wheelDelta_ >= WHEEL_DELTA; wheelDelta_ -= WHEEL_DELTA) {
                for (UINT i = 0; i < lines; ++i) SendMessageW(hwnd(), WM_VSCROLL, SB_LINEUP, 0);
            }
            for (; wheelDelta_ <= -WHEEL_DELTA; wheelDelta_ += WHEEL_DELTA) {
                for (UINT i = 0; i < lines; ++i) SendMessageW(hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
            }
            return 0;
        }
        case WM_KEYDOWN: {
            if (wp == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000)) {
                SendMessageW(hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd()), MAKELPARAM(-1, -1));
                return 0;
            }
            // The view's own handling first; then the command keys.
            const LRESULT result = Control::SubclassMessage(msg, wp, lp);
            DefaultKey(wp);
            return result;
        }
        case WM_TIMER:
            if (wp == 1) {
                TimerFired();
                return 0;
            }
            break;
        case kChangeNotifyMessage:
            ChangeNotified(GetFocus() == hwnd());
            return 0;
        case kAutoFillMessage:
            if (Items().empty()) FillTree();
            return 0;
        case WM_CONTEXTMENU:
            if (wp == reinterpret_cast<WPARAM>(hwnd()) && GET_X_LPARAM(lp) == -1 && GET_Y_LPARAM(lp) == -1) {
                // The Applications key or Shift+F10: the selected node, at the centre of its label.
                if (TreeNode* node = Selected(); node && node->viewItem) {
                    RECT label{};
                    TreeView_GetItemRect(hwnd(), ItemOf(*node), &label, TRUE);
                    POINT centre{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
                    ClientToScreen(hwnd(), &centre);
                    ShowContextMenuFor(node, centre);
                }
                return 0;
            }
            break;
        case WM_DESTROY: {
            // Nodes and watches do not outlive the window.
            watcher_.reset();
            KillTimer(hwnd(), 1);
            BindView(nullptr);
            for (auto& root : Items()) ForgetItems(*root);
            DeleteAllNodes();
            break;
        }
    }
    return Control::SubclassMessage(msg, wp, lp);
}

}  // namespace vemora::shell::win
