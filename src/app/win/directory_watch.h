// One overlapped directory-change read kept alive by a worker thread on a completion port.
//
// The worker copies every completed batch, issues the next read at once and only then hands
// the copy to the main thread through a queue and a posted message, so the program's own
// speed never costs changes. It never waits for the main thread.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
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
    DirectoryWatch& watch_;
    std::thread thread_;
};

class DirectoryWatch {
  public:
    // 64 KB: the largest buffer a read over the network accepts.
    static constexpr DWORD kBufferSize = 64 * 1024;

    struct Completed {
        enum Kind { kBatch, kFailed } kind = kBatch;
        std::vector<std::byte> bytes;  // empty batch: the system lost changes (overflow)
        DWORD error = 0;               // kFailed: why the watch ended
    };
    struct StartResult {
        enum Stage { kStarted, kOpenFailed, kReadFailed } stage;
        DWORD error;
    };

    // notifyMessage is posted to window whenever completed work is waiting.
    DirectoryWatch(HWND window, UINT notifyMessage);
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

    std::vector<Completed> TakeCompleted();

  private:
    friend class TWaitThread;

    bool IssueRead();
    std::vector<std::byte> CopyBuffer(DWORD bytes) const;
    void Push(Completed completed);

    const HWND window_;
    const UINT notifyMessage_;

    win::UniqueFile dirHandle_;  // FDirHandle
    win::UniqueHandle port_;     // FCompletionPort
    win::UniqueHandle readDone_;
    OVERLAPPED overlapped_{};          // FOverlapped
    std::unique_ptr<DWORD[]> buffer_;  // FBuffer, DWORD-aligned
    DWORD notifyFilter_ = 0;           // FNotifyFilter
    std::atomic<bool> watchSubtree_{false};
    bool readPending_ = false;                 // the worker's while it runs
    std::unique_ptr<TWaitThread> waitThread_;  // FWaitThread

    std::mutex mutex_;
    std::vector<Completed> completed_;
    bool notified_ = false;
};

}  // namespace vemora
