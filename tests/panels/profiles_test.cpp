// The profiles panel's model against keelsim: adding creates at once,
// removal scans every user class for a link, saving and resetting, the
// save prompt, and what the users panel is told after each change.
#include <string.h>

#include <vector>

#include "api/session.h"
#include "attrs/editor.h"
#include "attrs/list_store.h"
#include "panels/profile_scan.h"
#include "panels/profiles.h"
#include "tests/panels/panel_fixture.h"
#include "ui/panel_commands.h"

namespace {

const char DICTIONARY[] =
    "attribute Service-Type 6 1 0x05\n"
    "attribute Filter-Id 11 0 0x0C\n"
    "attribute Session-Timeout 27 1 0x04\n"
    "value Service-Type Framed-User 2\n";

std::string link_property(const char* profile) {
    std::string line = "property --User-Profile hex \"0100 0000 0000 ";
    char word[8];
    snprintf(word, sizeof word, "%02x00", (unsigned)strlen(profile) + 1);
    line += word;
    line += " 0100 ";
    for (const char* at = profile; *at; ++at) {
        snprintf(word, sizeof word, "%02x", (unsigned char)*at);
        line += word;
    }
    return line + "00\"\n";
}

std::string user(const char* cls, const char* name, const char* profile) {
    std::string quoted;
    for (const char* at = name; *at; ++at) quoted += *at == '\\' ? std::string("\\\\") : std::string(1, *at);
    return std::string("object ") + cls + " \"" + quoted + "\"\n" + (profile ? link_property(profile) : "");
}

// Two profiles: DIALUP with a session timeout of 3600 on its return list,
// EMPTY with nothing.
const std::string PROFILES =
    "object ++a-Profile DIALUP\n"
    "property Session-Timeout hex \"0100 0000  0100 0400 2100  100e0000\"\n"
    "object ++a-Profile EMPTY\n";

class ProfilesTest : public PanelTest {
protected:
    std::vector<uint32_t> notices;

