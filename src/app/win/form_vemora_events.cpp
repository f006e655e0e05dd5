// The event list: recording a change as a row, the rows' display, and the list's menu.
#include <utility>

#include "app/event_paths.h"
#include "app/win/file_io.h"
#include "app/win/form_vemora.h"
#include "app/win/local_clock.h"
#include "win/text.h"

namespace vemora {
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
    if (!std::exchange(rowsPending_, true)) PostMessageW(hwnd(), kShowRows, 0, 0);
}

void TFormVemora::ShowNewRows() {
    rowsPending_ = false;
    RzLWMsg.SetRowCount(events_.size());
}

void TFormVemora::ClearItemClick() {
    events_.Clear();
    ShowNewRows();
}

void TFormVemora::MemoPopupMenuPopup() {
    const bool hasRows = !events_.empty();
    MemoPopupMenu.Find("ClearItem").enabled = hasRows;
    MemoPopupMenu.Find("SaveItem").enabled = hasRows;
    MemoPopupMenu.Find("OpenItem").enabled = bStart.Enabled();
}

int TFormVemora::ImageOf(size_t row) const {
    return events_.Image(row);
}

std::wstring TFormVemora::TextOf(size_t row, int column) const {
    if (column < 1 || column > EventStore::kFieldCount) return {};
    return win::Widen(events_.Text(row, static_cast<EventStore::Field>(column - 1)));
}

}  // namespace vemora
