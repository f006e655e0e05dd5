// Creation, layout and the window-level commands of the main window.
#include "app/win/form_vemora.h"

#include "app/win/app_info.h"
#include "app/win/resource.h"
#include "core/version_tag.h"
#include "shell/win/select_folder_dialog.h"
#include "shell/win/windows_namespace.h"
#include "skin/draw/copy_rect.h"
#include "skin/draw/win/dib_section.h"
#include "win/text.h"

namespace vemora {
namespace {

constexpr char kCaption[] = "Vemora V$V$(目录监视专家)";
constexpr int kPanelHeight = 201;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

std::string ExecutableDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return win::Narrow(path.substr(0, path.find_last_of(L'\\') + 1));
}

}  // namespace

TFormVemora::TFormVemora(FormOptions options)
    : ckMonitorFileName(eventBoxes[0]),
      ckMonitorDirName(eventBoxes[1]),
      ckMonitorAttributes(eventBoxes[2]),
      ckMonitorSize(eventBoxes[3]),
      ckMonitorLastWrite(eventBoxes[4]),
      ckMonitorLastAccess(eventBoxes[5]),
      ckMonitorCreationDate(eventBoxes[6]),
      ckMonitorSecurity(eventBoxes[7]),
      RzURLLabel4(options.urlLauncher ? *options.urlLauncher : SystemUrlLauncher()),
      RzURLLabel1(options.urlLauncher ? *options.urlLauncher : SystemUrlLauncher()),
      ui_(options.ui ? *options.ui : SystemUi()),
      trayShell_(options.trayShell ? *options.trayShell : SystemNotifyIconShell()),
      quitOnDestroy_(options.quitOnDestroy),
      FAppDir(options.appDir.empty() ? ExecutableDirectory() : options.appDir),
      settings_(win::Widen(FAppDir + "Vemora.ini")),
      faults_(std::move(options.faults)),
      clock_(std::move(options.clock)),
      maxRows_(std::max<size_t>(options.maxRows, 1)) {}

TFormVemora::~TFormVemora() {
    if (watch_) watch_->Stop();
    TrayIcon.reset();
    Destroy();
}

bool TFormVemora::FormCreate() {
    RECT frame{0, 0, Scale(kClientWidth), Scale(kClientHeight)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    appIcon_.reset(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_VEMORA), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
    if (!Create(L"TFormVemora", win::Widen(kCaption).c_str(), kStyle, kExStyle,
                work.left + (work.right - work.left - width) / 2,
                work.top + (work.bottom - work.top - height) / 2, width, height, nullptr, appIcon_.get())) {
        return false;
    }

    AttachFrame();
    CreateControls();
    LoadSkin();  // as a form's references are resolved once all its components exist
    FitWindowToClient();
    CreateTrayIcon();  // the form's components are read: the tray icon shows itself

    FUpdateURL = kUpdateUrl;
    LoadSettings();
    RegisterMainHotKey();
    watch_ = std::make_unique<DirectoryWatch>(hwnd(), kWatchCompleted, faults_.watchCompletion);
    FLoading = true;
    FMsgNoEvents = "未选择监视选项!";
    FMsgConfirmExit = "您确认要退出目录监视软件?";
    ReadLocaleFormats();
    if (FRemember) ApplySettings();
    if (!FShowTray) SetTrayIconEnabled(false);
    FLoading = false;

    SetWindowTextW(
        hwnd(), win::Widen(ReplaceVersionTag(win::Narrow(L"Vemora V$V$(目录监视专家)"), kVersion)).c_str());
    Label2.SetText(ReplaceVersionTag(Label2.Text(), kVersion));
    return true;
}

void TFormVemora::Show() {
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
}

void TFormVemora::ReadLocaleFormats() {
    const auto read = [](LCTYPE type, std::string& into) {
        wchar_t buffer[80] = {};
        if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, static_cast<int>(std::size(buffer))) > 1) {
            into = win::Narrow(buffer);
        }
    };
    read(LOCALE_SSHORTDATE, formats_.shortDate);
    read(LOCALE_STIMEFORMAT, formats_.longTime);
    read(LOCALE_S1159, formats_.am);
    read(LOCALE_S2359, formats_.pm);
}