    static void notice(void* context, uint32_t argument) {
        static_cast<ProfilesTest*>(context)->notices.push_back(argument);
    }
    void open(const std::string& objects) {
        write_test_file("profiles.dict", DICTIONARY);
        open_session(("dictionary \"\" profiles.dict\n" + objects).c_str());
        profiles_reset();
        profiles_set_users_notice(notice, this);
        profiles_activate();
    }
    void close() {
        profiles_reset();
        profiles_set_users_notice(nullptr, nullptr);
        dictionary_free(program_dictionary());
        notices.clear();
        prompt.asked.clear();
        prompt.answers.clear();
        close_session();
    }
    void TearDown() override { close(); }
    void choose(const char* name) {
        int64_t index = name_list_find(&profiles_panel().names, name);
        ASSERT_GE(index, 0) << name;
        profiles_select((uint32_t)index);
    }
    const AttributeRecord& record() { return profiles_panel().record.current; }
    // Adds a value as the list page would, and tells the panel.
    void add_value(ListKind kind, const char* attribute, const char* value) {
        ProfilesPanel& p = profiles_panel();
        EditorTarget target = {&p.record.current, kind, program_dictionary(), nullptr};
        const AttributeDefinition* definition = find_definition(program_dictionary(), attribute);
        ASSERT_NE(definition, nullptr);
        editor_add(target, *definition, {value, nullptr, false, false});
        profiles_modified();
    }
    std::string stored_profile(const char* name) {
        return stored_object(PROFILE_CLASS, name, {"Session-Timeout", "Filter-Id", "Service-Type"});
    }
};

TEST_F(ProfilesTest, TheFirstProfileIsShownWithItsLists) {
    open(PROFILES);
    const ProfilesPanel& p = profiles_panel();
    ASSERT_EQ(p.names.count, 2u);
    EXPECT_EQ(p.selected, 0);
    EXPECT_STREQ(record().class_name, PROFILE_CLASS);
    EXPECT_STREQ(record().object_name, "DIALUP");
    ASSERT_EQ(record().return_list.count, 1u);
    EXPECT_STREQ(record().return_list.items[0].name, "Session-Timeout");
    EXPECT_EQ(record().check_list.count, 0u);
    ProfilesControls controls = profiles_controls();
    EXPECT_TRUE(controls.remove_enabled);
    EXPECT_TRUE(controls.lists_enabled);
    EXPECT_FALSE(controls.save_enabled);
    EXPECT_TRUE(notices.empty());
}

TEST_F(ProfilesTest, NoProfilesLeaveNothingToEdit) {
    open("");
    ProfilesControls controls = profiles_controls();
    EXPECT_FALSE(controls.remove_enabled);
    EXPECT_FALSE(controls.lists_enabled);
    EXPECT_FALSE(controls.save_enabled);
    profiles_remove();
    EXPECT_TRUE(messages().empty());
}

TEST_F(ProfilesTest, WithoutADictionaryTheListsAreShownButNotEdited) {
    open_session(PROFILES.c_str());  // the server holds no dictionary
    profiles_reset();
    profiles_activate();
    EXPECT_STREQ(record().object_name, "DIALUP");
    EXPECT_EQ(record().return_list.count, 1u);
    EXPECT_FALSE(profiles_controls().lists_enabled);
    EXPECT_TRUE(profiles_controls().remove_enabled);
}

TEST_F(ProfilesTest, AddingCreatesTheProfileAtOnceAndTellsTheUsersPanel) {
    open(PROFILES);
    profiles_add("sales");
    EXPECT_TRUE(sim_object_exists(server, PROFILE_CLASS, "SALES"));
    EXPECT_STREQ(record().object_name, "SALES");
    EXPECT_EQ(record().return_list.count + record().check_list.count, 0u);
    EXPECT_TRUE(profiles_controls().lists_enabled);
    EXPECT_EQ(notices, std::vector<uint32_t>{PROFILE_LIST_CHANGED});
    EXPECT_TRUE(messages().empty());

    // A name already listed is shown; nothing is created or announced.
    profiles_add("dialup");
    EXPECT_STREQ(record().object_name, "DIALUP");
    EXPECT_EQ(profiles_panel().names.count, 3u);
    EXPECT_EQ(notices.size(), 1u);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ProfilesTest, AFailedCreateKeepsTheShownProfileAndTellsNobody) {
    open(PROFILES);
    ASSERT_EQ(sim_add_fault(server, "1:5:1:fail=3"), 0);
    profiles_add("sales");
    EXPECT_FALSE(sim_object_exists(server, PROFILE_CLASS, "SALES"));
    EXPECT_STREQ(record().object_name, "DIALUP");
    EXPECT_EQ(profiles_panel().names.count, 2u);
    EXPECT_TRUE(notices.empty());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].compare(0, 30, "Error while saving settings.\n("), 0);
}

TEST_F(ProfilesTest, RemovalNamesOnlyTheFirstLinkingUserInClassOrder) {
    // Table order puts native users before domain users, whatever the names.
    const std::string users = user("++h-NT-Domain-User", "\\\\DOM\\ADAM", "DIALUP") +
                              user("++b-Native-User", "ZOE", "DIALUP") + user("++b-Native-User", "AMY", "EMPTY");
    const struct {
        PromptAnswer in_use_answer;
        bool deleted;
    } cases[] = {{ANSWER_NO, false}, {ANSWER_YES, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.deleted);
        open(PROFILES + users);
        prompt.answer(ANSWER_YES);
        prompt.answer(c.in_use_answer);
        profiles_remove();
        ASSERT_EQ(messages().size(), 2u);
        EXPECT_EQ(messages()[0], "Are you sure that you want delete profile\nDIALUP ?");
        EXPECT_EQ(messages()[1], "Profile DIALUP is in use by user ZOE.\nDelete anyway?");
        EXPECT_EQ(prompt.asked[1].title, "WARNING");
        EXPECT_EQ(prompt.asked[1].buttons, PROMPT_YES_NO);
        EXPECT_EQ(sim_object_exists(server, PROFILE_CLASS, "DIALUP"), !c.deleted);
        if (c.deleted) {
            // Gone from the list; the next profile is shown; links stay.
            EXPECT_EQ(notices, std::vector<uint32_t>{PROFILE_LIST_CHANGED});
            EXPECT_EQ(profiles_panel().names.count, 1u);
            EXPECT_STREQ(record().object_name, "EMPTY");
            EXPECT_NE(stored_property("++b-Native-User", "ZOE", PROFILE_LINK_PROPERTY), "<missing>");
        } else {
            EXPECT_TRUE(notices.empty());
            EXPECT_STREQ(record().object_name, "DIALUP");
        }
        close();
    }
}

