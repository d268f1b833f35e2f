// The configuration panel's model against keelsim: what a read shows, the
// refusals before anything is written, the messages' line breaks and
// clearing, the leave prompt, and a failure at each save step telling the
// administrator exactly which parts the server holds afterwards.
#include <string.h>

#include "panels/config.h"
#include "tests/panels/panel_fixture.h"

namespace {

const uint16_t NT = 4;
const uint32_t DEMO_OPTIONS = 0x0F;

std::string hex_of(const std::string& bytes) {
    std::string hex;
    char pair[3];
    for (unsigned char byte : bytes) {
        snprintf(pair, sizeof pair, "%02x", byte);
        hex += pair;
    }
    return hex;
}

std::string object(const char* cls, const char* name, const char* property, const std::string& value) {
    return std::string("object ") + cls + " " + name + "\nproperty " + property + " hex \"" + hex_of(value) + "\"\n";
}

// Native users and domain users in order, 30 days, three of the messages.
std::string small_config(std::initializer_list<uint16_t> order = {2, 0, 6}) {
    return object("Policy", "Auth-Info", "Auth-Order", le16_words(order)) +
           object("Policy", "Log-Info", "Log-Max-Days", std::string("\x1e\0\0\0", 4)) +
           object("Messages", "Unknown-User-Msg", "Message-Text", "Who are you?\r\nCall us.") +
           object("Messages", "Lists-Mismatch-Msg", "Message-Text", "Not on this port.") +
           object("Messages", "Default-Reject-Msg", "Message-Text", "Path C:\\new\\table");
}

class ConfigTest : public PanelTest {
protected:
    void open(const char* fixture) {
        open_session(fixture);
        config_reset();
        config_activate(NT, DEMO_OPTIONS);
    }
    void close() {
        config_reset();
        close_session();
    }
    void TearDown() override { close(); }