void TFormVemora::CreateControls() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    font_.reset(CreateFontW(-Scale(11), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                            L"Arial"));
    listFont_.reset(CreateFontW(-Scale(11), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                L"MS Sans Serif"));
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    spSkinHint1 = std::make_unique<skin::TspSkinHint>(hwnd());
    spSkinHint1->SetSkinData(&spSkinData1);
    ImageMsg.Load(instance, IDB_IMAGEMSG, 16);
    const win::UniqueBitmap glyphBitmap(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDB_GLYPHS), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const skin::DibSection glyphSection = skin::DibSection::FromBitmap(glyphBitmap.get());
    const skin::Image24 glyphStrip = glyphSection.View();

    spSkinPanel1.Create(hwnd(), 0, 0, Scale(kClientWidth), Scale(kPanelHeight));
    const HWND panel = spSkinPanel1.hwnd();
    SendMessageW(panel, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    spSkinLabel1.Create(panel, Scale(5), Scale(3), Scale(55), Scale(21), "监视目录:");
    spSkinLabel1.SetAutoSize(true);
    // The label reaches into the edit below it; the edit's frame stays in front.
    SetWindowPos(spSkinLabel1.hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ePath.Create(panel, Scale(8), Scale(21), Scale(305), Scale(20));
    ePath.onChange = [this] { ePathChange(); };
    ePath.onDoubleClick = [this] { BTNSelDirClick(); };
    spSkinHint1->Add(ePath.hwnd(), "双击显示目录选择对话框");

    // Each glyph button shows one 16 × 16 image of the strip.
    const auto glyphButton = [&](skin::TspSkinButton& button, int x, int y, int w, int h, const char* caption,
                                 int glyph, const char* hint, void (TFormVemora::*click)()) {
        button.Create(panel, Scale(x), Scale(y), Scale(w), Scale(h), caption);
        skin::Image24 one(16, 16);
        skin::CopyRect(one, {0, 0, 16, 16}, glyphStrip, {glyph * 16, 0, glyph * 16 + 16, 16});
        button.SetGlyph(std::move(one));
        spSkinHint1->Add(button.hwnd(), hint);
        button.OnClick = [this, click] { (this->*click)(); };
    };
    glyphButton(BTNSelDir, 320, 19, 41, 25, "", 0, "选择要监视的目录", &TFormVemora::BTNSelDirClick);
    glyphButton(BTNHelp, 391, 19, 58, 25, "帮助", 1, "帮助", &TFormVemora::BTNHelpClick);
    glyphButton(BTNUpdate, 471, 19, 58, 25, "升级", 2, "升级", &TFormVemora::BTNUpdateClick);

    spSkinPageControl1.Create(panel, Scale(8), Scale(45), Scale(569), Scale(122));
    CreateFirstPage(spSkinPageControl1.AddPage("监视事件").hwnd());
    CreateSecondPage(spSkinPageControl1.AddPage("其他...").hwnd());
    spSkinPageControl1.SetActivePage(0);

    ckWatchSubTree.Create(panel, Scale(5), Scale(171), Scale(236), Scale(25), "同时监视子目录");
    ckWatchSubTree.name = "ckWatchSubTree";
    ckWatchSubTree.tag = 9;
    bStart.Create(panel, Scale(416), Scale(173), Scale(75), Scale(21), "开始");
    bStart.OnClick = [this] { bStartClick(); };
    spSkinHint1->Add(bStart.hwnd(), "开始监控当前设定的目录");
    bStop.Create(panel, Scale(501), Scale(172), Scale(75), Scale(22), "停止");
    bStop.OnClick = [this] { bStopClick(); };
    bStop.SetEnabled(false);
    spSkinHint1->Add(bStop.hwnd(), "停止监控当前设定的目录");

    const shell::TRzListView::Column kColumns[] = {{"", Scale(18)},
                                                   {"时间", Scale(120)},
                                                   {"类型", Scale(50)},
                                                   {"动作", Scale(70)},
                                                   {"名称", LVSCW_AUTOSIZE_USEHEADER}};
    RzLWMsg.Create(hwnd(), 0, Scale(kPanelHeight), Scale(kClientWidth),
                   Scale(kClientHeight - kPanelHeight - 21), kColumns, static_cast<int>(std::size(kColumns)));
    RzLWMsg.SetFont(listFont_.get());
    RzLWMsg.SetTextColor(RGB(0, 0, 255));
    RzLWMsg.SetImages(ImageMsg.List());
    RzLWMsg.SetSource(this);
    RzLWMsg.SetAlphaSortAll(true);
    RzLWMsg.SetFillLastColumn(false);  // the last column sizes itself (LayOut)
    RzLWMsg.onSortRows = [this](int column, shell::SortDirection direction, int keepRow) {
        return SortRows(column, direction, keepRow);
    };
    CreateMemoPopupMenu();
    RzLWMsg.SetPopupMenu(&MemoPopupMenu);

    AppStatusBar.Create(hwnd());
    SetWarning({});

    // The form's initial states; the shared handler keeps the fields in step from here on.
    for (skin::TspSkinCheckRadioBox* box : {&ckMonitorFileName, &ckMonitorLastWrite, &ckWatchSubTree,
                                            &ckSetAutoSave, &ckSetAutoClear, &ckSetShowTray}) {
        box->SetChecked(true);
    }
    for (skin::TspSkinCheckRadioBox& box : eventBoxes) {
        box.OnClick = [this, &box] { ckMonitorFileNameClick(box); };
    }
    for (skin::TspSkinCheckRadioBox* box :
         {&ckWatchSubTree, &ckSetAutoSave, &ckSetAutoClear, &ckSetShowTray, &ckSetRember}) {
        box->OnClick = [this, box] { ckMonitorFileNameClick(*box); };
    }
    const std::pair<win::Control*, const char*> names[] = {{&spSkinLabel1, "spSkinLabel1"},
                                                           {&ePath, "ePath"},
                                                           {&BTNSelDir, "BTNSelDir"},
                                                           {&BTNHelp, "BTNHelp"},
                                                           {&BTNUpdate, "BTNUpdate"},
                                                           {&spSkinPageControl1, "spSkinPageControl1"},
                                                           {&Image1, "Image1"},
                                                           {&Label1, "Label1"},
                                                           {&Label2, "Label2"},
                                                           {&Label5, "Label5"},
                                                           {&RzURLLabel4, "RzURLLabel4"},
                                                           {&Label6, "Label6"},
                                                           {&RzURLLabel1, "RzURLLabel1"},
                                                           {&bStart, "bStart"},
                                                           {&bStop, "bStop"},
                                                           {&RzLWMsg, "RzLWMsg"},
                                                           {&AppStatusBar, "AppStatusBar"}};
    for (const auto& [control, name] : names) control->name = name;
    AssignSkinData();
    LayOut();
}

void TFormVemora::AssignSkinData() {
    skin::TspSkinControl* controls[] = {&spSkinPanel1,  &spSkinLabel1,   &BTNSelDir,     &BTNHelp,
                                        &BTNUpdate,     &ckWatchSubTree, &bStart,        &bStop,
                                        &ckSetAutoSave, &ckSetAutoClear, &ckSetShowTray, &ckSetRember};
    for (skin::TspSkinControl* control : controls) control->SetSkinData(&spSkinData1);
    for (skin::TspSkinCheckRadioBox& box : eventBoxes) box.SetSkinData(&spSkinData1);
    spSkinPageControl1.SetSkinData(&spSkinData1);
    AppStatusBar.SetSkinData(&spSkinData1);
}

void TFormVemora::CreateFirstPage(HWND page) {
    for (int i = 0; i < kEventBoxCount; ++i) {
        skin::TspSkinCheckRadioBox& box = eventBoxes[i];
        box.Create(page, Scale(8 + (i % 2) * 280), Scale(6 + (i / 2) * 22), Scale(270), Scale(20),
                   kEventBoxes[i].caption);
        box.name = kEventBoxes[i].name;
        box.tag = kEventBoxes[i].tag;
    }
}

void TFormVemora::CreateSecondPage(HWND page) {
    const struct {
        skin::TspSkinCheckRadioBox& box;
        const char* name;
        int tag;
        const char* caption;
    } options[] = {
        {ckSetAutoSave, "ckSetAutoSave", 11, "自动保存监视记录"},
        {ckSetAutoClear, "ckSetAutoClear", 12, "开始监视时,清空以前记录"},
        {ckSetShowTray, "ckSetShowTray", 13, "显示托盘图标"},
        {ckSetRember, "ckSetRember", 14, "记住最近选择"},
    };
    for (int i = 0; i < static_cast<int>(std::size(options)); ++i) {
        options[i].box.Create(page, Scale(8), Scale(4 + i * 22), Scale(220), Scale(20), options[i].caption);
        options[i].box.name = options[i].name;
        options[i].box.tag = options[i].tag;
    }
    image1Icon_.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_IMAGE1), IMAGE_ICON, 32, 32, 0)));
    Image1.Create(page, Scale(416), 0, Scale(32), Scale(32), image1Icon_.get());
    Label1.Create(page, Scale(393), Scale(34), Scale(80), Scale(16), "Vemora");
    Label2.Create(page, Scale(476), Scale(35), Scale(80), Scale(16), "(Ver$V$)");
    Label5.Create(page, Scale(358), Scale(55), Scale(30), Scale(16), "主页:");
    Label6.Create(page, Scale(327), Scale(79), Scale(60), Scale(16), "邮箱:");
    const auto link = [&](TRzURLLabel& label, int x, int y, const std::string& caption,
                          const std::string& url) {
        label.Create(page, Scale(x), Scale(y), Scale(170), Scale(16), caption);
        label.SetURL(url);
        label.SetUnvisitedColor(7879740);
        label.SetVisitedColor(4611970);
    };
    link(RzURLLabel4, 389, 54, kHomePageUrl, kHomePageUrl);
    link(RzURLLabel1, 389, 78, kMailAddress, std::string("mailto:") + kMailAddress);
}

