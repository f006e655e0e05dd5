#include "shell/select_folder_options.h"

#include <gtest/gtest.h>

#include "shell/memory_namespace.h"
#include "shell/new_folder.h"

namespace vemora::shell {
namespace {

TEST(DropLeadingDirectory, Table) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"\\", ""},
        {"\\one\\", "\\...\\"},
        {"\\one\\two\\", "\\...\\two\\"},
        {"\\...\\two\\", "\\...\\"},
        {"...\\", ""},
        {"one\\two\\", "...\\two\\"},
        {"one", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(DropLeadingDirectory(c.in), c.out) << c.in;
}

TEST(ShortenPath, TriesEachCandidateUntilOneFits) {
    struct Case {
        const char* name;
        int maxWidth;  // in characters: each one is one pixel wide
        const char* result;
        std::vector<std::string> measured;  // every candidate measured, in order
    };
    const Case cases[] = {
        {"C:\\one\\two", 10, "C:\\one\\two", {"C:\\one\\two"}},
        {"C:\\one\\two", 7, "...\\two", {"C:\\one\\two", "C:\\...\\two", "...\\two"}},
        // The last name alone ends the search: it is returned even when too wide.
        {"C:\\one\\two", 3, "two", {"C:\\one\\two", "C:\\...\\two", "...\\two"}},
        {"C:\\one\\two", 1, "two", {"C:\\one\\two", "C:\\...\\two", "...\\two"}},
        {"C:\\a\\b\\c\\leaf",
         12,
         "C:\\...\\leaf",
         {"C:\\a\\b\\c\\leaf", "C:\\...\\b\\c\\leaf", "C:\\...\\c\\leaf", "C:\\...\\leaf"}},
        {"C:\\", 1, "", {"C:\\", "C:"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> measured;
        const auto width = [&](const std::string& s) {
            measured.push_back(s);
            return static_cast<int>(s.size());
        };
        EXPECT_EQ(ShortenPath(c.name, width, c.maxWidth), c.result) << c.name << " in " << c.maxWidth;
        EXPECT_EQ(measured, c.measured) << c.name << " in " << c.maxWidth;
    }
}

TEST(SelectFolderOptions, MapToTreeOptionsAndButtons) {
    struct Case {
        TRzSelectFolderDialogOptions options;
        TRzShellTreeOptions treeBefore, treeAfter;
        ToolButtonSettings buttons;
    };
    const Case cases[] = {
        {kDefaultSelectFolderOptions, 0, stoContextMenus | stoShowHidden, {false, 0, 2, true, false}},
        {kDefaultSelectFolderOptions,
         stoAutoFill | stoOleDrag | stoDefaultKeyHandling,
         stoAutoFill | stoDefaultKeyHandling | stoContextMenus | stoShowHidden,
         {false, 0, 2, true, false}},
        {sfdoCreateDeleteButtons | sfdoReadOnly | sfdoCreateFolderIcon,
         stoShowHidden,
         0,
         {true, 0, -1, false, true}},
        {sfdoIncludeNonFolders | sfdoOleDrag | sfdoOleDrop | sfdoVirtualFolders,
         0,
         stoIncludeNonFolders | stoOleDrag | stoOleDrop | stoVirtualFolders,
         {false, -1, -1, false, false}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TreeOptionsFor(c.treeBefore, c.options), c.treeAfter) << c.options;
        const auto b = ToolButtonsFor(c.options);
        EXPECT_EQ(b.visible, c.buttons.visible) << c.options;
        EXPECT_EQ(b.newFolderImage, c.buttons.newFolderImage) << c.options;
        EXPECT_EQ(b.deleteImage, c.buttons.deleteImage) << c.options;
        EXPECT_EQ(b.flat, c.buttons.flat) << c.options;
        EXPECT_EQ(b.readOnlyTree, c.buttons.readOnlyTree) << c.options;
    }
}

TEST(FormPlacement, StreamRoundTrip) {
    const FormPlacement defaults;
    const auto bytes = defaults.Write();
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 4}));
    FormPlacement moved{TPosition::poDesigned, 120, -30, 400, 0x12345, TWindowState::wsMaximized};
    EXPECT_EQ(FormPlacement::Read(moved.Write()), moved);
    EXPECT_FALSE(FormPlacement::Read(std::vector<std::uint8_t>(17, 0)));
    auto bad = moved.Write();
    bad[16] = 3;
    EXPECT_FALSE(FormPlacement::Read(bad));
}

TEST(FormatStrPos, NumberedInsertionPoints) {
    EXPECT_EQ(FormatStrPos(kUnableToCreateFolder, {"Access is denied.", "New Folder"}),
              "Unable to create the folder 'New Folder'\n\nAccess is denied.");
    EXPECT_EQ(FormatStrPos("", {"x"}), "");
    EXPECT_EQ(FormatStrPos("%2%1%3", {"a", "b"}), "ba");
    EXPECT_NO_THROW(FormatStrPos("%1", std::vector<std::string>(50, "x")));
    EXPECT_THROW(FormatStrPos("%1", std::vector<std::string>(51, "x")), std::runtime_error);
}

class NewFolderTest : public testing::Test {
  protected:
    NewFolderTest() {
        auto& computer = ns.Add(ns.Root(), "My Computer", kAttrFolder | kAttrFileSysAncestor);
        folder = &ns.Add(ns.Add(computer, "C:"), "work");
    }
    std::string Create() {
        return CreateNewFolderIn(ns, folder->path,
                                 [&](const std::string& text) { warnings.push_back(text); });
    }
    MemoryNamespace ns;
    MemoryItem* folder;
    std::vector<std::string> warnings;
};

TEST_F(NewFolderTest, TakesTheFirstFreeName) {
    ns.Add(*folder, "New Folder");
    ns.Add(*folder, "New Folder (2)");
    EXPECT_EQ(Create(), "New Folder (3)");
    EXPECT_EQ(ns.created, std::vector<std::string>{"C:\\work\\New Folder (3)"});
    EXPECT_TRUE(warnings.empty());
}

TEST_F(NewFolderTest, AllFiftyTakenFallsBackToFldr) {
    ns.Add(*folder, "New Folder");
    for (int n = 2; n <= 50; ++n) ns.Add(*folder, "New Folder (" + std::to_string(n) + ")");
    ns.Add(*folder, "fldr");
    EXPECT_EQ(Create(), "fldr2");
}

TEST_F(NewFolderTest, DeniedCreationWarnsOncePerPassThenFinally) {
    folder->denyCreate = true;
    EXPECT_EQ(Create(), "");
    EXPECT_TRUE(ns.created.empty());
    EXPECT_EQ(warnings, (std::vector<std::string>{
                            "Unable to create the folder 'New Folder'\n\nerror 5",
                            "Unable to create the folder 'fldr'\n\nerror 5",
                            "Unable to create the folder 'New Folder'\n\nerror 183",
                        }));
}

}  // namespace
}  // namespace vemora::shell
