#include "shell/device_change.h"

#include <algorithm>

namespace vemora::shell {

int DeviceChangeCallbacks::Register(Callback callback) {
    entries_.push_back({next_, std::move(callback)});
    return next_++;
}

void DeviceChangeCallbacks::Unregister(int ticket) {
    std::erase_if(entries_, [ticket](const Entry& e) { return e.ticket == ticket; });
}

void DeviceChangeCallbacks::Dispatch(std::uint32_t event, std::uintptr_t data,
                                     const ErrorDisplay& showError) {
    if (!active_) return;
    std::vector<int> tickets;
    for (const auto& e : entries_) tickets.push_back(e.ticket);
    for (int ticket : tickets) {
        const auto it = std::find_if(entries_.begin(), entries_.end(),
                                     [&](const Entry& e) { return e.ticket == ticket; });
        if (it == entries_.end()) continue;      // unregistered by an earlier callback
        const Callback callback = it->callback;  // the entry may go while it runs
        try {
            callback(event, data);
        } catch (const std::exception& e) {
            if (showError) showError(e);
        }
    }
}

}  // namespace vemora::shell
