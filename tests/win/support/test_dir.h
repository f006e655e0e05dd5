// A fresh directory for one test, removed with everything in it afterwards.
#pragma once

#include <string>

namespace vemora::test {

class TestDir {
  public:
    enum class Under {
        kTemp,      // the process's temporary directory
        kLinuxTmp,  // Z:\tmp, the Linux /tmp as Wine maps it: the shell reaches it through Z:, and
                    // the test can reach it from Linux too
    };
    explicit TestDir(Under under = Under::kTemp);
    ~TestDir();
    TestDir(const TestDir&) = delete;
    TestDir& operator=(const TestDir&) = delete;

    const std::string& path() const { return path_; }  // UTF-8, no trailing backslash
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
    // Creates every level of a relative path ("a\\b") below the directory; the full path.
    std::string Make(const std::string& relative) const;

  private:
    std::string path_;
};

void WriteTextFile(const std::string& path, const std::string& bytes);
std::string ReadTextFile(const std::string& path);
void MakeDirectory(const std::string& path);
bool Exists(const std::string& path);

}  // namespace vemora::test
