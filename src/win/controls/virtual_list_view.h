// A report list that keeps no rows of its own: it asks its source for the text and image
// of the rows it draws, so the row count costs nothing here.
#pragma once

#include <functional>
#include <string>

#include "win/controls/control.h"

namespace vemora::win {

class VirtualListView : public Control {
  public:
    struct Column {
        std::string header;
        int width;  // LVSCW_AUTOSIZE_USEHEADER for the one that fills the rest
    };
    struct Source {
        virtual ~Source() = default;
        virtual int ImageOf(size_t row) const = 0;
        virtual std::wstring TextOf(size_t row, int column) const = 0;
    };

    bool Create(HWND parent, int x, int y, int w, int h, const Column* columns, int columnCount);
    void SetSource(const Source* source) { source_ = source; }
    void SetImages(HIMAGELIST images);
    void SetTextColor(COLORREF color);
    void SetRowCount(size_t rows);  // keeps the scroll position; new rows show when in view
    size_t RowCount() const;
    void FitLastColumn();

    std::function<void(POINT screen)> onContextMenu;

    bool OnNotify(const NMHDR& header, LRESULT& result) override;

  protected:
    LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    const Source* source_ = nullptr;
    int columnCount_ = 0;
};

}  // namespace vemora::win
