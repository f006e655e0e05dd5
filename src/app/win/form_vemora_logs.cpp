// The daily log, and saving and opening the list as log files.
#include <new>

#include "app/event_line.h"
#include "app/event_paths.h"
#include "app/win/file_io.h"
#include "app/win/form_vemora.h"
#include "app/win/local_clock.h"
#include "app/win/log_reader.h"
#include "win/error_text.h"
#include "win/text.h"

namespace vemora {
namespace {

constexpr size_t kSavePieceBytes = 1 << 20;
constexpr char kLogFailing[] = "日志写入失败,监视记录仍显示在列表中";

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

// The start of a line for a message: a file that is no log may hold one line of megabytes.
std::string Excerpt(const std::string& utf8) {
    constexpr size_t kMax = 80;
    if (utf8.size() <= kMax) return utf8;
    size_t end = kMax;
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) --end;  // whole characters
    return utf8.substr(0, end) + "…";
}

}  // namespace

void TFormVemora::WriteLogLine(int image, const std::string& type, const std::string& name,
                               const std::string& action, const LocalTime& time) {
    // Set as the line is gathered, so the write's own change record is recognised and dropped;
    // the line goes to the file of its own date, also when its batch spans midnight.
    FLogFileName = DailyLogPath(FAppDir, time);
    const std::string line = FormatEventLine({image, TimeText(time, formats_), type, action, name}) + "\r\n";
    logBatch_.Add(FLogFileName, win::ToAnsi(line));
}

void TFormVemora::FlushLog() {
    if (logBatch_.empty()) return;
    // Each file's append succeeds or fails as its lines would have one by one: a failure is
    // told once until a write succeeds again, after the writing, as no message may interrupt it.
    std::string message;
    for (const DailyLogBatch::Piece& piece : logBatch_.Take()) {
        DWORD error = CreateDirectoryTree(win::Widen(LogDirectory(FAppDir)));
        if (error == 0) error = AppendToFile(win::Widen(piece.path), piece.bytes);
        if (error == 0) {
            if (std::exchange(logFailing_, false)) SetWarning({});
        } else if (!std::exchange(logFailing_, true)) {
            SetWarning(kLogFailing);
            if (message.empty()) {
                message = "无法写入日志文件 " + Quoted(piece.path) + ":\n" + win::SystemErrorText(error);
            }
        }
    }
    if (!message.empty()) ShowError(message);
}

void TFormVemora::SaveItemClick() {
    if (events_.empty()) return;
    const std::optional<std::wstring> file = ui_.ChooseSaveFile(hwnd(), {win::Widen(FLogFileName), {}});
    if (!file) return;
    // Converted and written a piece at a time: a long list is never held twice more.
    FileReplacement out(*file);
    std::string text;
    for (size_t i = 0; i < events_.size() && out.Error() == 0; ++i) {  // in the order shown
        text += FormatEventLine(events_.Row(order_.StoreIndex(i)));
        text += "\r\n";
        if (text.size() >= kSavePieceBytes || i + 1 == events_.size()) {
            out.Write(win::ToAnsi(text));
            text.clear();
        }
    }
    if (const DWORD error = out.Close()) {
        ShowError("无法保存文件 " + Quoted(win::Narrow(*file)) + ":\n" + win::SystemErrorText(error));
    }
}

void TFormVemora::OpenItemClick() {
    const std::optional<std::wstring> file =
        ui_.ChooseOpenFile(hwnd(), {{}, win::Widen(LogDirectory(FAppDir) + "\\")});
    if (!file) return;
    const std::string quoted = Quoted(win::Narrow(*file));
    // Read into rows of their own first: a file that cannot be read, or that does not fit in
    // memory, leaves the list as it was.
    EventStore loaded;
    LogReadResult result;
    try {
        result = ReadEventLog(*file, [&](const EventRowView& row) {
            loaded.AppendView(row);
            if (loaded.size() > maxRows_) loaded.DropFront(1);
        });
    } catch (const std::bad_alloc&) {
        result.error = ERROR_NOT_ENOUGH_MEMORY;
    }
    if (result.error != 0) {
        loaded.Clear();
        ShowError("无法打开文件 " + quoted + ":\n" + win::SystemErrorText(result.error));
        return;
    }
    const std::string badLine = "第 " + std::to_string(result.errorLine) + " 行不是有效的监视记录";
    if (loaded.empty() && result.errorLine != 0) {
        // Not a log at all: the list the user had is worth more than an empty one.
        ShowError("文件 " + quoted + " 不是监视记录文件,列表保持不变:\n" + badLine + ": " +
                  Excerpt(result.errorText));
        return;
    }
    ClearItemClick();
    events_ = std::move(loaded);
    ShowNewRows();
    if (result.errorLine != 0) {
        ShowError("文件 " + quoted + " 的" + badLine + ",读取到此为止:\n" + Excerpt(result.errorText));
    }
}

}  // namespace vemora
