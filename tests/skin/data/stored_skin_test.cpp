#include "skin/data/stored_skin.h"

#include <unistd.h>
#include <zlib.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "skin/data/bmp_codec.h"
#include "skin/data/skin_error.h"

namespace vemora::skin {
namespace {

using Bytes = std::vector<uint8_t>;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

void Put32(Bytes& b, int32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(uint32_t(v) >> (8 * i)));
}

void Append(Bytes& b, const Bytes& more) {
    b.insert(b.end(), more.begin(), more.end());
}

void Append(Bytes& b, std::string_view text) {
    b.insert(b.end(), text.begin(), text.end());
}

// Each picture is recognisable by its size and colour.
Image24 Solid(int w, int h, PixelColor color) {
    Image24 image(w, h);
    image.Fill(color);
    return image;
}

const std::map<std::string, Image24>& Pictures() {
    static const std::map<std::string, Image24> pictures = {
        {"picture", Solid(3, 2, 0x102030)},    {"inactivepicture", Solid(2, 3, 0x405060)},
        {"mask", Solid(4, 1, 0xFFFFFF)},       {"rolluppicture", Solid(1, 4, 0x708090)},
        {"rollupmask", Solid(5, 1, 0x000000)}, {"active0", Solid(2, 2, 0xA0B0C0)},
        {"active1", Solid(1, 1, 0xD0E0F0)},
    };
    return pictures;
}

Bytes PictureRecord(const std::string& key) {
    Bytes b{0};
    Append(b, EncodeBmp(Pictures().at(key)));
    return b;
}

Bytes Compress(const Bytes& data) {
    uLongf size = compressBound(uLong(data.size()));
    Bytes out(size);
    EXPECT_EQ(compress2(out.data(), &size, data.data(), uLong(data.size()), 9), Z_OK);
    out.resize(size);
    return out;
}

Bytes Inflate(const TspCompressedStoredSkin& skin) {
    Bytes inflated;
    skin.Decompress(inflated);
    return inflated;
}

TEST(SkinContainer, EachVersionCarriesItsPicturesInOrder) {
    struct Case {
        int32_t version;
        std::vector<std::string> records;  // in stored order
    };
    const Case cases[] = {
        {1, {"picture", "mask", "rolluppicture", "rollupmask"}},
        {2, {"picture", "inactivepicture", "mask", "rolluppicture", "rollupmask"}},
        {3, {"picture", "inactivepicture", "mask"}},
        {0, {"picture", "mask"}},
        {-7, {"picture", "mask"}},
    };
    const std::string description = "[VERSION]\r\nskinname=test\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        Bytes data;
        Put32(data, c.version);
        for (const std::string& key : c.records) Append(data, PictureRecord(key));
        Put32(data, 2);
        Append(data, EncodeBmp(Pictures().at("active0"), 8));
        Append(data, EncodeBmp(Pictures().at("active1"), 1));
        Append(data, description);

        const std::optional<SkinContainer> read = ReadSkinContainer(data);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->version, c.version);
        auto expected = [&](const std::string& key) {
            const bool stored = std::find(c.records.begin(), c.records.end(), key) != c.records.end();
            return stored ? Pictures().at(key) : Image24();
        };
        EXPECT_EQ(read->picture, expected("picture"));
        EXPECT_EQ(read->inactivePicture, expected("inactivepicture"));
        EXPECT_EQ(read->maskPicture, expected("mask"));
        EXPECT_EQ(read->rollUpPicture, expected("rolluppicture"));
        EXPECT_EQ(read->rollUpMaskPicture, expected("rollupmask"));
        ASSERT_EQ(read->activePictures.size(), 2u);
        EXPECT_EQ(read->activePictures[0], Pictures().at("active0"));
        EXPECT_EQ(read->activePictures[1], Pictures().at("active1"));
        EXPECT_EQ(read->description, description);
    }
}

TEST(SkinContainer, AnyNonZeroFlagMarksAMissingPicture) {
    Bytes data;
    Put32(data, 3);
    data.push_back(0x80);  // picture
    data.push_back(0xFF);  // inactive picture
    Append(data, PictureRecord("mask"));
    Put32(data, 0);
    const std::optional<SkinContainer> read = ReadSkinContainer(data);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->picture.IsEmpty());
    EXPECT_TRUE(read->inactivePicture.IsEmpty());
    EXPECT_EQ(read->maskPicture, Pictures().at("mask"));
}

