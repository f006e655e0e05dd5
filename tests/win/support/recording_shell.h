// A notification area that records what it was asked and answers as told.
#pragma once

#include <vector>

#include "tray/win/rz_tray_icon.h"

namespace vemora::test {

struct ShellCall {
    DWORD message;
    NOTIFYICONDATAW data;
};

class RecordingShell : public NotifyIconShell {
  public:
    bool NotifyIcon(DWORD message, const NOTIFYICONDATAW& data) override {
        calls.push_back({message, data});
        return message != NIM_ADD || acceptAdd;
    }
    int ShellMajorVersion() override { return version; }

    std::vector<DWORD> Messages() const {
        std::vector<DWORD> messages;
        for (const ShellCall& call : calls) messages.push_back(call.message);
        return messages;
    }

    int version = 6;
    bool acceptAdd = true;
    std::vector<ShellCall> calls;
};

}  // namespace vemora::test
