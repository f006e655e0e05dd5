// The main window: owner of the whole running program's state. Its handlers keep the
// names of the controls they belong to.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "app/daily_log_batch.h"
#include "app/event_store.h"
#include "app/notify_records.h"
#include "app/watch_options.h"
#include "app/win/directory_watch.h"
#include "app/win/private_profile.h"
#include "app/win/ui_services.h"
#include "core/date_format.h"
#include "shell/list_sort.h"
#include "shell/win/rz_list_view.h"
#include "skin/controls/win/skin_button.h"
#include "skin/controls/win/skin_check_box.h"
#include "skin/controls/win/skin_page_control.h"
#include "skin/controls/win/skin_panel.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/data/win/form_skin_notifier.h"
#include "skin/frame/win/skin_frame_window.h"
#include "skin/hints/win/skin_hint.h"
#include "tray/win/rz_tray_icon.h"
#include "tray/win/rz_url_label.h"
#include "win/controls/basic_controls.h"
#include "win/controls/image_strip.h"
#include "win/controls/popup_menu.h"
#include "win/controls/virtual_list_view.h"
#include "win/window.h"

namespace vemora {

namespace shell::win {
class TRzSelectFolderDialog;
}

// Places where tests make the recording path fail, as running out of memory would.
struct FaultSeams {
    std::function<void()> recordBatch;      // before each batch is recorded
    std::function<void()> watchCompletion;  // on the watch's worker, at each completed read
};

struct FormOptions {
    UiServices* ui = nullptr;              // the system's dialogs when null
    std::string appDir;                    // the executable's directory when empty; ends with a backslash
    bool quitOnDestroy = true;             // the application ends with this window
    NotifyIconShell* trayShell = nullptr;  // the system's notification area when null
    UrlLauncher* urlLauncher = nullptr;    // the shell when null
    FaultSeams faults;
    std::function<LocalTime()> clock;  // the local time of the system when null
    size_t maxRows = kMaxListRows;     // the list keeps the newest rows up to this many
};

class TFormVemora : public win::Window, private win::VirtualListView::Source {
  public:
    explicit TFormVemora(FormOptions options = {});
    ~TFormVemora() override;

    bool FormCreate();  // creates the window and its controls; false when that failed
    void Show();

    // Handlers
    void bStartClick();
    void bStopClick();
    void AddEvent(const std::string& action, const std::string& name);
    void AppendRow(const EventRow& row);
    void RecordBatch(const std::vector<std::byte>& batch);  // one completed read; empty: changes were lost
    void RecordChange(const std::string& watchedPath, const std::string& action, const std::string& name);
    void WatchFailed(DWORD error);  // a later read was refused
    void ClearItemClick();
    void MemoPopupMenuPopup();
    void SaveItemClick();
    void OpenItemClick();
    void WriteLogLine(int image, const std::string& type, const std::string& name, const std::string& action,
                      const LocalTime& time);
    void ckMonitorFileNameClick(const skin::TspSkinCheckRadioBox& sender);
    void ePathChange();
    void LoadSettings();
    void ApplySettings();
    void SaveSetting(int number);
    LRESULT WMHotKey(WPARAM wp, LPARAM lp);
    void NShowClick();
    void NExitClick();
    void BTNSelDirClick();
    void BTNHelpClick();
    void BTNUpdateClick();

    const EventStore& Events() const { return events_; }
    size_t StoreIndexOfShownRow(size_t shown) const { return order_.StoreIndex(shown); }
    std::string StatusText() const { return AppStatusBar.PanelText(); }
    bool Watching() const { return watch_ && watch_->Running(); }
    const std::string& LogFileName() const { return FLogFileName; }
    const std::string& AppDir() const { return FAppDir; }
    std::string HintOf(const win::Control& control) const { return spSkinHint1->TextOf(control.hwnd()); }
    const skin::TspSkinHint& SkinHint() const { return *spSkinHint1; }
    const skin::TspSkinData& SkinData() const { return spSkinData1; }
    const skin::SkinFrameWindow& Frame() const { return spDynamicSkinForm1; }
    skin::SkinFrameWindow& Frame() { return spDynamicSkinForm1; }
    skin::TspSkinData& SkinData() { return spSkinData1; }
    const skin::TspCompressedStoredSkin& StoredSkin() const { return spCompressedStoredSkin1; }
    DirectoryWatch::TestSeam& WatchSeam() { return watch_->Seam(); }

