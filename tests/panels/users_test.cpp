// The users panel's model against keelsim on the demo database: the list of
// eight kinds, adding and finding users, passwords of both kinds, the
// profile link and its merge, the profile notices, and a failure at each
// step of a save.
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "api/db.h"
#include "attrs/list_store.h"
#include "attrs/editor.h"
#include "panels/profiles.h"
#include "panels/users.h"
#include "tests/panels/panel_fixture.h"
#include "ui/panel_commands.h"

namespace {

const char NATIVE[] = "++b-Native-User";

class UsersTest : public PanelTest {
protected:
    void open(uint32_t option_mask = 0) {
        open_session(nullptr);
        users_reset(PANEL_RESET_ALL);
        users_activate(option_mask);
    }
    void TearDown() override {
        users_reset(PANEL_RESET_ALL);
        close_session();
    }
    void choose(const char* listed) {
        int64_t index = name_list_find(&users_panel().names, listed);
        ASSERT_GE(index, 0) << listed;
        users_select((uint32_t)index);
        ASSERT_STREQ(users_panel().listed, listed);
    }
    void choose_profile(const char* name) {
        int64_t index = name ? name_list_find(&users_panel().profiles, name) : -1;
        if (name) {
            ASSERT_GE(index, 0) << name;
        }
        users_choose_profile(index);
    }
    // The rows of a list as "name" or "name(profile)".
    static std::vector<std::string> rows(const AttributeList& list) {
        std::vector<std::string> out;
        for (uint16_t i = 0; i < list.count; ++i)
            out.push_back(std::string(list.items[i].name) + (is_profile_instance(list.items[i]) ? "(p)" : ""));
        return out;
    }
    static bool has_row(const AttributeList& list, const std::string& row) {
        for (const std::string& r : rows(list))
            if (r == row) return true;
        return false;
    }
};

TEST_F(UsersTest, EveryKindIsListedInItsFormAndShownWithItsKind) {
    open();
    const UsersPanel& p = users_panel();
    EXPECT_EQ(p.names.count, 50u);
    for (uint32_t i = 1; i < p.names.count; ++i)
        EXPECT_LT(strcmp(name_list_at(&p.names, i - 1), name_list_at(&p.names, i)), 0);
    const struct {
        const char* listed;
        UserKind kind;
        const char* object;
    } cases[] = {
        {"JSMITH", USER_NATIVE, "JSMITH"},
        {"\\\\RIVERNET\\JDOE", USER_DOMAIN_USER, "\\\\RIVERNET\\JDOE"},
        {"\\\\LABHOST\\LAB", USER_HOST_GROUP, "\\\\LABHOST\\LAB"},
        {"<ANY>", USER_SECURID, "<ANY>"},
        {"SID-<USERNAME>", USER_SECURID_PREFIX, "SID-"},
        {"<USERNAME>@TOKEN", USER_SECURID_SUFFIX, "@TOKEN"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.listed);
        choose(c.listed);
        EXPECT_EQ(p.kind, c.kind);
        EXPECT_STREQ(p.record.object_name, c.object);
        EXPECT_EQ(users_controls().set_password, c.kind == USER_NATIVE);
        EXPECT_FALSE(p.modified);
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(UsersTest, AddingCreatesAtOnceOrSelectsTheExistingUser) {
    open();
    const UsersPanel& p = users_panel();
    ASSERT_TRUE(users_begin_add());
    ASSERT_TRUE(users_add(USER_NATIVE, "smith"));
    EXPECT_TRUE(sim_object_exists(server, NATIVE, "SMITH"));
    EXPECT_STREQ(p.listed, "SMITH");
    EXPECT_EQ(users_controls().profile_index, -1);
    EXPECT_TRUE(users_controls().lists_editable);

    const uint32_t creates = sim_request_count(server, 1, 5);
    ASSERT_TRUE(users_add(USER_NATIVE, "jsmith"));
    EXPECT_STREQ(p.listed, "JSMITH");
    EXPECT_EQ(sim_request_count(server, 1, 5), creates);

    ASSERT_TRUE(users_add(USER_SECURID_PREFIX, "ab"));
    EXPECT_STREQ(p.listed, "AB<USERNAME>");
    EXPECT_TRUE(sim_object_exists(server, "++n-SecurID-Prefix", "AB"));
    EXPECT_EQ(p.kind, USER_SECURID_PREFIX);

    // Upper-cased before the check, so the mark is found in any case.
    EXPECT_FALSE(users_add(USER_SECURID_PREFIX, "abc<username>"));
    EXPECT_FALSE(users_add(USER_SECURID_SUFFIX, "<USERNAME>x"));
    EXPECT_FALSE(sim_object_exists(server, "++n-SecurID-Prefix", "ABC<USERNAME>"));
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0], "'<USERNAME>' cannot be used as part of a SecurID prefix or suffix");

    // A user without a password gets none on save.
    choose("SMITH");
    users_lists_changed();
    ASSERT_TRUE(users_save());
    EXPECT_EQ(stored_property(NATIVE, "SMITH", "--Password"), "<missing>");
    EXPECT_EQ(stored_property(NATIVE, "SMITH", "--User-Profile"), "<missing>");
}

TEST_F(UsersTest, PasswordsOfBothKindsRoundTripAndValidate) {
    const struct {
        bool pap_only;
        uint16_t type;
        size_t stored_length;
    } cases[] = {{true, PASSWORD_PAP_ONLY, 30}, {false, PASSWORD_PAP_OR_CHAP, 46}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        open(OPTION_SHOW_PASSWORD);
        choose("ROUTER-BRANCH1");
        users_set_password("Secret-1", c.pap_only);
        EXPECT_TRUE(users_panel().modified);
        ASSERT_TRUE(users_save());
        std::string stored = stored_property(NATIVE, "ROUTER-BRANCH1", "--Password");
        ASSERT_EQ(stored.size(), c.stored_length);
        EXPECT_EQ((uint8_t)stored[4], c.type);

        choose("JSMITH");
        choose("ROUTER-BRANCH1");  // read back from the server
        PasswordDialogStart start;
        users_password_start(&start);
        EXPECT_EQ(start.pap_only, c.pap_only);
        EXPECT_TRUE(start.validate);
        EXPECT_STREQ(start.text, c.pap_only ? "" : "Secret-1");
        EXPECT_TRUE(users_validate_password("Secret-1"));
        EXPECT_FALSE(users_validate_password("secret-1"));
        ASSERT_EQ(messages().size(), 2u);
        EXPECT_EQ(messages()[0], "Correct password specified");
        EXPECT_EQ(messages()[1], "Incorrect password specified");
        EXPECT_EQ(prompt.asked[1].title, "Validation Result");
        EXPECT_EQ(prompt.asked[1].icon, PROMPT_ICON_STOP);
        prompt.asked.clear();
        users_reset(PANEL_RESET_ALL);
        close_session();
    }
    // Without the option bit the stored text stays hidden.
    open(0);
    choose("JSMITH");
    PasswordDialogStart start;
    users_password_start(&start);
    EXPECT_FALSE(start.pap_only);
    EXPECT_STREQ(start.text, "");
}

TEST_F(UsersTest, ChangingTheProfileMergesTheNewOnesRowsAndSavesTheLink) {
    open();
    const UsersPanel& p = users_panel();
    choose("JSMITH");
    EXPECT_TRUE(has_row(p.record.return_list, "Filter-Id(p)"));  // from DIALUP-STANDARD
    choose_profile("SHELL-ACCESS");
    EXPECT_TRUE(p.modified);
    EXPECT_FALSE(has_row(p.record.return_list, "Filter-Id(p)"));
    EXPECT_FALSE(has_row(p.record.return_list, "Framed-Compression(p)"));
    AttributeList shell = {0, 0, nullptr};
    ASSERT_EQ(load_profile_instances("SHELL-ACCESS", program_dictionary(), nullptr, &shell), 0);
    ASSERT_GT(shell.count, 0u);
    EXPECT_TRUE(has_row(shell.items[0].flags & 0x10 ? p.record.check_list : p.record.return_list,
                        std::string(shell.items[0].name) + "(p)"));
    attribute_list_free(&shell);

    // Reset brings the old profile and its rows back.
    users_revert();
    EXPECT_EQ(users_controls().profile_index, name_list_find(&p.profiles, "DIALUP-STANDARD"));
    EXPECT_TRUE(has_row(p.record.return_list, "Filter-Id(p)"));

    choose_profile("SHELL-ACCESS");
    ASSERT_TRUE(users_save());
    EXPECT_EQ(stored_property(NATIVE, "JSMITH", "--User-Profile"),
              std::string("\1\0\0\0\0\0\x0d\0\1\0SHELL-ACCESS", 23));
    EXPECT_NE(stored_property(NATIVE, "JSMITH", "--Password"), "<missing>");  // kept through the rewrite
    choose_profile(nullptr);
    ASSERT_TRUE(users_save());
    EXPECT_EQ(stored_property(NATIVE, "JSMITH", "--User-Profile"), "<missing>");
}

TEST_F(UsersTest, ALinkToADeletedProfileIsReportedAndDropped) {
    open();
    const UsersPanel& p = users_panel();
    ASSERT_STREQ(p.listed, "<ANY>");  // the first user links STAFF-VPN
    ASSERT_EQ(db_delete("++a-Profile", "STAFF-VPN", nullptr), 0);
    users_reset(PROFILE_LIST_CHANGED);
    users_activate(0);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Profile STAFF-VPN has been deleted from the server database.");
    EXPECT_TRUE(p.modified);
    prompt.answer(ANSWER_NO);
    choose("DWRIGHT");  // read with the link the list no longer holds
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_EQ(messages()[2], "Profile STAFF-VPN has been deleted from the server database.");
    EXPECT_TRUE(p.modified);
    EXPECT_EQ(users_controls().profile_index, -1);
    EXPECT_TRUE(users_controls().save_reset);
}

// The profiles panel's notices reach the users panel as the program passes
// them on, and act only when the users panel is shown again.
TEST_F(UsersTest, ProfileNoticesActTheNextTimeThePanelIsShown) {
    open();
    const UsersPanel& p = users_panel();
    choose("JSMITH");
    profiles_reset();
    profiles_set_users_notice([](void*, uint32_t argument) { users_reset(argument); }, nullptr);
    profiles_activate();

    // "sales" is created at once as SALES and offered at the next showing.
    profiles_add("sales");
    EXPECT_TRUE(sim_object_exists(server, "++a-Profile", "SALES"));
    EXPECT_LT(name_list_find(&p.profiles, "SALES"), 0);
    users_activate(0);
    EXPECT_GE(name_list_find(&p.profiles, "SALES"), 0);
    EXPECT_FALSE(p.modified);

    // Saved contents of the linked profile replace its inherited rows.
    profiles_select((uint32_t)name_list_find(&profiles_panel().names, "DIALUP-STANDARD"));
    ProfilesPanel& profiles = profiles_panel();
    EditorTarget target = {&profiles.record.current, RETURN_LIST, program_dictionary(), nullptr};
    const AttributeDefinition* filter_id = find_definition(program_dictionary(), "Filter-Id");
    ASSERT_NE(filter_id, nullptr);
    editor_add(target, *filter_id, {"new-f", nullptr, false, false});
    profiles_modified();
    ASSERT_TRUE(profiles_save());
    users_activate(0);
    std::vector<std::string> filters;
    for (uint16_t i = 0; i < p.record.return_list.count; ++i) {
        const AttributeInstance& row = p.record.return_list.items[i];
        if (strcmp(row.name, "Filter-Id") == 0 && is_profile_instance(row)) filters.push_back((const char*)row.data);
    }
    std::sort(filters.begin(), filters.end());
    EXPECT_EQ(filters, (std::vector<std::string>{"new-f", "std-internet", "std-no-smtp"}));
    EXPECT_FALSE(p.modified);
    EXPECT_TRUE(messages().empty());
    profiles_set_users_notice(nullptr, nullptr);
    profiles_reset();
}

TEST_F(UsersTest, AFailureAtEachSaveStepHasItsOutcome) {
    const struct {
        const char* fault;
        bool user_kept;  // the lists step leaves the stored user; later steps delete it
    } cases[] = {
        {"10:1:1:fail=107", true}, {"1:5:1:fail=3", true},  {"1:9:1:fail=3", true},
        {"1:3:1:fail=3", false},   {"1:3:2:fail=3", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        open();
        ASSERT_TRUE(users_add(USER_NATIVE, "smith"));
        users_set_password("pw", false);
        choose_profile("SHELL-ACCESS");
        const std::string others = stored_object(NATIVE, "JSMITH", {"--Password", "--User-Profile", "Filter-Id"});
        const std::vector<std::string> names = sim_object_names(server, NATIVE);
        ASSERT_EQ(sim_add_fault(server, c.fault), 0);
        EXPECT_FALSE(users_save());
        EXPECT_EQ(sim_object_exists(server, NATIVE, "SMITH"), c.user_kept);
        if (c.user_kept) {
            EXPECT_EQ(stored_property(NATIVE, "SMITH", "--Password"), "<missing>");
        }
        ASSERT_FALSE(messages().empty());
        EXPECT_EQ(prompt.asked.back().title, "KEELADMIN Error");
        EXPECT_EQ(messages().back().rfind("Error while saving settings.", 0), 0u);
        EXPECT_FALSE(users_panel().loaded);
        EXPECT_FALSE(users_controls().save_reset);
        // Nothing else was touched.
        EXPECT_EQ(stored_object(NATIVE, "JSMITH", {"--Password", "--User-Profile", "Filter-Id"}), others);
        std::vector<std::string> after = sim_object_names(server, NATIVE);
        after.erase(std::remove(after.begin(), after.end(), TEMP_OBJECT_NAME), after.end());
        if (!c.user_kept) after.insert(std::lower_bound(after.begin(), after.end(), "SMITH"), "SMITH");
        EXPECT_EQ(after, names);
        prompt.asked.clear();
        users_reset(PANEL_RESET_ALL);
        close_session();
    }
}

TEST_F(UsersTest, RemovingShowsTheUserNowAtItsPlace) {
    open();
    const UsersPanel& p = users_panel();
    choose("JSMITH");
    const int64_t at = p.selected;
    prompt.answer(ANSWER_YES);
    users_remove();
    EXPECT_FALSE(sim_object_exists(server, NATIVE, "JSMITH"));
    EXPECT_EQ(p.selected, at);
    EXPECT_STRNE(p.listed, "JSMITH");
    EXPECT_TRUE(p.loaded);
    EXPECT_EQ(messages()[0], "Are you sure that you want delete user\nJSMITH ?");
}

TEST_F(UsersTest, TheSavePromptsThreeAnswers) {
    open();
    const UsersPanel& p = users_panel();
    choose("JSMITH");
    choose_profile("SHELL-ACCESS");
    prompt.answer(ANSWER_CANCEL);
    EXPECT_FALSE(users_may_leave());
    EXPECT_TRUE(p.modified);
    EXPECT_EQ(messages()[0], "Save settings for user JSMITH?");
    prompt.answer(ANSWER_NO);
    choose("AGARCIA");
    EXPECT_STREQ(p.listed, "AGARCIA");
    choose("JSMITH");
    EXPECT_EQ(users_controls().profile_index, name_list_find(&p.profiles, "DIALUP-STANDARD"));
    choose_profile("SHELL-ACCESS");
    prompt.answer(ANSWER_YES);
    EXPECT_TRUE(users_may_leave());
    EXPECT_EQ(stored_property(NATIVE, "JSMITH", "--User-Profile").substr(10), std::string("SHELL-ACCESS\0", 13));
}

}  // namespace
