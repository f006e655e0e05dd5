#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "skin/data/skin_controls.h"
#include "skin/data/skin_error.h"
#include "skin/data/skin_objects.h"

namespace vemora::skin {
namespace {

// The keys of a section as written, in order.
std::vector<std::string> WrittenKeys(const SkinIni& ini) {
    std::vector<std::string> keys;
    const std::string text = ini.Text();
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find("\r\n", pos);
        const std::string line = text.substr(pos, end - pos);
        pos = end + 2;
        if (line.empty() || line.front() == '[') continue;
        keys.push_back(line.substr(0, line.find('=')));
    }
    return keys;
}

std::vector<std::string> SplitKeys(const std::string& list) {
    std::vector<std::string> keys;
    size_t pos = 0;
    while (pos <= list.size()) {
        const size_t comma = list.find(',', pos);
        keys.push_back(list.substr(pos, comma - pos));
        if (comma == std::string::npos) break;
        pos = comma + 1;
    }
    return keys;
}

// Writes a default record of the type and lists its keys; the class name of the record as well.
struct Written {
    bool created = false;
    std::string typeName;
    std::vector<std::string> keys;
};
Written WriteDefault(bool control, const char* typeWord) {
    Written w;
    SkinIni ini;
    if (control) {
        std::unique_ptr<TspDataSkinControl> record = CreateSkinControl(typeWord, "sec");
        if (!record) return w;
        record->SaveToIni(ini);
        w.typeName = typeid(*record).name();
    } else {
        std::unique_ptr<TspDataSkinObject> record = CreateSkinObject(typeWord, "sec");
        if (!record) return w;
        record->SaveToIni(ini);
        w.typeName = typeid(*record).name();
    }
    w.created = true;
    w.keys = WrittenKeys(ini);
    return w;
}

// Every type word makes its class, which reads and writes exactly its keys, parent keys first.
TEST(SkinRecords, EachTypeWordHasItsClassAndKeyList) {
    struct Case {
        bool control;
        const char* typeWord;
        const char* className;
        const char* keys;  // a line list shows as its count when empty
    };
    const Case cases[] = {
        {false, "menuitem", "TspDataSkinMenuItem",
         "hint,rollup,activepictureindex,skinrectinapicture,cursorindex,skinrect,activeskinrect,"
         "inactiveskinrect,morphing,morphkind,itemleftoffset,itemrightoffset,dividerrect,dividerleftoffset,"
         "dividerrightoffset,textrect,fontname,fontheight,fontstyle,fontcolor,activefontcolor,"
         "unenabledfontcolor"},
        {false, "mainmenuitem", "TspDataSkinMainMenuItem",
         "hint,rollup,activepictureindex,skinrectinapicture,cursorindex,skinrect,activeskinrect,"
         "inactiveskinrect,morphing,morphkind,itemleftoffset,itemrightoffset,downrect,textrect,fontname,"
         "fontheight,fontstyle,fontcolor,activefontcolor,downfontcolor,unenabledfontColor"},
        {false, "mainmenubaritem", "TspDataSkinMainMenuBarItem",
         "hint,rollup,activepictureindex,skinrectinapicture,cursorindex,skinrect,activeskinrect,"
         "inactiveskinrect,morphing,morphkind,itemleftoffset,itemrightoffset,downrect,textrect,fontname,"
         "fontheight,fontstyle,fontcolor,activefontcolor,downfontcolor,unenabledfontColor"},
        {false, "button", "TspDataSkinButton",
         "hint,rollup,activepictureindex,skinrectinapicture,cursorindex,skinrect,activeskinrect,"
         "inactiveskinrect,morphing,morphkind,downrect,disableskinrsect,groupindex"},
        {false, "stdbutton", "TspDataSkinStdButton",
         "hint,rollup,activepictureindex,skinrectinapicture,cursorindex,skinrect,activeskinrect,"
         "inactiveskinrect,morphing,morphkind,downrect,disableskinrsect,groupindex,command,restorerect,"
         "restoreactiverect,restoredownrect"},
        {false, "mainmenubarbutton", "TspDataSkinMainMenuBarButton",
         "hint,rollup,activepictureindex,skinrectinapicture,cursorindex,skinrect,activeskinrect,"
         "inactiveskinrect,morphing,morphkind,downrect,disableskinrsect,groupindex,command,restorerect,"
         "restoreactiverect,restoredownrect"},
        {false, "caption", "TspDataSkinCaption",
         "hint,rollup,activepictureindex,skinrectinapicture,cursorindex,skinrect,activeskinrect,"
         "inactiveskinrect,morphing,morphkind,defaultcaption,textrect,fontname,fontheight,fontstyle,"
         "fontcolor,activefontcolor,alignment,shadow,shadowcolor,activeshadowcolor,framerect,activeframerect,"
         "frametextrect,frameleftoffset,framerightoffset"},
        {false, "trackbar", "TspDataSkinTrackBar",
         "hint,rollup,activepictureindex,skinrectinapicture,cursorindex,skinrect,activeskinrect,"
         "inactiveskinrect,morphing,morphkind,buttonrect,activebuttonrect,beginpoint,endpoint,minvalue,"
         "maxvalue,mousedownchangevalue,buttontransparent,buttontransparentcolor"},
        {false, "gauge", "TspDataSkinGauge",
         "hint,rollup,activepictureindex,skinrectinapicture,cursorindex,skinrect,activeskinrect,"
         "inactiveskinrect,morphing,morphkind,minvalue,maxvalue,kind"},
        {false, "framegauge", "TspDataSkinFrameGaugeObject",
         "hint,rollup,activepictureindex,skinrectinapicture,cursorindex,skinrect,activeskinrect,"
         "inactiveskinrect,morphing,morphkind,minvalue,maxvalue,countframes,framesplacement"},
        {false, "frameregulator", "TspDataSkinFrameRegulatorObject",
         "hint,rollup,activepictureindex,skinrectinapicture,cursorindex,skinrect,activeskinrect,"
         "inactiveskinrect,morphing,morphkind,minvalue,maxvalue,countframes,framesplacement,kind"},
        {false, "label", "TspDataSkinLabel",
         "hint,rollup,activepictureindex,skinrectinapicture,cursorindex,skinrect,activeskinrect,"
         "inactiveskinrect,morphing,morphkind,fontName,fontheight,fontstyle,fontcolor,activefontcolor,"
         "alignment,textvalue"},
        {false, "bitlabel", "TspDataSkinBitLabel",
         "hint,rollup,activepictureindex,skinrectinapicture,cursorindex,skinrect,activeskinrect,"
         "inactiveskinrect,morphing,morphkind,textvalue,symbolwidth,symbolheight,symbolslinecount,"
         "transparent,"
         "transparentcolor"},
        {false, "switch", "TspDataSkinSwitch",
         "hint,rollup,activepictureindex,skinrectinapicture,cursorindex,skinrect,activeskinrect,"
         "inactiveskinrect,morphing,morphkind"},
        {false, "animate", "TspDataSkinAnimate",
         "hint,rollup,activepictureindex,skinrectinapicture,cursorindex,skinrect,activeskinrect,"
         "inactiveskinrect,morphing,morphkind,countframes,cycle,buttonstyle,timerinterval,command"},
        {false, "userobject", "TspDataUserObject", "rollup,skinrect,cursorindex"},
        {true, "button", "TspDataSkinButtonControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,fontname,fontheight,fontstyle,fontcolor,activefontcolor,"
         "disabledfontcolor,downfontcolor,morphing,morphkind,activeskinrect,downskinrect,disabledskinrect"},
        {true, "menubutton", "TspDataSkinMenuButtonControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,fontname,fontheight,fontstyle,fontcolor,activefontcolor,"
         "disabledfontcolor,downfontcolor,morphing,morphkind,activeskinrect,downskinrect,disabledskinrect,"
         "trackbuttonrect"},
        {true, "checkradio", "TspDataSkinCheckRadioControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,fontname,fontheight,fontstyle,fontcolor,activefontcolor,"
         "unenabledfontcolor,framefontcolor,morphing,morphkind,activeskinrect,checkimagearea,textarea,"
         "checkimagerect,uncheckimagerect,activecheckimagerect,activeuncheckimagerect,"
         "unenabledcheckimagerect,unenableduncheckimagerect"},
        {true, "panel", "TspDataSkinPanelControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,bgpictureindex,captionrect,alignment,fontname,fontheight,fontstyle,"
         "fontcolor,checkimagerect,uncheckimagerect"},
        {true, "expanel", "TspDataSkinExPanelControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,rollhskinrect,rollvskinrect,rollleftoffset,rollrightoffset,"
         "rolltopoffset,rollbottomoffset,rollvcaptionrect,rollhcaptionrect,closebuttonrect,"
         "closebuttonactiverect,closebuttondownrect,hrollbuttonrect,hrollbuttonactiverect,"
         "hrollbuttondownrect,hrestorebuttonrect,hrestorebuttonactiverect,hrestorebuttondownrect,"
         "vrollbuttonrect,vrollbuttonactiverect,vrollbuttondownrect,vrestorebuttonrect,"
         "vrestorebuttonactiverect,vrestorebuttondownrect,captionrect,fontname,fontheight,fontstyle,"
         "fontcolor"},
        {true, "label", "TspDataSkinLabelControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,fontname,fontheight,fontstyle,fontcolor"},
        {true, "stdlabel", "TspDataSkinStdLabelControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,fontname,fontheight,fontstyle,fontcolor,"
         "activefontcolor"},
        {true, "bitlabel", "TspDataSkinBitLabelControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,skintextrect,symbolwidth,symbolheight,symbolslinecount"},
        {true, "tab", "TspDataSkinTabControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,tabrect,activetabrect,focustabrect,"
         "mouseintabrect,clientrect,bgpictureindex,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,tableftoffset,tabrightoffset,tabsbgrect,fontname,fontheight,fontstyle,fontcolor,"
         "activefontcolor,focusfontcolor,mouseinfontcolor,updown"},
        {true, "edit", "TspDataSkinEditControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,activeskinrect,fontname,fontheight,fontstyle,fontcolor,"
         "disabledfontcolor,activefontcolor,buttonrect,activebuttonrect,downbuttonrect,unenabledbuttonrect"},
        {true, "memo", "TspDataSkinMemoControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,activeskinrect,fontname,fontheight,fontstyle,fontcolor,"
         "disabledfontcolor,activefontcolor,buttonrect,activebuttonrect,downbuttonrect,unenabledbuttonrect,"
         "bgcolor,activebgcolor"},
        {true, "listbox", "TspDataSkinListBox",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,itemrect,activeitemrect,focusitemrect,itemleftoffset,itemrightoffset,"
         "itemtextrect,fontname,fontheight,fontstyle,fontcolor,activefontcolor,focusfontcolor,captionrect,"
         "captionfontname,captionfontheight,captionfontstyle,captionfontcolor,upbuttonrect,"
         "activeupbuttonrect,downupbuttonrect,downbuttonrect,activedownbuttonrect,downdownbuttonrect,"
         "checkbuttonrect,activecheckbuttonrect,downcheckbuttonrect,vscrollbarname,hscrollbarname,"
         "bothhscrollbarname"},
        {true, "checklistbox", "TspDataSkinCheckListBox",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,itemrect,activeitemrect,focusitemrect,itemleftoffset,itemrightoffset,"
         "itemtextrect,fontname,fontheight,fontstyle,fontcolor,activefontcolor,focusfontcolor,captionrect,"
         "captionfontname,captionfontheight,captionfontstyle,captionfontcolor,upbuttonrect,"
         "activeupbuttonrect,downupbuttonrect,downbuttonrect,activedownbuttonrect,downdownbuttonrect,"
         "checkbuttonrect,activecheckbuttonrect,downcheckbuttonrect,vscrollbarname,hscrollbarname,"
         "bothhscrollbarname,checkimagerect,itemcheckrect,uncheckimagerect"},
        {true, "combobox", "TspDataSkinComboBox",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,itemrect,focusitemrect,itemleftoffset,itemrightoffset,itemtextrect,"
         "fontname,fontheight,fontstyle,fontcolor,focusfontcolor,listboxname,buttonrect,activebuttonrect,"
         "downbuttonrect,unenabledbuttonrect"},
        {true, "scrollbar", "TspDataSkinScrollBarControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,trackarea,upbuttonrect,activeupbuttonrect,downupbuttonrect,"
         "downbuttonrect,activedownbuttonrect,downdownbuttonrect,thumbrect,activethumbrect,downthumbrect,"
         "thumboffset1,thumboffset2,thumbtransparent,thumbtransparentcolor,glyphrect,activeglyphrect,"
         "downglyphrect"},
        {true, "spinedit", "TspDataSkinSpinEditControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,activeskinrect,fontname,fontheight,fontstyle,fontcolor,activefontcolor,"
         "disabledfontcolor,upbuttonrect,activeupbuttonrect,downupbuttonrect,downbuttonrect,"
         "activedownbuttonrect,downdownbuttonrect"},
        {true, "updown", "TspDataSkinUpDownControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,upbuttonrect,activeupbuttonrect,downupbuttonrect,downbuttonrect,"
         "activedownbuttonrect,downdownbuttonrect"},
        {true, "gauge", "TspDataSkinGaugeControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,progressarea,progressrect,beginoffset,endoffset,vertical,fontname,"
         "fontheight,fontstyle,fontcolor,progresstransparent,progresstransparentcolor"},
        {true, "trackbar", "TspDataSkinTrackBarControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,trackarea,buttonrect,activebuttonrect,vertical,buttontransparent,"
         "buttontransparentcolor"},
        {true, "splitter", "TspDataSkinSplitterControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect"},
        {true, "scrollbox", "TspDataSkinScrollBoxControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,bgpictureindex"},
        {true, "controlbar", "TspDataSkinControlBar",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lefttoppoint,righttoppoint,leftbottompoint,"
         "rightbottompoint,clientrect,itemrect,bgpictureindex"},
        {true, "mainmenubar", "TspDataSkinMainMenuBar",
         "pictureindex,maskpictureindex,cursorindex,skinrect,itemsrect,menubaritem,closebutton,minbutton,"
         "maxbutton,sysmenubutton,trackmarkcolor,trackmarkactivecolor"},
        {true, "grid", "TspDataSkinGridControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,fixedcellrect,selectcellrect,focuscellrect,"
         "fixedcellleftoffset,fixedcellrightoffset,fixedcelltextrect,cellleftoffset,cellrightoffset,"
         "celltextrect,linescolor,bgcolor,bgpictureindex,fontname,fontheight,fontstyle,fontcolor,"
         "selectfontcolor,focusfontcolor,fixedfontname,fixedfontheight,fixedfontstyle,fixedfontcolor"},
        {true, "treeview", "TspDataSkinTreeView",
         "pictureindex,maskpictureindex,cursorindex,skinrect,fontname,fontheight,fontstyle,fontcolor,"
         "bgcolor"},
        {true, "listview", "TspDataSkinListView",
         "pictureindex,maskpictureindex,cursorindex,skinrect,fontname,fontheight,fontstyle,fontcolor,"
         "bgcolor"},
        {true, "richedit", "TspDataSkinRichEdit",
         "pictureindex,maskpictureindex,cursorindex,skinrect,fontname,fontheight,fontstyle,fontcolor,"
         "bgcolor"},
        {true, "slider", "TspDataSkinSlider",
         "pictureindex,maskpictureindex,cursorindex,skinrect,bgcolor,hrulerrect,hthumbrect,vrulerrect,"
         "vthumbrect,edgesize,pointscolor"},
        {true, "bevel", "TspDataSkinBevel",
         "pictureindex,maskpictureindex,cursorindex,skinrect,lightcolor,darkcolor"},
        {true, "framegauge", "TspDataSkinFrameGauge",
         "pictureindex,maskpictureindex,cursorindex,skinrect,framescount,framesplacement"},
        {true, "animate", "TspDataSkinAnimateControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,framescount,framesplacement"},
        {true, "switch", "TspDataSkinSwitchControl",
         "pictureindex,maskpictureindex,cursorindex,skinrect,framescount,framesplacement"},
        {true, "frameregulator", "TspDataSkinFrameRegulator",
         "pictureindex,maskpictureindex,cursorindex,skinrect,framescount,framesplacement,kind"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.control ? "control " : "object ") + c.typeWord);
        const Written w = WriteDefault(c.control, c.typeWord);
        ASSERT_TRUE(w.created);
        // The mangled name holds the class name with its length in front.
        const std::string mangled = std::to_string(std::string(c.className).size()) + c.className + "E";
        EXPECT_NE(w.typeName.find(mangled), std::string::npos) << w.typeName;
        EXPECT_EQ(w.keys, SplitKeys(c.keys));
    }
}