TEST_F(ProfilesTest, AnUnlinkedProfileGoesAfterOneQuestion) {
    open(PROFILES + user("++b-Native-User", "AMY", "DIALUP") + user("++o-SecurID-Suffix", "X", "DIALUPX"));
    choose("EMPTY");
    prompt.answer(ANSWER_YES);
    profiles_remove();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_FALSE(sim_object_exists(server, PROFILE_CLASS, "EMPTY"));
    EXPECT_EQ(notices, std::vector<uint32_t>{PROFILE_LIST_CHANGED});
    // The last entry went: the first is shown.
    EXPECT_STREQ(record().object_name, "DIALUP");
}

TEST_F(ProfilesTest, TheScanPassesOverWhatItCannotRead) {
    // The only link is in the last class; the faults hit earlier requests.
    const std::string users = user("++b-Native-User", "AMY", nullptr) + user("++o-SecurID-Suffix", "CORP", "DIALUP");
    const struct {
        const char* fault;
        const char* why;
    } cases[] = {
        {"1:8:1:fail=3", "the first class cannot be listed"},
        {"1:8:5:fail=107", "a middle class cannot be listed"},
        {"1:4:1:fail=3", "a user's link cannot be read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        open(PROFILES + users);
        ASSERT_EQ(sim_add_fault(server, c.fault), 0);
        LinkingUser found;
        ASSERT_EQ(find_linking_user("DIALUP", &found), 0);
        EXPECT_TRUE(found.found);
        EXPECT_STREQ(found.class_name, "++o-SecurID-Suffix");
        char shown[300];
        linking_user_shown(found, shown, sizeof shown);
        EXPECT_STREQ(shown, "<USERNAME>CORP");
        close();
    }
}

TEST_F(ProfilesTest, ARefusedLockKeepsTheProfile) {
    open(PROFILES);
    choose("EMPTY");
    prompt.answer(ANSWER_YES);
    ASSERT_EQ(sim_add_fault(server, "10:1:1:fail=107"), 0);
    profiles_remove();
    EXPECT_TRUE(sim_object_exists(server, PROFILE_CLASS, "EMPTY"));
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].compare(0, 31, "Error while loading settings.\n("), 0);
    EXPECT_TRUE(notices.empty());
}

TEST_F(ProfilesTest, AFailedDeleteClearsTheRecordAndStillRefills) {
    open(PROFILES);
    choose("EMPTY");
    prompt.answer(ANSWER_YES);
    ASSERT_EQ(sim_add_fault(server, "1:6:1:fail=3"), 0);
    profiles_remove();
    EXPECT_TRUE(sim_object_exists(server, PROFILE_CLASS, "EMPTY"));
    EXPECT_EQ(messages().back().compare(0, 30, "Error while saving settings.\n("), 0);
    EXPECT_EQ(notices, std::vector<uint32_t>{PROFILE_LIST_CHANGED});
    EXPECT_EQ(profiles_panel().selected, 1);
    EXPECT_FALSE(profiles_controls().lists_enabled);
    // Chosen again, it is read again.
    profiles_select(1);
    EXPECT_STREQ(record().object_name, "EMPTY");
}

TEST_F(ProfilesTest, SavingWritesTheListsAndTellsTheUsersPanel) {
    open(PROFILES + user("++b-Native-User", "AMY", "DIALUP"));
    add_value(RETURN_LIST, "Filter-Id", "night");
    add_value(CHECK_LIST, "Service-Type", "Framed-User");
    EXPECT_TRUE(profiles_controls().save_enabled);
    ASSERT_TRUE(profiles_save());
    EXPECT_FALSE(profiles_controls().save_enabled);
    EXPECT_EQ(notices, std::vector<uint32_t>{PROFILE_CONTENTS_CHANGED});
    // A user linking the profile inherits the new values when read again.
    AttributeList inherited = {0, 0, nullptr};
    ASSERT_EQ(load_profile_instances("DIALUP", program_dictionary(), nullptr, &inherited), 0);
    std::vector<std::string> names;
    for (uint16_t i = 0; i < inherited.count; ++i) names.push_back(inherited.items[i].name);
    attribute_list_free(&inherited);
    EXPECT_EQ(names, (std::vector<std::string>{"Filter-Id", "Service-Type", "Session-Timeout"}));
}

