// The built keelcli's record commands against keelsim on the demo database,
// checked against the users panel's model running in this test program:
// the same stored bytes, the same refusals, nothing written when refused.
#include <gtest/gtest.h>

#include <ctype.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "api/db.h"
#include "api/db_lists.h"
#include "api/protocol.h"
#include "attrs/editor.h"
#include "cli/cli.h"
#include "panels/users.h"
#include "tests/cli/run_program.h"
#include "tests/panels/panel_fixture.h"
#include "ui/panel_commands.h"

namespace {

const char NATIVE[] = "++b-Native-User";

// A strict reader of one JSON text: true when all of it is one value.
struct JsonReader {
    const std::string& text;
    size_t at = 0;

    void blanks() {
        while (at < text.size() && strchr(" \t\r\n", text[at])) ++at;
    }
    bool literal(const char* word) {
        if (text.compare(at, strlen(word), word) != 0) return false;
        at += strlen(word);
        return true;
    }
    bool string() {
        if (!literal("\"")) return false;
        while (at < text.size() && text[at] != '"') {
            if ((unsigned char)text[at] < 0x20) return false;
            if (text[at] == '\\') ++at;
            ++at;
        }
        return literal("\"");
    }
    bool number() {
        const size_t start = at;
        if (at < text.size() && text[at] == '-') ++at;
        while (at < text.size() && isdigit((unsigned char)text[at])) ++at;
        return at > start;
    }
    template <typename Item>
    bool sequence(char open, char close, Item item) {
        if (!literal(std::string(1, open).c_str())) return false;
        blanks();
        if (literal(std::string(1, close).c_str())) return true;
        do {
            blanks();
            if (!item()) return false;
            blanks();
        } while (literal(","));
        return literal(std::string(1, close).c_str());
    }
    bool value() {
        blanks();
        if (at >= text.size()) return false;
        switch (text[at]) {
            case '{':
                return sequence('{', '}', [this] {
                    if (!string()) return false;
                    blanks();
                    return literal(":") && value();
                });
            case '[': return sequence('[', ']', [this] { return value(); });
            case '"': return string();
            default: return literal("true") || literal("false") || literal("null") || number();
        }
    }
    bool whole() {
        bool ok = value();
        blanks();
        return ok && at == text.size();
    }
};

bool parses(const std::string& text) { return JsonReader{text}.whole(); }

class KeelcliRecords : public PanelTest {
protected:
    void SetUp() override { open_session(nullptr); }
    ProgramResult run(std::vector<std::string> arguments) {
        test_directory();  // the socket directory, before the program inherits the environment
        ProgramResult result = run_program(KEELCLI_PATH, arguments);
        EXPECT_TRUE(result.started) << KEELCLI_PATH;
        return result;
    }
    // Every property of a user, name and bytes, in stored order.
    std::vector<std::string> user_properties(const char* name) {
        std::vector<std::string> properties;
        char* block = nullptr;
        uint32_t size = 0;
        EXPECT_EQ(db_list_all(NATIVE, name, &block, &size), 0);
        for (const char* property = block; property && *property; property += strlen(property) + 1)
            properties.push_back(std::string(property) + "=" + stored_property(NATIVE, name, property));
        free(block);
        return properties;
    }
    uint32_t writes() {
        uint32_t count = 0;
        for (uint16_t function : {DB_SET_TEXT, DB_SET, DB_CREATE, DB_DELETE, DB_RENAME})
            count += sim_request_count(server, SERVICE_DATABASE, function);
        return count;
    }
    void add_check_item(const char* attribute, const char* value) {
        EditorTarget target = {&users_panel().record, CHECK_LIST, program_dictionary(), nullptr};
        const AttributeDefinition* definition = find_definition(program_dictionary(), attribute);
        ASSERT_NE(definition, nullptr) << attribute;
        editor_add(target, *definition, {value, nullptr, false, false});
        users_lists_changed();
    }
};

TEST_F(KeelcliRecords, AUserAddedFromTheCommandLineIsStoredAsThePanelStoresIt) {
    ProgramResult r = run({"user", "add", "smith", "--password", "Pa55-word", "--pap-only", "--profile", "staff-vpn",
                           "--check", "NAS-Port-Type = ISDN-Sync", "--check", "Service-Type = Framed-User"});
    ASSERT_EQ(r.exit_code, EXIT_OK) << r.err;

    users_reset(PANEL_RESET_ALL);
    users_activate(0);
    ASSERT_TRUE(users_begin_add());
    ASSERT_TRUE(users_add(USER_NATIVE, "jones"));
    users_set_password("Pa55-word", true);
    users_choose_profile(name_list_find(&users_panel().profiles, "STAFF-VPN"));
    add_check_item("NAS-Port-Type", "ISDN-Sync");
    add_check_item("Service-Type", "Framed-User");
    ASSERT_TRUE(users_save());

    const std::vector<std::string> from_command = user_properties("SMITH");
    EXPECT_EQ(from_command.size(), 4u);
    EXPECT_EQ(from_command, user_properties("JONES"));

    // The panel reads the command's user as its own, and the password
    // validates with the text given.
    users_select((uint32_t)name_list_find(&users_panel().names, "SMITH"));
    EXPECT_FALSE(users_panel().modified);
    EXPECT_TRUE(users_validate_password("Pa55-word"));
    EXPECT_FALSE(users_validate_password("pa55-word"));
    users_reset(PANEL_RESET_ALL);
}

TEST_F(KeelcliRecords, RefusedValuesWriteNothing) {
    const struct {
        std::vector<std::string> arguments;
        const char* err;
    } refused[] = {
        {{"client", "add", "pop-north9", "--address", "10.1.2.300"}, nullptr},
        {{"client", "set", "hq-nas1", "--address", "10.1.2.300"}, nullptr},
        {{"user", "add", "jones", "--check", "No-Such-Attribute = 1"},
         "keelcli: the dictionary offers no attribute \"No-Such-Attribute\" for this list\n"},
        {{"user", "add", "jsmith"}, "keelcli: the user JSMITH already exists\n"},
        {{"profile", "remove", "dialup-standard"}, "keelcli: the profile DIALUP-STANDARD is in use by user AGARCIA\n"},
    };
    const std::string address = stored_property("Client", "HQ-NAS1", "IPAddress");
    for (const auto& c : refused) {
        // Each may read what it needs; none may create, set, rename or delete.
        const uint32_t writes_before = writes();
        ProgramResult r = run(c.arguments);
        EXPECT_EQ(r.exit_code, EXIT_FAILED) << c.arguments[0] << " " << c.arguments[2];
        if (c.err) {
            EXPECT_EQ(r.err, c.err);
        }
        EXPECT_EQ(writes(), writes_before) << c.arguments[0] << " " << c.arguments[2];
    }
    EXPECT_FALSE(sim_object_exists(server, "Client", "POP-NORTH9"));
    EXPECT_EQ(stored_property("Client", "HQ-NAS1", "IPAddress"), address);
    EXPECT_FALSE(sim_object_exists(server, NATIVE, "JONES"));
    EXPECT_TRUE(sim_object_exists(server, "++a-Profile", "DIALUP-STANDARD"));
}

TEST_F(KeelcliRecords, EveryListAndShowGivesJson) {
    const std::vector<std::vector<std::string>> commands = {
        {"user", "list", "--json"},    {"user", "show", "jsmith", "--json"}, {"profile", "list", "--json"},
        {"profile", "show", "dialup-standard", "--json"}, {"client", "list", "--json"},
        {"client", "show", "hq-nas1", "--json"},          {"proxy", "list", "--json"},
        {"pool", "list", "--json"},                       {"pool", "show", "dialup-pool", "--json"},
        {"config", "show", "--json"},                     {"sessions", "--json"},
    };
    for (const auto& command : commands) {
        ProgramResult r = run(command);
        EXPECT_EQ(r.exit_code, EXIT_OK) << command[0] << " " << command[1] << ": " << r.err;
        EXPECT_TRUE(parses(r.out)) << r.out;
    }
}

}  // namespace