TEST(SkinRecords, OtherWordsCreateNoRecord) {
    for (const char* word : {"Button", "stdButton", "", " stdbutton", "window", "checkbox", "mainmenubar"}) {
        EXPECT_EQ(CreateSkinObject(word, "sec"), nullptr) << word;
    }
    for (const char* word :
         {"Button", "TAB", "", "checkbox", "radiobox", "caption", "stdbutton", "userobject"}) {
        EXPECT_EQ(CreateSkinControl(word, "sec"), nullptr) << word;
    }
}

// Clients test a record's class before using its fields.
TEST(SkinRecords, ClassesDescendAsClientsExpect) {
    const auto control = [](const char* word) { return CreateSkinControl(word, "sec"); };
    const auto object = [](const char* word) { return CreateSkinObject(word, "sec"); };
    EXPECT_NE(dynamic_cast<TspDataSkinButtonControl*>(control("button").get()), nullptr);
    EXPECT_NE(dynamic_cast<TspDataSkinButtonControl*>(control("menubutton").get()), nullptr);
    EXPECT_EQ(dynamic_cast<TspDataSkinButtonControl*>(control("panel").get()), nullptr);
    EXPECT_EQ(dynamic_cast<TspDataSkinButtonControl*>(control("checkradio").get()), nullptr);
    EXPECT_NE(dynamic_cast<TspDataSkinListBox*>(control("checklistbox").get()), nullptr);
    EXPECT_NE(dynamic_cast<TspDataSkinEditControl*>(control("memo").get()), nullptr);
    EXPECT_NE(dynamic_cast<TspDataSkinCustomControl*>(control("updown").get()), nullptr);
    EXPECT_EQ(dynamic_cast<TspDataSkinCustomControl*>(control("tab").get()), nullptr);
    EXPECT_EQ(dynamic_cast<TspDataSkinCustomControl*>(control("animate").get()), nullptr);
    EXPECT_NE(dynamic_cast<TspDataSkinFrameControl*>(control("frameregulator").get()), nullptr);
    EXPECT_NE(dynamic_cast<TspDataSkinTreeView*>(control("treeview").get()), nullptr);
    EXPECT_EQ(dynamic_cast<TspDataSkinTreeView*>(control("listview").get()), nullptr);
    EXPECT_EQ(dynamic_cast<TspDataSkinRichEdit*>(control("listview").get()), nullptr);
    EXPECT_NE(dynamic_cast<TspDataSkinStdButton*>(object("mainmenubarbutton").get()), nullptr);
    EXPECT_NE(dynamic_cast<TspDataSkinButton*>(object("stdbutton").get()), nullptr);
    EXPECT_EQ(dynamic_cast<TspDataSkinStdButton*>(object("button").get()), nullptr);
    EXPECT_NE(dynamic_cast<TspDataSkinMainMenuItem*>(object("mainmenubaritem").get()), nullptr);
    EXPECT_EQ(dynamic_cast<TspDataSkinMainMenuItem*>(object("menuitem").get()), nullptr);
}

