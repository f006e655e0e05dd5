#include "shell/shell_ops.h"

#include "core/utf.h"

namespace vemora::shell {

int CompareIdLists(ShellNamespace& ns, const IdList& a, const IdList& b) {
    if (a.IsNull() || b.IsNull()) return a.IsNull() && b.IsNull() ? 0 : -1;
    if (a.IsEmpty() || b.IsEmpty()) return a.IsEmpty() && b.IsEmpty() ? 0 : -1;
    const auto desktop = ns.Desktop();
    int result = 0;
    if (!desktop || !Succeeded(desktop->CompareIDs(a, b, result))) return kIncomparable;
    return ShortResult(result);
}

HResult BindIdList(ShellNamespace& ns, const IdList& absolute, std::shared_ptr<ShellFolder>& folder) {
    auto desktop = ns.Desktop();
    if (!desktop) return kFail;
    if (!absolute.HasItems()) {
        folder = std::move(desktop);
        return kOk;
    }
    return desktop->BindToObject(absolute, folder);
}

HResult IdListFromPath(ShellNamespace& ns, const std::string& text, IdList& absolute) {
    absolute = {};
    // Some shells parse the empty text as a place of their choosing; it names none.
    if (text.find_first_not_of(' ') == std::string::npos) return kInvalidArg;
    const auto desktop = ns.Desktop();
    if (!desktop) return kFail;
    // The shell's parse takes at most MAX_PATH characters.
    std::u16string wide = Utf8ToUtf16(text);
    if (wide.size() > 260) wide.resize(260);
    IdList parsed;
    const HResult hr = desktop->ParseDisplayName(0, Utf16ToUtf8(wide), parsed);
    if (Succeeded(hr)) absolute = std::move(parsed);
    return hr;
}

std::string PathFromIdList(ShellNamespace& ns, const IdList& absolute) {
    return ns.PathFromIdList(CopyIdList(absolute));
}

std::string SpecialFolderPath(ShellNamespace& ns, int csidl) {
    IdList list;
    if (!Succeeded(ns.SpecialFolderLocation(csidl, list))) return {};
    return PathFromIdList(ns, list);
}

std::string DisplayNameOf(ShellNamespace& ns, ShellFolder* folder, const IdList& item, int mode) {
    static constexpr std::uint32_t kModes[] = {kNameNormal, kNameInFolder, kNameForParsing, kNameForEditing};
    std::shared_ptr<ShellFolder> desktop;
    if (!folder) {
        desktop = ns.Desktop();
        folder = desktop.get();
    }
    std::string name;
    if (!folder || mode < 0 || mode > 3 || !Succeeded(folder->GetDisplayNameOf(item, kModes[mode], name))) {
        return {};
    }
    return name;
}

std::string AbsoluteDisplayName(ShellNamespace& ns, const IdList& absolute) {
    if (absolute.ItemCount() > 1) {
        std::shared_ptr<ShellFolder> parent;
        const HResult hr = BindIdList(ns, absolute.Parent(), parent);
        if (!Succeeded(hr)) throw ShellError(ns.ErrorText(hr), hr);
        return DisplayNameOf(ns, parent.get(), absolute.Last(), 1);
    }
    return DisplayNameOf(ns, nullptr, CopyIdList(absolute), 1);
}

HResult SplitForParent(ShellNamespace& ns, const IdList& absolute, ParentSplit& split) {
    split = {};
    if (!absolute.HasItems()) {
        // The desktop's containing folder is the one that holds the desktop directory.
        IdList desktopDir;
        const HResult hr = IdListFromPath(ns, SpecialFolderPath(ns, kCsidlDesktop), desktopDir);
        if (!Succeeded(hr)) return hr;
        if (!desktopDir.HasItems()) return kFail;
        return SplitForParent(ns, desktopDir, split);
    }
    split.last = absolute.Last();
    if (absolute.ItemCount() == 1) {
        split.folder = ns.Desktop();
        return split.folder ? kOk : kFail;
    }
    split.parent = absolute.Parent();
    return BindIdList(ns, split.parent, split.folder);
}

}  // namespace vemora::shell
