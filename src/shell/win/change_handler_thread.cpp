#include "shell/win/change_handler_thread.h"

#include <vector>

namespace vemora::shell::win {

TChangeHandlerThread::TChangeHandlerThread(HWND owner, UINT message)
    : owner_(owner),
      message_(message),
      doAction_(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      actionProcessed_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    slots_.fill(INVALID_HANDLE_VALUE);
    if (doAction_ && actionProcessed_) thread_.reset(CreateThread(nullptr, 0, &ThreadProc, this, 0, nullptr));
}

TChangeHandlerThread::~TChangeHandlerThread() {
    if (thread_) {
        command_ = kEnd;
        SetEvent(doAction_.get());
        if (WaitForSingleObject(thread_.get(), kEndTimeoutMs) != WAIT_OBJECT_0) {
            // It hangs in the system: its handles stay with it rather than close under it.
            thread_.release();
            return;
        }
    }
    for (int i = 0; i < kSlots; ++i) Close(i);
    if (pendingHandle_ != INVALID_HANDLE_VALUE) FindCloseChangeNotification(pendingHandle_);
}

DWORD WINAPI TChangeHandlerThread::ThreadProc(void* self) {
    static_cast<TChangeHandlerThread*>(self)->Run();
    return 0;
}

void TChangeHandlerThread::Close(int slot) {
    if (slots_[slot] == INVALID_HANDLE_VALUE) return;
    FindCloseChangeNotification(slots_[slot]);
    slots_[slot] = INVALID_HANDLE_VALUE;
}

void TChangeHandlerThread::DoCommand() {
    switch (command_) {
        case kAdd: {
            result_ = -1;
            for (int i = 0; i < kSlots && result_ < 0; ++i) {
                if (slots_[i] != INVALID_HANDLE_VALUE) continue;
                slots_[i] = pendingHandle_;
                pendingHandle_ = INVALID_HANDLE_VALUE;
                result_ = i;
            }
            break;
        }
        case kRemove:
            if (pendingSlot_ >= 0 && pendingSlot_ < kSlots) Close(pendingSlot_);
            break;
        case kRemoveAll:
            for (int i = 0; i < kSlots; ++i) Close(i);
            break;
        case kEnd:
            return;
    }
    SetEvent(actionProcessed_.get());
}

void TChangeHandlerThread::Run() {
    std::vector<HANDLE> handles;
    std::vector<int> slotOf;
    for (;;) {
        handles.assign(1, doAction_.get());
        slotOf.assign(1, -1);
        for (int i = 0; i < kSlots; ++i) {
            if (slots_[i] == INVALID_HANDLE_VALUE) continue;
            handles.push_back(slots_[i]);
            slotOf.push_back(i);
        }
        const DWORD woke =
            WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, INFINITE);
        if (woke == WAIT_OBJECT_0) {
            if (command_ == kEnd) return;
            DoCommand();
        } else if (woke > WAIT_OBJECT_0 && woke < WAIT_OBJECT_0 + handles.size()) {
            const int slot = slotOf[woke - WAIT_OBJECT_0];
            PostMessageW(owner_, message_, static_cast<WPARAM>(slot), 0);
            if (!FindNextChangeNotification(slots_[slot])) Close(slot);
        } else if (woke > WAIT_ABANDONED_0 && woke < WAIT_ABANDONED_0 + handles.size()) {
            Close(slotOf[woke - WAIT_ABANDONED_0]);
        } else if (woke == WAIT_FAILED) {
            // A handle went bad under the wait: drop the watches rather than spin.
            for (int i = 0; i < kSlots; ++i) Close(i);
        }
    }
}

bool TChangeHandlerThread::Send(Command command) {
    if (!thread_) return false;
    command_ = command;
    SetEvent(doAction_.get());
    return WaitForSingleObject(actionProcessed_.get(), kCommandTimeoutMs) == WAIT_OBJECT_0;
}

bool TChangeHandlerThread::AddWatch(const std::wstring& directory, bool subtree, DWORD filter) {
    const HANDLE handle = FindFirstChangeNotificationW(directory.c_str(), subtree, filter);
    if (handle == INVALID_HANDLE_VALUE) return false;
    pendingHandle_ = handle;
    result_ = -1;
    if (!Send(kAdd)) return false;  // the handle stays pending; the destructor closes it
    if (result_ < 0) {
        FindCloseChangeNotification(pendingHandle_);
        pendingHandle_ = INVALID_HANDLE_VALUE;
        return false;
    }
    return true;
}

bool TChangeHandlerThread::RemoveWatch(int slot) {
    pendingSlot_ = slot;
    return Send(kRemove);
}

bool TChangeHandlerThread::RemoveAll() {
    return Send(kRemoveAll);
}

int TChangeHandlerThread::WatchCount() const {
    int count = 0;
    for (HANDLE h : slots_) count += h != INVALID_HANDLE_VALUE;
    return count;
}

}  // namespace vemora::shell::win