// Reading a section that gives no key leaves every field at its type's or its key's default.
TEST(SkinRecords, DefaultsOfAnEmptySection) {
    struct Case {
        bool control;
        const char* typeWord;
        const char* key;
        const char* value;  // as written back
    };
    const Case cases[] = {
        {false, "menuitem", "fontname", "\xCB\xCE\xCC\xE5"},
        {false, "menuitem", "fontheight", "14"},
        {false, "menuitem", "fontstyle", ""},
        {false, "menuitem", "fontcolor", "0"},
        {false, "menuitem", "hint", ""},
        {false, "menuitem", "activepictureindex", "-1"},
        {false, "menuitem", "cursorindex", "-1"},
        {false, "menuitem", "skinrect", "0,0,0,0"},
        {false, "menuitem", "skinrectinapicture", "0"},
        {false, "menuitem", "morphkind", "mkdefault"},
        {false, "button", "groupindex", "-1"},
        {false, "stdbutton", "command", "cmdefault"},
        {false, "caption", "alignment", "tacenter"},
        {false, "trackbar", "beginpoint", "0,0"},
        {false, "gauge", "kind", "gkhorizontal"},
        {false, "framegauge", "framesplacement", "fphorizontal"},
        {false, "frameregulator", "kind", "rkround"},
        {false, "frameregulator", "countframes", "0"},
        {false, "bitlabel", "transparentcolor", "16711935"},
        {false, "bitlabel", "symbolslinecount", "0"},
        {false, "animate", "countframes", "1"},
        {false, "animate", "timerinterval", "50"},
        {false, "animate", "command", "cmdefault"},
        {false, "userobject", "cursorindex", "-1"},
        {true, "button", "pictureindex", "-1"},
        {true, "button", "maskpictureindex", "-1"},
        {true, "button", "lefttoppoint", "0,0"},
        {true, "button", "morphkind", "mkdefault"},
        {true, "stdlabel", "activefontcolor", "16711680"},
        {true, "panel", "bgpictureindex", "-1"},
        {true, "panel", "alignment", "tacenter"},
        {true, "listbox", "captionfontname", "\xCB\xCE\xCC\xE5"},
        {true, "listbox", "captionfontheight", "14"},
        {true, "listbox", "vscrollbarname", "vscrollbar"},
        {true, "listbox", "hscrollbarname", "hscrollbar"},
        {true, "listbox", "bothhscrollbarname", "bothhscrollbar"},
        {true, "combobox", "listboxname", ""},
        {true, "grid", "fixedfontheight", "14"},
        {true, "tab", "updown", ""},
        {true, "switch", "framescount", "1"},
        {true, "switch", "framesplacement", "fphorizontal"},
        {true, "frameregulator", "kind", "rkround"},
    };
    const SkinIni empty;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typeWord) + "/" + c.key);
        SkinIni written;
        if (c.control) {
            auto record = CreateSkinControl(c.typeWord, "sec");
            record->LoadFromIni(empty);
            record->SaveToIni(written);
        } else {
            auto record = CreateSkinObject(c.typeWord, "sec");
            record->LoadFromIni(empty);
            record->SaveToIni(written);
        }
        const std::string* value = written.Find("sec", c.key);
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(*value, c.value);
    }
}

