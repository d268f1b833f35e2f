// The Access panel's model and the Add Administrator dialogs' choices,
// against keelsim: listing, the button rules, removing with its reselection,
// adding from a host or a domain, and the server's refusals.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "api/session.h"
#include "netbrowse/netview.h"
#include "panels/admin_pick.h"
#include "panels/admins.h"
#include "resources/strings.h"
#include "tests/sim/sim_test_support.h"
#include "tests/support/scripted_prompt.h"

namespace {

const char FIXTURE[] =
    "admin user zed\n"
    "admin user Alice\n"
    "admin group Operators\n"
    "admin user bob\n";

class AdminsTest : public SimServerTest {
protected:
    ScriptedPrompt prompt;

    void open(const char* fixture, uint32_t option_mask = 0) {
        start(fixture);
        session_reset();
        PipeSession* session = nullptr;
        ASSERT_EQ(session_open(nullptr, &session), 0);
        set_current_session(session);
        admins_reset();
        activate(option_mask);
    }
    void activate(uint32_t option_mask = 0) {
        PanelContext context = {ACCESS_FULL, option_mask, 0, ""};
        admins_activate(context);
    }
    void TearDown() override {
        admins_reset();
        session_reset();
        SimServerTest::TearDown();
    }

    // The list as shown: "name/kind" for each entry.
    std::vector<std::string> shown() {
        std::vector<std::string> all;
        const AdminsPanel& p = admins_panel();
        for (uint32_t i = 0; i < p.count; ++i)
            all.push_back(std::string(p.entries[i].name) + "/" + std::to_string(p.entries[i].kind));
        return all;
    }
    int64_t find(const char* name) {
        const AdminsPanel& p = admins_panel();
        for (uint32_t i = 0; i < p.count; ++i)
            if (strcmp(p.entries[i].name, name) == 0) return i;
        return -1;
    }
    uint32_t sets() { return sim_request_count(server, SERVICE_ADMIN, 2); }
    uint32_t listings() { return sim_request_count(server, SERVICE_ADMIN, 1); }
    std::vector<std::string> messages() {
        std::vector<std::string> texts;
        for (const RecordedPrompt& asked : prompt.asked) texts.push_back(asked.title + "|" + asked.text);
        return texts;
    }
};

TEST_F(AdminsTest, ListsUsersAndGroupsByNameWithNothingSelected) {
    open(FIXTURE);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Alice/0", "bob/0", "Operators/1", "zed/0"}));
    EXPECT_EQ(admins_panel().selected, -1);
    EXPECT_FALSE(admins_controls().remove_enabled);
    admins_select(2);
    EXPECT_TRUE(admins_controls().remove_enabled);

    // Shown again: not listed again, and Remove starts disabled.
    uint32_t before = listings();
    activate();
    EXPECT_EQ(listings(), before);
    EXPECT_FALSE(admins_controls().remove_enabled);
    // After a reset it lists again.
    admins_reset();
    activate();
    EXPECT_GT(listings(), before);
    EXPECT_EQ(admins_panel().count, 4u);
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(AdminsTest, AnEmptyListLeavesRemoveDisabled) {
    open("");
    EXPECT_EQ(admins_panel().count, 0u);
    admins_select(0);  // no such entry
    EXPECT_EQ(admins_panel().selected, -1);
    EXPECT_FALSE(admins_controls().remove_enabled);
    admins_remove();
    EXPECT_EQ(sets(), 0u);
}

TEST_F(AdminsTest, OptionBitsDecideTheAddButtons) {
    struct Case {
        uint32_t mask;
        bool local, remote;
    };
    const Case cases[] = {
        {0x00, true, false}, {0x01, true, true}, {0x10, false, false}, {0x11, false, true}, {0xFE, false, false},
    };
    open(FIXTURE);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        activate(c.mask);
        EXPECT_EQ(admins_controls().add_local_enabled, c.local);
        EXPECT_EQ(admins_controls().add_remote_enabled, c.remote);
    }
}

TEST_F(AdminsTest, RemoveSelectsTheEntryNowAtTheSamePlace) {
    open(FIXTURE);
    admins_select(1);  // bob
    admins_remove();
    EXPECT_EQ(shown(), (std::vector<std::string>{"Alice/0", "Operators/1", "zed/0"}));
    EXPECT_EQ(admins_panel().selected, 1);  // now Operators
    // A group is removed as a group.
    admins_remove();
    EXPECT_EQ(shown(), (std::vector<std::string>{"Alice/0", "zed/0"}));
    // The last entry: nothing is left at its place.
    admins_select(1);
    admins_remove();
    EXPECT_EQ(admins_panel().selected, -1);
    EXPECT_FALSE(admins_controls().remove_enabled);
    admins_select(0);
    admins_remove();
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(admins_panel().selected, -1);
    EXPECT_EQ(sets(), 4u);
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(AdminsTest, ARefusedRemovalIsReportedOnceAndTheEntryStays) {
    open(FIXTURE);
    sim_add_fault(server, "3:2:1:fail=7");
    admins_select(2);
    admins_remove();
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].title, "KEELADMIN Error");
    EXPECT_NE(prompt.asked[0].text.find("Error while saving settings.\n(0007: "), std::string::npos)
        << prompt.asked[0].text;
    EXPECT_EQ(admins_panel().count, 4u);
    EXPECT_EQ(admins_panel().selected, 2);
    EXPECT_EQ(admins_panel().entries[2].name, std::string("Operators"));
}

