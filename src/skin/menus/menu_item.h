// The items a skinned menu shows: a tree of captions with their states and commands, the
// portable twin of a platform menu item.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vemora::skin {

class TMenuItem {
  public:
    TMenuItem() = default;
    explicit TMenuItem(std::string caption, std::function<void()> onClick = {})
        : Caption(std::move(caption)), OnClick(std::move(onClick)) {}
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    int Count() const { return int(items_.size()); }
    TMenuItem& operator[](int index) const { return *items_[size_t(index)]; }
    // The new child, owned by this item.
    TMenuItem& Add(std::string caption, std::function<void()> onClick = {});
    TMenuItem& Insert(int index, std::string caption, std::function<void()> onClick = {});
    void Delete(int index);
    void Clear() { items_.clear(); }
    // The index of the first child with this name; -1 when none.
    int IndexOfName(std::string_view name) const;

    // A divider is an item whose caption is "-".
    bool IsLine() const { return Caption == "-"; }
    // Runs the item's own command (nothing without one).
    void Click() const {
        if (OnClick) OnClick();
    }

    std::string Name;  // the frame's own items are told apart by it
    std::string Caption;
    std::string ShortCutText;
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    bool RadioItem = false;
    int ImageIndex = -1;
    std::function<void()> OnClick;

  private:
    std::vector<std::unique_ptr<TMenuItem>> items_;
};

// The access key of a caption: the character after the first "&" that is not doubled,
// upper-cased for ASCII letters; 0 when the caption has none.
char AcceleratorOf(std::string_view caption);

// The caption as drawn: "&&" becomes "&" and a single "&" is dropped.
std::string CaptionWithoutPrefix(std::string_view caption);

}  // namespace vemora::skin
