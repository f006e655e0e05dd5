// The commands on the tree's items: the shell's context menu, verbs, renaming and new
// folders.
#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "shell/new_folder.h"
#include "shell/win/rz_shell_tree.h"
#include "shell/win/windows_namespace.h"
#include "win/handles.h"
#include "win/text.h"

namespace vemora::shell::win {
namespace {

constexpr UINT kFirstCommand = 1000, kLastCommand = 0x7FFF, kRenameOffset = 18;

HWND Hwnd(OwnerWindow owner) {
    return reinterpret_cast<HWND>(owner);
}

// Fills a popup with the item's shell commands; throws when the shell cannot.
vemora::win::UniqueMenu FillMenu(IContextMenu& menu, UINT flags, ShellNamespace& ns) {
    vemora::win::UniqueMenu popup(CreatePopupMenu());
    const HRESULT hr = menu.QueryContextMenu(popup.get(), 0, kFirstCommand, kLastCommand, flags);
    if (FAILED(hr)) throw ShellError(ns.ErrorText(hr), hr);
    return popup;
}

}  // namespace

ComPtr<IContextMenu> TRzShellTree::ContextMenuOf(TreeNode& node) {
    ComPtr<IContextMenu> menu;
    if (!node.data || !node.data->AbsIdList().HasItems()) return menu;
    const auto containing = node.data->ContainingFolder();
    auto* folder = dynamic_cast<WindowsFolder*>(containing.get());
    if (!folder) return menu;
    LPCITEMIDLIST items[] = {Pidl(node.data->RelIdList())};
    folder->get()->GetUIObjectOf(Hwnd(Owner()), 1, items, IID_IContextMenu, nullptr, menu.PutVoid());
    return menu;
}

HResult TRzShellTree::InvokeOffset(IContextMenu& menu, int offset) {
    CMINVOKECOMMANDINFO info{};
    info.cbSize = sizeof(info);
    info.hwnd = Hwnd(Owner());
    info.lpVerb = MAKEINTRESOURCEA(offset);
    info.nShow = SW_SHOWNORMAL;
    return menu.InvokeCommand(&info);
}

void TRzShellTree::ShowShellContextMenu(TreeNode& node, POINT screen) {
    ComPtr<IContextMenu> menu = ContextMenuOf(node);
    if (!menu) return;
    const UINT flags = CMF_EXPLORE | (ReadOnly() ? 0 : CMF_CANRENAME);
    vemora::win::UniqueMenu popup = FillMenu(*menu.get(), flags, Namespace());
    struct Active {
        TRzShellTree& tree;
        ~Active() {
            tree.activeMenu_.reset();
            tree.SetDeferRefresh(false);  // runs a refresh asked for meanwhile
        }
    } active{*this};
    SetDeferRefresh(true);
    activeMenu_ = menu;
    const UINT command =
        TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd(), nullptr);
    if (command == kFirstCommand + kRenameOffset) {
        StartRename(node);
    } else if (command >= kFirstCommand) {
        InvokeOffset(*menu.get(), static_cast<int>(command - kFirstCommand));
        SetDeferRefresh(false);
        RefreshTree();
    }
}

bool TRzShellTree::ForwardMenuMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (!activeMenu_) return false;
    switch (msg) {
        case WM_INITMENUPOPUP:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_MENUCHAR: {
            ComPtr<IContextMenu3> menu3;
            if (SUCCEEDED(activeMenu_->QueryInterface(IID_IContextMenu3, menu3.PutVoid())) && menu3) {
                LRESULT answer = 0;
                if (SUCCEEDED(menu3->HandleMenuMsg2(msg, wp, lp, &answer))) {
                    result = answer;
                    return true;
                }
            }
            ComPtr<IContextMenu2> menu2;
            if (msg != WM_MENUCHAR &&
                SUCCEEDED(activeMenu_->QueryInterface(IID_IContextMenu2, menu2.PutVoid())) && menu2 &&
                SUCCEEDED(menu2->HandleMenuMsg(msg, wp, lp))) {
                result = msg == WM_INITMENUPOPUP ? 0 : TRUE;
                return true;
            }
            return false;
        }
        case WM_MENUSELECT: {
            std::string hint;
            const UINT id = LOWORD(wp), flags = HIWORD(wp);
            if (id >= kFirstCommand && !(flags & (MF_POPUP | MF_SEPARATOR))) {
                char text[MAX_PATH] = {};
                if (SUCCEEDED(activeMenu_->GetCommandString(id - kFirstCommand, GCS_HELPTEXTA, nullptr, text,
                                                            MAX_PATH))) {
                    hint = vemora::win::FromAnsi(text);
                }
            }
            if (OnPopupHint) OnPopupHint(hint);
            return false;
        }
    }
    return false;
}