TEST_F(AdminsTest, ARefusedAdditionIsReportedAndTheListReadAgain) {
    open(FIXTURE);
    sim_add_fault(server, "3:2:1:fail=3");
    uint32_t before = listings();
    EXPECT_EQ(admins_add("carol", ADMIN_USER), 3);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_NE(prompt.asked[0].text.find("(0003: "), std::string::npos) << prompt.asked[0].text;
    EXPECT_GT(listings(), before);
    EXPECT_EQ(find("carol"), -1);
    EXPECT_EQ(admins_panel().count, 4u);
}

TEST_F(AdminsTest, AFailedListingIsReportedOnceAndTriedAgainNextTime) {
    open(FIXTURE);
    admins_reset();
    sim_add_fault(server, "3:1:1:fail=104");  // the users; the groups still come
    activate();
    EXPECT_EQ(shown(), (std::vector<std::string>{"Operators/1"}));
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_NE(prompt.asked[0].text.find("Error while loading settings."), std::string::npos);
    activate();
    EXPECT_EQ(admins_panel().count, 4u);
    EXPECT_EQ(prompt.asked.size(), 1u);
}

TEST_F(AdminsTest, AddingTheSameAccountTwiceSendsItTwice) {
    open(FIXTURE);
    AdminPick pick;
    admin_pick_start(&pick, false);
    ASSERT_EQ(admin_pick_moved(&pick, BROWSE_ITEM_USER, "carol"), PICK_ACCOUNT_CHOSEN);
    EXPECT_TRUE(admin_pick_add(&pick, nullptr));
    EXPECT_FALSE(pick.selected);
    EXPECT_FALSE(admin_pick_add(&pick, nullptr));  // Add again needs a new choice
    EXPECT_TRUE(admin_pick_double_clicked(&pick, BROWSE_ITEM_USER, "carol", nullptr));
    EXPECT_EQ(sets(), 2u);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Alice/0", "bob/0", "carol/0", "Operators/1", "zed/0"}));
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(AdminsTest, ARemoteAccountIsSentWithItsDomain) {
    open(FIXTURE, OPTION_REMOTE_ADMINS);
    AdminPick pick;
    admin_pick_start(&pick, true);
    EXPECT_EQ(admin_pick_moved(&pick, BROWSE_ITEM_DOMAIN, "SALES"), PICK_DOMAIN_CHOSEN);
    EXPECT_FALSE(pick.selected);
    EXPECT_EQ(admin_pick_moved(&pick, BROWSE_ITEM_USER, "jdoe"), PICK_ACCOUNT_CHOSEN);
    EXPECT_TRUE(admin_pick_add(&pick, nullptr));
    EXPECT_TRUE(admin_pick_double_clicked(&pick, BROWSE_ITEM_GROUP, "Domain Admins", nullptr));
    EXPECT_GE(find("SALES\\jdoe"), 0);
    EXPECT_EQ(admins_panel().entries[find("SALES\\jdoe")].kind, ADMIN_USER);
    EXPECT_EQ(admins_panel().entries[find("SALES\\Domain Admins")].kind, ADMIN_GROUP);

    // A new domain drops the account chosen in the old one.
    admin_pick_moved(&pick, BROWSE_ITEM_USER, "jdoe");
    admin_pick_moved(&pick, BROWSE_ITEM_DOMAIN, "WEST");
    EXPECT_FALSE(pick.selected);
    EXPECT_FALSE(admin_pick_add(&pick, nullptr));
}

TEST_F(AdminsTest, OtherItemsChangeNothingAndOverlongNamesAreRefused) {
    open(FIXTURE);
    AdminPick local;
    admin_pick_start(&local, false);
    admin_pick_moved(&local, BROWSE_ITEM_GROUP, "Staff");
    EXPECT_EQ(admin_pick_moved(&local, 1, "HOST"), PICK_UNCHANGED);
    EXPECT_EQ(admin_pick_moved(&local, BROWSE_ITEM_DOMAIN, "SALES"), PICK_UNCHANGED);  // no domains here
    EXPECT_TRUE(local.selected);
    EXPECT_STREQ(local.account, "Staff");
    EXPECT_EQ(local.kind, ADMIN_GROUP);

    // 256 + 1 + 10 bytes cannot be held whole: refused, nothing sent.
    AdminPick remote;
    admin_pick_start(&remote, true);
    std::string domain(255, 'D');
    admin_pick_moved(&remote, BROWSE_ITEM_DOMAIN, domain.c_str());
    admin_pick_moved(&remote, BROWSE_ITEM_USER, "longer-one");
    EXPECT_FALSE(admin_pick_add(&remote, nullptr));
    EXPECT_EQ(sets(), 0u);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].title, "ERROR");
}

TEST(AdminsStrings, TheSlowLookupTextsAreTheBrowsersOwn) {
    EXPECT_STREQ(string_text(IDS_DOMAIN_WAIT_SLOW), NETVIEW_DOMAIN_WAIT_TEXT);
    EXPECT_STREQ(string_text(IDS_HOST_WAIT_SLOW), NETVIEW_HOST_WAIT_TEXT);
}

}  // namespace
