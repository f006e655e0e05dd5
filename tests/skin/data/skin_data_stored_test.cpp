#include <zlib.h>
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "skin/data/bmp_codec.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_error.h"

namespace vemora::skin {
namespace {

using Bytes = std::vector<uint8_t>;

class RecordingNotifier : public SkinNotifier {
  public:
    void NotifyForms(uint32_t message, const TspSkinData&) override { messages.push_back(message); }
    std::vector<uint32_t> messages;
};

void Put32(Bytes& b, int32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(uint32_t(v) >> (8 * i)));
}

// A version-3 container: main picture, no inactive picture, a mask, one active picture.
Bytes Container(int32_t version, std::string_view description, bool badBitmap = false) {
    Bytes b;
    Put32(b, version);
    Bytes picture = EncodeBmp(Image24(3, 2));
    if (badBitmap) picture[0] = 'X';
    b.push_back(0);
    b.insert(b.end(), picture.begin(), picture.end());
    b.push_back(1);  // no inactive picture
    const Bytes mask = EncodeBmp(Image24(3, 2));
    b.push_back(0);
    b.insert(b.end(), mask.begin(), mask.end());
    Put32(b, 1);
    const Bytes active = EncodeBmp(Image24(5, 4));
    b.insert(b.end(), active.begin(), active.end());
    b.insert(b.end(), description.begin(), description.end());
    return b;
}

TspCompressedStoredSkin Stored(const Bytes& container) {
    uLongf size = compressBound(uLong(container.size()));
    Bytes block(size);
    EXPECT_EQ(compress2(block.data(), &size, container.data(), uLong(container.size()), 9), Z_OK);
    block.resize(size);
    TspCompressedStoredSkin stored;
    stored.SetCompressedData(block);
    return stored;
}

const char kDescription[] =
    "[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\nactivepicturescount=1\r\n0=controls.bmp\r\n"
    "[SKINOBJECTS]\r\ncount=1\r\n0=caption:caption\r\n"
    "[SKINCONTROLS]\r\ncount=2\r\n0=button:button\r\n1=tab:tab\r\n"
    "[button]\r\npictureindex=0\r\nskinrect=0,0,5,4\r\n";

TEST(SkinDataStored, OneLoadFromTheStoredSkin) {
    RecordingNotifier forms;
    TspSkinData skin(&forms);
    const TspCompressedStoredSkin stored = Stored(Container(3, kDescription));
    skin.SetCompressedStoredSkin(&stored);

    EXPECT_EQ(forms.messages,
              (std::vector<uint32_t>{WM_SKIN_CHANGING, WM_SKIN_CHANGED, WM_SKIN_CHANGE_DONE}));
    EXPECT_EQ(skin.CompressedStoredSkin(), &stored);
    EXPECT_FALSE(skin.Empty());
    EXPECT_EQ(skin.Picture.Width(), 3);
    EXPECT_TRUE(skin.InactivePicture.IsEmpty());
    EXPECT_EQ(skin.MaskPicture.Height(), 2);
    ASSERT_EQ(skin.ActivePictures.size(), 1u);
    EXPECT_EQ(skin.ActivePictures[0].Width(), 5);
    EXPECT_EQ(skin.IndexOfControl("button"), 0);
    EXPECT_EQ(skin.IndexOfControl("tab"), 1);
    EXPECT_EQ(skin.IndexOfObject("caption"), 0);

    // Assigning again loads again from scratch.
    forms.messages.clear();
    skin.SetCompressedStoredSkin(&stored);
    EXPECT_EQ(forms.messages,
              (std::vector<uint32_t>{WM_SKIN_CHANGING, WM_SKIN_CHANGED, WM_SKIN_CHANGE_DONE}));
    EXPECT_EQ(skin.SkinControls.size(), 2u);
}

TEST(SkinDataStored, NothingToLoadKeepsTheSkin) {
    RecordingNotifier forms;
    TspSkinData skin(&forms);
    const TspCompressedStoredSkin stored = Stored(Container(3, kDescription));
    skin.SetCompressedStoredSkin(&stored);
    forms.messages.clear();

    const TspCompressedStoredSkin empty;
    skin.SetCompressedStoredSkin(&empty);
    skin.SetCompressedStoredSkin(nullptr);
    EXPECT_TRUE(forms.messages.empty());
    EXPECT_FALSE(skin.Empty());
    EXPECT_EQ(skin.SkinControls.size(), 2u);
    EXPECT_EQ(skin.ActivePictures.size(), 1u);
}

// A failed load leaves no skin, and the forms never hear that one arrived.
TEST(SkinDataStored, FailedLoadsLeaveTheSkinEmpty) {
    const Bytes damaged{0x78, 0xDA, 0x01, 0x02, 0x03, 0x04, 0x05};
    struct Case {
        const char* name;
        TspCompressedStoredSkin stored;
        const char* message;  // null: no error
    };
    Case cases[] = {
        {"damaged block", {}, "compression error"},
        {"version above 3", Stored(Container(4, kDescription)), nullptr},
        {"bad bitmap", Stored(Container(3, kDescription, true)), ""},
        {"bad rectangle", Stored(Container(3, "[SKINCONTROLS]\ncount=1\n0=b:button\n[b]\nskinrect=1\n")),
         "'' is not a valid integer value"},
    };
    cases[0].stored.SetCompressedData(damaged);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingNotifier forms;
        TspSkinData skin(&forms);
        const TspCompressedStoredSkin good = Stored(Container(3, kDescription));
        skin.SetCompressedStoredSkin(&good);
        forms.messages.clear();

        if (c.message) {
            try {
                skin.SetCompressedStoredSkin(&c.stored);
                ADD_FAILURE() << "no error";
            } catch (const SkinError& e) {
                if (*c.message) {
                    EXPECT_STREQ(e.what(), c.message);
                }
            }
        } else {
            EXPECT_NO_THROW(skin.SetCompressedStoredSkin(&c.stored));
        }
        EXPECT_EQ(forms.messages, std::vector<uint32_t>{WM_SKIN_CHANGING});
        EXPECT_TRUE(skin.Empty());
        EXPECT_TRUE(skin.SkinControls.empty());
        EXPECT_TRUE(skin.SkinObjects.empty());
        EXPECT_TRUE(skin.ActivePictures.empty());
        EXPECT_TRUE(skin.Picture.IsEmpty());
        EXPECT_EQ(skin.IndexOfControl("button"), -1);
    }
}

}  // namespace
}  // namespace vemora::skin
