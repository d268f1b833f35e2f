// The dictionary against crafted responses: which records are kept, the
// count + 1 rule, value names and has_values, the failure table and its
// messages, and the lookups.
#include <gtest/gtest.h>

#include <string>

#include "attrs/dictionary.h"
#include "resources/strings.h"
#include "tests/api/fake_transport.h"
#include "tests/support/scripted_prompt.h"

namespace {

struct Attr {
    const char* name;
    uint32_t number, type, flags;
};

ResponseBuilder& add_attribute(ResponseBuilder& r, const Attr& a) {
    return r.text(9, a.name).u32(11, a.number).u32(12, a.type).u32(13, a.flags).item(14, {});
}

ResponseBuilder& add_value(ResponseBuilder& r, const char* attribute, const char* name, uint32_t value,
                           uint32_t aux = 0) {
    return r.text(9, attribute).text(10, name).u32(11, value).u32(13, aux).item(14, {});
}

uint16_t function_of(const Bytes& request) { return (uint16_t)(request[4] | request[5] << 8); }

class DictionaryLoad : public ::testing::Test {
protected:
    FakeTransport fake;
    ScriptedPrompt prompt;
    Bytes attributes = ResponseBuilder().end();
    Bytes values = ResponseBuilder().u32(15, 0).end();
    Dictionary dictionary = {0, nullptr, 0, nullptr};

    void SetUp() override {
        fake.answer = [this](const Bytes& request) { return function_of(request) == 2 ? attributes : values; };
    }
    void TearDown() override { dictionary_free(&dictionary); }