TEST(SkinContainer, DescriptionIsEverythingAfterTheActivePictures) {
    struct Case {
        int32_t count;
        std::string description;
    };
    const Case cases[] = {
        {0, "[VERSION]\r\nskinname=x"},                 // no final line break
        {-3, std::string("[a]\rk=1\n\0tail\r\n", 15)},  // bytes kept as they are
        {0, ""},
    };
    for (const Case& c : cases) {
        Bytes data;
        Put32(data, 1);
        data.insert(data.end(), {1, 1, 1, 1});
        Put32(data, c.count);
        Append(data, c.description);
        const std::optional<SkinContainer> read = ReadSkinContainer(data);
        ASSERT_TRUE(read);
        EXPECT_TRUE(read->activePictures.empty());
        EXPECT_EQ(read->description, c.description);
    }
}

TEST(SkinContainer, AVersionAbove3IsNotRead) {
    for (int32_t version : {4, 0x7FFFFFFF}) {
        Bytes data;
        Put32(data, version);
        data.push_back(7);  // nothing that would read
        EXPECT_FALSE(ReadSkinContainer(data)) << version;
    }
}

TEST(SkinContainer, DamagedContainersAreRefused) {
    Bytes whole;
    Put32(whole, 3);
    Append(whole, PictureRecord("picture"));
    whole.push_back(1);
    Append(whole, PictureRecord("mask"));
    Put32(whole, 1);
    Append(whole, EncodeBmp(Pictures().at("active0"), 4));
    ASSERT_TRUE(ReadSkinContainer(whole));

    auto cut = [&](size_t size) { return Bytes(whole.begin(), whole.begin() + ptrdiff_t(size)); };
    const size_t maskAt = 4 + PictureRecord("picture").size() + 1;
    const size_t countAt = maskAt + PictureRecord("mask").size();
    Bytes badActive = whole;
    badActive[countAt + 4 + 28] = 3;  // 3 bits per pixel
    Bytes badMagic = whole;
    badMagic[maskAt + 1] = 'X';

    struct Case {
        const char* name;
        Bytes data;
        const char* message;
    };
    const Case cases[] = {
        {"no version", cut(3), "skin container ends early"},
        {"no flag byte", cut(4), "skin container ends early"},
        {"inside a file header", cut(4 + 1 + 10), "skin container ends early"},
        {"inside a bitmap", cut(maskAt - 2), "skin container ends early"},
        {"no count", cut(countAt + 2), "skin container ends early"},
        {"fewer bitmaps than counted", cut(countAt + 4), "skin container ends early"},
        {"a bitmap that does not decode", badActive,
         "skin active picture 0: bitmap: unsupported bit count 3"},
        {"a record that is no bitmap", badMagic, "skin picture \"mask\": bitmap: not a bitmap file"},
    };
    for (const Case& c : cases) {
        EXPECT_THAT([&] { ReadSkinContainer(c.data); }, ThrowsMessage<SkinError>(HasSubstr(c.message)))
            << c.name;
    }
}

TEST(SkinContainer, PicturesTogetherStayWithinThePixelLimit) {
    // An RLE bitmap can claim the largest allowed image in a few bytes; a second one must not
    // be allocated on top of it.
    Bytes huge{'B', 'M'};
    Put32(huge, 14 + 40 + 8 + 2);
    Put32(huge, 0);
    Put32(huge, 14 + 40 + 8);
    Put32(huge, 40);
    Put32(huge, 1 << 15);
    Put32(huge, 1 << 11);
    huge.insert(huge.end(), {1, 0, 8, 0, 1, 0, 0, 0});  // planes, 8 bits, RLE8
    Put32(huge, 2);
    Put32(huge, 0);
    Put32(huge, 0);
    Put32(huge, 2);  // colours used
    Put32(huge, 0);
    Put32(huge, 0);
    Put32(huge, 0);
    huge.insert(huge.end(), {0, 1});  // end of bitmap
    Bytes data;
    Put32(data, 0);
    data.push_back(0);
    Append(data, huge);
    data.push_back(1);
    Put32(data, 1);
    Append(data, EncodeBmp(Solid(1, 1, 0)));
    EXPECT_THAT([&] { ReadSkinContainer(data); },
                ThrowsMessage<SkinError>(HasSubstr("pictures hold more than")));
}

TEST(CompressedStoredSkin, DecompressInflatesTheWholeBlock) {
    Bytes data(10000);
    for (size_t i = 0; i < data.size(); ++i) data[i] = uint8_t(i * 7919 >> 3);
    const Bytes block = Compress(data);

    TspCompressedStoredSkin skin;
    EXPECT_TRUE(skin.IsEmpty());
    skin.SetCompressedData(block);
    EXPECT_FALSE(skin.IsEmpty());
    Bytes target{'x'};
    skin.Decompress(target);
    ASSERT_EQ(target.size(), 1 + data.size());
    EXPECT_EQ(Bytes(target.begin() + 1, target.end()), data);
    EXPECT_EQ(Inflate(skin), data) << "every call inflates anew";

    Bytes trailing = block;
    trailing.push_back(0x55);
    skin.SetCompressedData(trailing);
    EXPECT_EQ(Inflate(skin), data) << "bytes after the stream are not part of it";
}

