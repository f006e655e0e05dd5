// Tabs over a stack of pages; each page is a container for its own controls.
#pragma once

#include <memory>
#include <vector>

#include "win/controls/control.h"
#include "win/window.h"

namespace vemora::win {

class PageControl : public Control {
  public:
    bool Create(HWND parent, int x, int y, int w, int h);
    ContainerWindow& AddPage(std::string_view caption);
    int ActivePage() const;
    void SetActivePage(int index);
    ContainerWindow& Page(int index) { return *pages_[index]; }

    bool OnNotify(const NMHDR& header, LRESULT& result) override;

  private:
    RECT PageRect() const;
    std::vector<std::unique_ptr<ContainerWindow>> pages_;
};

class StatusBar : public Control {
  public:
    bool Create(HWND parent);
    void SetPanelText(std::string_view text);  // the one panel filling the bar
    std::string PanelText() const;
    int Height() const;
};

}  // namespace vemora::win
