// Host names in address fields: dotted addresses stay, names resolve, and a
// failed lookup says so once.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "platform/resolver.h"
#include "tests/support/fake_resolver.h"
#include "tests/support/scripted_prompt.h"
#include "ui/host_names.h"

namespace {

class HostNames : public ::testing::Test {
protected:
    ScriptedPrompt prompt;
    FakeResolver resolver;
    void SetUp() override { resolver.add("keelsrv01", 192, 0, 2, 7); }
};

TEST_F(HostNames, DottedAddressAndEmptyFieldStayAsTyped) {
    char out[16] = "";
    bool replaced = true;
    EXPECT_TRUE(resolve_address_text(nullptr, "10.0.0.1", out, sizeof out, &replaced));
    EXPECT_FALSE(replaced);
    EXPECT_TRUE(resolve_address_text(nullptr, "", out, sizeof out, &replaced));
    EXPECT_FALSE(replaced);
    EXPECT_EQ(resolver.lookups, 0);
}

TEST_F(HostNames, HostNameIsReplacedByItsAddress) {
    char out[16] = "";
    bool replaced = false;
    EXPECT_TRUE(resolve_address_text(nullptr, "keelsrv01", out, sizeof out, &replaced));
    EXPECT_TRUE(replaced);
    EXPECT_STREQ(out, "192.0.2.7");
    uint32_t address = 0;
    EXPECT_TRUE(resolve_host_name(nullptr, "keelsrv01", &address));
    EXPECT_EQ(memcmp(&address, "\xC0\x00\x02\x07", 4), 0);  // network order
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(HostNames, ThreePartAddressIsTakenAsAHostNameAndFails) {
    char out[16] = "";
    bool replaced = false;
    int owner = 0;
    EXPECT_FALSE(resolve_address_text(&owner, "10.0.0", out, sizeof out, &replaced));
    EXPECT_EQ(resolver.lookups, 1);
    EXPECT_FALSE(replaced);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].title, "ERROR");
    EXPECT_EQ(prompt.asked[0].text, "Unable to resolve host name 10.0.0");
    EXPECT_EQ(prompt.asked[0].icon, PROMPT_ICON_STOP);
    EXPECT_EQ(prompt.asked[0].owner, &owner);
}

}  // namespace
