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
    path_ = path;
    watchSubtree_ = watchSubtree;
    dirHandle_ = OpenDirectory();
    if (!dirHandle_) return {StartResult::kOpenFailed, GetLastError()};
    dirSubtree_ = watchSubtree;
    port_.reset(CreateIoCompletionPort(dirHandle_.get(), nullptr, CompletionKey(), 0));
    if (!readDone_) readDone_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    notifyFilter_ = filter;
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

win::UniqueFile DirectoryWatch::OpenDirectory() const {
    const win::ScopedRedirectionOff redirectionOff(path_);  // System32 is System32, not SysWOW64
    return win::UniqueFile(CreateFileW(
        path_.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr));
}

ULONG_PTR DirectoryWatch::CompletionKey() const {
    return reinterpret_cast<ULONG_PTR>(this);  // never the stop key
}

// Wine takes the subtree flag from a handle's first read only, so a changed box gets a
// fresh handle; no read is pending on the old one when it closes.
bool DirectoryWatch::ApplySubtree(bool subtree) {
    if (subtree == dirSubtree_) return true;
    win::UniqueFile dir = OpenDirectory();
    if (!dir || !CreateIoCompletionPort(dir.get(), port_.get(), CompletionKey(), 0)) return false;
    dirHandle_ = std::move(dir);
    dirSubtree_ = subtree;
    return true;
}

bool DirectoryWatch::IssueRead() {
    readPending_ = false;
    const bool subtree = watchSubtree_.load();
    if (!ApplySubtree(subtree)) return false;
    std::memset(buffer_.get(), 0, kBufferSize);
    overlapped_ = {};
    overlapped_.hEvent = readDone_.get();
    if (const DWORD planted = seam_.readError.exchange(0)) {
        SetLastError(planted);
        return false;
    }
    const DWORD length = std::min(seam_.bufferSize.load(), kBufferSize);
    readPending_ = ReadDirectoryChangesW(dirHandle_.get(), buffer_.get(), length, subtree, notifyFilter_,
                                         nullptr, &overlapped_, nullptr) != FALSE;
    return readPending_;
}

BOOL DirectoryWatch::WaitForCompletion(DWORD& bytes, ULONG_PTR& key, OVERLAPPED*& overlapped) {
    if (const DWORD planted = seam_.waitError.exchange(0)) {
        SetLastError(planted);
        return FALSE;
    }
    const BOOL ok = GetQueuedCompletionStatus(port_.get(), &bytes, &key, &overlapped, INFINITE);
    if (key == kStopKey || !overlapped) return ok;
    if (const DWORD planted = seam_.completionError.exchange(0)) {
        SetLastError(planted);
        return FALSE;
    }
    return ok;
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
        const BOOL ok = w.WaitForCompletion(bytes, key, overlapped);
        if (!ok && !overlapped) {  // the wait itself failed: no packet, nothing more will come
            const DWORD waitError = GetLastError();
            w.EndPendingRead();
            w.Fail(waitError);
            return;
        }
        if (key == kStopKey) {
            if (w.seam_.onStopTaken) w.seam_.onStopTaken();
            w.EndPendingRead();
            return;
        }
        w.readPending_ = false;
        DirectoryWatch::Batch batch;
        if (!ok) {
            // Anything but an overflow ends the watch, a cancelled read too: only Stop cancels
            // on purpose, and it does so once the worker has gone.
            const DWORD error = GetLastError();
            if (error != ERROR_NOTIFY_ENUM_DIR) {
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

// The worker ends its own read: Wine completes a read only while the thread that issued
// it lives. The read must be over before its buffer can be reused; a batch that completed
// meanwhile is kept like any other.
void DirectoryWatch::EndPendingRead() {
    if (!readPending_) return;
    CancelIoEx(dirHandle_.get(), &overlapped_);
    DWORD bytes = 0;
    if (WaitForSingleObject(readDone_.get(), kCancelWaitMs) == WAIT_OBJECT_0 &&
        GetOverlappedResult(dirHandle_.get(), &overlapped_, &bytes, FALSE) && bytes > 0) {
        Push(CopyBuffer(bytes));
    }
    readPending_ = false;
}

void DirectoryWatch::Stop() {
    if (!port_) return;
    if (waitThread_) {
        PostQueuedCompletionStatus(port_.get(), 0, kStopKey, nullptr);
        waitThread_->WaitFor();
        waitThread_.reset();
    }
    EndPendingRead();  // one the worker left when its own failure ended it
    dirHandle_.reset();
    port_.reset();
}

}  // namespace vemora
