#include "skin/data/skin_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/skin_error.h"

namespace vemora::skin {
namespace {

TEST(SkinValues, RectanglesAndPointsKeepOnlyDigits) {
    struct Case {
        const char* text;
        Rect expected;
    };
    const Case rects[] = {
        {"10, 20 ,30,40", {10, 20, 30, 40}},
        {"1,2,3,4", {1, 2, 3, 4}},
        {"-1,+2,x3,4px", {1, 2, 3, 4}},  // signs and letters are dropped
        {"1,2,3,4,5,6", {1, 2, 3, 4}},   // numbers beyond the fourth are ignored
        {"1,2,3,4,", {1, 2, 3, 4}},      // so is an empty fifth field
        {"0007,0,0,2147483647", {7, 0, 0, 2147483647}},
        {"1 2,3,4,5", {12, 3, 4, 5}},  // blanks inside a number join its digits
    };
    for (const Case& c : rects) EXPECT_EQ(ParseSkinRect(c.text), c.expected) << c.text;

    EXPECT_EQ(ParseSkinPoint("-5,3"), (Point{5, 3}));
    EXPECT_EQ(ParseSkinPoint(" 7 , 8 "), (Point{7, 8}));
    EXPECT_EQ(ParseSkinPoint("1,2,3"), (Point{1, 2}));
}

TEST(SkinValues, FieldWithoutDigitsIsAConversionError) {
    struct Case {
        const char* text;
        bool point;
        const char* message;
    };
    const Case cases[] = {
        {"", true, "'' is not a valid integer value"},
        {",3", true, "'' is not a valid integer value"},
        {"3", true, "'' is not a valid integer value"},
        {"1,2,3", false, "'' is not a valid integer value"},
        {"a,b,c,d", false, "'' is not a valid integer value"},
        {"1,2,3,-", false, "'' is not a valid integer value"},
        {"2147483648,0", true, "'2147483648' is not a valid integer value"},
        {"1,99999999999999999999,3,4", false, "'99999999999999999999' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        try {
            if (c.point) {
                ParseSkinPoint(c.text);
            } else {
                ParseSkinRect(c.text);
            }
            ADD_FAILURE() << "no error for \"" << c.text << "\"";
        } catch (const SkinError& e) {
            EXPECT_STREQ(e.what(), c.message) << c.text;
        }
    }
}

TEST(SkinValues, AbsentKeysGiveTheDefaultsAndAnEmptyValueIsAnError) {
    const SkinIni ini("[s]\nemptyrect=\nemptypoint=\n");
    EXPECT_EQ(ReadSkinRect(ini, "s", "missing"), Rect{});
    EXPECT_EQ(ReadSkinPoint(ini, "other", "missing"), Point{});
    EXPECT_FALSE(ReadSkinBool(ini, "s", "missing"));
    EXPECT_EQ(ReadFontStyles(ini, "s", "missing"), FontStyles{});
    EXPECT_EQ(ReadAlignment(ini, "s", "missing"), TextAlignment::taCenter);
    EXPECT_EQ(ReadMorphKind(ini, "s", "missing"), MorphKind::mkDefault);
    EXPECT_EQ(ReadImageEffect(ini, "s", "missing"), ImageEffect::ieBrightness);
    EXPECT_EQ(ReadSkinEnum<SkinCommand>(ini, "s", "missing"), SkinCommand::cmDefault);
    EXPECT_EQ(ReadSkinEnum<FramePlacement>(ini, "s", "missing"), FramePlacement::fpHorizontal);
    EXPECT_EQ(ReadSkinEnum<RegulatorKind>(ini, "s", "missing"), RegulatorKind::rkRound);
    EXPECT_EQ(ReadSkinEnum<GaugeKind>(ini, "s", "missing"), GaugeKind::gkHorizontal);
    EXPECT_TRUE(ReadNumberedList(ini, "s", "items").empty());
    EXPECT_TRUE(ReadLineList(ini, "s", "symbols").empty());
    EXPECT_THROW(ReadSkinRect(ini, "s", "emptyrect"), SkinError);
    EXPECT_THROW(ReadSkinPoint(ini, "s", "emptypoint"), SkinError);
}

TEST(SkinValues, BooleanIsTrueOnlyForTheInteger1) {
    struct Case {
        const char* value;
        bool expected;
    };
    const Case cases[] = {{"1", true},     {"01", true}, {"0x1", true}, {"$1", true}, {"2", false},
                          {"true", false}, {"0", false}, {"", false},   {"-1", false}};
    for (const Case& c : cases) {
        const SkinIni ini(std::string("[s]\nleftstretch=") + c.value + "\n");
        EXPECT_EQ(ReadSkinBool(ini, "s", "leftstretch"), c.expected) << c.value;
    }
}

TEST(SkinValues, FontStylesAreFoundAsSubstringsInExactCase) {
    struct Case {
        const char* value;
        FontStyles expected;
    };
    const Case cases[] = {
        {"fsbold,fsitalic", {true, true, false, false}},
        {"fsboldfsitalic", {true, true, false, false}},
        {"[fsunderline] fsstrikeout", {false, false, true, true}},
        {"FSBOLD,FsItalic", {}},
        {"", {}},
        {"bold", {}},
    };
    for (const Case& c : cases) {
        const SkinIni ini(std::string("[s]\nfontstyle=") + c.value + "\n");
        EXPECT_EQ(ReadFontStyles(ini, "s", "fontstyle"), c.expected) << c.value;
    }
}

TEST(SkinValues, EnumerationWordsMatchExactlyOrTakeTheFallback) {
    const SkinIni ini(
        "[s]\n"
        "alignment=taleftjustify\nmisspelt=tacentre\ncapital=TaCenter\nempty=\n"
        "morph=mkpush\nbadmorph=mkPush\n"
        "effect=ieinvert\nbadeffect=iesepia\n"
        "command=cmclose\nbadcommand=cmquit\n"
        "placement=fpvertical\nbadplacement=fphorizontally\n"
        "regulator=rkhorizontal\nbadregulator=rkround2\n"
        "gauge=gkvertical\nbadgauge=GKHORIZONTAL\n");
    EXPECT_EQ(ReadAlignment(ini, "s", "alignment"), TextAlignment::taLeftJustify);
    EXPECT_EQ(ReadAlignment(ini, "s", "misspelt"), TextAlignment::taRightJustify);
    EXPECT_EQ(ReadAlignment(ini, "s", "capital"), TextAlignment::taRightJustify);
    EXPECT_EQ(ReadAlignment(ini, "s", "empty"), TextAlignment::taRightJustify);
    EXPECT_EQ(ReadMorphKind(ini, "s", "morph"), MorphKind::mkPush);
    EXPECT_EQ(ReadMorphKind(ini, "s", "badmorph"), MorphKind::mkDefault);
    EXPECT_EQ(ReadImageEffect(ini, "s", "effect"), ImageEffect::ieInvert);
    EXPECT_EQ(ReadImageEffect(ini, "s", "badeffect"), ImageEffect::ieGrayscale);
    EXPECT_EQ(ReadSkinEnum<SkinCommand>(ini, "s", "command"), SkinCommand::cmClose);
    EXPECT_EQ(ReadSkinEnum<SkinCommand>(ini, "s", "badcommand"), SkinCommand::cmMinimizeToTray);
    EXPECT_EQ(ReadSkinEnum<FramePlacement>(ini, "s", "placement"), FramePlacement::fpVertical);
    EXPECT_EQ(ReadSkinEnum<FramePlacement>(ini, "s", "badplacement"), FramePlacement::fpVertical);
    EXPECT_EQ(ReadSkinEnum<RegulatorKind>(ini, "s", "regulator"), RegulatorKind::rkHorizontal);
    EXPECT_EQ(ReadSkinEnum<RegulatorKind>(ini, "s", "badregulator"), RegulatorKind::rkVertical);
    EXPECT_EQ(ReadSkinEnum<GaugeKind>(ini, "s", "gauge"), GaugeKind::gkVertical);
    EXPECT_EQ(ReadSkinEnum<GaugeKind>(ini, "s", "badgauge"), GaugeKind::gkVertical);
}

TEST(SkinValues, EveryEnumerationWordReadsBackAsWritten) {
    const auto roundTrip = [](auto value) {
        SkinIni ini;
        WriteSkinEnum(ini, "s", "k", value);
        return ReadSkinEnum<decltype(value)>(ini, "s", "k") == value;
    };
    for (int i = 0; i <= 2; ++i) EXPECT_TRUE(roundTrip(TextAlignment(i))) << i;
    for (int i = 0; i <= 6; ++i) EXPECT_TRUE(roundTrip(MorphKind(i))) << i;
    for (int i = 0; i <= 5; ++i) EXPECT_TRUE(roundTrip(ImageEffect(i))) << i;
    for (int i = 0; i <= 6; ++i) EXPECT_TRUE(roundTrip(SkinCommand(i))) << i;
    for (int i = 0; i <= 1; ++i) EXPECT_TRUE(roundTrip(FramePlacement(i))) << i;
    for (int i = 0; i <= 2; ++i) EXPECT_TRUE(roundTrip(RegulatorKind(i))) << i;
    for (int i = 0; i <= 1; ++i) EXPECT_TRUE(roundTrip(GaugeKind(i))) << i;

    SkinIni ini;
    WriteSkinEnum(ini, "s", "alignment", TextAlignment::taCenter);
    WriteSkinEnum(ini, "s", "command", SkinCommand::cmMinimizeToTray);
    EXPECT_EQ(ini.ReadString("s", "alignment"), "tacenter");
    EXPECT_EQ(ini.ReadString("s", "command"), "cmminimizetotray");
}

TEST(SkinValues, WritersUseTheReadableForms) {
    SkinIni ini;
    WriteSkinRect(ini, "s", "r", {1, 22, 333, 4444});
    WriteSkinPoint(ini, "s", "p", {5, 6});
    WriteSkinBool(ini, "s", "t", true);
    WriteSkinBool(ini, "s", "f", false);
    WriteFontStyles(ini, "s", "all", {true, true, true, true});
    WriteFontStyles(ini, "s", "italic", {false, true, false, false});
    WriteFontStyles(ini, "s", "none", {});
    EXPECT_EQ(ini.Text(),
              "[s]\r\nr=1,22,333,4444\r\np=5,6\r\nt=1\r\nf=0\r\n"
              "all=fsbold,fsitalic,fsunderline,fsstrikeout\r\nitalic=fsitalic\r\nnone=\r\n\r\n");
    EXPECT_EQ(ReadFontStyles(ini, "s", "all"), (FontStyles{true, true, true, true}));
}

TEST(SkinValues, ListsAppendEmptyTextsForAbsentEntries) {
    const SkinIni ini(
        "[PICTURES]\nactivepicturescount=3\n0=a.bmp\n2=c.bmp\n3=beyond.bmp\n"
        "[label]\nsymbolslinecount=2\nsymbolsline1=0123\nsymbolsline0=abc\n"
        "[negative]\nactivepicturescount=-4\nsymbolslinecount=$FFFFFFFF\n");
    EXPECT_EQ(ReadNumberedList(ini, "PICTURES", "activepictures"),
              (std::vector<std::string>{"a.bmp", "", "c.bmp"}));
    EXPECT_EQ(ReadLineList(ini, "label", "symbols"), (std::vector<std::string>{"abc", "0123"}));
    EXPECT_TRUE(ReadNumberedList(ini, "negative", "activepictures").empty());
    EXPECT_TRUE(ReadLineList(ini, "negative", "symbols").empty());

    SkinIni written;
    WriteLineList(written, "label", "symbols", {"abc", "", "x"});
    WriteNumberedList(written, "PICTURES", "activepictures", {"p0", "p1"});
    EXPECT_EQ(written.Text(),
              "[label]\r\nsymbolslinecount=3\r\nsymbolsline0=abc\r\nsymbolsline1=\r\nsymbolsline2=x\r\n\r\n"
              "[PICTURES]\r\nactivepicturescount=2\r\n0=p0\r\n1=p1\r\n\r\n");
}

// A hostile count must neither hang the load nor allocate without bound.
TEST(SkinValues, ListCountsAreCapped) {
    const SkinIni ini("[s]\ncount=2000000000\nsymbolslinecount=0x7FFFFFFF\n5=five\n");
    const std::vector<std::string> items = ReadNumberedList(ini, "s", "");
    ASSERT_EQ(items.size(), size_t(kMaxSkinListEntries));
    EXPECT_EQ(items[5], "five");
    EXPECT_EQ(ReadLineList(ini, "s", "symbols").size(), size_t(kMaxSkinLineListEntries));
}

}  // namespace
}  // namespace vemora::skin
