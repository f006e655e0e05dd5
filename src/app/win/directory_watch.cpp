#include "app/win/directory_watch.h"

#include <algorithm>
#include <cstring>

#include "win/fs_redirection.h"

namespace vemora {
namespace {
constexpr ULONG_PTR kStopKey = 0;
constexpr DWORD kCancelWaitMs = 5000;
}  // namespace

DirectoryWatch::DirectoryWatch(HWND window, UINT notifyMessage, std::function<void()> onCompletion)
    : window_(window),
      notifyMessage_(notifyMessage),
      onCompletion_(std::move(onCompletion)),
      buffer_(new DWORD[kBufferSize / sizeof(DWORD)]) {}

DirectoryWatch::~DirectoryWatch() {
    Stop();
}

DirectoryWatch::StartResult DirectoryWatch::Start(const std::wstring& path, DWORD filter, bool watchSubtree) {
    Stop();
    {
        const win::ScopedRedirectionOff redirectionOff(path);  // System32 is System32, not SysWOW64
        dirHandle_.reset(CreateFileW(
            path.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr));
    }
    if (!dirHandle_) return {StartResult::kOpenFailed, GetLastError()};

    const auto key = reinterpret_cast<ULONG_PTR>(this);  // never the stop key
    port_.reset(CreateIoCompletionPort(dirHandle_.get(), nullptr, key, 0));
    if (!readDone_) readDone_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    notifyFilter_ = filter;
    watchSubtree_ = watchSubtree;
    failure_ = 0;
    if (!port_ || !readDone_ || !IssueRead()) {
        const DWORD error = GetLastError();
        dirHandle_.reset();
        port_.reset();
        return {StartResult::kReadFailed, error};
    }
    waitThread_ = std::make_unique<TWaitThread>(*this);
    waitThread_->Resume();
    return {StartResult::kStarted, 0};
}

bool DirectoryWatch::IssueRead() {
    std::memset(buffer_.get(), 0, kBufferSize);
    overlapped_ = {};
    overlapped_.hEvent = readDone_.get();
    readPending_ = ReadDirectoryChangesW(dirHandle_.get(), buffer_.get(), kBufferSize, watchSubtree_.load(),
                                         notifyFilter_, nullptr, &overlapped_, nullptr) != FALSE;
    return readPending_;
}

DirectoryWatch::Batch DirectoryWatch::CopyBuffer(DWORD bytes) const {
    const auto* data = reinterpret_cast<const std::byte*>(buffer_.get());
    return {data, data + std::min(bytes, kBufferSize)};
}

void DirectoryWatch::Push(Batch batch) {
    bool post = false;
    {
        std::lock_guard lock(mutex_);
        completed_.push_back(std::move(batch));
        post = !std::exchange(notified_, true);
    }
    if (post) Notify();
}

void DirectoryWatch::Notify() noexcept {
    if (!PostMessageW(window_, notifyMessage_, 0, 0)) {
        std::lock_guard lock(mutex_);
        notified_ = false;  // the next batch tries again
    }
}

void DirectoryWatch::Fail(DWORD error) noexcept {
    DWORD none = 0;
    failure_.compare_exchange_strong(none, error);  // the first reason is the one told
    Notify();
}

std::vector<DirectoryWatch::Batch> DirectoryWatch::TakeCompleted() {
    std::lock_guard lock(mutex_);
    notified_ = false;
    return std::exchange(completed_, {});
}

void TWaitThread::Execute() {
    // A failure of the worker's own (out of memory, say) must not end the program: the window
    // hears of it like a refused read, and the watch ends.
    try {
        Run();
    } catch (const std::bad_alloc&) {
        watch_.Fail(ERROR_NOT_ENOUGH_MEMORY);
    } catch (...) {
        watch_.Fail(ERROR_INTERNAL_ERROR);
    }
}

void TWaitThread::Run() {
    DirectoryWatch& w = watch_;
    for (;;) {
        DWORD bytes = 0;
        ULONG_PTR key = 0;
        OVERLAPPED* overlapped = nullptr;
        const BOOL ok = GetQueuedCompletionStatus(w.port_.get(), &bytes, &key, &overlapped, INFINITE);
        if (!ok && !overlapped) {  // the wait itself failed: no packet, nothing more will come
            w.Fail(GetLastError());
            return;
        }
        if (key == kStopKey) return;
        w.readPending_ = false;
        DirectoryWatch::Batch batch;
        if (!ok) {
            const DWORD error = GetLastError();
            if (error == ERROR_OPERATION_ABORTED) return;
            if (error != ERROR_NOTIFY_ENUM_DIR) {  // anything but an overflow ends the watch
                w.Fail(error);
                return;
            }
        } else {
            if (w.onCompletion_) w.onCompletion_();
            batch = w.CopyBuffer(bytes);
        }
        const DWORD readError = w.IssueRead() ? 0 : GetLastError();
        w.Push(std::move(batch));
        if (readError) {
            w.Fail(readError);
            return;
        }
    }
}

void DirectoryWatch::Stop() {
    if (!port_) return;
    if (waitThread_) {
        PostQueuedCompletionStatus(port_.get(), 0, kStopKey, nullptr);
        waitThread_->WaitFor();
        waitThread_.reset();
    }
    if (readPending_) {
        // The read must be over before its buffer can be reused; a batch that completed
        // meanwhile is kept like any other.
        CancelIoEx(dirHandle_.get(), &overlapped_);
        DWORD bytes = 0;
        if (WaitForSingleObject(readDone_.get(), kCancelWaitMs) == WAIT_OBJECT_0 &&
            GetOverlappedResult(dirHandle_.get(), &overlapped_, &bytes, FALSE) && bytes > 0) {
            Push(CopyBuffer(bytes));
        }
        readPending_ = false;
    }
    dirHandle_.reset();
    port_.reset();
}

}  // namespace vemora
