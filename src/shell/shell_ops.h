// The id-list routines that need the namespace: comparing, binding, parsing, paths and
// display names. Each takes the namespace it works in.
#pragma once

#include <memory>
#include <string>

#include "shell/shell_namespace.h"

namespace vemora::shell {

inline constexpr int kIncomparable = 2147483647;  // callers treat it as "not differing"

int CompareIdLists(ShellNamespace& ns, const IdList& a, const IdList& b);
HResult BindIdList(ShellNamespace& ns, const IdList& absolute, std::shared_ptr<ShellFolder>& folder);
HResult IdListFromPath(ShellNamespace& ns, const std::string& text, IdList& absolute);
std::string PathFromIdList(ShellNamespace& ns, const IdList& absolute);
std::string SpecialFolderPath(ShellNamespace& ns, int csidl);
// mode 0 normal, 1 in-folder, 2 for parsing, 3 for editing in folder; no folder: the desktop.
std::string DisplayNameOf(ShellNamespace& ns, ShellFolder* folder, const IdList& item, int mode);
std::string AbsoluteDisplayName(ShellNamespace& ns, const IdList& absolute);  // throws ShellError

struct ParentSplit {
    std::shared_ptr<ShellFolder> folder;  // the folder that contains the place
    IdList parent;                        // no list when the folder is the desktop
    IdList last;
};
HResult SplitForParent(ShellNamespace& ns, const IdList& absolute, ParentSplit& split);

// The low 16 bits of a comparison, read signed (how the shell reports its order).
inline int ShortResult(int value) {
    return static_cast<std::int16_t>(value & 0xFFFF);
}

}  // namespace vemora::shell
