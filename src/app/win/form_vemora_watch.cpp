// Start and Stop of the watch, and the hand-over of completed batches to the event list.
#include "app/notify_records.h"
#include "app/win/form_vemora.h"
#include "win/error_text.h"
#include "win/text.h"

namespace vemora {
namespace {
constexpr char kChangesLost[] = "部分变化未能记录:系统的变化缓冲区已满";
}

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
    ProcessCompleted();  // every batch that completed before the stop
    ePath.SetEnabled(true);
    bStart.SetEnabled(true);
    bStop.SetEnabled(false);
}

void TFormVemora::ProcessCompleted() {
    // A message box shown while recording runs a modal loop that may deliver the next
    // notification; the outer call takes that work after its own, so rows keep their order.
    if (processing_) {
        processingDeferred_ = true;
        return;
    }
    processing_ = true;
    DWORD failure = 0;
    do {
        processingDeferred_ = false;
        for (const DirectoryWatch::Completed& item : watch_->TakeCompleted()) {
            if (item.kind == DirectoryWatch::Completed::kFailed) {
                failure = item.error;
            } else {
                RecordBatch(item.bytes);
            }
        }
    } while (processingDeferred_);
    processing_ = false;
    if (failure != 0) WatchFailed(failure);
}

void TFormVemora::RecordBatch(const std::vector<std::byte>& batch) {
    if (batch.empty()) SetWarning(kChangesLost);
    for (const ChangeRecord& record : ProcessNotifications(batch.data(), batch.size())) {
        AddEvent(record.action, record.name);
    }
}

void TFormVemora::WatchFailed(DWORD error) {
    if (!Watching()) return;
    EndWatch();
    ShowError("监视已停止: " + win::SystemErrorText(error));
}

}  // namespace vemora