void TFormVemora::CreateMemoPopupMenu() {
    MemoPopupMenu.SetImages(&ImageMsg);
    MemoPopupMenu.Add({"ClearItem", "清空(&C)", 11, true, [this] { ClearItemClick(); }});
    MemoPopupMenu.Add({"N4", "-"});
    MemoPopupMenu.Add({"SaveItem", "保存(&S)", 6, true, [this] { SaveItemClick(); }});
    MemoPopupMenu.Add({"N1", "-"});
    MemoPopupMenu.Add({"OpenItem", "打开(&O)", 7, true, [this] { OpenItemClick(); }});
    MemoPopupMenu.onPopup = [this] { MemoPopupMenuPopup(); };
}

void TFormVemora::LayOut() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int statusHeight = AppStatusBar.Height();
    MoveWindow(AppStatusBar.hwnd(), 0, client.bottom - statusHeight, client.right, statusHeight, TRUE);
    const int panelHeight = Scale(kPanelHeight);
    MoveWindow(spSkinPanel1.hwnd(), 0, 0, client.right, panelHeight, TRUE);
    MoveWindow(RzLWMsg.hwnd(), 0, panelHeight, client.right,
               std::max(0L, client.bottom - panelHeight - statusHeight), TRUE);
    RzLWMsg.FitLastColumn();
}

