// The picker's modal, resizable window: the shell tree, the two tool buttons, OK and
// Cancel in the button panel, and the one-text status bar with the selected path.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "shell/select_folder_options.h"
#include "shell/win/rz_shell_tree.h"
#include "win/controls/basic_controls.h"
#include "win/controls/page_control.h"
#include "win/handles.h"
#include "win/window.h"

namespace vemora::shell::win {

class TRzSelectFolderForm : public vemora::win::Window {
  public:
    static constexpr int kMinOuterWidth = 366, kMinOuterHeight = 340;
    static constexpr int kModalOk = 1, kModalCancel = 2;

    explicit TRzSelectFolderForm(ShellNamespace& ns);
    ~TRzSelectFolderForm() override;

    bool FormCreate(HWND owner);
    // Shows the form and runs its own loop until OK, Cancel or closing; the modal result.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    virtual void SetFormOptions(TRzSelectFolderDialogOptions options);
    void ApplyCaptions();
    void FormResize();
    void ShellTreeChange(TreeNode* node);
    void CreateBtnClick();
    void DeleteBtnClick();
    void SetCaption(const std::string& caption);
    std::string Caption() const;
    void SetStatusText(const std::string& text) { RzStatusBar1.SetPanelText(text); }

    TPosition Position = TPosition::poScreenCenter;
    RECT designedBounds{-1, -1, -1, -1};  // left and top used with poDesigned; width, height when > 0
    TWindowState WindowState = TWindowState::wsNormal;

    TRzShellTree ShellTree;
    vemora::win::ContainerWindow ButtonPanel;
    vemora::win::Button btnOk, btnCancel;
    vemora::win::StatusBar RzStatusBar1;
    vemora::win::Button btnNewFolder, btnDeleteFolder;
    TRzSelectFolderDialogOptions Options = kDefaultSelectFolderOptions;
    std::function<void(TRzSelectFolderForm&, const IdList&)> OnSelChange;
    std::function<void(TRzSelectFolderForm&)> OnFormShow, OnFormClose;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void FormShow();
    void PlaceOnScreen();
    void UpdateStatus(TreeNode* node);
    void ShowTreeContextMenu(TreeNode& node, POINT screen);

    ShellNamespace& ns_;
    HWND owner_ = nullptr;
    int modalResult_ = 0;
    vemora::win::UniqueFont font_;
};

}  // namespace vemora::shell::win
