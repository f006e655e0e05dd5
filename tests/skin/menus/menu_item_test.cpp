#include "skin/menus/menu_item.h"

#include <gtest/gtest.h>

namespace vemora::skin {
namespace {

TEST(MenuItem, AcceleratorsAndDrawnCaptions) {
    const struct {
        const char* caption;
        char accelerator;
        const char* drawn;
    } cases[] = {
        {"最小化(&N)", 'N', "最小化(N)"},      {"&close", 'C', "close"},
        {"Save && &Quit", 'Q', "Save & Quit"}, {"No key", 0, "No key"},
        {"Ends with &", 0, "Ends with "},      {"&&", 0, "&"},
        {"&1 first", '1', "1 first"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AcceleratorOf(c.caption), c.accelerator) << c.caption;
        EXPECT_EQ(CaptionWithoutPrefix(c.caption), c.drawn) << c.caption;
    }
}

}  // namespace
}  // namespace vemora::skin
