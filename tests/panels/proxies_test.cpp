// The proxies panel's model against keelsim: the accounting modes, the
// retry fields, the roaming target, adding and removing, and a failure at
// each step of a save or an add leaving the stored targets exactly.
#include <string.h>

#include "api/session.h"
#include "panels/proxies.h"
#include "tests/panels/panel_fixture.h"

namespace {

std::string le32(uint32_t value) {
    char bytes[4] = {(char)value, (char)(value >> 8), (char)(value >> 16), (char)(value >> 24)};
    return std::string(bytes, 4);
}

std::string number_property(const char* property, uint32_t value) {
    char line[80];
    snprintf(line, sizeof line, "property %s hex \"%02x%02x%02x%02x\"\n", property, value & 0xFF, (value >> 8) & 0xFF,
             (value >> 16) & 0xFF, value >> 24);
    return line;
}

// Two targets: one recording locally with an accounting secret, one whose
// accounting mode was stored as 0.
std::string two_targets() {
    return "object ++l-Proxy TARGET\nproperty IPAddress hex \"c0000205\"\n" +
           secret_property("SharedSecret", "t-secret", 0x11) + secret_property("AcctSharedSecret", "t-acct", 0x22) +
           number_property("Retry-Count", 4) + number_property("Retry-Milliseconds", 2500) +
           number_property("Proxy-Acct-Flags", 2) + "object ++l-Proxy ZERO\n" + number_property("Proxy-Acct-Flags", 0);
}

class ProxiesTest : public PanelTest {
protected:
    void open(const char* fixture) {
        open_session(fixture);
        proxies_reset();
        proxies_activate();
    }
    void close() {
        proxies_reset();
        close_session();
    }
    void TearDown() override { close(); }
    void choose(const char* name) {
        int64_t index = name_list_find(&proxies_panel().names, name);
        ASSERT_GE(index, 0) << name;
        proxies_select((uint32_t)index);
    }
    std::string stored(const char* target, const char* property) {
        return stored_property(PROXY_CLASS, target, property);
    }
    std::string stored_target(const char* target) {
        return stored_object(
            PROXY_CLASS, target,
            {"IPAddress", "SharedSecret", "AcctSharedSecret", "Retry-Count", "Retry-Milliseconds", "Proxy-Acct-Flags"});
    }
};

TEST(RetryField, UnsignedDecimalsOrTheDefault) {
    const struct {
        const char* text;
        uint32_t value;
    } cases[] = {{"7", 7},  {"0", 0},         {"4294967295", 4294967295u}, {"", 3}, {"abc", 3}, {"12a", 3}, {"-1", 3},
                 {" 5", 3}, {"4294967296", 3}};
    for (const auto& c : cases) EXPECT_EQ(retry_field_value(c.text, 3), c.value) << c.text;
}

TEST_F(ProxiesTest, StoredValuesAreShownAndAnAccountingModeOfZeroIsForward) {
    open(two_targets().c_str());
    const ProxiesPanel& p = proxies_panel();
    ASSERT_EQ(p.names.count, 2u);
    EXPECT_STREQ(p.current.name, "TARGET");
    EXPECT_STREQ(p.address.text, "192.0.2.5");
    EXPECT_STREQ(p.retry_count_text, "4");
    EXPECT_STREQ(p.retry_ms_text, "2500");
    // Recording locally: the box is off and disabled, the secret stays.
    EXPECT_EQ(p.acct_mode, PROXY_ACCT_RECORD);
    EXPECT_FALSE(p.accounting_checked);
    EXPECT_FALSE(proxies_controls().accounting_enabled);
    EXPECT_TRUE(secret_is_set(p.current.acct_secret));

    choose("ZERO");
    EXPECT_EQ(p.acct_mode, PROXY_ACCT_FORWARD);
    EXPECT_FALSE(p.modified);
    // Never stored: nothing shown, and the defaults are what a save writes.
    EXPECT_STREQ(p.address.text, "");
    EXPECT_STREQ(p.retry_count_text, "0");
    proxies_edit_retry_count("");
    proxies_edit_retry_ms("lots");
    ASSERT_TRUE(proxies_save());
    EXPECT_EQ(stored("ZERO", "Proxy-Acct-Flags"), le32(1));
    EXPECT_EQ(stored("ZERO", "Retry-Count"), le32(3));
    EXPECT_EQ(stored("ZERO", "Retry-Milliseconds"), le32(5000));
    EXPECT_EQ(stored("ZERO", "IPAddress"), "<missing>");
    EXPECT_STREQ(p.retry_count_text, "3");
    EXPECT_TRUE(messages().empty());
}

TEST_F(ProxiesTest, TheAccountingButtonsAndTheCheckBox) {
    open(two_targets().c_str());
    const ProxiesPanel& p = proxies_panel();
    // Forwarding again: the stored secret checks the box and enables its button.
    proxies_choose_accounting(PROXY_ACCT_BOTH);
    EXPECT_TRUE(p.modified);
    EXPECT_TRUE(p.accounting_checked);
    EXPECT_TRUE(proxies_controls().acct_secret_enabled);
    proxies_choose_accounting(PROXY_ACCT_RECORD);
    EXPECT_FALSE(p.accounting_checked);
    EXPECT_FALSE(proxies_controls().acct_secret_enabled);
    proxies_check_accounting(false);  // the box is disabled: nothing happens
    // Saved recording locally, the accounting secret is still written.
    std::string acct = stored("TARGET", "AcctSharedSecret");
    ASSERT_TRUE(proxies_save());
    EXPECT_EQ(stored("TARGET", "AcctSharedSecret"), acct);
    EXPECT_EQ(stored("TARGET", "Proxy-Acct-Flags"), le32(2));

    proxies_choose_accounting(PROXY_ACCT_FORWARD);
    proxies_check_accounting(false);  // unchecking drops the secret
    ASSERT_TRUE(proxies_save());
    EXPECT_EQ(stored("TARGET", "AcctSharedSecret"), "<missing>");
    EXPECT_EQ(stored("TARGET", "Proxy-Acct-Flags"), le32(1));

    // Checked without a secret: refused before anything is sent.
    proxies_check_accounting(true);
    uint32_t before = requests();
    EXPECT_FALSE(proxies_save());
    EXPECT_EQ(requests(), before);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(prompt.asked[0].title, "ERROR");
}

TEST_F(ProxiesTest, AddingTargetsTheRoamingOneAndAnExistingName) {
    open(two_targets().c_str());
    const ProxiesPanel& p = proxies_panel();
    ASSERT_TRUE(proxies_begin_add());
    proxies_add("<roaming>");
    EXPECT_STREQ(p.current.name, "<ROAMING>");
    EXPECT_EQ(stored("<ROAMING>", "Retry-Count"), le32(3));
    EXPECT_EQ(stored("<ROAMING>", "Retry-Milliseconds"), le32(5000));
    EXPECT_EQ(stored("<ROAMING>", "Proxy-Acct-Flags"), le32(1));
    EXPECT_FALSE(proxies_controls().address_enabled);
    proxies_edit_address("10.1.1.1");  // no address for the roaming target
    ScrambledSecret secret = proxies_secret(PROXY_AUTH_SECRET);
    secret_set(&secret, "roam");
    proxies_store_secret(PROXY_AUTH_SECRET, secret);
    ASSERT_TRUE(proxies_save());
    EXPECT_EQ(stored("<ROAMING>", "IPAddress"), "<missing>");
    EXPECT_EQ(stored("<ROAMING>", "SharedSecret"), std::string((const char*)secret.bytes, SCRAMBLED_SECRET_SIZE));

    proxies_add("target");
    EXPECT_EQ(messages(), std::vector<std::string>{"Proxy TARGET already exists"});
    EXPECT_EQ(prompt.asked[0].title, "ERROR");
    EXPECT_STREQ(p.current.name, "TARGET");
    EXPECT_EQ(p.names.count, 3u);
}

TEST_F(ProxiesTest, AnAddThatFailsLeavesNoObjectBehind) {
    const char* faults[] = {"1:5:1:fail=3", "1:3:1:fail=3", "1:3:2:fail=3", "1:3:3:fail=3"};
    for (const char* fault : faults) {
        SCOPED_TRACE(fault);
        open(two_targets().c_str());
        ASSERT_EQ(sim_add_fault(server, fault), 0);
        proxies_add("NEW");
        EXPECT_FALSE(sim_object_exists(server, PROXY_CLASS, "NEW"));
        EXPECT_EQ(proxies_panel().names.count, 2u);
        EXPECT_STREQ(proxies_panel().current.name, "TARGET");
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0].compare(0, 30, "Error while saving settings.\n("), 0);
        prompt.asked.clear();
        close();
    }
}

