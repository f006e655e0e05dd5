#include "shell/select_folder_options.h"

#include <algorithm>

namespace vemora::shell {

TRzShellTreeOptions TreeOptionsFor(TRzShellTreeOptions current, TRzSelectFolderDialogOptions options) {
    struct Pair {
        TRzSelectFolderDialogOption picker;
        TRzShellTreeOption tree;
    };
    static constexpr Pair kPairs[] = {
        {sfdoOleDrag, stoOleDrag},
        {sfdoOleDrop, stoOleDrop},
        {sfdoIncludeNonFolders, stoIncludeNonFolders},
        {sfdoVirtualFolders, stoVirtualFolders},
        {sfdoContextMenus, stoContextMenus},
        {sfdoShowHidden, stoShowHidden},
    };
    for (const auto& p : kPairs) {
        current = (options & p.picker) ? (current | p.tree) : (current & ~p.tree);
    }
    return current;
}

ToolButtonSettings ToolButtonsFor(TRzSelectFolderDialogOptions options) {
    ToolButtonSettings s;
    s.visible = options & sfdoCreateDeleteButtons;
    s.newFolderImage = (options & sfdoCreateFolderIcon) ? 0 : -1;
    s.deleteImage = (options & sfdoDeleteFolderIcon) ? 2 : -1;
    s.flat = (options & sfdoCreateFolderIcon) && (options & sfdoDeleteFolderIcon);
    s.readOnlyTree = options & sfdoReadOnly;
    return s;
}

std::vector<std::uint8_t> FormPlacement::Write() const {
    std::vector<std::uint8_t> out;
    for (const std::int32_t v : {FormLeft, FormTop, FormWidth, FormHeight}) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(u >> shift));
    }
    out.push_back(static_cast<std::uint8_t>(FormWindowState));
    out.push_back(static_cast<std::uint8_t>(FormPosition));
    return out;
}

std::optional<FormPlacement> FormPlacement::Read(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 18 || bytes[16] > 2 || bytes[17] > 7) return std::nullopt;
    FormPlacement p;
    std::int32_t* fields[] = {&p.FormLeft, &p.FormTop, &p.FormWidth, &p.FormHeight};
    for (int i = 0; i < 4; ++i) {
        std::uint32_t u = 0;
        for (int b = 3; b >= 0; --b) u = (u << 8) | bytes[i * 4 + b];
        *fields[i] = static_cast<std::int32_t>(u);
    }
    p.FormWindowState = static_cast<TWindowState>(bytes[16]);
    p.FormPosition = static_cast<TPosition>(bytes[17]);
    return p;
}

std::string DropLeadingDirectory(std::string s) {
    if (s == "\\") return {};
    const bool leading = !s.empty() && s.front() == '\\';
    if (leading) s.erase(0, 1);
    if (!s.empty() && s.front() == '.') s.erase(0, std::min<std::size_t>(4, s.size()));  // a previous "...\"
    const auto slash = s.find('\\');
    s = slash == std::string::npos ? std::string() : "...\\" + s.substr(slash + 1);
    return leading ? "\\" + s : s;
}

std::string ShortenPath(const std::string& name, const std::function<int(const std::string&)>& widthOf,
                        int maxWidth) {
    std::string result = name;
    const auto split = name.find_last_of('\\');
    std::string dir = split == std::string::npos ? std::string() : name.substr(0, split + 1);
    const std::string file = split == std::string::npos ? name : name.substr(split + 1);
    std::string drive;
    if (dir.size() > 1 && dir[1] == ':') {
        drive = dir.substr(0, 2);
        dir.erase(0, 2);
    }
    while ((!dir.empty() || !drive.empty()) && widthOf(result) > maxWidth) {
        if (dir == "\\...\\") {
            drive.clear();
            dir = "...\\";
        } else if (dir.empty()) {
            drive.clear();
        } else {
            dir = DropLeadingDirectory(dir);
        }
        result = drive + dir + file;
    }
    return result;
}

}  // namespace vemora::shell
