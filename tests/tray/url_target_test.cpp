#include "tray/url_target.h"

#include <gtest/gtest.h>

namespace vemora {
namespace {

TEST(UrlTarget, UrlThenCaptionIgnoringBlanks) {
    const struct {
        const char* url;
        const char* caption;
        const char* target;
    } cases[] = {
        {"https://example.com/", "主页", "https://example.com/"},
        {"", "mailto:someone@example.com", "mailto:someone@example.com"},
        {" \t\r\n", "www.example.com", "www.example.com"},
        {"  https://example.com/  ", "x", "https://example.com/"},
        {"", "  readme.htm ", "readme.htm"},
        {"", "", ""},
        {" ", "\t ", ""},
        {"", "监视 目录", "监视 目录"},  // inner spaces stay
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UrlTarget(c.url, c.caption), c.target)
            << "url '" << c.url << "' caption '" << c.caption << "'";
    }
}

TEST(IsHtmTarget, ExtensionOfTheLastPathElement) {
    const struct {
        const char* target;
        bool htm;
    } cases[] = {
        {"C:\\help\\index.htm", true},
        {"INDEX.HTM", true},
        {"page.Htm", true},
        {"http://example.com/a.htm", true},
        {".htm", true},
        {"page.html", false},
        {"page.htm.txt", false},
        {"C:\\site.htm\\page", false},
        {"http://example.com/site.htm/page", false},
        {"htm", false},
        {"C:htm", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsHtmTarget(c.target), c.htm) << c.target;
}

}  // namespace
}  // namespace vemora
