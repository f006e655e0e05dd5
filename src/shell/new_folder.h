// Creating a new folder under a chosen one: "New Folder", "New Folder (2)" ... then
// "fldr", "fldr2" ..., with the warnings the user sees when the system refuses.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/shell_namespace.h"

namespace vemora::shell {

inline constexpr char kNewFolderName[] = "New Folder";
inline constexpr char kUnableToCreateFolder[] = "Unable to create the folder '%2'\n\n%1";

// %1 ... %n replaced by the arguments; more than 50 arguments throw
// "FormatStrPos: Too many substitution strings".
std::string FormatStrPos(const std::string& pattern, const std::vector<std::string>& args);

// Creates the first free name in parent (the current directory when empty). Returns the
// name created, or empty after the warnings went to warn.
std::string CreateNewFolderIn(ShellNamespace& ns, std::string parent,
                              const std::function<void(const std::string&)>& warn);

}  // namespace vemora::shell
