#include "skin/data/win/form_skin_notifier.h"

#include <algorithm>

namespace vemora::skin {

void FormSkinNotifier::AddForm(HWND form) {
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void FormSkinNotifier::RemoveForm(HWND form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

void FormSkinNotifier::NotifyForms(uint32_t message, const TspSkinData& skinData) {
    const auto wParam = reinterpret_cast<WPARAM>(&skinData);
    if (owner_ && IsWindow(owner_)) SendMessageW(owner_, message, wParam, kSkinMessageLParam);
    // A receiver may open or close forms while it reacts; walk a copy.
    const std::vector<HWND> forms = forms_;
    for (HWND form : forms) {
        if (form != owner_ && IsWindow(form)) SendMessageW(form, message, wParam, kSkinMessageLParam);
    }
}

}  // namespace vemora::skin
