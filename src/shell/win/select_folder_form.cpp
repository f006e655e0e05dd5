#include "shell/win/select_folder_form.h"

#include "win/text.h"

namespace vemora::shell::win {
namespace {

constexpr int kClientWidth = 358, kClientHeight = 325;
constexpr int kPanelHeight = 29;
constexpr DWORD kStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME;

RECT BoundsOf(HWND hwnd, HWND parent) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

TRzSelectFolderForm::TRzSelectFolderForm(ShellNamespace& ns) : ShellTree(ns), ns_(ns) {}

TRzSelectFolderForm::~TRzSelectFolderForm() {
    // Children first: the tree reports to this form while it goes.
    if (hwnd()) DestroyWindow(hwnd());
}

bool TRzSelectFolderForm::FormCreate(HWND owner) {
    owner_ = owner;
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    if (!Create(L"TRzSelectFolderForm", L"", kStyle, kExStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                outer.right - outer.left, outer.bottom - outer.top, owner)) {
        return false;
    }
    const HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    font_.reset(CreateFontW(-MulDiv(8, pixelsPerInch, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif"));

    btnNewFolder.Create(hwnd(), 8, 4, 121, 24, "Create Folder");
    btnNewFolder.onClick = [this] { CreateBtnClick(); };
    btnDeleteFolder.Create(hwnd(), 137, 4, 92, 24, "&Delete");
    btnDeleteFolder.onClick = [this] { DeleteBtnClick(); };
    ShellTree.Create(hwnd(), 8, 32, 341, 241);
    ShellTree.SetOptions(0);  // as designed: the picker's options and the show step add what it uses
    ShellTree.OnChange = [this](TreeNode* node) { ShellTreeChange(node); };
    ShellTree.onContextMenu = [this](TreeNode& node, POINT at) { ShowTreeContextMenu(node, at); };
    ButtonPanel.Create(hwnd(), 0, kClientHeight - kPanelHeight, kClientWidth, kPanelHeight);
    btnOk.Create(ButtonPanel.hwnd(), 12, 2, 75, 23, "OK");
    SetWindowLongPtrW(btnOk.hwnd(), GWL_STYLE, GetWindowLongPtrW(btnOk.hwnd(), GWL_STYLE) | BS_DEFPUSHBUTTON);
    btnOk.onClick = [this] { modalResult_ = kModalOk; };
    btnCancel.Create(ButtonPanel.hwnd(), 92, 2, 75, 23, "Cancel");
    btnCancel.onClick = [this] { modalResult_ = kModalCancel; };
    RzStatusBar1.Create(hwnd());
    for (vemora::win::Control* c :
         {static_cast<vemora::win::Control*>(&btnNewFolder),
          static_cast<vemora::win::Control*>(&btnDeleteFolder),
          static_cast<vemora::win::Control*>(&ShellTree), static_cast<vemora::win::Control*>(&btnOk),
          static_cast<vemora::win::Control*>(&btnCancel),
          static_cast<vemora::win::Control*>(&RzStatusBar1)}) {
        c->SetFont(font_.get());
    }
    // FormCreate of the design: the root line shows; the status bar sits below the panel.
    ShellTree.SetShowRoot(true);
    SetFormOptions(Options);
    return true;
}

void TRzSelectFolderForm::SetCaption(const std::string& caption) {
    SetWindowTextW(hwnd(), vemora::win::Widen(caption).c_str());
}

std::string TRzSelectFolderForm::Caption() const {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd(), text, 256);
    return vemora::win::Narrow(text);
}

void TRzSelectFolderForm::SetFormOptions(TRzSelectFolderDialogOptions options) {
    Options = options;
    ShellTree.SetOptions(TreeOptionsFor(ShellTree.Options(), options));
    const ToolButtonSettings buttons = ToolButtonsFor(options);
    ShowWindow(btnNewFolder.hwnd(), buttons.visible ? SW_SHOW : SW_HIDE);
    ShowWindow(btnDeleteFolder.hwnd(), buttons.visible ? SW_SHOW : SW_HIDE);
    btnNewFolder.tag = buttons.newFolderImage;
    btnDeleteFolder.tag = buttons.deleteImage;
    ShellTree.SetReadOnly(buttons.readOnlyTree);
    FormResize();
}

void TRzSelectFolderForm::ApplyCaptions() {
    btnOk.SetText("OK");
    btnCancel.SetText("Cancel");
    btnNewFolder.SetText("Create Folder");
    btnDeleteFolder.SetText("Delete");
    if (Caption().empty()) SetCaption("Browse for Folder");
}

void TRzSelectFolderForm::FormResize() {
    if (!hwnd() || !ShellTree.hwnd()) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    // The bottom-aligned controls: the status bar lowest, the button panel above it.
    SendMessageW(RzStatusBar1.hwnd(), WM_SIZE, 0, 0);
    const int statusTop = RzStatusBar1.Visible() ? BoundsOf(RzStatusBar1.hwnd(), hwnd()).top : client.bottom;
    MoveWindow(ButtonPanel.hwnd(), 0, statusTop - kPanelHeight, client.right, kPanelHeight, TRUE);

    int top = 8;
    if (btnNewFolder.Visible()) {
        top = BoundsOf(btnNewFolder.hwnd(), hwnd()).bottom + 4;
    } else if (btnDeleteFolder.Visible()) {
        top = BoundsOf(btnDeleteFolder.hwnd(), hwnd()).bottom + 4;
    }
    RECT outer{};
    GetWindowRect(hwnd(), &outer);
    const RECT tree = BoundsOf(ShellTree.hwnd(), hwnd());
    const int right = tree.left + (outer.right - outer.left) - 24;
    const int bottom = statusTop - kPanelHeight - 4;
    MoveWindow(ShellTree.hwnd(), tree.left, top, right - tree.left, bottom - top, TRUE);

    const int cancelLeft = client.right - 8 - 75;
    MoveWindow(btnCancel.hwnd(), cancelLeft, 2, 75, 23, TRUE);
    MoveWindow(btnOk.hwnd(), cancelLeft - 8 - 75, 2, 75, 23, TRUE);
    if (TreeNode* node = ShellTree.Selected(); node && node->data) UpdateStatus(node);
}

void TRzSelectFolderForm::UpdateStatus(TreeNode* node) {
    const std::string path = node->data->FileSystemPath();
    RECT bar{};
    GetClientRect(RzStatusBar1.hwnd(), &bar);
    const HDC dc = GetDC(RzStatusBar1.hwnd());
    const HGDIOBJ old = SelectObject(dc, font_.get());
    const auto widthOf = [dc](const std::string& text) {
        const std::wstring wide = vemora::win::Widen(text);
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    };
    RzStatusBar1.SetPanelText(ShortenPath(path, widthOf, bar.right - 20));
    SelectObject(dc, old);
    ReleaseDC(RzStatusBar1.hwnd(), dc);
}

void TRzSelectFolderForm::ShellTreeChange(TreeNode* node) {
    if (!node || !node->data) return;
    UpdateStatus(node);
    const bool hasPath = !node->data->FileSystemPath().empty();
    btnNewFolder.SetEnabled(hasPath);
    btnDeleteFolder.SetEnabled(hasPath && ShellTree.AbsoluteIndex(*node) != 0);
    if (OnSelChange) OnSelChange(*this, node->data->AbsIdList());
}

void TRzSelectFolderForm::CreateBtnClick() {
    ShellTree.CreateNewFolder();
}

void TRzSelectFolderForm::DeleteBtnClick() {
    ShellTree.InvokeNodeVerb(ShellTree.Selected(), "delete");
    ShellTree.RefreshTree();
}

void TRzSelectFolderForm::ShowTreeContextMenu(TreeNode& node, POINT screen) {
    ShellTree.ShowShellContextMenu(node, screen);
}

void TRzSelectFolderForm::PlaceOnScreen() {
    RECT outer{};
    GetWindowRect(hwnd(), &outer);
    int w = outer.right - outer.left, h = outer.bottom - outer.top;
    if (designedBounds.right > 0) w = std::max<int>(designedBounds.right, kMinOuterWidth);
    if (designedBounds.bottom > 0) h = std::max<int>(designedBounds.bottom, kMinOuterHeight);
    int x = 0, y = 0;
    if (Position == TPosition::poDesigned) {
        x = designedBounds.left;
        y = designedBounds.top;
    } else {
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        x = work.left + (work.right - work.left - w) / 2;
        y = work.top + (work.bottom - work.top - h) / 2;
    }
    SetWindowPos(hwnd(), nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

int TRzSelectFolderForm::ShowModal() {
    modalResult_ = 0;
    const bool disableOwner = owner_ && IsWindowEnabled(owner_);
    if (disableOwner) EnableWindow(owner_, FALSE);
    PlaceOnScreen();
    ShowWindow(hwnd(), WindowState == TWindowState::wsMaximized   ? SW_SHOWMAXIMIZED
                       : WindowState == TWindowState::wsMinimized ? SW_SHOWMINIMIZED
                                                                  : SW_SHOWNORMAL);
    SetForegroundWindow(hwnd());
    SetFocus(ShellTree.hwnd());
    const HCURSOR waiting = SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    FormShow();
    MSG msg{};
    while (modalResult_ == 0 && IsWindow(hwnd())) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // the application's end
            modalResult_ = kModalCancel;
            break;
        }
        if (IsDialogMessageW(hwnd(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (disableOwner) EnableWindow(owner_, TRUE);
    if (OnFormClose) OnFormClose(*this);
    if (IsWindow(hwnd())) ShowWindow(hwnd(), SW_HIDE);
    SetCursor(waiting);
    return modalResult_;
}

void TRzSelectFolderForm::FormShow() {
    ShellTree.SetOptions(ShellTree.Options() | stoAutoFill);
    ShellTree.FillTree();
    ApplyCaptions();
    if (OnFormShow) OnFormShow(*this);
}

LRESULT TRzSelectFolderForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_.get());
        case WM_SIZE:
            FormResize();
            return 0;
        case WM_GETMINMAXINFO: {
            auto& info = *reinterpret_cast<MINMAXINFO*>(lp);
            info.ptMinTrackSize = {kMinOuterWidth, kMinOuterHeight};
            return 0;
        }
        case WM_CLOSE:
            modalResult_ = kModalCancel;
            return 0;
        case WM_COMMAND:
            // Enter and Escape, as IsDialogMessage reports them.
            if (lp == 0 && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
                modalResult_ = LOWORD(wp) == IDOK ? kModalOk : kModalCancel;
                return 0;
            }
            break;
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace vemora::shell::win
