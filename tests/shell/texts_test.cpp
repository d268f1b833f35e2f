// Texts of the frame: the string table as one source, placeholders
// and the window title.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "api/text_fill.h"
#include "resources/strings.h"
#include "shell/title.h"

namespace {

TEST(StringTable, EveryIdOnceAndFoundByTheLookup) {
    std::set<uint16_t> seen;
    uint32_t count = 0;
    const StringEntry* table = string_table(&count);
    ASSERT_GT(count, 100u);
    for (uint32_t i = 0; i < count; ++i) {
        const StringEntry& entry = table[i];
        EXPECT_TRUE(seen.insert(entry.id).second) << "id " << entry.id << " appears twice";
        EXPECT_STREQ(string_text(entry.id), entry.text) << "the lookup finds every entry";
    }
    EXPECT_STREQ(string_text(1159), "network communications failure");
    EXPECT_STREQ(string_text(1), "");
}

TEST(FillText, PlaceholdersInOrderAndBounded) {
    char out[64];
    const char* values[] = {"01.29.255", "01.30.00"};
    fill_text(out, sizeof out, "a v%2.2d.%2.2d.%2.2d b v%2.2d.%2.2d.%2.2d c", values, 2);
    EXPECT_STREQ(out, "a v01.29.255 b v01.30.00 c");

    const char* name[] = {"HOST"};
    fill_text(out, sizeof out, "Unable to resolve host name %s", name, 1);
    EXPECT_STREQ(out, "Unable to resolve host name HOST");

    // More placeholders than values: the rest stay as written.
    fill_text(out, sizeof out, "%s and %s", name, 1);
    EXPECT_STREQ(out, "HOST and %s");

    char small[8];
    fill_text(small, sizeof small, "%s-%s", values, 2);
    EXPECT_STREQ(small, "01.29.2");
    fill_text(small, 1, "abc", values, 0);
    EXPECT_STREQ(small, "");
}

TEST(WindowTitle, ProductAloneOrWithTheServer) {
    char title[128];
    format_window_title(nullptr, title, sizeof title);
    EXPECT_STREQ(title, "Keelgate Access Control Administrator");
    format_window_title("KEELSRV01", title, sizeof title);
    EXPECT_STREQ(title, "Keelgate Access Control Administrator (KEELSRV01)");
    char cut[10];
    format_window_title("X", cut, sizeof cut);
    EXPECT_STREQ(cut, "Keelgate ");
}

}  // namespace
