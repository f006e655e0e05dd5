// The daily log, and saving and opening the list as log files.
#include "app/event_line.h"
#include "app/event_paths.h"
#include "app/win/file_io.h"
#include "app/win/form_vemora.h"
#include "app/win/local_clock.h"
#include "win/error_text.h"
#include "win/text.h"

namespace vemora {
namespace {

constexpr char kLogFailing[] = "日志写入失败,监视记录仍显示在列表中";

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

}  // namespace

void TFormVemora::WriteLogLine(int image, const std::string& type, const std::string& name,
                               const std::string& action, const LocalTime& time) {
    // Set before the write, so the write's own change record is recognised and dropped.
    FLogFileName = DailyLogPath(FAppDir, LocalNow());
    const std::string line = FormatEventLine({image, TimeText(time, formats_), type, action, name}) + "\r\n";
    DWORD error = CreateDirectoryTree(win::Widen(LogDirectory(FAppDir)));
    if (error == 0) error = AppendToFile(win::Widen(FLogFileName), win::ToAnsi(line));

    if (error == 0) {
        if (logFailing_) {
            logFailing_ = false;
            SetWarning({});
        }
        return;
    }
    if (logFailing_) return;  // told once until a write succeeds again
    logFailing_ = true;
    SetWarning(kLogFailing);
    ShowError("无法写入日志文件 " + Quoted(FLogFileName) + ":\n" + win::SystemErrorText(error));
}

void TFormVemora::SaveItemClick() {
    if (events_.empty()) return;
    const std::optional<std::wstring> file = ui_.ChooseSaveFile(hwnd(), {win::Widen(FLogFileName), {}});
    if (!file) return;
    std::string text;
    for (size_t i = 0; i < events_.size(); ++i) {
        text += FormatEventLine(events_.Row(i));
        text += "\r\n";
    }
    if (const DWORD error = ReplaceFileContents(*file, win::ToAnsi(text))) {
        ShowError("无法保存文件 " + Quoted(win::Narrow(*file)) + ":\n" + win::SystemErrorText(error));
    }
}

void TFormVemora::OpenItemClick() {
    const std::optional<std::wstring> file =
        ui_.ChooseOpenFile(hwnd(), {{}, win::Widen(LogDirectory(FAppDir) + "\\")});
    if (!file) return;
    // Read first: a file that cannot be read leaves the list as it was.
    std::string bytes;
    if (const DWORD error = ReadFileContents(*file, bytes)) {
        ShowError("无法打开文件 " + Quoted(win::Narrow(*file)) + ":\n" + win::SystemErrorText(error));
        return;
    }
    ClearItemClick();
    const ParsedEvents parsed = ParseEventLines(win::FromAnsi(bytes));
    for (const EventRow& row : parsed.rows) AppendRow(row);
    if (parsed.errorLine != 0) {
        ShowError("文件 " + Quoted(win::Narrow(*file)) + " 的第 " + std::to_string(parsed.errorLine) +
                  " 行不是有效的监视记录,读取到此为止:\n" + parsed.errorText);
    }
}

}  // namespace vemora
