#include "skin/hints/hint_layout.h"

#include <algorithm>

namespace vemora::skin {

HintGeometry HintSize(int textWidth, int textHeight, const TspDataSkinHintWindow* skin, int pictureWidth,
                      int pictureHeight) {
    HintGeometry g;
    if (!skin || pictureWidth <= 0 || pictureHeight <= 0) {
        g.width = textWidth + 4;
        g.height = textHeight + 4;
        g.target.client = {2, 2, g.width - 2, g.height - 2};
        return g;
    }
    const Rect& cl = skin->ClientRect;
    g.width = std::max(textWidth + cl.left + (pictureWidth - cl.right), pictureWidth);
    g.height = std::max(textHeight + cl.top + (pictureHeight - cl.bottom), pictureHeight);
    const int dw = g.width - pictureWidth;
    const int dh = g.height - pictureHeight;
    g.source = {skin->LeftTopPoint, skin->RightTopPoint, skin->LeftBottomPoint, skin->RightBottomPoint, cl};
    g.target.lt = skin->LeftTopPoint;
    g.target.rt = {skin->RightTopPoint.x + dw, skin->RightTopPoint.y};
    g.target.lb = {skin->LeftBottomPoint.x, skin->LeftBottomPoint.y + dh};
    g.target.rb = {skin->RightBottomPoint.x + dw, skin->RightBottomPoint.y + dh};
    g.target.client = {cl.left, cl.top, cl.right + dw, cl.bottom + dh};
    return g;
}

Point PlaceHint(Point topLeft, int width, int height, int screenWidth, int screenHeight) {
    Point p = topLeft;
    if (p.x + width > screenWidth) p.x -= width + 2;
    if (p.y + height > screenHeight) p.y -= height + 2;
    return p;
}

Point HintTextOrigin(const Rect& client, int textWidth, int textHeight) {
    return {client.left + RectWidth(client) / 2 - textWidth / 2,
            client.top + RectHeight(client) / 2 - textHeight / 2};
}

}  // namespace vemora::skin