TEST(CompressedStoredSkin, DamagedBlocksAreCompressionErrors) {
    const Bytes block = Compress(Bytes(5000, 'a'));
    auto with = [&](size_t at, uint8_t value) {
        Bytes b = block;
        b[at] = value;
        return b;
    };
    struct Case {
        const char* name;
        Bytes block;
    };
    const Case cases[] = {
        {"empty", {}},
        {"bad header", with(1, 0)},
        {"damaged deflate data", with(2, 0xFF)},
        {"wrong checksum", with(block.size() - 1, uint8_t(block.back() ^ 1))},
        {"ends inside the stream", Bytes(block.begin(), block.end() - 6)},
        {"ends before the checksum", Bytes(block.begin(), block.end() - 2)},
    };
    for (const Case& c : cases) {
        TspCompressedStoredSkin skin;
        skin.SetCompressedData(c.block);
        Bytes target{'x'};
        EXPECT_THAT([&] { skin.Decompress(target); },
                    ThrowsMessage<SkinError>(HasSubstr("compression error")))
            << c.name;
        EXPECT_EQ(target, Bytes{'x'}) << c.name;
    }
}

TEST(CompressedStoredSkin, ABlockInflatingPastTheLimitIsRefused) {
    TspCompressedStoredSkin skin;
    skin.SetCompressedData(Compress(Bytes(TspCompressedStoredSkin::kMaxInflatedSize + 1, 0)));
    Bytes target;
    EXPECT_THAT([&] { skin.Decompress(target); }, ThrowsMessage<SkinError>(HasSubstr("more than 64 MiB")));
    EXPECT_TRUE(target.empty());
}

// A scratch directory per test.
class SkinFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("vemora-stored-skin-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "sub");
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path Write(const std::string& name, const Bytes& bytes) const {
        std::ofstream out(dir_ / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return dir_ / name;
    }
    std::filesystem::path Write(const std::string& name, std::string_view text) const {
        return Write(name, Bytes(text.begin(), text.end()));
    }

    std::filesystem::path dir_;
};

constexpr std::string_view kOtherSections =
    "[VERSION]\nskinname=test\n[FORMINFO]\nborderwidth=4\n"
    "[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=0\n";

TEST_F(SkinFiles, BuildNeedsEveryRequiredSection) {
    const std::string full = std::string(kOtherSections) + "[PICTURES]\npicture=\n";
    for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
        // The section is there, but without a key.
        std::string text = full;
        const size_t at = text.find(std::string("[") + section + "]\n") + std::string(section).size() + 3;
        text.erase(at, text.find('\n', at) + 1 - at);
        TspCompressedStoredSkin skin;
        skin.SetCompressedData(Bytes{1, 2, 3});
        EXPECT_FALSE(skin.BuildFromSkinIni(Write("skin.ini", text))) << section;
        EXPECT_EQ(skin.CompressedStream(), (Bytes{1, 2, 3})) << section;
    }
    TspCompressedStoredSkin skin;
    EXPECT_TRUE(skin.BuildFromSkinIni(Write("skin.ini", full)));
}

TEST_F(SkinFiles, BuiltBlockReadsBackWithItsPictures) {
    const Image24 main = Solid(6, 3, 0x336699), mask = Solid(6, 3, 0xFFFFFF), roll = Solid(6, 1, 0x224466);
    const Image24 active0 = Solid(2, 2, 0x010203), active1 = Solid(3, 1, 0xFEDCBA);
    const Bytes maskFile = EncodeBmp(mask, 1);
    Write("main.bmp", EncodeBmp(main, 24));
    Write("mask.bmp", maskFile);
    Write("sub/roll.bmp", EncodeBmp(roll, 4));
    Write("a0.bmp", EncodeBmp(active0, 8));
    Bytes wrongSize = EncodeBmp(active1);
    wrongSize[2] = wrongSize[3] = 0;  // header size no longer the file's length
    Write("a1.bmp", wrongSize);
    const std::string text = std::string(kOtherSections) +
                             "[PICTURES]\r\npicture=main.bmp\rinactivepicture=\nmask=mask.bmp\n"
                             "rolluppicture=sub\\roll.bmp\nactivepicturescount=2\n0=a0.bmp\n1=a1.bmp";

    TspCompressedStoredSkin skin;
    ASSERT_TRUE(skin.BuildFromSkinIni(Write("skin.ini", text)));
    ASSERT_GE(skin.CompressedStream().size(), 2u);
    EXPECT_EQ(skin.CompressedStream()[0], 0x78);
    EXPECT_EQ(skin.CompressedStream()[1], 0xDA);

    const Bytes inflated = Inflate(skin);
    const std::optional<SkinContainer> read = ReadSkinContainer(inflated);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->version, 2);
    EXPECT_EQ(read->picture, main);
    EXPECT_TRUE(read->inactivePicture.IsEmpty());
    EXPECT_EQ(read->maskPicture, mask);
    EXPECT_EQ(read->rollUpPicture, roll);
    EXPECT_TRUE(read->rollUpMaskPicture.IsEmpty());
    ASSERT_EQ(read->activePictures.size(), 2u);
    EXPECT_EQ(read->activePictures[0], active0);
    EXPECT_EQ(read->activePictures[1], active1);
    EXPECT_NE(std::search(inflated.begin(), inflated.end(), maskFile.begin(), maskFile.end()), inflated.end())
        << "a sound bitmap file is stored as it is, at its own depth";

    std::string expected = text;
    for (size_t at = 0; (at = expected.find_first_of("\r\n", at)) != std::string::npos; at += 2) {
        const size_t length = expected.compare(at, 2, "\r\n") == 0 ? 2 : 1;
        expected.replace(at, length, "\r\n");
    }
    EXPECT_EQ(read->description, expected + "\r\n");
}

