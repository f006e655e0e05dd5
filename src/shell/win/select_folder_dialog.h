// The folder picker component: holds the chosen place and the form's last placement
// between calls; Execute shows a fresh TRzSelectFolderForm each time.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "shell/select_folder_options.h"
#include "shell/shell_locator.h"
#include "shell/win/select_folder_form.h"

namespace vemora::shell::win {

class TRzShellDialog {
  public:
    virtual ~TRzShellDialog() = default;
    // True when the user closed the form with OK; throws when already running.
    bool Execute();
    virtual const char* ClassName() const = 0;

    FormPlacement Placement;  // FormPosition, FormLeft ... FormWindowState
    std::string Title;
    std::function<void(TRzShellDialog&)> OnInitialized;
    std::function<void(TRzSelectFolderForm&)> OnFormShow, OnFormClose;
    HWND Owner = nullptr;  // disabled while the form runs

    std::vector<std::uint8_t> WritePlacement() const { return Placement.Write(); }
    bool ReadPlacement(std::span<const std::uint8_t> bytes);

  protected:
    virtual bool DoExecute() = 0;
    void DoInitialized() {
        if (OnInitialized) OnInitialized(*this);
    }

  private:
    bool executing_ = false;
};

class TRzCustomSelectFolderDialog : public TRzShellDialog {
  public:
    explicit TRzCustomSelectFolderDialog(ShellNamespace& ns);

    TRzShellLocator& BaseFolder() { return baseFolder_; }
    TRzShellLocator& SelectedLocation() { return selectedLocation_; }
    std::string SelectedPath() { return selectedLocation_.FileSystemPath(); }
    void SetSelectedPath(const std::string& path) { selectedLocation_.SetFileSystemPath(path); }
    TRzSelectFolderForm* Form() const { return form_.get(); }

    TRzSelectFolderDialogOptions Options = kDefaultSelectFolderOptions;
    std::string StatusText;
    std::function<bool(ShellFolder*, const IdList&, const IdList&, std::uint32_t)> OnAddItem;
    std::function<void(TRzSelectFolderForm&, const IdList&)> OnSelChange;

  protected:
    bool DoExecute() override;
    virtual std::unique_ptr<TRzSelectFolderForm> CreateDialogForm();
    virtual void PrepareForm(TRzSelectFolderForm& form);
    virtual void ReadBackForm(TRzSelectFolderForm& form);

  private:
    ShellNamespace& ns_;
    std::unique_ptr<TRzSelectFolderForm> form_;
    TRzShellLocator baseFolder_;
    TRzShellLocator selectedLocation_;
};

class TRzSelectFolderDialog : public TRzCustomSelectFolderDialog {
  public:
    explicit TRzSelectFolderDialog(ShellNamespace& ns);
    const char* ClassName() const override { return "TRzSelectFolderDialog"; }
};

}  // namespace vemora::shell::win
