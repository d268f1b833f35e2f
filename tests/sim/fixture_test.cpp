// The fixture format: reading, writing, and the round trip between them.
#include <string.h>

#include "sim/fixture.h"
#include "sim_test_support.h"

namespace {

uint16_t apply(SimState* state, const std::string& text, std::string* error = nullptr) {
    return fixture_apply(state, text.data(), text.size(), test_directory() + "/", 0, error);
}

void expect_same_state(const SimState& a, const SimState& b) {
    EXPECT_EQ(a.service_version, b.service_version);
    EXPECT_EQ(a.required_console_version, b.required_console_version);
    EXPECT_EQ(a.option_mask, b.option_mask);
    EXPECT_EQ(a.access_level, b.access_level);
    EXPECT_EQ(a.status_text, b.status_text);
    ASSERT_EQ(a.products.size(), b.products.size());
    for (size_t i = 0; i < a.products.size(); ++i) {
        EXPECT_EQ(a.products[i].name, b.products[i].name);
        EXPECT_EQ(a.products[i].value, b.products[i].value);
    }
    EXPECT_EQ(a.admin_users, b.admin_users);
    EXPECT_EQ(a.admin_groups, b.admin_groups);
    ASSERT_EQ(a.counters.size(), b.counters.size());
    for (auto i = a.counters.begin(), j = b.counters.begin(); i != a.counters.end(); ++i, ++j) {
        EXPECT_EQ(i->first, j->first);
        EXPECT_EQ(i->second.value, j->second.value);
        EXPECT_EQ(i->second.rate, j->second.rate);
    }
    ASSERT_EQ(a.sessions.size(), b.sessions.size());
    for (size_t i = 0; i < a.sessions.size(); ++i) {
        const SimSession &x = a.sessions[i], &y = b.sessions[i];
        EXPECT_EQ(x.client + x.user + x.dn + x.session_id, y.client + y.user + y.dn + y.session_id);
        EXPECT_EQ(x.time + x.port + x.port_type + x.ip, y.time + y.port + y.port_type + y.ip);
    }
    ASSERT_EQ(a.dictionaries.size(), b.dictionaries.size());
    for (auto i = a.dictionaries.begin(), j = b.dictionaries.begin(); i != a.dictionaries.end(); ++i, ++j) {
        EXPECT_EQ(i->first, j->first);
        EXPECT_EQ(i->second.file, j->second.file);
        EXPECT_EQ(i->second.attributes.size(), j->second.attributes.size());
        EXPECT_EQ(i->second.values.size(), j->second.values.size());
    }
    EXPECT_EQ(a.classes, b.classes);
}

const char RICH_FIXTURE[] =
    "# every kind of statement\n"
    "service-version 0x00011F00\n"
    "required-console-version 0x00011E00\n"
    "access-level 2\n"
    "option-mask 0x15\n"
    "status-text \"Running\\r\\nsince \\\"today\\\"\"\n"
    "product \"PortMaster 2\" 7\n"
    "product Bare 8\n"
    "admin user \"DOMAIN\\\\alice\"\n"
    "admin group Admins\n"
    "counter 0 120\n"
    "counter 1 5000 3\n"
    "session client=NAS1 user=\"J Smith\" dn=\"cn=J Smith\" session-id=0001 time=\"07/04/2001 12:30:05\" "
    "port=12 port-type=Async ip=10.0.0.7\n"
    "dictionary \"\" dict.txt\n"
    "class \"Empty\"\n"
    "object Client \"NAS \\\"one\\\"\"\n"
    "  property Secret text \"abc\"\n"
    "  property Empty hex \"\"\n"
    "  property Binary hex \"00 01 7f 80 ff\"\n"
    "  property \"Tab\\tName\" text \"\\xe9l\\xe8ve\"\n"
    "  property NoNul hex \"41 42\"\n"
    "  property TwoNuls hex \"41 00 00\"\n"
    "object \"++a-Profile\" \"\\x01\\x7f\"\n";

class FixtureFormatTest : public ::testing::Test {
protected:
    void SetUp() override {
        write_test_file("dict.txt",
                        "attribute User-Name 1 0 0x05\n"
                        "attribute Service-Type 6 1 4\n"
                        "value Service-Type Login 1\n"
                        "value Service-Type Framed 2 9\n");
    }
};

TEST_F(FixtureFormatTest, ReadsEveryStatement) {
    SimState state;
    std::string error;
    ASSERT_EQ(0, apply(&state, RICH_FIXTURE, &error)) << error;
    EXPECT_EQ(0x00011F00u, state.service_version);
    EXPECT_EQ(0x15u, state.option_mask);
    EXPECT_EQ("Running\r\nsince \"today\"", state.status_text);
    ASSERT_EQ(2u, state.products.size());
    EXPECT_EQ("PortMaster 2", state.products[0].name);
    EXPECT_EQ(1u, state.admin_users.count("DOMAIN\\alice"));
    EXPECT_EQ(3u, state.counters[1].rate);
    ASSERT_EQ(1u, state.sessions.size());
    EXPECT_EQ("J Smith", state.sessions[0].user);
    EXPECT_EQ("cn=J Smith", state.sessions[0].dn);
    EXPECT_EQ("10.0.0.7", state.sessions[0].ip);
    const SimDictionary& dictionary = state.dictionaries[""];
    ASSERT_EQ(2u, dictionary.attributes.size());
    EXPECT_EQ(5u, dictionary.attributes[0].flags);
    ASSERT_EQ(2u, dictionary.values.size());
    EXPECT_EQ(9u, dictionary.values[1].aux);
    EXPECT_EQ(0u, dictionary.values[0].aux);
    const SimProperties& nas = state.classes["Client"]["NAS \"one\""];
    EXPECT_EQ(std::string("abc\0", 4), nas.at("Secret"));
    EXPECT_EQ("", nas.at("Empty"));
    EXPECT_EQ(std::string("\x00\x01\x7f\x80\xff", 5), nas.at("Binary"));
    EXPECT_EQ(std::string("\xe9l\xe8ve\0", 6), nas.at("Tab\tName"));
    EXPECT_EQ(1u, state.classes.count("Empty"));
    EXPECT_EQ(1u, state.classes["++a-Profile"].count("\x01\x7f"));
}

TEST_F(FixtureFormatTest, SavedTextLoadsBackToTheSameState) {
    SimState original;
    ASSERT_EQ(0, apply(&original, RICH_FIXTURE));
    std::string saved = fixture_text(original, 0);
    SimState reloaded;
    std::string error;
    ASSERT_EQ(0, apply(&reloaded, saved, &error)) << error << "\n" << saved;
    expect_same_state(original, reloaded);
    EXPECT_EQ(saved, fixture_text(reloaded, 0));
}

TEST_F(FixtureFormatTest, EveryByteValueRoundTripsInNamesAndValues) {
    SimState original;
    std::string all;
    for (int c = 0; c < 256; ++c) all.push_back((char)c);
    std::string name = all.substr(1);  // names cannot hold a NUL
    original.classes[name][name][name] = all;
    original.classes[name][name]["text"] = std::string("plain\0", 6);
    original.status_text = all;
    original.sessions.push_back(SimSession());
    original.sessions[0].user = name;
    SimState reloaded;
    std::string error;
    ASSERT_EQ(0, apply(&reloaded, fixture_text(original, 0), &error)) << error;
    expect_same_state(original, reloaded);
}

TEST_F(FixtureFormatTest, PrintableTextWithOneNulIsWrittenAsTextElseHex) {
    SimState state;
    SimProperties& object = state.classes["C"]["O"];
    object["a"] = std::string("hello\0", 6);
    object["b"] = "hello";
    object["c"] = std::string("he\0llo\0", 7);
    object["d"] = std::string("caf\xe9\0", 5);
    std::string text = fixture_text(state, 0);
    EXPECT_NE(std::string::npos, text.find("property \"a\" text \"hello\"\n"));
    EXPECT_NE(std::string::npos, text.find("property \"b\" hex \"68656c6c6f\"\n"));
    EXPECT_NE(std::string::npos, text.find("property \"c\" hex \"6865006c6c6f00\"\n"));
    EXPECT_NE(std::string::npos, text.find("property \"d\" hex \"636166e900\"\n"));
}

TEST_F(FixtureFormatTest, CountersAreSavedWithTheirRunningValue) {
    SimState state;
    ASSERT_EQ(0, apply(&state, "counter 0 100\ncounter 4 10 2\ncounter 5 7\n"));
    std::string text = fixture_text(state, 3500);  // 3.5 s of run time
    EXPECT_NE(std::string::npos, text.find("counter 0 103\n")) << text;
    EXPECT_NE(std::string::npos, text.find("counter 4 17 2\n")) << text;
    EXPECT_NE(std::string::npos, text.find("counter 5 7\n")) << text;
}

TEST_F(FixtureFormatTest, MistakesNameTheirLine) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"access-level 2\nfrobnicate 1\n", "line 2: unknown statement"},
        {"\n\nproperty X text \"y\"\n", "line 3: property before any object"},
        {"object C O\nproperty X hex \"0g\"\n", "line 2: bad hex"},
        {"object C O\nproperty X hex \"012\"\n", "line 2: bad hex"},
        {"status-text \"open\n", "line 1: unterminated quote"},
        {"status-text \"\\q\"\n", "line 1: unknown escape"},
        {"status-text \"\\x4\"\n", "line 1: \\x needs two hex digits"},
        {"access-level 65536\n", "line 1: bad number"},
        {"counter 1 0x\n", "line 1: bad number"},
        {"object C\n", "line 1: wrong number of tokens"},
        {"admin robot X\n", "line 1: admin kind"},
        {"session user=a nickname=b\n", "line 1: unknown session field"},
        {"object \"C\" \"a\\x00b\"\n", "line 1: a name or text cannot hold a NUL"},
        {"dictionary \"\" missing-file.txt\n", "line 1: dictionary"},
    };
    for (const Case& c : cases) {
        SimState state;
        std::string error;
        EXPECT_EQ(3, apply(&state, c.text, &error)) << c.text;
        EXPECT_EQ(0u, error.find(c.message)) << c.text << " gave: " << error;
    }
}

