// The error a skin load raises: its message is what the user is told.
#pragma once

#include <stdexcept>
#include <string>

namespace vemora::skin {

class SkinError : public std::runtime_error {
  public:
    explicit SkinError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace vemora::skin
