// The composed border, byte for byte against the frame picture.
#include <gtest/gtest.h>

#include "frame_fixture.h"

namespace vemora::skin::testing {
namespace {

PixelColor Px(const Image24& image, int x, int y) {
    return image.GetPixel(x, y);
}

class Compose : public FrameFixture {
  protected:
    // The strips without the objects drawn on them: the frame picture's own pixels.
    BorderStrips Strips(int width, int height) {
        Build(width, height);
        for (auto& object : form->Objects()) object->Visible = false;
        return form->ComposeFrame();
    }
};

TEST_F(Compose, AtThePicturesOwnSizeTheBorderIsThePicture) {
    Build(kPictureWidth, kPictureHeight, 100, 100, 0);
    for (auto& object : form->Objects()) object->Visible = false;
    const BorderStrips s = form->ComposeFrame();
    const Image24& picture = VemoraSkin().Picture;
    ASSERT_EQ(s.top.Width(), kPictureWidth);
    ASSERT_EQ(s.top.Height(), 27);
    ASSERT_EQ(s.bottom.Height(), 7);
    ASSERT_EQ(s.left.Width(), 8);
    ASSERT_EQ(s.right.Width(), 8);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            PixelColor got;
            if (y < 27) {
                got = Px(s.top, x, y);
            } else if (y >= 162) {
                got = Px(s.bottom, x, y - 162);
            } else if (x < 8) {
                got = Px(s.left, x, y - 27);
            } else if (x >= 370) {
                got = Px(s.right, x - 370, y - 27);
            } else {
                continue;
            }
            ASSERT_EQ(got, Px(picture, x, y)) << x << "," << y;
        }
    }
}

TEST_F(Compose, WiderTheBottomRunIsTiledAndTheTopRunStretched) {
    const int n = 400;
    const BorderStrips s = Strips(kPictureWidth + n, 444);
    const Image24& picture = VemoraSkin().Picture;
    // Bottom: run LB.x = 10 ... RB.x = 367 of the picture repeated from the strip's x = 0, the
    // corners drawn over it at their places.
    const int run = 367 - 10;
    for (int y = 0; y < 7; ++y) {
        for (int x = 10; x < 367 + n; ++x) {
            ASSERT_EQ(Px(s.bottom, x, y), Px(picture, 10 + x % run, 162 + y)) << x << "," << y;
        }
        for (int x = 0; x < 10; ++x) ASSERT_EQ(Px(s.bottom, x, y), Px(picture, x, 162 + y));
        for (int x = 367 + n; x < kPictureWidth + n; ++x)
            ASSERT_EQ(Px(s.bottom, x, y), Px(picture, x - n, 162 + y));
    }
    // Top: run LT.x = 10 ... RT.x = 365 scaled to 10 ... 365 + n, nearest pixel under each centre.
    const int sn = 365 - 10, dn = 365 + n - 10;
    for (int y = 0; y < 27; ++y) {
        for (int x = 10; x < 365 + n; ++x) {
            const int i = x - 10;
            const int source = 10 + int((2LL * i + 1) * sn / (2LL * dn));
            ASSERT_EQ(Px(s.top, x, y), Px(picture, source, y)) << x << "," << y;
        }
        for (int x = 365 + n; x < kPictureWidth + n; ++x) ASSERT_EQ(Px(s.top, x, y), Px(picture, x - n, y));
    }
}

TEST_F(Compose, TheInactiveWindowUsesTheInactivePicture) {
    platform.active = false;
    const BorderStrips s = Strips(kPictureWidth + 100, 300);
    const Image24& inactive = VemoraSkin().InactivePicture;
    ASSERT_FALSE(VemoraSkin().Picture == inactive);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(Px(s.top, x, 5), Px(inactive, x, 5));
}

TEST_F(Compose, TheButtonsAreDrawnOnTheTopStrip) {
    const BorderStrips s = form->ComposeFrame();
    const Rect& close = Object("closebutton").ObjectRect;
    const Rect& look = Object("closebutton").SkinRect;
    const Image24& buttons = VemoraSkin().ActivePictures[0];
    for (int y = close.top; y < close.bottom; ++y) {
        for (int x = close.left; x < close.right; ++x) {
            ASSERT_EQ(Px(s.top, x, y), Px(buttons, look.left + x - close.left, look.top + y - close.top));
        }
    }
}

}  // namespace
}  // namespace vemora::skin::testing
