// The event list: recording a change as a row, the rows' display, and the list's menu.
#include <array>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "app/event_paths.h"
#include "app/win/file_io.h"
#include "app/win/form_vemora.h"
#include "app/win/local_clock.h"
#include "win/text.h"

namespace vemora {
namespace {

// The texts the list compares, in the ANSI code page whose bytes decide the order. ASCII
// texts are their own key and are not copied; the few distinct texts of the type and
// action columns are converted once.
class AnsiKeys {
  public:
    std::string_view Of(std::string_view utf8) {
        if (IsAscii(utf8)) return utf8;
        for (const auto& [text, key] : recent_) {
            if (text == utf8) return key;
        }
        const std::string_view key = Convert(utf8);
        recent_[next_] = {utf8, key};
        next_ = (next_ + 1) % recent_.size();
        return key;
    }

  private:
    static bool IsAscii(std::string_view text) {
        for (const char c : text) {
            if (static_cast<unsigned char>(c) >= 0x80) return false;
        }
        return true;
    }
    std::string_view Convert(std::string_view utf8) {
        constexpr size_t kChunk = 1 << 20;
        if (chunks_.empty() || kChunk - used_ < utf8.size()) {
            chunks_.push_back(std::make_unique_for_overwrite<char[]>(std::max(kChunk, utf8.size())));
            used_ = 0;
        }
        char* at = chunks_.back().get() + used_;
        const size_t size = win::ToAnsi(utf8, at);
        used_ += size;
        return {at, size};
    }

    std::vector<std::unique_ptr<char[]>> chunks_;
    size_t used_ = 0;
    std::array<std::pair<std::string_view, std::string_view>, 8> recent_{};
    size_t next_ = 0;
};

}  // namespace

void TFormVemora::AddEvent(const std::string& action, const std::string& name) {
    RecordChange(ePath.Text(), action, name);
    FlushLog();  // a change recorded on its own is written at once
}

// The watched path comes from the caller: the edit is read once per batch, not per change.
void TFormVemora::RecordChange(const std::string& watchedPath, const std::string& action,
                               const std::string& name) {
    const std::string fullPath = JoinWatchedPath(watchedPath, name);
    if (IsOwnLogRecord(fullPath, FLogFileName)) return;

    const MappedAction mapped = MapAction(action);
    const LocalTime now = Now();
    const std::string type = IsExistingFile(win::Widen(fullPath)) ? kTypeFile : kTypeDirectory;
    AppendRow({mapped.image, TimeText(now, formats_), type, mapped.text, name});
    if (FAutoSave) WriteLogLine(mapped.image, type, name, mapped.text, now);
}

LocalTime TFormVemora::Now() const {
    return clock_ ? clock_() : LocalNow();
}

void TFormVemora::AppendRow(const EventRow& row) {
    events_.Append(row);
    if (!std::exchange(rowsPosted_, true)) PostMessageW(hwnd(), kShowRows, 0, 0);
}

// Rows recorded on their own show at once; a burst shows its rows every interval. The timer
// is a fallback: during a burst each recorded slice posts again.
void TFormVemora::ShowRowsSoon() {
    rowsPosted_ = false;
    const ULONGLONG since = GetTickCount64() - rowsShownAt_;
    if (pending_.empty() || since >= kShowRowsIntervalMs) {
        ShowNewRows();
    } else {
        SetTimer(hwnd(), kShowRowsTimer, static_cast<UINT>(kShowRowsIntervalMs - since), nullptr);
    }
}

// The list, its order and the store change together here: until then the list shows the
// rows it knows, all still in the store (beyond the bound by at most one slice's rows).
void TFormVemora::ShowNewRows() {
    KillTimer(hwnd(), kShowRowsTimer);
    rowsShownAt_ = GetTickCount64();
    if (events_.size() > maxRows_) DropOldestRows(events_.size() - maxRows_);
    RzLWMsg.SetRowCount(events_.size());
    if (events_.DroppedCount() != droppedShown_) {
        if (events_.DroppedCount() != 0) InvalidateRect(RzLWMsg.hwnd(), nullptr, FALSE);  // rows moved up
        droppedShown_ = events_.DroppedCount();
        SetWarning(warning_);
    }
}

// The selected row stays on its change, or goes with it.
void TFormVemora::DropOldestRows(size_t count) {
    const HWND list = RzLWMsg.hwnd();
    const int selected = ListView_GetNextItem(list, -1, LVNI_SELECTED);
    const size_t storeIndex = selected >= 0 ? order_.StoreIndex(static_cast<size_t>(selected)) : 0;
    events_.DropFront(count);
    order_.DropFront(count);
    if (selected < 0) return;
    const int moved = storeIndex >= count ? static_cast<int>(order_.ShownIndex(storeIndex - count)) : -1;
    if (moved == selected) return;
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (moved >= 0)
        ListView_SetItemState(list, moved, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void TFormVemora::ClearItemClick() {
    events_.Clear();
    order_.Reset();
    ShowNewRows();
}

void TFormVemora::MemoPopupMenuPopup() {
    const bool hasRows = !events_.empty();
    MemoPopupMenu.Find("ClearItem").enabled = hasRows;
    MemoPopupMenu.Find("SaveItem").enabled = hasRows;
    MemoPopupMenu.Find("OpenItem").enabled = bStart.Enabled();
}

int TFormVemora::ImageOf(size_t row) const {
    return events_.Image(order_.StoreIndex(row));
}

std::wstring TFormVemora::TextOf(size_t row, int column) const {
    if (column < 1 || column > EventStore::kFieldCount) return {};
    return win::Widen(events_.Text(order_.StoreIndex(row), static_cast<EventStore::Field>(column - 1)));
}

int TFormVemora::SortRows(int column, shell::SortDirection direction, int keepRow) {
    const size_t kept = keepRow >= 0 ? order_.StoreIndex(static_cast<size_t>(keepRow)) : 0;
    AnsiKeys keys;
    // Column 0 is the caption, empty for every event row.
    order_.Sort(
        events_.size(),
        [&](size_t row) {
            if (column < 1 || column > EventStore::kFieldCount) return std::string_view();
            return keys.Of(events_.Text(row, static_cast<EventStore::Field>(column - 1)));
        },
        direction);
    return keepRow >= 0 ? static_cast<int>(order_.ShownIndex(kept)) : -1;
}

}  // namespace vemora