    // Controls, top to bottom
    skin::TspSkinPanel spSkinPanel1;
    skin::TspSkinLabel spSkinLabel1;
    win::Edit ePath;
    skin::TspSkinButton BTNSelDir, BTNHelp, BTNUpdate;
    skin::TspSkinPageControl spSkinPageControl1;
    std::array<skin::TspSkinCheckRadioBox, kEventBoxCount> eventBoxes;  // in kEventBoxes order
    skin::TspSkinCheckRadioBox &ckMonitorFileName, &ckMonitorDirName, &ckMonitorAttributes, &ckMonitorSize,
        &ckMonitorLastWrite, &ckMonitorLastAccess, &ckMonitorCreationDate, &ckMonitorSecurity;
    skin::TspSkinCheckRadioBox ckSetAutoSave, ckSetAutoClear, ckSetShowTray, ckSetRember;
    win::Picture Image1;
    win::Label Label1, Label2, Label5, Label6;
    TRzURLLabel RzURLLabel4, RzURLLabel1;
    skin::TspSkinCheckRadioBox ckWatchSubTree;
    skin::TspSkinButton bStart, bStop;
    shell::TRzListView RzLWMsg;
    skin::TspSkinStatusBar AppStatusBar;
    win::PopupMenu MemoPopupMenu;
    win::PopupMenu TrayPopupMenu;
    win::ImageStrip ImageMsg;
    std::unique_ptr<TRzTrayIcon> TrayIcon;  // after the image strip and menu it shows
    std::unique_ptr<shell::win::TRzSelectFolderDialog> RzSelectFolderDialog1;  // made on first use

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    static constexpr int kClientWidth = 585;
    static constexpr int kClientHeight = 410;
    enum : UINT { kWatchCompleted = WM_APP + 1, kTerminate = WM_APP + 2, kShowRows = WM_APP + 3 };
    static constexpr UINT_PTR kRecordTimer = 1;
    static constexpr UINT_PTR kShowRowsTimer = 2;
    // Telling the list view of new rows costs it tens of milliseconds under Wine (scroll bars
    // and header are laid out again), so a burst tells it at most this often.
    static constexpr ULONGLONG kShowRowsIntervalMs = 200;

    void CreateControls();
    void CreateFirstPage(HWND page);
    void CreateSecondPage(HWND page);
    void CreateMemoPopupMenu();
    void CreateTrayIcon();
    void LayOut();
    // The skin is drawn in pixels, so the whole window is laid out in pixels too and the
    // program declares itself DPI-unaware: on a high-DPI display Windows scales the window
    // as one picture, frame, controls and list alike.
    static constexpr int Scale(int v) { return v; }

    // Records what the watch completed: everything, or as much as fits in one time slice so
    // that input and painting get through a burst (the rest is scheduled).
    void ProcessCompleted(bool everything = false);
    void TakeCompleted(std::string& failure);
    void RecordPending(ULONGLONG deadline, std::string& failure);
    void FlushLog();  // the gathered daily-log lines, one append per file
    LocalTime Now() const;
    void ShowRowsSoon();  // after the last show's interval while recording goes on
    void ShowNewRows();   // the list learns of appended and dropped rows
    void DropOldestRows(size_t count);
    void EndWatch();  // closes the watch and re-enables Start
    void ShowError(const std::string& text);
    void SetWarning(std::string warning);
    void ReadLocaleFormats();
    void LoadSkin();
    void AttachFrame();
    void FitWindowToClient();
    void AssignSkinData();  // every skinned control draws from spSkinData1

    bool* BoolSettingField(int number);                       // null for numbers without a boolean setting
    skin::TspSkinCheckRadioBox* SettingCheckBox(int number);  // the box whose Tag is the number
    void RegisterMainHotKey();
    void SetTrayIconEnabled(bool enabled);

    bool FormCloseQuery();
    void CloseWithoutAsking();

    // VirtualListView::Source, by shown row
    int ImageOf(size_t row) const override;
    std::wstring TextOf(size_t row, int column) const override;
    int SortRows(int column, shell::SortDirection direction, int keepRow);

    UiServices& ui_;
    NotifyIconShell& trayShell_;
    const bool quitOnDestroy_;

    std::string FAppDir;
    std::string FUpdateURL;
    std::string FMsgNoEvents;
    std::string FMsgConfirmExit;
    std::string FLogFileName;
    bool FLoading = false;
    int FHotKeyId = 0;
    bool hotKeyRegistered_ = false;
    bool minimized_ = false;
    PrivateProfile settings_;
    std::string FDir;
    std::array<bool, 10> FEventFlags{};
    bool FAutoSave = true;
    bool FAutoClear = true;
    bool FShowTray = true;
    bool FRemember = false;

    // The skin the executable carries; the notifier must outlive the skin data that uses it.
    skin::TspCompressedStoredSkin spCompressedStoredSkin1;
    skin::FormSkinNotifier skinNotifier_;
    skin::TspSkinData spSkinData1{&skinNotifier_};
    // Draws the window's border and caption from the skin; it uses the skin data above.
    skin::SkinFrameWindow spDynamicSkinForm1;
    skin::TMenuItem SystemMenu;  // the frame's system menu: empty
    // The hints of the controls, drawn from the skin; made once the window exists.
    std::unique_ptr<skin::TspSkinHint> spSkinHint1;

    std::unique_ptr<DirectoryWatch> watch_;
    const FaultSeams faults_;
    const std::function<LocalTime()> clock_;
    const size_t maxRows_;
    std::deque<ChangeRecord> pending_;  // decoded, not yet recorded
    DailyLogBatch logBatch_;
    bool processing_ = false;
    bool processingDeferred_ = false;
    bool recordFailing_ = false;  // told once until a batch is recorded again
    bool logFailing_ = false;
    bool rowsPosted_ = false;
    ULONGLONG rowsShownAt_ = 0;
    uint64_t droppedShown_ = 0;  // rows dropped from the list, as the status bar tells
    std::string warning_;

    EventStore events_;
    shell::RowOrder order_;  // the order the list shows the rows in, since the last header click
    DateTimeFormats formats_;
    win::UniqueFont font_, listFont_;
    win::UniqueIcon appIcon_, image1Icon_;
};

}  // namespace vemora