    bool load(const char* name = nullptr) {
        FakeConnection connection(&fake);
        return load_dictionary_into(&dictionary, (void*)0x77, name);
    }
    std::string names() const {
        std::string out;
        for (uint32_t i = 0; i < dictionary.attribute_count; ++i) {
            out += (i ? " " : "") + std::string(dictionary.attributes[i].name);
            if (dictionary.attributes[i].has_values) out += "*";
        }
        return out;
    }
    void expect_message(uint16_t id) {
        ASSERT_EQ(prompt.asked.size(), 1u);
        EXPECT_EQ(prompt.asked[0].text, string_text(id));
        EXPECT_EQ(prompt.asked[0].title, "ERROR");
        EXPECT_EQ(prompt.asked[0].icon, PROMPT_ICON_STOP);
        EXPECT_EQ(prompt.asked[0].owner, (void*)0x77);
    }
};

TEST_F(DictionaryLoad, KeepsCompleteRecordsInOrder) {
    ResponseBuilder r;
    r.u32(15, 4);
    add_attribute(r, {"User-Name", 1, 0, 0x01});
    r.text(9, "No-Type").u32(11, 50).u32(13, 4).item(14, {});           // dropped: no type
    r.text(9, "Short").u32(11, 51).u32(12, 1).u16(13, 4).item(14, {});  // dropped: flags of 2 bytes
    r.u32(11, 52).u32(12, 1).u32(13, 4).item(14, {});                   // dropped: no name
    r.text(9, "Flags").u32(11, 53).u32(12, 1).u32(13, 0x12345).u32(99, 0).item(14, {});
    r.text(9, "Restated").u32(11, 54).u32(11, 0).u32(12, 1).u8(12, 9).u32(13, 4).item(14, {});
    attributes = r.end();
    ASSERT_TRUE(load());
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_EQ(names(), "User-Name Flags Restated");
    EXPECT_EQ(dictionary.attribute_count, 3u) << "the kept records, not the announced count";
    EXPECT_EQ(dictionary.attributes[1].flags, 0x2345) << "the low 16 bits";
    EXPECT_EQ(dictionary.attributes[2].number, 0u) << "the last well-formed item wins";
    EXPECT_EQ(dictionary.attributes[2].type, 1u) << "a type item of the wrong length is ignored";
    EXPECT_EQ(dictionary.value_count, 0u);
}

TEST_F(DictionaryLoad, ItemsBeforeTheCountAreSkippedAndCountPlusOneAreKept) {
    ResponseBuilder r;
    add_attribute(r, {"Before-Count", 9, 0, 1});
    r.u16(15, 2).u32(15, 2);  // a count of the wrong length is not the count
    for (uint32_t i = 1; i <= 5; ++i) add_attribute(r, {("A" + std::to_string(i)).c_str(), i, 1, 4});
    attributes = r.end();
    ASSERT_TRUE(load());
    EXPECT_EQ(names(), "A1 A2 A3");
}

TEST_F(DictionaryLoad, NamesAreCutTo31Bytes) {
    ResponseBuilder r;
    r.u32(15, 1);
    add_attribute(r, {"Attribute-Name-Of-Forty-Characters-Long", 1, 0, 1});
    attributes = r.end();
    ResponseBuilder v;
    v.u32(15, 1);
    add_value(v, "Attribute-Name-Of-Forty-Characters-Long", "Value-Name-Also-Longer-Than-31-Bytes", 7, 0x1234);
    values = v.end();
    ASSERT_TRUE(load());
    EXPECT_STREQ(dictionary.attributes[0].name, "Attribute-Name-Of-Forty-Charact");
    EXPECT_STREQ(dictionary.values[0].name, "Value-Name-Also-Longer-Than-31-");
    EXPECT_EQ(dictionary.values[0].aux, 0x1234);
    EXPECT_TRUE(dictionary.attributes[0].has_values);
}

TEST_F(DictionaryLoad, HasValuesIgnoresCaseButLookupsDoNot) {
    ResponseBuilder r;
    r.u32(15, 3);
    add_attribute(r, {"Service-Type", 6, 1, 0x07});
    add_attribute(r, {"Framed-Protocol", 7, 1, 0x07});
    add_attribute(r, {"Idle-Timeout", 28, 1, 0x04});
    attributes = r.end();
    ResponseBuilder v;
    v.u32(15, 4);
    add_value(v, "SERVICE-TYPE", "Login-User", 1);
    add_value(v, "Framed-Protocol", "PPP", 1);
    add_value(v, "Framed-Protocol", "SLIP", 2);
    v.text(9, "Framed-Protocol").text(10, "No-Aux").u32(11, 3).item(14, {});  // dropped
    add_value(v, "Framed-Protocol", "ARAP", 3);
    values = v.end();
    ASSERT_TRUE(load());
    EXPECT_EQ(names(), "Service-Type* Framed-Protocol* Idle-Timeout");
    EXPECT_STREQ(value_name_for(&dictionary, "Service-Type", 1), "");
    EXPECT_STREQ(value_name_for(&dictionary, "SERVICE-TYPE", 1), "Login-User");
    EXPECT_STREQ(value_name_for(&dictionary, "Framed-Protocol", 3), "ARAP");
    EXPECT_STREQ(value_name_for(&dictionary, "Framed-Protocol", 4), "");
    EXPECT_EQ(dictionary.value_count, 4u);
}

TEST_F(DictionaryLoad, ServerWithoutValueNames) {
    ResponseBuilder r;
    r.u32(15, 1);
    add_attribute(r, {"Service-Type", 6, 1, 0x07});
    attributes = r.end();
    values = ResponseBuilder(7).end();
    ASSERT_TRUE(load());
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_EQ(names(), "Service-Type");
    EXPECT_EQ(dictionary.value_count, 0u);
    EXPECT_EQ(dictionary.values, nullptr);
}

TEST_F(DictionaryLoad, TheNameGoesOutWithBothRequests) {
    ResponseBuilder r;
    r.u32(15, 0);
    attributes = r.end();
    ASSERT_TRUE(load("livingston.dct"));
    ASSERT_EQ(fake.requests.size(), 2u);
    for (const Bytes& request : fake.requests) {
        EXPECT_NE(to_hex(request).find("06 00 0f 00 " + to_hex(Bytes{'l', 'i', 'v'})), std::string::npos);
    }
    EXPECT_TRUE(dictionary_loaded(&dictionary)) << "an empty table is still a table";
    EXPECT_EQ(dictionary.attribute_count, 0u);
}

TEST_F(DictionaryLoad, FailureTable) {
    ResponseBuilder good;
    good.u32(15, 1);
    add_attribute(good, {"A", 1, 0, 1});
    struct Case {
        const char* what;
        Bytes attributes, values;
        uint16_t transact_status;
        uint16_t message;  // 0: none
    } cases[] = {
        {"no count in the attribute table", ResponseBuilder().text(9, "A").end(), ResponseBuilder().end(), 0,
         IDS_DICTIONARY_FAILED},
        {"status in the attribute table", ResponseBuilder(7).end(), ResponseBuilder().end(), 0, IDS_DICTIONARY_FAILED},
        {"no count in the value table", good.end(), ResponseBuilder().text(9, "A").end(), 0, IDS_DICTIONARY_FAILED},
        {"a count no response could hold", ResponseBuilder().u32(15, 0xFFFFFFFF).end(), ResponseBuilder(7).end(), 0, 0},
        {"transport failure", good.end(), good.end(), 104, 0},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompt.asked.clear();
        attributes = c.attributes;
        values = c.values;
        fake.transact_status = c.transact_status;
        bool loaded = load();
        if (c.message == 0 && c.transact_status == 0) {
            EXPECT_TRUE(loaded) << "a huge count sizes nothing: the response bounds the table";
            continue;
        }
        EXPECT_FALSE(loaded);
        EXPECT_EQ(dictionary.attributes, nullptr);
        EXPECT_EQ(dictionary.values, nullptr);
        EXPECT_EQ(dictionary.attribute_count + dictionary.value_count, 0u);
        if (c.message)
            expect_message(c.message);
        else
            EXPECT_TRUE(prompt.asked.empty());
    }
}

TEST_F(DictionaryLoad, ReplacesTheProgramDictionary) {
    ResponseBuilder r;
    r.u32(15, 1);
    add_attribute(r, {"First", 1, 0, 1});
    attributes = r.end();
    FakeConnection connection(&fake);
    ASSERT_TRUE(load_dictionary(nullptr, nullptr));
    EXPECT_EQ(find_attribute(program_dictionary(), "First"), 0);
    attributes = ResponseBuilder(7).end();
    EXPECT_FALSE(load_dictionary(nullptr, nullptr));
    EXPECT_FALSE(dictionary_loaded(program_dictionary())) << "a failed load leaves no table";
    dictionary_free(program_dictionary());
}

TEST(DictionaryLookups, ExactNamesFirstMatches) {
    AttributeDefinition attributes[] = {{"Alpha", 5, 1, 4, 0}, {"Beta", 5, 2, 4, 1}, {"beta", 7, 2, 4, 0}};
    AttributeValueName values[] = {
        {"Beta", "One", 1, 0}, {"Beta", "Two", 2, 0}, {"Other", "One", 9, 0}, {"Beta", "Late", 3, 0}};
    Dictionary dictionary = {3, attributes, 4, values};
    EXPECT_EQ(find_attribute(&dictionary, "beta"), 2);
    EXPECT_EQ(find_attribute(&dictionary, "BETA"), -1);
    EXPECT_STREQ(attribute_name_for_number(&dictionary, 5), "Alpha");
    EXPECT_EQ(attribute_name_for_number(&dictionary, 6), nullptr);
    EXPECT_EQ(first_value_index(&dictionary, "Other"), 2);
    EXPECT_EQ(first_value_index(&dictionary, "beta"), -1);
    EXPECT_STREQ(value_name_for(&dictionary, "Beta", 2), "Two");
    EXPECT_STREQ(value_name_for(&dictionary, "Beta", 3), "") << "the names of one attribute stand together";
    uint32_t value = 0;
    EXPECT_TRUE(value_for_name(&dictionary, "Beta", "Late", &value));
    EXPECT_EQ(value, 3u) << "the whole table is searched by name";
    EXPECT_FALSE(value_for_name(&dictionary, "Beta", "late", &value));
    Dictionary empty = {0, nullptr, 0, nullptr};
    EXPECT_EQ(find_attribute(&empty, "Alpha"), -1);
    EXPECT_STREQ(value_name_for(&empty, "Beta", 1), "");
}

}  // namespace