TEST_F(ProfilesTest, AFailureAtAnySaveStepLeavesTheStoredProfileExactly) {
    // The lock, the create of the temporary object, each property, the rename.
    const char* faults[] = {"10:1:1:fail=107", "1:5:1:fail=3", "1:3:1:fail=3",
                            "1:3:2:fail=3",    "1:9:1:fail=3", "1:9:1:drop"};
    for (const char* fault : faults) {
        SCOPED_TRACE(fault);
        open(PROFILES);
        std::string before = stored_profile("DIALUP");
        add_value(RETURN_LIST, "Filter-Id", "night");
        ASSERT_EQ(sim_add_fault(server, fault), 0);
        EXPECT_FALSE(profiles_save());
        EXPECT_EQ(stored_profile("DIALUP"), before);
        ASSERT_FALSE(prompt.asked.empty());
        EXPECT_EQ(prompt.asked.back().title, "KEELADMIN Error");
        EXPECT_EQ(prompt.asked.back().text.compare(0, 30, "Error while saving settings.\n("), 0);
        // Nothing half-saved stays on screen, and the users panel hears nothing.
        EXPECT_FALSE(profiles_controls().lists_enabled);
        EXPECT_FALSE(profiles_controls().save_enabled);
        EXPECT_TRUE(notices.empty());
        close();
    }
}

TEST_F(ProfilesTest, ResetGoesBackToTheLastSave) {
    open(PROFILES);
    add_value(RETURN_LIST, "Filter-Id", "night");
    ASSERT_TRUE(profiles_save());
    add_value(RETURN_LIST, "Filter-Id", "day");
    EXPECT_EQ(record().return_list.count, 3u);
    profiles_revert();
    EXPECT_EQ(record().return_list.count, 2u);
    EXPECT_FALSE(profiles_controls().save_enabled);
}

TEST_F(ProfilesTest, TheSavePromptWhenLeavingAChangedProfile) {
    const struct {
        PromptAnswer answer;
        bool moved;
        const char* stored_filter;  // after the answer
    } cases[] = {
        {ANSWER_CANCEL, false, "<missing>"},
        {ANSWER_NO, true, "<missing>"},
        {ANSWER_YES, true, "present"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        open(PROFILES);
        add_value(RETURN_LIST, "Filter-Id", "night");
        prompt.answer(c.answer);
        choose("EMPTY");
        EXPECT_EQ(messages(), std::vector<std::string>{"Save settings for profile DIALUP?"});
        EXPECT_EQ(prompt.asked[0].title, "Keelgate Access Control Administrator");
        EXPECT_EQ(prompt.asked[0].buttons, PROMPT_YES_NO_CANCEL);
        EXPECT_STREQ(record().object_name, c.moved ? "EMPTY" : "DIALUP");
        std::string filter = stored_property(PROFILE_CLASS, "DIALUP", "Filter-Id");
        EXPECT_EQ(filter == "<missing>" ? filter : std::string("present"), c.stored_filter);
        EXPECT_EQ(profiles_controls().save_enabled, !c.moved);
        close();
    }
}

TEST_F(ProfilesTest, LeavingThePanelAsksOnlyWhenChanged) {
    open(PROFILES);
    EXPECT_TRUE(profiles_may_leave());
    EXPECT_TRUE(messages().empty());
    add_value(RETURN_LIST, "Filter-Id", "night");
    prompt.answer(ANSWER_CANCEL);
    EXPECT_FALSE(profiles_may_leave());
    prompt.answer(ANSWER_NO);
    EXPECT_TRUE(profiles_may_leave());
    EXPECT_EQ(record().return_list.count, 1u);
}

}  // namespace
