// The callbacks of the process-wide device-change handler: called in the order they were
// registered while the handler is active; a callback that fails is reported and the others
// still run. The hidden window that receives the system's broadcast is in win/.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <vector>

namespace vemora::shell {

inline constexpr std::uint32_t kDeviceArrival = 0x8000, kDeviceRemoveComplete = 0x8004;

class DeviceChangeCallbacks {
  public:
    using Callback = std::function<void(std::uint32_t event, std::uintptr_t data)>;
    using ErrorDisplay = std::function<void(const std::exception&)>;

    int Register(Callback callback);  // the ticket that unregisters it
    void Unregister(int ticket);
    bool Empty() const { return entries_.empty(); }
    void SetActive(bool active) { active_ = active; }
    // A callback may register or unregister others (or itself) while this runs.
    void Dispatch(std::uint32_t event, std::uintptr_t data, const ErrorDisplay& showError);

  private:
    struct Entry {
        int ticket;
        Callback callback;
    };
    std::vector<Entry> entries_;
    int next_ = 1;
    bool active_ = true;
};

}  // namespace vemora::shell