TEST(SkinRecords, FixUpsAfterReading) {
    const SkinIni ini(
        "[ud]\nlefttoppoint=1,2\nrighttoppoint=3,4\nleftbottompoint=5,6\nrightbottompoint=7,8\n"
        "clientrect=1,2,30,40\nskinrect=0,0,16,32\nupbuttonrect=0,0,16,16\n"
        "[morph]\nmorphing=1\nmorphkind=mkpush\n"
        "[frames0]\nframescount=0\n[framesneg]\nframescount=-3\n[frames5]\nframescount=5\n"
        "[framesbad]\nframescount=five\n");

    TspDataSkinUpDownControl updown("ud");
    updown.LoadFromIni(ini);
    EXPECT_EQ(updown.LeftTopPoint, Point{});
    EXPECT_EQ(updown.RightTopPoint, Point{});
    EXPECT_EQ(updown.LeftBottomPoint, Point{});
    EXPECT_EQ(updown.RightBottomPoint, Point{});
    EXPECT_EQ(updown.ClientRect, Rect{});
    EXPECT_EQ(updown.SkinRect, (Rect{0, 0, 16, 32}));
    EXPECT_EQ(updown.UpButtonRect, (Rect{0, 0, 16, 16}));

    // Objects that never morph; other records keep the section's word.
    for (const char* word : {"trackbar", "bitlabel", "animate", "button", "stdbutton"}) {
        auto record = CreateSkinObject(word, "morph");
        record->LoadFromIni(ini);
        const bool keeps = std::string(word).find("button") != std::string::npos;
        EXPECT_EQ(record->Morphing, keeps) << word;
        EXPECT_EQ(record->MorphKind, MorphKind::mkPush) << word;
    }
    TspDataSkinButtonControl button("morph");
    button.LoadFromIni(ini);
    EXPECT_TRUE(button.Morphing);

    struct Frames {
        const char* section;
        int expected;
    };
    for (const Frames& f : {Frames{"frames0", 1}, Frames{"framesneg", 1}, Frames{"frames5", 5},
                            Frames{"framesbad", 1}, Frames{"absent", 1}}) {
        for (const char* word : {"framegauge", "animate", "switch", "frameregulator"}) {
            auto record = CreateSkinControl(word, f.section);
            record->LoadFromIni(ini);
            EXPECT_EQ(dynamic_cast<TspDataSkinFrameControl&>(*record).FramesCount, f.expected)
                << word << " " << f.section;
        }
    }
}

