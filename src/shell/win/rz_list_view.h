// The sortable report list: an owner-data list view whose header clicks sort all rows,
// whose header draws the sort arrow itself, and which opens its popup menu for the item a
// right-click or a menu key means. The rows live with the owner, so the owner sorts them
// (onSortRows) and the list shows them in the new order.
#pragma once

#include <windows.h>
#include <uxtheme.h>

#include <functional>
#include <string>

#include "shell/list_header.h"
#include "shell/list_rules.h"
#include "shell/list_sort.h"
#include "win/controls/popup_menu.h"
#include "win/controls/virtual_list_view.h"
#include "win/handles.h"

namespace vemora::shell {

class TRzCustomListView : public win::VirtualListView {
  public:
    TRzCustomListView();
    ~TRzCustomListView() override;

    bool Create(HWND parent, int x, int y, int w, int h, const Column* columns, int columnCount);

    // The column-click step: sorts when AlphaSortAll is set, then fires onColumnClick.
    void HeaderClickSort(int column);
    void ResizeLastColumn();

    int SortColumn() const { return sortColumn_; }
    shell::SortDirection SortDirection() const { return sortDirection_; }
    void SetSortColumn(int column);
    void SetSortDirection(shell::SortDirection direction);

    bool AlphaSortAll() const { return alphaSortAll_; }
    void SetAlphaSortAll(bool on) { alphaSortAll_ = on; }
    bool FillLastColumn() const { return fillLastColumn_; }
    void SetFillLastColumn(bool on);
    shell::HeaderSortDisplayMode HeaderSortDisplayMode() const { return displayMode_; }
    void SetHeaderSortDisplayMode(shell::HeaderSortDisplayMode mode);
    bool HeaderDefaultDrawing() const { return headerDefaultDrawing_; }
    void SetHeaderDefaultDrawing(bool on);
    void SetColor(COLORREF color);  // the normal background
    void SetFocusColor(COLORREF color);
    void SetDisabledColor(COLORREF color);
    COLORREF CurrentColor() const;

    win::PopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(win::PopupMenu* menu) { popupMenu_ = menu; }
    HWND Header() const;

    // Reorders the owner's rows and tells where the row shown at keepRow (-1: none) is
    // shown now, so the selection stays on it. Runs on a helper thread while the list's
    // thread waits (showing the wait cursor once that takes longer than half a second), so
    // it must not call into windows.
    std::function<int(int column, shell::SortDirection direction, int keepRow)> onSortRows;
    std::function<void(int column)> onColumnClick;
    // Chooses the menu for the focused item (-1: none) at a screen point; preset to PopupMenu.
    std::function<void(int item, POINT screen, win::PopupMenu*& menu)> onItemContextMenu;

    // Check boxes, off until states are given. The rows live with the owner, so their
    // check states do too.
    struct CheckStates {
        virtual ~CheckStates() = default;
        virtual bool IsChecked(size_t row) const = 0;
        virtual void SetChecked(size_t row, bool checked) = 0;
    };
    void SetCheckBoxes(CheckStates* states);  // null: no check boxes
    bool ItemChecked(int item) const;
    // Changes an item's box as a click on it or Space does: onCheckStateChanging may refuse
    // the change, onCheckStateChange hears of it after. True when the state changed.
    bool SetItemChecked(int item, bool checked);
    std::function<void(int item, bool toBeChecked, bool& allowChange)> onCheckStateChanging;
    std::function<void(int item)> onCheckStateChange;

    // Label editing, off until switched on. onEditing may refuse an edit; onEdited gets the
    // new text (UTF-8) and whether the owner took it, as the rows are the owner's.
    void SetEditLabels(bool on);
    bool EditOnRowClick() const { return editOnRowClick_; }
    void SetEditOnRowClick(bool on) { editOnRowClick_ = on; }
    std::function<void(int item, bool& allowEdit)> onEditing;
    std::function<void(int item, const std::string& text, bool& accept)> onEdited;

    bool OnNotify(const NMHDR& header, LRESULT& result) override;

  protected:
    LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    struct ThemeTraits {
        static HTHEME Invalid() { return nullptr; }
        static bool IsValid(HTHEME h) { return h != nullptr; }
        static void Close(HTHEME h) { CloseThemeData(h); }
    };
    static LRESULT CALLBACK HeaderProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                       DWORD_PTR data);
    LRESULT HeaderMessage(HWND header, UINT msg, WPARAM wp, LPARAM lp);

    void MarkHeaderItems();
    void InvalidateHeaderItem(int column);
    void DrawHeaderItem(const DRAWITEMSTRUCT& item);
    void OpenTheme();
    void UpdateColor();
    MenuState CurrentMenuState() const;
    void ShowContextMenu(MenuRequest request, POINT screen);
    void ShowItemMenu(POINT screen);
    POINT IconCentre(int item) const;
    POINT TopLeftOnScreen() const;
    bool AllowsLabelEditNow(int item) const;
    int CheckBoxHit(LPARAM at) const;

    HeaderSortToggle toggle_;
    int sortColumn_ = -1;
    shell::SortDirection sortDirection_ = shell::SortDirection::kAscending;
    bool alphaSortAll_ = false;
    bool fillLastColumn_ = true;
    bool headerDefaultDrawing_ = true;
    shell::HeaderSortDisplayMode displayMode_ = shell::HeaderSortDisplayMode::hsdmRightOfText;
    ListBackground background_;
    bool menuShownForClick_ = false;
    UINT menuKeyDown_ = 0;  // the menu key whose release is ours too
    WheelStep wheel_;
    int hotHeaderItem_ = -1;
    bool headerPressed_ = false;
    bool trackingHeaderLeave_ = false;
    win::PopupMenu* popupMenu_ = nullptr;
    CheckStates* checkStates_ = nullptr;
    bool editOnRowClick_ = false;
    win::UniqueResource<HTHEME, ThemeTraits> theme_;
};

// Publishes nothing more: the class the main window's event list is.
class TRzListView : public TRzCustomListView {};

// Runs work on a helper thread; when it takes longer than waitAfterMs, calls showWait
// (the wait cursor by default) and keeps waiting. Exceptions of work reach the caller.
void RunShowingWaitCursor(const std::function<void()>& work, DWORD waitAfterMs = 500,
                          const std::function<void()>& showWait = {});

// Whether common controls can owner-draw the header as this list does (4.70 and later).
bool HeaderOwnerDrawSupported();

}  // namespace vemora::shell
