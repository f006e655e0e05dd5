// Sends the skin messages to the program's forms: the owner form first, then the others in
// the order they were added.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/data/skin_messages.h"

namespace vemora::skin {

class FormSkinNotifier : public SkinNotifier {
  public:
    void SetOwner(HWND owner) { owner_ = owner; }
    void AddForm(HWND form);
    void RemoveForm(HWND form);

    void NotifyForms(uint32_t message, const TspSkinData& skinData) override;

  private:
    HWND owner_ = nullptr;
    std::vector<HWND> forms_;
};

}  // namespace vemora::skin
