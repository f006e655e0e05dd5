// The process-wide device-change handler: a hidden window takes the system's broadcast
// (WM_DEVICECHANGE), posts it to itself again so the broadcast is answered at once, and then
// calls every registered tree.
#pragma once

#include <windows.h>

#include "shell/device_change.h"
#include "win/window.h"

namespace vemora::shell::win {

class TRzDeviceChangeHandler : public vemora::win::Window {
  public:
    static constexpr UINT kReposted = WM_USER + 100;  // 1124

    // Created with the first registration; lives until the process ends.
    static TRzDeviceChangeHandler& Instance();
    int Register(DeviceChangeCallbacks::Callback callback) {
        return callbacks_.Register(std::move(callback));
    }
    void Unregister(int ticket) { callbacks_.Unregister(ticket); }
    void SetActive(bool active) { callbacks_.SetActive(active); }
    // Shows a callback's failure; a message box unless replaced.
    DeviceChangeCallbacks::ErrorDisplay showError;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    TRzDeviceChangeHandler();
    DeviceChangeCallbacks callbacks_;
};

}  // namespace vemora::shell::win
