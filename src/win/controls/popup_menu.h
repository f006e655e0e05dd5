// A popup menu described by its items; the native menu is built each time it is shown, so
// enabling an item is just a field set in onPopup.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/handles.h"

namespace vemora::win {

class ImageStrip;

class PopupMenu {
  public:
    struct Item {
        std::string name;
        std::string caption;  // "-" for a separator
        int image = -1;
        bool enabled = true;
        std::function<void()> onClick;
    };

    Item& Add(Item item);
    Item& Find(std::string_view name);
    void SetImages(const ImageStrip* images) { images_ = images; }

    std::function<void()> onPopup;  // runs just before the menu shows

    // Shows the menu at a screen point and runs the chosen item; returns when it closes.
    void Show(HWND owner, POINT screen);

  private:
    std::vector<Item> items_;
    const ImageStrip* images_ = nullptr;
};

}  // namespace vemora::win