    std::string stored_message(const char* name) { return stored_property("Messages", name, "Message-Text"); }
    std::string stored_order() { return stored_property("Policy", "Auth-Info", "Auth-Order"); }
    std::string stored_days() { return stored_property("Policy", "Log-Info", "Log-Max-Days"); }
    // Everything a save writes, for comparing before and after.
    std::string stored_config() {
        std::string all = stored_order() + "|" + stored_days();
        for (const char* name :
             {"Unknown-User-Msg", "Unknown-Client-Msg", "Lists-Mismatch-Msg", "Invalid-List-Msg", "Default-Reject-Msg"})
            all += std::string("|") + (sim_object_exists(server, "Messages", name) ? stored_message(name) : "<none>");
        return all;
    }
    // The list as the page shows it, "<name>" for an inactive method.
    std::string shown_methods() {
        const MethodList& methods = config_panel().current.methods;
        std::string text;
        for (uint32_t i = 0; i < methods.count; ++i) {
            char name[64];
            config_method_text(i, name, sizeof name);
            if (!text.empty()) text += ", ";
            text += methods.entries[i].active ? name : std::string("<") + name + ">";
        }
        return text;
    }
    void choose(const char* name) {
        const MethodList& methods = config_panel().current.methods;
        for (uint32_t i = 0; i < methods.count; ++i) {
            char text[64];
            config_method_text(i, text, sizeof text);
            if (strcmp(text, name) == 0) return config_select_method(i);
        }
        FAIL() << name;
    }
};

TEST_F(ConfigTest, TheDemoDatabaseAsShown) {
    open(nullptr);
    const ConfigPanel& p = config_panel();
    EXPECT_EQ(shown_methods(),
              "Native User, NT Domain User, NT Domain Group, NT Host User, SecurID User, <NT Host Group>");
    EXPECT_STREQ(p.days_text, "90");
    EXPECT_STREQ(p.fields[MESSAGE_UNKNOWN_USER],
                 "User name not recognised.\\r\\nPlease check your login name and try again.");
    EXPECT_STREQ(p.fields[MESSAGE_DEFAULT], "Access denied.");
    EXPECT_FALSE(p.modified);
    EXPECT_EQ(p.selected, 0);
    ConfigControls controls = config_controls();
    EXPECT_FALSE(controls.up_enabled);
    EXPECT_TRUE(controls.down_enabled);
    EXPECT_TRUE(controls.deactivate_enabled);
    EXPECT_FALSE(controls.activate_enabled);
    EXPECT_FALSE(controls.save_enabled);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ConfigTest, AnOrderOfOnlyPrefixAndSuffixIsEmptyAndCannotBeSaved) {
    open(small_config({2, 11, 12}).c_str());
    EXPECT_EQ(shown_methods(),
              "<Native User>, <NT Domain User>, <NT Domain Group>, <NT Host User>, <NT Host Group>, <SecurID User>");
    config_edit_days("31");
    uint32_t before = requests();
    EXPECT_FALSE(config_save());
    EXPECT_EQ(requests(), before);
    EXPECT_EQ(messages(), std::vector<std::string>{"Cannot save configuration with empty authentication list!"});
    EXPECT_EQ(prompt.asked[0].title, "KEELADMIN Error");

    // Leaving asks to discard instead of to save.
    prompt.answer(ANSWER_NO);
    EXPECT_FALSE(config_may_leave());
    prompt.answer(ANSWER_YES);
    EXPECT_TRUE(config_may_leave());
    EXPECT_EQ(prompt.asked[1].text, "Authentication list is empty.\nDiscard all configuration changes?");
    EXPECT_EQ(prompt.asked[1].title, "KEELADMIN Warning");
    EXPECT_EQ(prompt.asked[1].buttons, PROMPT_YES_NO);
    EXPECT_FALSE(config_panel().modified);
    EXPECT_STREQ(config_panel().days_text, "30");
    EXPECT_EQ(requests(), before);
}

TEST_F(ConfigTest, ActivatedSecurIdIsFirstAndSavedWithPrefixAndSuffix) {
    open(small_config().c_str());
    choose("SecurID User");
    EXPECT_TRUE(config_controls().activate_enabled);
    config_activate_method();
    EXPECT_EQ(config_panel().selected, 0);
    EXPECT_TRUE(config_panel().modified);
    // Down once: second in order.
    config_move_down();
    EXPECT_EQ(shown_methods(),
              "Native User, SecurID User, NT Domain User, <NT Domain Group>, <NT Host User>, <NT Host Group>");
    ASSERT_TRUE(config_save());
    EXPECT_EQ(stored_order(), le16_words({5, 0, 10, 11, 12, 6}));
    EXPECT_FALSE(config_panel().modified);

    // Deactivated, it leaves its followers behind too.
    choose("SecurID User");
    config_deactivate_method();
    EXPECT_EQ(config_panel().selected, 5);
    ASSERT_TRUE(config_save());
    EXPECT_EQ(stored_order(), le16_words({2, 0, 6}));
}

TEST_F(ConfigTest, TheDaysField) {
    open(small_config().c_str());
    for (const char* wrong : {"1000", "12a"}) {
        config_edit_days(wrong);
        uint32_t before = requests();
        EXPECT_FALSE(config_save()) << wrong;
        EXPECT_EQ(requests(), before);
        ASSERT_FALSE(prompt.asked.empty());
        EXPECT_EQ(prompt.asked.back().text, "Number of days for which to keep log files must be between 0 and 999");
        EXPECT_EQ(prompt.asked.back().title, "ERROR");
    }
    EXPECT_EQ(stored_days(), std::string("\x1e\0\0\0", 4));
    for (const char* zero : {"0", ""}) {
        config_edit_days(zero);
        ASSERT_TRUE(config_save()) << zero;
        EXPECT_EQ(stored_days(), std::string("\0\0\0\0", 4)) << zero;
        EXPECT_STREQ(config_panel().days_text, "0");
    }
    config_edit_days("999");
    ASSERT_TRUE(config_save());
    EXPECT_EQ(stored_days(), std::string("\xe7\x03\0\0", 4));
}

TEST_F(ConfigTest, DaysOfAnotherLengthOrNoneReadAs365) {
    for (const char* fixture : {"object Policy Log-Info\nproperty Log-Max-Days hex \"5a00\"\n",
                                "object Policy Log-Info\nproperty Log-Max-Days hex \"5a00000000000000\"\n", ""}) {
        open(fixture);
        EXPECT_STREQ(config_panel().days_text, "365") << fixture;
        close();
    }
}

TEST_F(ConfigTest, MessagesWithLineBreaksAndClearedMessages) {
    open(small_config().c_str());
    config_edit_message(MESSAGE_UNKNOWN_CLIENT, "First line\\nsecond\\tcolumn");
    config_edit_message(MESSAGE_LISTS_MISMATCH, "");
    ASSERT_TRUE(config_save());
    EXPECT_EQ(stored_message("Unknown-Client-Msg"), "First line\nsecond\tcolumn");
    EXPECT_FALSE(sim_object_exists(server, "Messages", "Lists-Mismatch-Msg"));
    // Untouched, a message is stored exactly as it was read, even where its
    // backslashes look like escapes.
    EXPECT_EQ(stored_message("Default-Reject-Msg"), "Path C:\\new\\table");
    EXPECT_EQ(stored_message("Unknown-User-Msg"), "Who are you?\r\nCall us.");

    config_reread();
    EXPECT_STREQ(config_panel().fields[MESSAGE_UNKNOWN_CLIENT], "First line\\nsecond\\tcolumn");
    EXPECT_STREQ(config_panel().fields[MESSAGE_LISTS_MISMATCH], "");

    // The dialog shows real line breaks and its text comes back escaped.
    char shown[MESSAGE_DIALOG_SIZE];
    config_message_for_dialog(MESSAGE_UNKNOWN_CLIENT, shown, sizeof shown);
    EXPECT_STREQ(shown, "First line\r\nsecond\tcolumn");
    config_message_from_dialog(MESSAGE_INVALID_LIST, "Bad list.\r\nSee the help desk.");
    EXPECT_STREQ(config_panel().fields[MESSAGE_INVALID_LIST], "Bad list.\\r\\nSee the help desk.");
    EXPECT_TRUE(config_panel().modified);
    char title[80];
    config_message_title(MESSAGE_INVALID_LIST, title, sizeof title);
    EXPECT_STREQ(title, "Edit Invalid Attribute Rejection Message");
    ASSERT_TRUE(config_save());
    EXPECT_EQ(stored_message("Invalid-List-Msg"), "Bad list.\r\nSee the help desk.");
}

TEST_F(ConfigTest, AnEmptyDatabaseGetsEveryObjectCreated) {
    open("");
    EXPECT_EQ(shown_methods(),
              "Native User, NT Domain User, NT Domain Group, NT Host User, NT Host Group, SecurID User");
    EXPECT_STREQ(config_panel().days_text, "365");
    config_edit_message(MESSAGE_DEFAULT, "No.");
    ASSERT_TRUE(config_save());
    EXPECT_EQ(stored_order(), le16_words({8, 0, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(stored_days(), std::string("\x6d\x01\0\0", 4));
    EXPECT_EQ(stored_message("Default-Reject-Msg"), "No.");
    EXPECT_FALSE(sim_object_exists(server, "Messages", "Unknown-User-Msg"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(ConfigTest, TheLeavePrompt) {
    open(small_config().c_str());
    config_edit_days("45");
    prompt.answer(ANSWER_CANCEL);
    EXPECT_FALSE(config_may_leave());
    EXPECT_EQ(messages(), std::vector<std::string>{"Save configuration settings?"});
    EXPECT_EQ(prompt.asked[0].buttons, PROMPT_YES_NO_CANCEL);
    prompt.answer(ANSWER_NO);
    EXPECT_TRUE(config_may_leave());
    EXPECT_EQ(stored_days(), std::string("\x1e\0\0\0", 4));
    EXPECT_STREQ(config_panel().days_text, "30");

    // Yes saves; a refused value keeps the administrator on the page.
    config_edit_days("45x");
    prompt.answer(ANSWER_YES);
    EXPECT_FALSE(config_may_leave());
    config_edit_days("45");
    prompt.answer(ANSWER_YES);
    EXPECT_TRUE(config_may_leave());
    EXPECT_EQ(stored_days(), std::string("\x2d\0\0\0", 4));
    // Not modified: no question.
    size_t asked = prompt.asked.size();
    EXPECT_TRUE(config_may_leave());
    EXPECT_EQ(prompt.asked.size(), asked);
}

TEST_F(ConfigTest, AFailedReadShowsNothingToSaveOver) {
    open(small_config().c_str());
    ASSERT_EQ(sim_add_fault(server, "1:4:3:fail=3"), 0);  // the first message
    config_reread();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Error while loading settings.\n(0003: i/o error)");
    const ConfigPanel& p = config_panel();
    EXPECT_EQ(p.current.methods.count, 0u);
    EXPECT_STREQ(p.days_text, "");
    ConfigControls controls = config_controls();
    EXPECT_FALSE(controls.fields_enabled);
    EXPECT_FALSE(controls.save_enabled);
    EXPECT_TRUE(controls.reset_enabled);
    config_edit_days("5");
    EXPECT_FALSE(p.modified);
    EXPECT_TRUE(config_may_leave());
    // Reset reads again.
    config_reread();
    EXPECT_STREQ(p.days_text, "30");
    EXPECT_TRUE(config_controls().fields_enabled);
    EXPECT_FALSE(config_controls().reset_enabled);
}

// Changes every part: the order, the days, two messages rewritten, one
// created, two cleared.
void change_everything() {
    config_select_method(1);
    config_move_up();
    config_edit_days("7");
    config_edit_message(MESSAGE_UNKNOWN_USER, "New user text");
    config_edit_message(MESSAGE_UNKNOWN_CLIENT, "New client text");
    config_edit_message(MESSAGE_LISTS_MISMATCH, "");
    config_edit_message(MESSAGE_INVALID_LIST, "New list text");
    config_edit_message(MESSAGE_DEFAULT, "");
}

TEST_F(ConfigTest, AFailureAtEachSaveStepIsReportedWithWhatWasWritten) {
    // What a whole save leaves, part by part.
    open(small_config().c_str());
    std::string before = stored_config();
    change_everything();
    ASSERT_TRUE(config_save());
    std::string after = stored_config();
    close();
    auto parts = [](const std::string& all) {
        std::vector<std::string> split;
        size_t from = 0, bar;
        while ((bar = all.find('|', from)) != std::string::npos) {
            split.push_back(all.substr(from, bar - from));
            from = bar + 1;
        }
        split.push_back(all.substr(from));
        return split;
    };
    const std::vector<std::string> old_parts = parts(before), new_parts = parts(after);
    ASSERT_EQ(old_parts.size(), 7u);

    const struct {
        const char* fault;
        uint32_t written;
        bool dropped;
    } cases[] = {
        {"1:3:1:fail=3", 0, false},                              // the order
        {"1:3:1:drop", 0, true},    {"1:3:2:fail=3", 1, false},  // the days
        {"1:3:3:fail=3", 2, false},                              // unknown user
        {"1:3:4:fail=3", 3, false},                              // unknown client: no object yet
        {"1:5:1:fail=3", 3, false},                              // ... nor can it be created
        {"1:6:1:fail=3", 4, false},                              // check list failure, cleared
        {"1:3:6:fail=3", 5, false},                              // invalid attribute(s), created
        {"1:6:2:fail=3", 6, false},                              // other failure, cleared
        {"1:6:2:drop", 6, true},
    };
    const char* const NAMES[] = {"authentication order",   "days to keep log files",     "unknown user message",
                                 "unknown client message", "check list failure message", "invalid attribute(s) message",
                                 "other failure message"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        open(small_config().c_str());
        change_everything();
        ASSERT_EQ(sim_add_fault(server, c.fault), 0);
        EXPECT_FALSE(config_save());

        std::vector<std::string> now = parts(stored_config());
        for (uint32_t part = 0; part < 7; ++part)
            EXPECT_EQ(now[part], part < c.written ? new_parts[part] : old_parts[part]) << "part " << part;

        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(prompt.asked[0].title, "KEELADMIN Error");
        const std::string text = messages()[0];
        const std::string status =
            c.dropped ? "Error while saving settings.\n(0068: " : "Error while saving settings.\n(0003: i/o error)";
        EXPECT_EQ(text.rfind(status, 0), 0u) << text;
        if (c.written == 0) {
            EXPECT_NE(text.find("Nothing was saved."), std::string::npos) << text;
        } else {
            std::string saved = "Saved: ", not_saved = "Not saved, still as before on the server: ";
            for (uint32_t part = 0; part < 7; ++part) {
                std::string& list = part < c.written ? saved : not_saved;
                if (list.back() != ' ') list += ", ";
                list += NAMES[part];
            }
            EXPECT_NE(text.find(saved + ".\n" + not_saved + "."), std::string::npos) << text;
        }
        // The changes stay for another Save, which writes them all.
        EXPECT_TRUE(config_panel().modified);
        prompt.asked.clear();
        if (c.dropped) {  // the session is gone
            close();
            continue;
        }
        ASSERT_TRUE(config_save());
        EXPECT_EQ(stored_config(), after);
        close();
    }
}

}  // namespace
