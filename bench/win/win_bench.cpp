// Measurements of the real main window under Wine.
//   vemora_win_bench frame
//       50 successive sizes of the skinned main window, each repainted, against a plain window
//   vemora_win_bench list ROWS
//       appends ROWS rows to the event list: time and memory per row beyond the text
//   vemora_win_bench watch WATCHED_DIR APP_DIR READY_FILE EXPECTED
//       watches WATCHED_DIR with auto-save, creates READY_FILE, then records until EXPECTED
//       rows arrived or nothing came for 5 s: rows, daily-log lines, first-to-last row time
//   vemora_win_bench sort ROWS
//       fills the event list with ROWS rows and sorts it by a header click on each column, both
//       ways, against std::stable_sort of the same keys (ANSI code page) as plain strings
//   vemora_win_bench open ROWS
//       writes a log file of ROWS lines, opens it through the list's Open command, then sorts
//       it by the name column
//   vemora_win_bench repaint COUNT
//       repaints the whole window COUNT times, skinned and with plain controls (repaint_bench.h)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/event_line.h"
#include "app/event_paths.h"
#include "app/notify_records.h"
#include "app/win/file_io.h"
#include "app/win/form_vemora.h"
#include "app/win/local_clock.h"
#include "bench/win/repaint_bench.h"
#include "support/fake_ui.h"
#include "support/pump.h"
#include "win/text.h"

namespace {

using vemora::test::FakeUi;

// Committed private memory of the process, as the system's memory map reports it.
size_t CommittedBytes() {
    size_t committed = 0;
    MEMORY_BASIC_INFORMATION info{};
    for (const char* p = nullptr; VirtualQuery(p, &info, sizeof(info)) == sizeof(info);
         p = static_cast<const char*>(info.BaseAddress) + info.RegionSize) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) committed += info.RegionSize;
    }
    return committed;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int ListBench(size_t rows) {
    FakeUi ui;
    vemora::FormOptions options{&ui, "Z:\\tmp\\vemora-list-bench\\", false};
    options.maxRows = rows;  // every row stays: the cost of a row, for sizing the bound
    vemora::TFormVemora form(std::move(options));
    if (!form.FormCreate()) return 1;
    form.Show();
    form.ckSetAutoSave.SetChecked(false);
    vemora::test::PumpFor(200);

    const size_t before = CommittedBytes();
    size_t textBytes = 0;
    LARGE_INTEGER start{}, end{};
    QueryPerformanceCounter(&start);
    char name[64];
    for (size_t i = 0; i < rows; ++i) {
        snprintf(name, sizeof(name), "子目录\\file-%07zu.txt", i);
        const vemora::EventRow row{static_cast<int>(i % 5), "2026/12/10 11:42:07", "文件", "新建", name};
        textBytes += row.time.size() + row.type.size() + row.action.size() + row.name.size();
        form.AppendRow(row);
    }
    vemora::test::PumpUntil(
        [&] { return ListView_GetItemCount(form.RzLWMsg.hwnd()) == static_cast<int>(rows); });
    UpdateWindow(form.RzLWMsg.hwnd());
    QueryPerformanceCounter(&end);
    const size_t after = CommittedBytes();
    const double perRow = (static_cast<double>(after - before) - static_cast<double>(textBytes)) / rows;
    printf("list: %zu rows in %.3f s (%.0f ns/row); memory %.1f bytes/row beyond %.1f bytes/row of text\n",
           rows, Seconds(start, end), Seconds(start, end) * 1e9 / rows, perRow,
           static_cast<double>(textBytes) / rows);
    printf("list: list view holds %d rows; the row store's own overhead is %.1f bytes/row\n",
           ListView_GetItemCount(form.RzLWMsg.hwnd()),
           static_cast<double>(form.Events().OverheadBytes()) / rows);
    printf(
        "list: bytes per row with its text: %.1f by the committed memory, %.1f by the store's own accounting "
        "(%.2f and %.2f times the text)\n",
        static_cast<double>(after - before) / rows, static_cast<double>(form.Events().HeldBytes()) / rows,
        static_cast<double>(after - before) / static_cast<double>(textBytes),
        static_cast<double>(form.Events().HeldBytes()) / static_cast<double>(textBytes));
    return 0;
}

