#include "tray/tray_icon_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace vemora {
namespace {

TEST(RecordLayoutFor, FullRecordFromShellFive) {
    const struct {
        int version;
        bool full;
        size_t tipCapacity;
    } cases[] = {
        {0, false, 63},  // DllGetVersion missing
        {4, false, 63},
        {5, true, 127},
        {6, true, 127},
    };
    for (const auto& c : cases) {
        const TrayRecordLayout layout = RecordLayoutFor(c.version);
        EXPECT_EQ(layout.full, c.full) << c.version;
        EXPECT_EQ(layout.tipCapacity, c.tipCapacity) << c.version;
    }
}

TEST(TipLength, CutsAtCapacityButNotInsideAPair) {
    const std::u16string pair = u"\U0001F600";  // one character, two units
    const std::u16string a4(4, u'a');
    const struct {
        std::u16string text;
        size_t capacity;
        size_t length;
    } cases[] = {
        {u"", 5, 0},
        {u"监视", 5, 2},
        {a4 + u"b", 5, 5},                   // exactly full
        {a4 + u"bc", 5, 5},                  // one too many
        {a4 + pair, 5, 4},                   // the pair would straddle the end
        {u"aaa" + pair + u"x", 5, 5},        // the pair ends at the end
        {a4 + u'\xD800' + u'x', 5, 5},       // a lone high surrogate is kept as it was
        {a4 + u'\xDC00' + u'\xDC00', 5, 5},  // and so are lone low ones
        {pair, 1, 0},
        {u"abc", 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TipLength(std::u16string_view(c.text), c.capacity), c.length)
            << "units " << c.text.size() << " capacity " << c.capacity;
    }
}

TEST(NextAnimationFrame, WrapsAfterTheLastImage) {
    const struct {
        int index, count, next;
    } cases[] = {
        {0, 3, 1},        // steps
        {2, 3, 0},        // wraps
        {0, 1, 0},        // one image stays
        {7, 3, 0},        // the list shrank under the index
        {-1, 3, 0},       // an index that showed the application's icon
        {INT_MAX, 3, 0},  // no overflow
        {4, 0, 4},        // no images: nothing to step through
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NextAnimationFrame(c.index, c.count), c.next) << c.index << " of " << c.count;
    }
}

}  // namespace
}  // namespace vemora
