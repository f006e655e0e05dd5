#include "shell/win/select_folder_dialog.h"

#include <stdexcept>

namespace vemora::shell::win {
namespace {

class ClearOnExit {
  public:
    explicit ClearOnExit(bool& flag) : flag_(flag) { flag_ = true; }
    ~ClearOnExit() { flag_ = false; }
    ClearOnExit(const ClearOnExit&) = delete;
    ClearOnExit& operator=(const ClearOnExit&) = delete;

  private:
    bool& flag_;
};

}  // namespace

bool TRzShellDialog::Execute() {
    if (executing_) throw std::runtime_error(std::string(ClassName()) + " already executing");
    ClearOnExit executing(executing_);
    return DoExecute();
}

bool TRzShellDialog::ReadPlacement(std::span<const std::uint8_t> bytes) {
    const auto read = FormPlacement::Read(bytes);
    if (read) Placement = *read;
    return read.has_value();
}

TRzCustomSelectFolderDialog::TRzCustomSelectFolderDialog(ShellNamespace& ns)
    : ns_(ns), baseFolder_(ns), selectedLocation_(ns) {}

bool TRzCustomSelectFolderDialog::DoExecute() {
    if (form_) throw std::runtime_error("TRzSelectFolderDialog form already active");
    const HCURSOR saved = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    struct CleanUp {
        TRzCustomSelectFolderDialog& dialog;
        HCURSOR cursor;
        ~CleanUp() {
            dialog.form_.reset();
            SetCursor(cursor);
        }
    } cleanUp{*this, saved};
    auto form = CreateDialogForm();
    PrepareForm(*form);
    form_ = std::move(form);
    DoInitialized();
    const bool ok = form_->ShowModal() == TRzSelectFolderForm::kModalOk;
    ReadBackForm(*form_);
    return ok;
}

std::unique_ptr<TRzSelectFolderForm> TRzCustomSelectFolderDialog::CreateDialogForm() {
    auto form = std::make_unique<TRzSelectFolderForm>(ns_);
    if (!form->FormCreate(Owner)) throw std::runtime_error("Cannot create the folder picker's window");
    return form;
}

void TRzCustomSelectFolderDialog::PrepareForm(TRzSelectFolderForm& form) {
    form.OnSelChange = OnSelChange;
    form.OnFormShow = OnFormShow;
    form.OnFormClose = OnFormClose;
    form.ShellTree.OnAddItem = OnAddItem;
    form.SetStatusText(StatusText);
    form.Position = Placement.FormPosition;
    if (Placement.FormPosition == TPosition::poDesigned) {
        form.designedBounds.left = Placement.FormLeft;
        form.designedBounds.top = Placement.FormTop;
    }
    if (Placement.FormWidth > 0) form.designedBounds.right = Placement.FormWidth;
    if (Placement.FormHeight > 0) form.designedBounds.bottom = Placement.FormHeight;
    form.WindowState = Placement.FormWindowState;
    form.SetFormOptions(Options);
    form.SetCaption(Title.empty() ? "Browse for Folder" : Title);
    // The base folder first: changing it clears the tree's selected location.
    form.ShellTree.BaseFolder().CopyFrom(&baseFolder_);
    form.ShellTree.SelectedLocation().CopyFrom(&selectedLocation_);
}

void TRzCustomSelectFolderDialog::ReadBackForm(TRzSelectFolderForm& form) {
    WINDOWPLACEMENT placement{sizeof(placement)};
    if (GetWindowPlacement(form.hwnd(), &placement)) {
        const RECT& r = placement.rcNormalPosition;
        Placement.FormLeft = r.left;
        Placement.FormTop = r.top;
        Placement.FormWidth = r.right - r.left;
        Placement.FormHeight = r.bottom - r.top;
        // The form is hidden by now; its style still tells how it was shown.
        Placement.FormWindowState = IsZoomed(form.hwnd())   ? TWindowState::wsMaximized
                                    : IsIconic(form.hwnd()) ? TWindowState::wsMinimized
                                                            : TWindowState::wsNormal;
    }
    Placement.FormPosition = form.Position;
    if (form.ModalResult() == TRzSelectFolderForm::kModalOk) {
        selectedLocation_.CopyFrom(&form.ShellTree.SelectedLocation());
    }
}

TRzSelectFolderDialog::TRzSelectFolderDialog(ShellNamespace& ns) : TRzCustomSelectFolderDialog(ns) {}

}  // namespace vemora::shell::win