TEST_F(SkinFiles, BuildErrorsNameTheFileAndKeepTheBlock) {
    Write("good.bmp", EncodeBmp(Solid(1, 1, 0)));
    Write("bad.bmp", "BM not really");
    struct Case {
        const char* pictures;
        const char* message;
    };
    const Case cases[] = {
        {"picture=missing.bmp\n", "missing.bmp"},
        {"picture=good.bmp\nactivepicturescount=1\n0=gone.bmp\n", "gone.bmp"},
        {"picture=good.bmp\nactivepicturescount=1\n", "cannot open bitmap file"},  // no name: the directory
        {"mask=bad.bmp\n", "bad.bmp\": bitmap: data ends early"},
    };
    for (const Case& c : cases) {
        TspCompressedStoredSkin skin;
        skin.SetCompressedData(Bytes{9});
        const auto path = Write("skin.ini", std::string(kOtherSections) + "[PICTURES]\n" + c.pictures);
        EXPECT_THAT([&] { skin.BuildFromSkinIni(path); }, ThrowsMessage<SkinError>(HasSubstr(c.message)))
            << c.pictures;
        EXPECT_EQ(skin.CompressedStream(), Bytes{9});
    }
    TspCompressedStoredSkin skin;
    EXPECT_THAT([&] { skin.BuildFromSkinIni(dir_ / "none.ini"); },
                ThrowsMessage<SkinError>(HasSubstr("none.ini")));
}

TEST_F(SkinFiles, LoadCompressedFileTakesTheBlockOfVersionsUpTo3) {
    auto file = [](int32_t version, int32_t length, const Bytes& block) {
        Bytes b;
        Put32(b, version);
        Put32(b, length);
        Append(b, block);
        return b;
    };
    const Bytes block{0x78, 0xDA, 1, 2, 3};
    struct Case {
        const char* name;
        Bytes file;
        Bytes expected;
    };
    const Case cases[] = {
        {"version 3", file(3, 5, block), block},
        {"version 1, more bytes than the length", file(1, 2, block), Bytes{0x78, 0xDA}},
        {"version -1", file(-1, 5, block), block},
        {"version 4", file(4, 5, block), {}},
        {"version 4, nothing else", Bytes{4, 0, 0, 0}, {}},
    };
    for (const Case& c : cases) {
        TspCompressedStoredSkin skin;
        skin.SetCompressedData(Bytes{9});
        skin.LoadCompressedFile(Write("skin.skn", c.file));
        EXPECT_EQ(skin.CompressedStream(), c.expected) << c.name;
    }

    for (const Bytes& bad : {file(2, 6, block), file(2, -1, block), Bytes{2, 0, 0, 0, 5}, Bytes{}}) {
        TspCompressedStoredSkin skin;
        skin.SetCompressedData(Bytes{9});
        EXPECT_THAT([&] { skin.LoadCompressedFile(Write("skin.skn", bad)); },
                    ThrowsMessage<SkinError>(HasSubstr("skin.skn\" ends early")));
        EXPECT_EQ(skin.CompressedStream(), Bytes{9});
    }
    TspCompressedStoredSkin skin;
    EXPECT_THAT([&] { skin.LoadCompressedFile(dir_ / "none.skn"); },
                ThrowsMessage<SkinError>(HasSubstr("none.skn")));
}

}  // namespace
}  // namespace vemora::skin
