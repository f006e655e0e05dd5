// The hint (tooltip) texts of a window's controls.
#pragma once

#include "win/controls/control.h"

namespace vemora::win {

class Hints {
  public:
    Hints() = default;
    Hints(const Hints&) = delete;
    Hints& operator=(const Hints&) = delete;
    ~Hints();

    bool Create(HWND owner);
    void Add(const Control& control, std::string_view text);
    std::string TextOf(const Control& control) const;

  private:
    HWND tooltip_ = nullptr;
};

}  // namespace vemora::win
