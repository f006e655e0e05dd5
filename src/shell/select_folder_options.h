// The picker's portable rules: its option bits and what they do to the form, the
// remembered placement and its stream form, and fitting a path into the status bar.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "shell/shell_tree.h"

namespace vemora::shell {

enum TRzSelectFolderDialogOption : std::uint16_t {
    sfdoCreateDeleteButtons = 1 << 0,
    sfdoContextMenus = 1 << 1,
    sfdoReadOnly = 1 << 2,
    sfdoIncludeNonFolders = 1 << 3,
    sfdoOleDrag = 1 << 4,
    sfdoOleDrop = 1 << 5,
    sfdoCreateFolderIcon = 1 << 6,
    sfdoDeleteFolderIcon = 1 << 7,
    sfdoVirtualFolders = 1 << 8,
    sfdoShowHidden = 1 << 9,
};
using TRzSelectFolderDialogOptions = std::uint16_t;
inline constexpr TRzSelectFolderDialogOptions kDefaultSelectFolderOptions = 706;

// The tree's options after applying the picker's bits; other tree options keep their state.
TRzShellTreeOptions TreeOptionsFor(TRzShellTreeOptions current, TRzSelectFolderDialogOptions options);

struct ToolButtonSettings {
    bool visible = false;
    int newFolderImage = -1;
    int deleteImage = -1;
    bool flat = true;
    bool readOnlyTree = false;
};
ToolButtonSettings ToolButtonsFor(TRzSelectFolderDialogOptions options);

enum class TPosition : std::uint8_t {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum class TWindowState : std::uint8_t { wsNormal, wsMinimized, wsMaximized };

struct FormPlacement {
    TPosition FormPosition = TPosition::poScreenCenter;
    std::int32_t FormLeft = -1, FormTop = -1, FormWidth = -1, FormHeight = -1;
    TWindowState FormWindowState = TWindowState::wsNormal;

    // Four 32-bit little-endian integers, then the window state and the position mode.
    std::vector<std::uint8_t> Write() const;
    static std::optional<FormPlacement> Read(std::span<const std::uint8_t> bytes);
    friend bool operator==(const FormPlacement&, const FormPlacement&) = default;
};

std::string DropLeadingDirectory(std::string s);
// Replaces leading directories with "..." until the text fits; widthOf measures a text.
std::string ShortenPath(const std::string& name, const std::function<int(const std::string&)>& widthOf,
                        int maxWidth);

}  // namespace vemora::shell
