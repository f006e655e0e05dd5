#include "support/change_probe.h"

#include <gtest/gtest.h>

#include "win/text.h"

namespace vemora::test {

ChangeProbe::ChangeProbe(const std::string& directory)
    : dir_(CreateFileW(win::Widen(directory).c_str(), FILE_LIST_DIRECTORY,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr)),
      done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    EXPECT_TRUE(Issue()) << GetLastError();
}

ChangeProbe::~ChangeProbe() {
    // The pending read writes into buffer_: it must be over before the buffer goes.
    if (dir_ && CancelIoEx(dir_.get(), &overlapped_)) WaitForSingleObject(done_.get(), 1000);
}

bool ChangeProbe::Issue() {
    overlapped_ = {};
    overlapped_.hEvent = done_.get();
    return dir_ && ReadDirectoryChangesW(dir_.get(), buffer_, sizeof(buffer_), FALSE,
                                         FILE_NOTIFY_CHANGE_FILE_NAME, nullptr, &overlapped_, nullptr);
}

bool ChangeProbe::WaitForChange(unsigned timeoutMs) {
    if (WaitForSingleObject(done_.get(), timeoutMs) != WAIT_OBJECT_0) return false;
    ResetEvent(done_.get());
    return Issue();
}

}  // namespace vemora::test