vemora::EventRow BenchRow(size_t i, size_t rows) {
    char time[32], name[64];
    const unsigned second = static_cast<unsigned>(i * 86400 / rows);
    snprintf(time, sizeof(time), "2026/12/10 %u:%02u:%02u", second / 3600, second / 60 % 60, second % 60);
    // Names in no particular order, some in Chinese.
    const unsigned n = static_cast<unsigned>((i * 2654435761u) % rows);
    snprintf(name, sizeof(name), i % 3 ? "dir\\file-%07u.txt" : "子目录\\文件-%07u.txt", n);
    static const char* kActions[] = {"新建", "删除", "修改", "更名", "更名为"};
    return {static_cast<int>(i % 5), time, i % 2 ? "文件" : "目录", kActions[i % 5], name};
}

// User and kernel time of all threads of the process: the machine's other load left out.
double CpuMilliseconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](FILETIME t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e4;
}

struct Timing {
    double wallMs, cpuMs;
};

template <typename F>
Timing Time(F&& work) {
    LARGE_INTEGER start{}, end{};
    const double cpu = CpuMilliseconds();
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return {Seconds(start, end) * 1000, CpuMilliseconds() - cpu};
}

Timing SortByClick(vemora::TFormVemora& form, int column) {
    return Time([&] {
        form.RzLWMsg.HeaderClickSort(column);
        UpdateWindow(form.RzLWMsg.hwnd());
    });
}

int SortBench(size_t rows) {
    FakeUi ui;
    vemora::TFormVemora form({&ui, "Z:\\tmp\\vemora-sort-bench\\", false});
    if (!form.FormCreate()) return 1;
    form.Show();
    form.ckSetAutoSave.SetChecked(false);
    for (size_t i = 0; i < rows; ++i) form.AppendRow(BenchRow(i, rows));
    vemora::test::PumpUntil(
        [&] { return ListView_GetItemCount(form.RzLWMsg.hwnd()) == static_cast<int>(rows); });
    const char* kNames[] = {"", "时间", "类型", "动作", "名称"};
    for (int column = 1; column <= 4; ++column) {
        std::vector<std::string> keys;
        keys.reserve(rows);
        for (size_t i = 0; i < rows; ++i) {
            keys.push_back(vemora::win::ToAnsi(
                form.Events().Text(i, static_cast<vemora::EventStore::Field>(column - 1))));
        }
        const Timing baseline = Time([&] { std::stable_sort(keys.begin(), keys.end()); });
        const Timing up = SortByClick(form, column);
        const Timing down = SortByClick(form, column);
        printf(
            "sort %s: %zu rows ascending %.0f ms (x%.2f; cpu %.0f ms, x%.2f), descending %.0f ms (x%.2f; cpu "
            "%.0f ms, x%.2f); std::stable_sort of the keys %.0f ms (cpu %.0f ms)\n",
            kNames[column], rows, up.wallMs, up.wallMs / baseline.wallMs, up.cpuMs, up.cpuMs / baseline.cpuMs,
            down.wallMs, down.wallMs / baseline.wallMs, down.cpuMs, down.cpuMs / baseline.cpuMs,
            baseline.wallMs, baseline.cpuMs);
    }
    return 0;
}

int OpenBench(size_t rows) {
    const std::wstring dir = L"Z:\\tmp\\vemora-sort-bench";
    CreateDirectoryW(dir.c_str(), nullptr);
    const std::wstring file = dir + L"\\million.log";
    std::string text;
    for (size_t i = 0; i < rows; ++i) text += vemora::FormatEventLine(BenchRow(i, rows)) + "\r\n";
    if (vemora::ReplaceFileContents(file, vemora::win::ToAnsi(text)) != 0) return 1;
    FakeUi ui;
    vemora::TFormVemora form({&ui, "Z:\\tmp\\vemora-sort-bench\\", false});
    if (!form.FormCreate()) return 1;
    form.Show();
    vemora::test::PumpFor(200);
    ui.fileAnswer = file;
    LARGE_INTEGER start{}, opened{}, sorted{};
    QueryPerformanceCounter(&start);
    form.OpenItemClick();
    vemora::test::PumpUntil(
        [&] { return ListView_GetItemCount(form.RzLWMsg.hwnd()) == static_cast<int>(form.Events().size()); });
    UpdateWindow(form.RzLWMsg.hwnd());
    QueryPerformanceCounter(&opened);
    form.RzLWMsg.HeaderClickSort(4);
    UpdateWindow(form.RzLWMsg.hwnd());
    QueryPerformanceCounter(&sorted);
    printf("open: %zu rows opened in %.0f ms, sorted by 名称 in %.0f ms, %.0f ms in all; %zu messages\n",
           form.Events().size(), Seconds(start, opened) * 1000, Seconds(opened, sorted) * 1000,
           Seconds(start, sorted) * 1000, ui.messages.size());
    return 0;
}