TEST_F(ProxiesTest, RemovingAsksAndShowsTheNextTarget) {
    open(two_targets().c_str());
    prompt.answers.push_back(ANSWER_NO);
    proxies_remove();
    EXPECT_TRUE(sim_object_exists(server, PROXY_CLASS, "TARGET"));
    prompt.answers.push_back(ANSWER_YES);
    proxies_remove();
    EXPECT_EQ(messages()[1], "Are you sure that you want delete proxy TARGET ?");
    EXPECT_FALSE(sim_object_exists(server, PROXY_CLASS, "TARGET"));
    EXPECT_STREQ(proxies_panel().current.name, "ZERO");
}

TEST_F(ProxiesTest, TheSavePromptWhenSwitchingTargets) {
    open(two_targets().c_str());
    proxies_edit_retry_count("9");
    prompt.answers.push_back(ANSWER_CANCEL);
    proxies_select(1);
    EXPECT_STREQ(proxies_panel().current.name, "TARGET");
    EXPECT_EQ(messages(), std::vector<std::string>{"Save settings for proxy TARGET?"});
    prompt.answers.push_back(ANSWER_YES);
    proxies_select(1);
    EXPECT_STREQ(proxies_panel().current.name, "ZERO");
    EXPECT_EQ(stored("TARGET", "Retry-Count"), le32(9));
}

TEST_F(ProxiesTest, AFailureAtAnySaveStepLeavesTheStoredTargetExactly) {
    const char* faults[] = {"10:1:1:fail=107", "1:5:1:fail=3", "1:3:1:fail=3", "1:3:2:fail=3", "1:3:3:fail=3",
                            "1:3:4:fail=3",    "1:3:5:fail=3", "1:3:6:fail=3", "1:9:1:fail=3", "1:9:1:drop"};
    for (const char* fault : faults) {
        SCOPED_TRACE(fault);
        open(two_targets().c_str());
        std::string before = stored_target("TARGET");
        proxies_edit_address("10.20.30.40");
        proxies_edit_retry_count("8");
        proxies_choose_accounting(PROXY_ACCT_BOTH);
        ASSERT_EQ(sim_add_fault(server, fault), 0);
        EXPECT_FALSE(proxies_save());
        EXPECT_EQ(stored_target("TARGET"), before);
        ASSERT_FALSE(prompt.asked.empty());
        EXPECT_EQ(prompt.asked.back().title, "KEELADMIN Error");
        // Cleared and read-only until chosen again.
        EXPECT_FALSE(proxies_controls().secret_enabled);
        EXPECT_FALSE(proxies_panel().modified);
        prompt.asked.clear();
        close();
    }
}

}  // namespace