void TFormVemora::SetWarning(std::string warning) {
    warning_ = std::move(warning);
    if (!warning_.empty()) {
        AppStatusBar.SetPanelText(warning_);
    } else if (droppedShown_ != 0) {
        AppStatusBar.SetPanelText("列表只保留最新的 " + std::to_string(maxRows_) + " 行,较早的 " +
                                  std::to_string(droppedShown_) + " 行已移出列表");
    } else {
        AppStatusBar.SetPanelText(hotKeyRegistered_ ? "Ctrl+Alt+M 组合键控制本程序隐藏/显示"
                                                    : "Ctrl+Alt+M 已被其他程序占用,无法用它隐藏/显示本程序");
    }
}

void TFormVemora::ShowError(const std::string& text) {
    ui_.ShowMessage(hwnd(), text, kApplicationTitle, MB_OK | MB_ICONERROR);
}

void TFormVemora::BTNSelDirClick() {
    if (!RzSelectFolderDialog1) {
        RzSelectFolderDialog1 =
            std::make_unique<shell::win::TRzSelectFolderDialog>(shell::win::SystemNamespace());
    }
    auto& dialog = *RzSelectFolderDialog1;
    dialog.Owner = hwnd();
    dialog.SetSelectedPath(ePath.Text());
    if (dialog.Execute()) ePath.SetText(dialog.SelectedPath());
    SetFocus(ePath.hwnd());
}