size_t CountLines(const std::string& path) {
    std::string bytes;
    if (vemora::ReadFileContents(vemora::win::Widen(path), bytes) != 0) return 0;
    size_t lines = 0;
    for (char c : bytes) lines += c == '\n';
    return lines;
}

// The wall clock, as Linux reads it: seconds since 1970.
double UnixSeconds() {
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const uint64_t ticks = (uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime;
    return static_cast<double>(ticks - 116444736000000000ull) / 1e7;
}

uint64_t FileBytes(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(vemora::win::Widen(path).c_str(), GetFileExInfoStandard, &data)) return 0;
    return (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

// Sends the window an empty message every few milliseconds and keeps the longest wait for
// the answer: how long input would wait.
class RoundTripProbe {
  public:
    explicit RoundTripProbe(HWND window)
        : thread_([this, window] {
              while (!done_) {
                  LARGE_INTEGER start{}, end{};
                  QueryPerformanceCounter(&start);
                  DWORD_PTR result = 0;
                  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
                  QueryPerformanceCounter(&end);
                  longest_ = std::max(longest_.load(), Seconds(start, end));
                  Sleep(5);
              }
          }) {}
    ~RoundTripProbe() {
        done_ = true;
        thread_.join();
    }
    double LongestMs() const { return longest_ * 1e3; }

  private:
    std::atomic<bool> done_{false};
    std::atomic<double> longest_{0};
    std::thread thread_;
};

// A window on a thread of its own that only answers messages.
class IdleWindow {
  public:
    IdleWindow()
        : thread_([this] {
              window_ = CreateWindowExW(0, L"STATIC", L"idle", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr,
                                        nullptr);
              created_ = true;
              MSG msg{};
              while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
              DestroyWindow(window_);
          }) {
        while (!created_) Sleep(1);
    }
    ~IdleWindow() {
        PostMessageW(window_, WM_QUIT, 0, 0);
        thread_.join();
    }
    HWND hwnd() const { return window_; }

  private:
    std::atomic<bool> created_{false};
    HWND window_ = nullptr;
    std::thread thread_;
};

int WatchBench(const std::wstring& watched, const std::wstring& appDir, const std::wstring& ready,
               size_t expected) {
    FakeUi ui;
    vemora::TFormVemora form({&ui, vemora::win::Narrow(appDir), false});
    if (!form.FormCreate()) return 1;
    form.Show();
    wchar_t treeValue[4] = {};
    const bool tree =
        GetEnvironmentVariableW(L"VEMORA_BENCH_TREE", treeValue, 4) != 0 && treeValue[0] == L'1';
    form.ckMonitorLastWrite.SetChecked(false);  // one row per created file
    form.ckMonitorDirName.SetChecked(tree);
    if (GetEnvironmentVariableW(L"VEMORA_BENCH_NO_LOG", nullptr, 0)) form.ckSetAutoSave.SetChecked(false);
    form.ckWatchSubTree.SetChecked(tree);
    form.ePath.SetText(vemora::win::Narrow(watched));
    form.bStart.Click();
    if (!form.Watching()) {
        fprintf(stderr, "watch: cannot start: %s\n",
                ui.messages.empty() ? "" : ui.messages.back().text.c_str());
        return 1;
    }
    const size_t committedBefore = CommittedBytes();
    vemora::ReplaceFileContents(ready, "ready");

    // One message at a time, so the clock is read as the rows and the log lines arrive.
    double lastRow = 0, lastLog = 0;
    size_t seen = 0;
    uint64_t logBytes = 0;
    double longestRoundTrip = 0, longestMessage = 0;
    UINT longestMessageId = 0;
    wchar_t longestClass[64] = {};
    {
        const RoundTripProbe probe(form.hwnd());
        ULONGLONG quietSince = GetTickCount64();
        while (GetTickCount64() - quietSince < (seen < expected ? 5000u : 300u)) {
            MSG msg{};
            LARGE_INTEGER start{}, end{};
            QueryPerformanceCounter(&start);
            if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            } else {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            }
            QueryPerformanceCounter(&end);
            if (msg.message != 0 && Seconds(start, end) * 1e3 > longestMessage) {
                longestMessage = Seconds(start, end) * 1e3;
                longestMessageId = msg.message;
                GetClassNameW(msg.hwnd, longestClass, 64);
            }
            if (form.Events().size() != seen) {
                lastRow = UnixSeconds();
                seen = form.Events().size();
                quietSince = GetTickCount64();
            }
            if (!form.LogFileName().empty() && FileBytes(form.LogFileName()) != logBytes) {
                lastLog = UnixSeconds();
                logBytes = FileBytes(form.LogFileName());
                quietSince = GetTickCount64();
            }
        }
        longestRoundTrip = probe.LongestMs();
    }
    form.bStopClick();
    const size_t rows = form.Events().size();
    const size_t lines = CountLines(form.LogFileName());
    if (rows < expected && !tree) {  // which creations never arrived
        std::vector<bool> seenFile(expected);
        for (size_t i = 0; i < rows; ++i) {
            unsigned n = 0;
            if (sscanf(std::string(form.Events().Text(i, vemora::EventStore::kName)).c_str(), "file-%u.txt",
                       &n) == 1 &&
                n < expected) {
                seenFile[n] = true;
            }
        }
        printf("watch: missing");
        for (size_t i = 0; i < expected; ++i) {
            if (!seenFile[i]) printf(" file-%zu.txt", i);
        }
        printf("\n");
    }
    printf(
        "watch: rows %zu of %zu, daily-log lines %zu, last row at %.3f, last log line at %.3f, longest round "
        "trip %.1f ms (longest message 0x%04x to %ls, %.1f ms), memory %.1f MB more after the burst, "
        "messages %zu, "
        "status \"%s\"\n",
        rows, expected, lines, lastRow, lastLog, longestRoundTrip, longestMessageId, longestClass,
        longestMessage,
        (static_cast<double>(CommittedBytes()) - static_cast<double>(committedBefore)) / (1 << 20),
        ui.messages.size(), form.StatusText().c_str());
    return 0;
}

// Baselines on the same burst, without the program: "bare" re-issues a 64 KB read at once and
// only counts; "blocking" is the design the program replaced: a 4,097-byte buffer and a
// worker that records each record (type test and log line) before it reads again.
int BaselineWatch(const std::wstring& mode, const std::wstring& watched, const std::wstring& ready,
                  const std::wstring& log, size_t expected) {
    const bool blocking = mode == L"blocking";
    const DWORD bufferSize = blocking ? 4097 : 65536;
    vemora::win::UniqueFile dir(CreateFileW(watched.c_str(), FILE_LIST_DIRECTORY, 7, nullptr, OPEN_EXISTING,
                                            FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr));
    vemora::win::UniqueHandle port(CreateIoCompletionPort(dir.get(), nullptr, 1, 0));
    std::vector<DWORD> buffer(65536 / sizeof(DWORD));
    OVERLAPPED overlapped{};
    const auto read = [&] {
        std::fill(buffer.begin(), buffer.end(), 0);
        return ReadDirectoryChangesW(dir.get(), buffer.data(), bufferSize, FALSE,
                                     FILE_NOTIFY_CHANGE_FILE_NAME, nullptr, &overlapped, nullptr);
    };
    if (!dir || !port || !read()) return 1;
    // The same probe against a window whose thread does nothing else: how long Wine and the
    // machine take to answer at all during the burst.
    const IdleWindow idle;
    const RoundTripProbe probe(idle.hwnd());
    vemora::ReplaceFileContents(ready, "ready");
    std::vector<bool> seen(expected);
    size_t distinct = 0, overflows = 0;
    double last = 0;
    for (;;) {
        DWORD bytes = 0;
        ULONG_PTR key = 0;
        OVERLAPPED* done = nullptr;
        const BOOL ok = GetQueuedCompletionStatus(port.get(), &bytes, &key, &done, 5000);
        if (!ok && !done) break;  // quiet for 5 s: the burst is over
        if (bytes == 0) ++overflows;
        const std::vector<std::byte> batch(reinterpret_cast<std::byte*>(buffer.data()),
                                           reinterpret_cast<std::byte*>(buffer.data()) + bytes);
        if (!blocking) read();
        for (const vemora::ChangeRecord& record : vemora::ProcessNotifications(batch.data(), batch.size())) {
            unsigned n = 0;
            if (sscanf(record.name.c_str(), "file-%u.txt", &n) == 1 && n < expected && !seen[n]) {
                seen[n] = true;
                ++distinct;
                last = UnixSeconds();
            }
            if (blocking) {
                vemora::IsExistingFile(watched + L"\\" + vemora::win::Widen(record.name));
                vemora::AppendToFile(log, "0?2026/12/10 11:42:07?文件?新建?" + record.name + "\r\n");
            }
        }
        if (blocking) read();
    }
    printf(
        "baseline %ls: %zu of %zu names arrived, %zu overflow reports, last at %.3f, longest round trip to an "
        "idle window %.1f ms\n",
        mode.c_str(), distinct, expected, overflows, last, probe.LongestMs());
    return 0;
}

// Seconds per size for 50 successive sizes, each painted at once (frame and client).
double ResizeSeconds(HWND window) {
    LARGE_INTEGER start{}, end{};
    QueryPerformanceCounter(&start);
    for (int i = 0; i < 50; ++i) {
        SetWindowPos(window, nullptr, 0, 0, 600 + 8 * i, 450 + 5 * i, SWP_NOMOVE | SWP_NOZORDER);
        RedrawWindow(window, nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    GdiFlush();
    QueryPerformanceCounter(&end);
    return Seconds(start, end) / 50;
}

// The skinned main window, and a window with the skinned frame alone, against a window of
// the same size with the system's own frame and no children, resized the same way in the
// same run.
int FrameBench() {
    FakeUi ui;
    vemora::TFormVemora form({&ui, "Z:\\tmp\\vemora-frame-bench\\", false});
    if (!form.FormCreate()) return 1;
    form.Show();
    const auto plainWindow = [] {
        return CreateWindowExW(0, L"STATIC", L"plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 500,
                               nullptr, nullptr, nullptr, nullptr);
    };
    const HWND plain = plainWindow();
    const HWND framed = plainWindow();
    vemora::skin::SkinFrameWindow frame;
    frame.Attach(framed, false);
    frame.Form().SetSkinData(&form.SkinData());
    vemora::test::PumpFor(300);
    double skinned = 1e30, frameOnly = 1e30, bare = 1e30;
    for (int round = 0; round < 5; ++round) {
        bare = std::min(bare, ResizeSeconds(plain));
        frameOnly = std::min(frameOnly, ResizeSeconds(framed));
        skinned = std::min(skinned, ResizeSeconds(form.hwnd()));
        vemora::test::PumpFor(50);
    }
    DestroyWindow(framed);
    DestroyWindow(plain);
    printf(
        "frame: 50 sizes, each repainted, ms per size: system-framed window %.3f; skinned frame alone "
        "%.3f (ratio %.2f); skinned main window with its controls %.3f (ratio %.2f)\n",
        bare * 1e3, frameOnly * 1e3, frameOnly / bare, skinned * 1e3, skinned / bare);
    return 0;
}

// Where the time of one recorded change goes: each step of recording, timed alone over the
// same 10,000 files in a real directory, in microseconds per change.
int CostsBench(const std::wstring& dir, size_t n) {
    FakeUi ui;
    vemora::TFormVemora form({&ui, vemora::win::Narrow(dir) + "\\app\\", false});
    if (!form.FormCreate()) return 1;
    form.ePath.SetText(vemora::win::Narrow(dir));
    std::vector<std::wstring> paths;
    for (size_t i = 0; i < n; ++i) {
        paths.push_back(dir + L"\\file-" + std::to_wstring(i) + L".txt");
        vemora::ReplaceFileContents(paths.back(), "");
    }
    const std::string line = "0?2026/12/11 14:05:09?文件?新建?file-1234.txt\r\n";
    const auto time = [&](const char* what, const std::function<void(size_t)>& step) {
        LARGE_INTEGER start{}, end{};
        QueryPerformanceCounter(&start);
        for (size_t i = 0; i < n; ++i) step(i);
        QueryPerformanceCounter(&end);
        printf("costs: %-52s %8.2f us/change\n", what, Seconds(start, end) * 1e6 / n);
    };
    time("type test (FindFirstFileW)", [&](size_t i) { vemora::IsExistingFile(paths[i]); });
    time("type test by GetFileAttributesExW", [&](size_t i) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        GetFileAttributesExW(paths[i].c_str(), GetFileExInfoStandard, &data);
    });
    const std::wstring logA = dir + L"\\app\\a.log", logB = dir + L"\\app\\b.log";
    vemora::CreateDirectoryTree(dir + L"\\app");
    time("daily log: open, append one line, close", [&](size_t) { vemora::AppendToFile(logA, line); });
    std::string all;
    time("daily log: gather the line for one append", [&](size_t) { all += line; });
    time("daily log: one append of all lines, shared", [&](size_t i) {
        if (i == 0) vemora::AppendToFile(logB, all);
    });
    time("the line in the ANSI code page (ToAnsi)", [&](size_t) { vemora::win::ToAnsi(line); });
    time("clock (GetLocalTime)", [&](size_t) { vemora::LocalNow(); });
    const vemora::DateTimeFormats formats{"yyyy/M/d", "H:mm:ss", "AM", "PM"};
    time("time text", [&](size_t) { vemora::TimeText(vemora::LocalNow(), formats); });
    time("the watched path from the edit (GetWindowTextW)", [&](size_t) { form.ePath.Text(); });
    vemora::EventStore store;
    time("row store append", [&](size_t i) {
        store.Append({0, "2026/12/11 14:05:09", "文件", "新建", "file-" + std::to_string(i) + ".txt"});
    });
    time("list view row count (LVM_SETITEMCOUNT)", [&](size_t i) {
        form.AppendRow({0, "2026/12/11 14:05:09", "文件", "新建", "x"});
        form.RzLWMsg.SetRowCount(i + 1);
    });
    form.Show();
    for (const size_t rows : {size_t{0}, size_t{5}, size_t{2000}, size_t{4000}, n, n + 1600}) {
        while (form.Events().size() < rows) form.AppendRow({0, "2026/12/11 14:05:09", "文件", "新建", "x"});
        vemora::test::PumpFor(50);
        LARGE_INTEGER from{}, to{};
        QueryPerformanceCounter(&from);
        form.RzLWMsg.SetRowCount(rows);
        QueryPerformanceCounter(&to);
        printf("costs: list view shows %zu rows at once: %.2f ms\n", rows, Seconds(from, to) * 1e3);
    }
    const size_t ticks = 20;
    LARGE_INTEGER start{}, end{};
    QueryPerformanceCounter(&start);
    for (size_t i = 0; i < ticks; ++i) {
        SetTimer(nullptr, 0, USER_TIMER_MINIMUM, nullptr);
        MSG msg{};
        while (GetMessageW(&msg, nullptr, 0, 0) && msg.message != WM_TIMER) DispatchMessageW(&msg);
        KillTimer(nullptr, msg.wParam);
    }
    QueryPerformanceCounter(&end);
    printf("costs: the recording timer's cadence (USER_TIMER_MINIMUM): %.1f ms per tick\n",
           Seconds(start, end) * 1e3 / ticks);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"frame") return FrameBench();
    if (mode == L"list" && argc == 3) return ListBench(std::wcstoul(argv[2], nullptr, 10));
    if (mode == L"costs" && argc == 4) return CostsBench(argv[2], std::wcstoul(argv[3], nullptr, 10));
    if (mode == L"sort" && argc == 3) return SortBench(std::wcstoul(argv[2], nullptr, 10));
    if (mode == L"open" && argc == 3) return OpenBench(std::wcstoul(argv[2], nullptr, 10));
    if (mode == L"repaint" && argc == 3)
        return vemora::bench::RepaintBench(int(std::wcstoul(argv[2], nullptr, 10)));
    if (mode == L"watch" && argc == 6) {
        return WatchBench(argv[2], argv[3], argv[4], std::wcstoul(argv[5], nullptr, 10));
    }
    if ((mode == L"bare" || mode == L"blocking") && argc == 6) {
        return BaselineWatch(mode, argv[2], argv[4], std::wstring(argv[3]) + L"baseline.log",
                             std::wcstoul(argv[5], nullptr, 10));
    }
    fprintf(stderr,
            "usage: vemora_win_bench frame | list ROWS | sort ROWS | open ROWS | costs DIR CHANGES | "
            "repaint COUNT | {watch|bare|blocking} WATCHED APP_DIR READY_FILE EXPECTED\n");
    return 2;
}