TEST(SkinRecords, KeysMatchInAnyCaseWordsOnlyInTheirOwn) {
    const SkinIni ini(
        "[Close]\nSKINRECT=1,2,3,4\nCommand=CMCLOSE\nFontStyle=fsbold\nGroupIndex=3\n"
        "[caption]\nALIGNMENT=taleftjustify\nFONTSTYLE=FSBOLD\nmorphkind=MKPUSH\n");
    TspDataSkinStdButton close("close");
    close.LoadFromIni(ini);
    EXPECT_EQ(close.SkinRect, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(close.GroupIndex, 3);
    EXPECT_EQ(close.Command, SkinCommand::cmMinimizeToTray);

    TspDataSkinCaption caption("CAPTION");
    caption.LoadFromIni(ini);
    EXPECT_EQ(caption.Alignment, TextAlignment::taLeftJustify);
    EXPECT_EQ(caption.Font.Style, FontStyles{});
    EXPECT_EQ(caption.MorphKind, MorphKind::mkDefault);
}

TEST(SkinRecords, AConversionErrorStopsTheRecord) {
    const SkinIni ini("[b]\nskinrect=1,2,3\n[p]\nlefttoppoint=\n");
    TspDataSkinButtonControl button("b");
    try {
        button.LoadFromIni(ini);
        ADD_FAILURE() << "no error";
    } catch (const SkinError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
    TspDataSkinPanelControl panel("p");
    EXPECT_THROW(panel.LoadFromIni(ini), SkinError);
}

// What a record writes, another of its class reads back unchanged.
TEST(SkinRecords, SaveThenLoadGivesAnEqualRecord) {
    TspDataSkinStdButton close("closebutton");
    close.Hint = "Close";
    close.SkinRectInAPicture = true;
    close.ActivePictureIndex = 3;
    close.SkinRect = {10, 20, 30, 40};
    close.Morphing = true;
    close.MorphKind = MorphKind::mkRightSlide;
    close.DisableSkinRect = {1, 2, 3, 4};
    close.GroupIndex = 2;
    close.Command = SkinCommand::cmClose;
    close.RestoreDownRect = {5, 6, 7, 8};

    TspDataSkinBitLabel bits("bits");
    bits.TextValue = "12:30";
    bits.SymbolWidth = 7;
    bits.Symbols = {"0123456789", "", ":"};
    bits.Transparent = true;
    bits.TransparentColor = 255;

    TspDataSkinListBox list("listbox");
    list.ClientRect = {4, 4, 60, 60};
    list.RightBottomPoint = {50, 50};
    list.Font.Style = {false, true, false, true};
    list.CaptionFont.Name = "Tahoma";
    list.CaptionFont.Height = -11;
    list.CaptionFont.Style = {true, false, false, false};
    list.FocusFontColor = 0xFFFFFF;
    list.HScrollBarName = "myscroll";

    TspDataSkinFrameRegulator knob("knob");
    knob.FramesCount = 31;
    knob.FramesPlacement = FramePlacement::fpVertical;
    knob.Kind = RegulatorKind::rkVertical;

    SkinIni ini("[listbox]\nstale=1\n[keep]\nk=v\n");
    close.SaveToIni(ini);
    bits.SaveToIni(ini);
    list.SaveToIni(ini);
    knob.SaveToIni(ini);
    EXPECT_EQ(ini.Find("listbox", "stale"), nullptr);
    EXPECT_EQ(ini.ReadString("keep", "k"), "v");

    // Through the text, as a description file would carry it.
    const SkinIni reread(ini.Text());
    TspDataSkinStdButton close2("closebutton");
    TspDataSkinBitLabel bits2("bits");
    TspDataSkinListBox list2("listbox");
    TspDataSkinFrameRegulator knob2("knob");
    close2.LoadFromIni(reread);
    bits2.LoadFromIni(reread);
    list2.LoadFromIni(reread);
    knob2.LoadFromIni(reread);
    EXPECT_EQ(close2.Hint, "Close");
    EXPECT_EQ(close2.SkinRect, close.SkinRect);
    EXPECT_EQ(close2.MorphKind, MorphKind::mkRightSlide);
    EXPECT_EQ(close2.Command, SkinCommand::cmClose);
    EXPECT_EQ(close2.GroupIndex, 2);
    EXPECT_EQ(bits2.Symbols, bits.Symbols);
    EXPECT_TRUE(bits2.Transparent);
    EXPECT_EQ(bits2.TransparentColor, 255);
    EXPECT_EQ(list2.Font.Style, list.Font.Style);
    EXPECT_EQ(list2.CaptionFont.Name, "Tahoma");
    EXPECT_EQ(list2.CaptionFont.Height, -11);
    EXPECT_EQ(list2.HScrollBarName, "myscroll");
    EXPECT_EQ(knob2.FramesCount, 31);
    EXPECT_EQ(knob2.FramesPlacement, FramePlacement::fpVertical);
    EXPECT_EQ(knob2.Kind, RegulatorKind::rkVertical);

    SkinIni again;
    close2.SaveToIni(again);
    bits2.SaveToIni(again);
    list2.SaveToIni(again);
    knob2.SaveToIni(again);
    SkinIni original;
    close.SaveToIni(original);
    bits.SaveToIni(original);
    list.SaveToIni(original);
    knob.SaveToIni(original);
    EXPECT_EQ(again.Text(), original.Text());
}

}  // namespace
}  // namespace vemora::skin