TEST_F(FixtureFormatTest, MissingFixtureFileIsStatusOne) {
    SimState state;
    std::string error;
    EXPECT_EQ(1, fixture_load_file(&state, (test_directory() + "/no-such.fixture").c_str(), &error));
    EXPECT_NE(std::string::npos, error.find("no-such.fixture"));
}

TEST_F(FixtureFormatTest, SaveReplacesTheFileWhole) {
    SimState state;
    state.classes["C"]["O"]["P"] = "v";
    std::string path = write_test_file("replace.fixture", "old content that is much longer than the new one\n");
    std::string error;
    ASSERT_EQ(0, fixture_save_file(state, 0, path.c_str(), &error)) << error;
    EXPECT_EQ(fixture_text(state, 0), read_test_file(path));
    EXPECT_EQ("<missing>", read_test_file(path + ".keelsim-tmp"));
}

class ApplyTest : public SimServerTest {};

TEST_F(ApplyTest, RunTimeApplyIsAllOrNothing) {
    start("access-level 2\n");
    Client client;
    ASSERT_TRUE(client.open());
    RequestBuilder level(4, 5);
    EXPECT_EQ(2, client.call(level).u16(4));

    std::string error;
    EXPECT_EQ(3, sim_apply(server, "access-level 0\nobject C\n", &error));
    EXPECT_EQ(0u, error.find("line 2:")) << error;
    RequestBuilder again(4, 5);
    EXPECT_EQ(2, client.call(again).u16(4)) << "the good first line was not applied either";

    EXPECT_EQ(0, sim_apply(server, "access-level 0\n"));
    RequestBuilder after(4, 5);
    EXPECT_EQ(0, client.call(after).u16(4));
}

}  // namespace
