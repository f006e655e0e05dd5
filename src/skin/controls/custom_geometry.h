// The picture geometry of a custom-control skin record and the size rules that follow from
// it: which directions a control may grow in, where its corner points and client rectangle
// land at a given size, and the control picture built for that size.
#pragma once

#include "skin/draw/geometry.h"
#include "skin/draw/image.h"
#include "skin/draw/nine_area.h"

namespace vemora::skin {

// As the record gives it; points and the client rectangle are relative to skinRect's top-left.
struct CustomSkinGeometry {
    Rect skinRect;
    Point lt, rt, lb, rb;
    Rect client;

    int SkinWidth() const { return RectWidth(skinRect); }
    int SkinHeight() const { return RectHeight(skinRect); }
    NineAreaPoints Source() const { return {lt, rt, lb, rb, client}; }
};

// −1 no skinned image; 1 free width and height; 2 free width only; 3 free height only;
// 0 the skinrect size exactly.
int StretchKindOf(const CustomSkinGeometry& g);

// A size after the rule of its kind, with the corner points and client rectangle for it.
struct FittedSkin {
    int width = 0;
    int height = 0;
    NineAreaPoints target;  // new LT, RT, LB, RB and NewClientRect
};

FittedSkin FitSkinSize(const CustomSkinGeometry& g, int kind, int width, int height);

// A rectangle in skin coordinates mapped to a control of the given size.
Rect MapSkinRect(const CustomSkinGeometry& g, int kind, int width, int height, const Rect& r);

// The control picture at the fitted size from the source rectangle `from` of the picture (any
// of the record's state rectangles, all of skinrect's size). Kind 0 gives a plain copy of
// `from`, kind −1 nothing.
Image24 BuildSkinImage(const CustomSkinGeometry& g, int kind, const FittedSkin& fitted,
                       const Image24& picture, const Rect& from);

}  // namespace vemora::skin
