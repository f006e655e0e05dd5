// The skinned page control: the native tab control, its whole surface painted from a "tab"
// record (the frame around the pages, the tab band and every tab in its state), with pages
// that paint their background from the same record. It keeps answering the tab control's
// own messages, so its tabs stay reachable by automation.
#pragma once

#include <memory>
#include <vector>

#include "skin/controls/page_geometry.h"
#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/skin_updown.h"

namespace vemora::skin {

class TspSkinPageControl;

class TspSkinTabSheet : public TspSkinControl {
  public:
    explicit TspSkinTabSheet(TspSkinPageControl& owner) : TspSkinControl(""), owner_(owner) {}
    bool Create(HWND parent, const Rect& r);

  protected:
    void PaintDefaultImage(DibSection& image) override;
    Size FitBounds(Size, Size requested) override { return requested; }
    LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    HBRUSH BackgroundBrush();

    TspSkinPageControl& owner_;
    win::UniqueBrush brush_;
    const Image24* brushPicture_ = nullptr;
};

class TspSkinPageControl : public win::Control, public SkinChangeClient {
  public:
    bool Create(HWND parent, int x, int y, int w, int h);
    TspSkinTabSheet& AddPage(std::string_view caption);
    int ActivePage() const;
    void SetActivePage(int index);
    TspSkinTabSheet& Page(int index) { return *pages_[index]; }
    int PageCount() const { return int(pages_.size()); }

    const TspSkinData* SkinData() const override { return skinData_; }
    void SetSkinData(const TspSkinData* data);
    std::string SkinDataName = "tab";
    bool UseSkinFont = true;
    SkinFont DefaultFont;
    int DefaultItemHeight = 20;
    int TabHeight = 0;

    void ResetSkinRecord() override {}
    void ApplySkinChange() override;

    // The record the control and its pages draw from, with its picture; null without one.
    const TspDataSkinTabControl* Record() const;
    const Image24* RecordPicture() const;
    int HoveredTab() const { return hovered_; }
    // The skinned scroll arrows, shown only while some tab is out of view.
    bool HasUpDown() const { return upDown_ != nullptr; }
    TspSkinUpDown* UpDown() { return upDown_.get(); }

    bool OnNotify(const NMHDR& header, LRESULT& result) override;

  protected:
    LRESULT SubclassMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void Paint(HDC target);
    void DrawTab(HDC dc, Image24& view, int index, const Rect& r, bool mouseOver, bool selected);
    Rect PageRect() const;
    void PlacePages();
    void UpdateUpDown();
    std::vector<Rect> VisibleTabs() const;
    void CreateUpDown(int outOfView, int scrolledOut);
    void SetHovered(int index);

    const TspSkinData* skinData_ = nullptr;
    std::vector<std::unique_ptr<TspSkinTabSheet>> pages_;
    FontCache fonts_;
    int hovered_ = -1;
    bool tracking_ = false;
    std::unique_ptr<TspSkinUpDown> upDown_;
};

}  // namespace vemora::skin
