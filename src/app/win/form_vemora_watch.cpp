// Start and Stop of the watch, and the hand-over of completed batches to the event list.
#include <new>
#include <utility>

#include "app/notify_records.h"
#include "app/win/form_vemora.h"
#include "win/error_text.h"
#include "win/text.h"

namespace vemora {
namespace {
constexpr char kChangesLost[] = "部分变化未能记录:系统的变化缓冲区已满";
constexpr char kChangesNotRecorded[] = "部分变化未能记录";
// How long recording holds the window before input, painting and other messages get through.
constexpr ULONGLONG kRecordSliceMs = 25;

// Sets a flag for the life of the scope.
class ScopedFlag {
  public:
    explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

  private:
    bool& flag_;
};

std::string FailureText(const std::exception& e) {
    if (dynamic_cast<const std::bad_alloc*>(&e)) return win::SystemErrorText(ERROR_NOT_ENOUGH_MEMORY);
    return e.what();
}

}  // namespace

void TFormVemora::bStartClick() {
    std::array<bool, kEventBoxCount> checked{};
    for (int i = 0; i < kEventBoxCount; ++i) checked[i] = eventBoxes[i].Checked();
    const uint32_t filter = BuildNotifyFilter(checked);
    if (filter == 0) {
        ui_.ShowMessage(hwnd(), FMsgNoEvents, "Vemora", MB_OK | MB_ICONINFORMATION);
        return;
    }
    ClearItemClick();
    if (!logFailing_) SetWarning({});

    const std::string path = ePath.Text();
    const DirectoryWatch::StartResult started =
        watch_->Start(win::Widen(path), filter, ckWatchSubTree.Checked());
    if (started.stage == DirectoryWatch::StartResult::kOpenFailed) ui_.Beep();
    if (started.stage != DirectoryWatch::StartResult::kStarted) {
        ShowError(win::SystemErrorText(started.error));
        return;
    }
    ePath.SetEnabled(false);
    bStart.SetEnabled(false);
    bStop.SetEnabled(true);
}

void TFormVemora::bStopClick() {
    if (!Watching()) return;
    EndWatch();
}

void TFormVemora::EndWatch() {
    watch_->Stop();
    ProcessCompleted(true);  // every batch that completed before the stop
    ePath.SetEnabled(true);
    bStart.SetEnabled(true);
    bStop.SetEnabled(false);
}

void TFormVemora::ProcessCompleted(bool everything) {
    // A message box shown while recording runs a modal loop that may deliver the next
    // notification; the outer call takes that work after its own, so rows keep their order.
    if (processing_) {
        processingDeferred_ = true;
        return;
    }
    const ULONGLONG deadline = everything ? ~0ull : GetTickCount64() + kRecordSliceMs;
    std::string failure;
    {
        const ScopedFlag busy(processing_);  // down again however recording ends
        do {
            processingDeferred_ = false;
            TakeCompleted(failure);
            RecordPending(deadline, failure);
        } while (processingDeferred_ && GetTickCount64() < deadline);
    }
    if (!failure.empty() && !std::exchange(recordFailing_, true)) {
        SetWarning(kChangesNotRecorded);
        ShowError(std::string(kChangesNotRecorded) + ": " + failure);
    }
    // A call deferred in the last slice took nothing, and the watch does not post again until
    // its queue is taken: that work is scheduled like the rest.
    if (!pending_.empty() || std::exchange(processingDeferred_, false)) {
        PostMessageW(hwnd(), kWatchCompleted, 0, 0);  // the rest, after what waits (input first)
    } else if (const DWORD error = watch_->TakeFailure()) {
        WatchFailed(error);
    }
}

void TFormVemora::TakeCompleted(std::string& failure) {
    for (const DirectoryWatch::Batch& batch : watch_->TakeCompleted()) {
        // A batch that cannot be recorded is told, and the watch goes on with the next.
        try {
            if (faults_.recordBatch) faults_.recordBatch();
            if (batch.empty()) SetWarning(kChangesLost);
            for (ChangeRecord& record : ProcessNotifications(batch.data(), batch.size())) {
                pending_.push_back(std::move(record));
            }
            recordFailing_ = false;
        } catch (const std::exception& e) {
            if (failure.empty()) failure = FailureText(e);
        }
    }
}

void TFormVemora::RecordPending(ULONGLONG deadline, std::string& failure) {
    const std::string watchedPath = ePath.Text();
    try {
        // The clock is read at every change: one may take milliseconds when the system is busy.
        while (!pending_.empty() && GetTickCount64() < deadline) {
            const ChangeRecord record = std::move(pending_.front());
            pending_.pop_front();
            RecordChange(watchedPath, record.action, record.name);
        }
    } catch (const std::exception& e) {
        if (failure.empty()) failure = FailureText(e);
    }
    FlushLog();
}

void TFormVemora::RecordBatch(const std::vector<std::byte>& batch) {
    if (batch.empty()) SetWarning(kChangesLost);
    const std::string watchedPath = ePath.Text();
    for (const ChangeRecord& record : ProcessNotifications(batch.data(), batch.size())) {
        RecordChange(watchedPath, record.action, record.name);
    }
    FlushLog();
}

void TFormVemora::WatchFailed(DWORD error) {
    if (!Watching()) return;
    EndWatch();
    ShowError("监视已停止: " + win::SystemErrorText(error));
}

}  // namespace vemora
