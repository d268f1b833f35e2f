// The STRINGTABLE compiled into the program and the portable lookup come from
// one list; here the texts the resource compiler made are read back with
// LoadString and compared with the lookup's, character for character.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/strings.h"

namespace {

TEST(StringResources, EveryTextMatchesTheCompiledStringTable) {
    uint32_t count = 0;
    const StringEntry* table = string_table(&count);
    ASSERT_GT(count, 100u);
    HINSTANCE self = GetModuleHandleA(nullptr);
    for (uint32_t i = 0; i < count; ++i) {
        const StringEntry& entry = table[i];
        char text[4100];
        int length = LoadStringA(self, entry.id, text, (int)sizeof text);
        if (length == 0) text[0] = 0;  // a string the compiler kept empty
        EXPECT_EQ(std::string(text, (size_t)length), std::string(entry.text)) << "string " << entry.id;
    }
    char missing[8] = "x";
    EXPECT_EQ(LoadStringA(self, 1, missing, (int)sizeof missing), 0) << "an id the table lacks";
}

}  // namespace
