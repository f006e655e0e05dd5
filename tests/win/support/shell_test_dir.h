// A fresh directory under Z:\tmp (the Linux /tmp, as Wine maps it) for one test, removed
// with everything in it afterwards.
#pragma once

#include <string>

namespace vemora::test {

class ShellTestDir {
  public:
    ShellTestDir();
    ~ShellTestDir();
    ShellTestDir(const ShellTestDir&) = delete;
    ShellTestDir& operator=(const ShellTestDir&) = delete;

    const std::string& path() const { return path_; }     // no trailing backslash
    std::string Make(const std::string& relative) const;  // creates every level; the full path

  private:
    std::string path_;
};

}  // namespace vemora::test
