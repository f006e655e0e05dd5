// One overlapped directory-change read kept alive by a worker thread on a completion port.
//
// The worker copies every completed batch, issues the next read at once and only then hands
// the copy to the main thread through a queue and a posted message, so the program's own
// speed never costs changes. It never waits for the main thread.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "win/handles.h"

namespace vemora {

class DirectoryWatch;

// The worker: created suspended, started by Resume, joined by the watch.
class TWaitThread {
  public:
    explicit TWaitThread(DirectoryWatch& watch) : watch_(watch) {}
    ~TWaitThread() { WaitFor(); }
    void Resume() { thread_ = std::thread(&TWaitThread::Execute, this); }
    void WaitFor() {
        if (thread_.joinable()) thread_.join();
    }

  private:
    void Execute();
    void Run();
    DirectoryWatch& watch_;
    std::thread thread_;
};

class DirectoryWatch {
  public:
    // 64 KB: the largest buffer a read over the network accepts.
    static constexpr DWORD kBufferSize = 64 * 1024;

    // One completed read; empty: the system lost changes (overflow).
    using Batch = std::vector<std::byte>;
    struct StartResult {
        enum Stage { kStarted, kOpenFailed, kReadFailed } stage;
        DWORD error;
    };

    // notifyMessage is posted to window whenever completed work is waiting. onCompletion,
    // when set, runs on the worker at every completed read (tests make it throw).
    DirectoryWatch(HWND window, UINT notifyMessage, std::function<void()> onCompletion = {});
    ~DirectoryWatch();
    DirectoryWatch(const DirectoryWatch&) = delete;
    DirectoryWatch& operator=(const DirectoryWatch&) = delete;

    // Opens the path exactly as given and issues the first read.
    StartResult Start(const std::wstring& path, DWORD filter, bool watchSubtree);
    // Ends the worker and the pending read and closes the handles. Batches completed before
    // the stop stay queued for TakeCompleted.
    void Stop();
    bool Running() const { return static_cast<bool>(port_); }

    // Taken before every later read, so a change of the subtree box applies at once.
    void SetWatchSubtree(bool watchSubtree) { watchSubtree_ = watchSubtree; }

    std::vector<Batch> TakeCompleted();
    // Why the worker ended the watch (a refused read or wait, or its own failure); 0 while
    // it runs. Set after the batches completed before it.
    DWORD TakeFailure() { return failure_.exchange(0); }

    // For tests only: a smaller buffer (at most kBufferSize), so a handful of files overflows
    // it, and errors planted into the worker's next system calls, so a test can end a watch
    // the way Windows does. Each planted error is used once; 0 leaves the system's answer.
    struct TestSeam {
        std::atomic<DWORD> bufferSize{kBufferSize};
        std::atomic<DWORD> readError{0};        // the next read is refused
        std::atomic<DWORD> completionError{0};  // the next completed read reports this instead of records
        std::atomic<DWORD> waitError{0};        // the next wait fails by itself, taking no packet
        std::function<void()> onStopTaken;      // runs on the worker between the stop request and its cancel
    };
    TestSeam& Seam() { return seam_; }

  private:
    friend class TWaitThread;

    win::UniqueFile OpenDirectory() const;
    ULONG_PTR CompletionKey() const;
    bool ApplySubtree(bool subtree);
    bool IssueRead();
    BOOL WaitForCompletion(DWORD& bytes, ULONG_PTR& key, OVERLAPPED*& overlapped);
    void EndPendingRead();
    Batch CopyBuffer(DWORD bytes) const;
    void Push(Batch batch);
    void Fail(DWORD error) noexcept;
    void Notify() noexcept;

    const HWND window_;
    const UINT notifyMessage_;
    const std::function<void()> onCompletion_;

    std::wstring path_;
    win::UniqueFile dirHandle_;  // FDirHandle
    bool dirSubtree_ = false;    // the subtree flag of dirHandle_'s reads
    win::UniqueHandle port_;     // FCompletionPort
    win::UniqueHandle readDone_;
    OVERLAPPED overlapped_{};          // FOverlapped
    std::unique_ptr<DWORD[]> buffer_;  // FBuffer, DWORD-aligned
    DWORD notifyFilter_ = 0;           // FNotifyFilter
    std::atomic<bool> watchSubtree_{false};
    bool readPending_ = false;                 // the worker's while it runs
    std::unique_ptr<TWaitThread> waitThread_;  // FWaitThread
    TestSeam seam_;

    std::mutex mutex_;
    std::vector<Batch> completed_;
    bool notified_ = false;
    std::atomic<DWORD> failure_{0};
};

}  // namespace vemora