void TFormVemora::BTNHelpClick() {
    ui_.ShellOpen(hwnd(), L"open", win::Widen(FAppDir + kHelpFileName));
}

void TFormVemora::BTNUpdateClick() {
    ui_.ShellOpen(nullptr, nullptr, win::Widen(FUpdateURL));
}

bool TFormVemora::FormCloseQuery() {
    return ui_.ShowMessage(hwnd(), FMsgConfirmExit, kApplicationTitle, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void TFormVemora::CloseWithoutAsking() {
    if (Watching()) bStopClick();
    Destroy();
}

LRESULT TFormVemora::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case kWatchCompleted: {
            // Input and painting go first: a timer message waits for both, so the window stays
            // usable (Stop can be pressed) through a burst that never lets up, and each window
            // paints in a message of its own, between which other threads' messages get answers.
            if (HIWORD(GetQueueStatus(QS_INPUT | QS_PAINT)) != 0) {
                SetTimer(hwnd(), kRecordTimer, USER_TIMER_MINIMUM, nullptr);
                return 0;
            }
            ProcessCompleted();
            return 0;
        }
        case WM_TIMER:
            if (wp == kShowRowsTimer) {
                ShowNewRows();
                return 0;
            }
            if (wp != kRecordTimer) break;
            KillTimer(hwnd(), kRecordTimer);
            ProcessCompleted();
            return 0;
        case kShowRows:
            ShowRowsSoon();
            return 0;
        case WM_SIZE:
            if (AppStatusBar.hwnd()) LayOut();
            if (TrayIcon && wp == SIZE_MINIMIZED && !minimized_) {
                minimized_ = true;
                TrayIcon->ApplicationMinimized();
            } else if (TrayIcon && wp != SIZE_MINIMIZED && minimized_) {
                minimized_ = false;  // the first size after a minimize is the restore
                TrayIcon->ApplicationRestored();
            }
            return 0;
        case skin::WM_SKIN_CHANGED:
            // The frame has passed the change on to the controls; some took a new size.
            if (AppStatusBar.hwnd()) LayOut();
            break;
        case WM_HOTKEY:
            return WMHotKey(wp, lp);
        case WM_SETTINGCHANGE:
            ReadLocaleFormats();
            break;
        case WM_CLOSE:
            if (FormCloseQuery()) CloseWithoutAsking();
            return 0;
        case WM_QUERYENDSESSION:
            // Windows is ending: say yes and go, without the confirmation.
            PostMessageW(hwnd(), kTerminate, 0, 0);
            return TRUE;
        case WM_ENDSESSION:
        case kTerminate:
            if (msg == kTerminate || wp) CloseWithoutAsking();
            return 0;
        case WM_DESTROY:
            if (quitOnDestroy_) PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace vemora