HResult TRzShellTree::InvokeNodeVerb(TreeNode* node, const std::string& verb) {
    if (!node || !node->parent || !node->data) return 1;
    ComPtr<IContextMenu> menu = ContextMenuOf(*node);
    if (!menu) throw ShellError(Namespace().ErrorText(E_NOINTERFACE), E_NOINTERFACE);
    int offset = -1;
    {
        vemora::win::UniqueMenu popup = FillMenu(*menu.get(), CMF_EXPLORE, Namespace());
        const int count = GetMenuItemCount(popup.get());
        for (int i = 0; i < count && offset < 0; ++i) {
            const UINT id = GetMenuItemID(popup.get(), i);
            if (id == UINT(-1) || id < kFirstCommand) continue;
            char text[MAX_PATH] = {};
            if (SUCCEEDED(menu->GetCommandString(id - kFirstCommand, GCS_VERBA, nullptr, text, MAX_PATH)) &&
                _stricmp(text, verb.c_str()) == 0) {
                offset = static_cast<int>(id - kFirstCommand);
            }
        }
    }
    // A verb the item does not offer runs nothing (its first command would be a surprise).
    if (offset < 0) return 1;
    return InvokeNodeVerb(node, offset);
}

HResult TRzShellTree::InvokeNodeVerb(TreeNode* node, int offset) {
    if (!node || !node->parent || !node->data) return 1;
    ComPtr<IContextMenu> menu = ContextMenuOf(*node);
    if (!menu) throw ShellError(Namespace().ErrorText(E_NOINTERFACE), E_NOINTERFACE);
    {
        // The shell's commands need the menu filled before they are invoked.
        vemora::win::UniqueMenu popup = FillMenu(*menu.get(), CMF_EXPLORE, Namespace());
    }
    const HResult hr = InvokeOffset(*menu.get(), offset);
    RefreshTree();
    return hr;
}

void TRzShellTree::StartRename(TreeNode& node) {
    if (node.viewItem) {
        SetFocus(hwnd());
        TreeView_EditLabel(hwnd(), ItemOf(node));
    }
}

bool TRzShellTree::CreateNewFolder() {
    TreeNode* parent = Selected();
    const std::string parentPath = parent && parent->data ? parent->data->FileSystemPath() : std::string();
    SetIgnoreNextChangeNotify();
    const auto warn = [this](const std::string& text) {
        if (onWarning) {
            onWarning(text);
        } else {
            MessageBoxW(Hwnd(TopLevelOwner()), vemora::win::Widen(text).c_str(), L"", MB_OK | MB_ICONWARNING);
        }
    };
    const std::string name = CreateNewFolderIn(Namespace(), parentPath, warn);
    if (name.empty()) return false;
    // The shell may take a moment to see the folder: look again until it does, within the
    // time it is given (longer for the desktop), instead of always waiting that long.
    const IdList& location = SelectedLocation().ItemIdList();
    const ULONGLONG deadline = GetTickCount64() + (location.HasItems() ? 1000 : 2100);
    const HCURSOR saved = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    TreeNode* created = nullptr;
    for (;;) {
        RefreshTree();
        if (TreeNode* selected = Selected()) {
            CanExpand(*selected);
            Expand(*selected);
            for (auto& child : selected->children) {
                if (child->text == name) created = child.get();
            }
        }
        if (created || GetTickCount64() >= deadline) break;
        Sleep(100);
    }
    SetCursor(saved);
    if (created) StartRename(*created);
    return true;
}

}  // namespace vemora::shell::win
