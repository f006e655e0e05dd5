// The dynamic refresh's watcher: a thread that waits on up to 63 change notifications and
// posts a message to the tree's window when one fires. The window's thread hands it one
// command at a time (add, remove, remove all, end) and waits a bounded time for it.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "win/handles.h"

namespace vemora::shell::win {

class TChangeHandlerThread {
  public:
    static constexpr int kSlots = MAXIMUM_WAIT_OBJECTS - 1;  // the command event takes one
    static constexpr DWORD kCommandTimeoutMs = 2000, kEndTimeoutMs = 30000;

    // Reports to owner with message (wParam: the slot that fired).
    TChangeHandlerThread(HWND owner, UINT message);
    ~TChangeHandlerThread();
    TChangeHandlerThread(const TChangeHandlerThread&) = delete;
    TChangeHandlerThread& operator=(const TChangeHandlerThread&) = delete;

    bool Running() const { return static_cast<bool>(thread_); }
    // Watches a directory (with its subtree) for the changes in filter; false when the system
    // refuses the watch, every slot is taken or the thread does not answer in time.
    bool AddWatch(const std::wstring& directory, bool subtree, DWORD filter);
    bool RemoveWatch(int slot);
    bool RemoveAll();
    int WatchCount() const;  // for tests: read while the thread is idle

  private:
    enum Command { kAdd, kRemove, kRemoveAll, kEnd };
    static DWORD WINAPI ThreadProc(void* self);
    void Run();
    bool Send(Command command);
    void Close(int slot);
    void DoCommand();

    HWND owner_;
    UINT message_;
    vemora::win::UniqueHandle doAction_, actionProcessed_, thread_;
    // The pending command; written by the window's thread, read by the watcher while the
    // former waits for actionProcessed_.
    Command command_ = kAdd;
    HANDLE pendingHandle_ = INVALID_HANDLE_VALUE;
    int pendingSlot_ = -1;
    int result_ = -1;
    std::array<HANDLE, kSlots> slots_;  // owned by the watcher thread; INVALID_HANDLE_VALUE when empty
};

}  // namespace vemora::shell::win
