// The list editor's rules on crafted records: Add, Change and Del against
// own, inherited, subtracted and overwriting rows, echo, Default, the
// orderable groups, the button states, the property limit and the messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "attrs/editor.h"
#include "resources/strings.h"
#include "tests/attrs/attr_test_support.h"
#include "tests/support/scripted_prompt.h"

namespace {

const uint16_t OWN_C = IF_ORDINARY | IF_CHECK;
const uint16_t OWN_R = IF_ORDINARY | IF_RETURN;
const uint16_t SUB_R = IF_SUBTRACT | IF_RETURN;

class Editor : public ::testing::Test {
protected:
    TestDictionary dict;
    AttributeRecord record = {};
    ScriptedPrompt prompt;

    void SetUp() override {
        dict.attribute("User-Name", 1, AT_STRING, 0x01)
            .attribute("Service-Type", 6, AT_INTEGER, 0x07, true)
            .value("Service-Type", "Login-User", 1)
            .value("Service-Type", "Framed-User", 2)
            .attribute("Framed-IP-Address", 8, AT_ADDR_OR_POOL, 0x05)
            .attribute("Filter-Id", 11, AT_STRING, 0x0C)
            .attribute("Login-IP-Host", 14, AT_IPADDR, 0x1C)
            .attribute("Reply-Message", 18, AT_STRING, 0x1C)
            .attribute("Session-Timeout", 27, AT_INTEGER, 0x04)
            .attribute("Calling-Station-Id", 31, AT_STRING, 0x03)
            .attribute("Keel-Account-Disabled", 300, AT_CONSTANT, 0x01);
    }
    void TearDown() override { attribute_record_free(&record); }

    EditorTarget check() { return {&record, CHECK_LIST, &dict.dictionary, nullptr}; }
    EditorTarget ret() { return {&record, RETURN_LIST, &dict.dictionary, nullptr}; }
    void put(AttributeList* list, const AttributeInstance& instance) {
        ASSERT_TRUE(attribute_list_insert(list, list->count, instance));
    }
    void put_return(const char* name, uint32_t type, uint16_t flags, const std::string& data, uint32_t state = 0) {
        put(&record.return_list, make_instance(name, type, flags, data, state));
    }
    EditOutcome add(EditorTarget target, const char* name, const char* text, bool echo = false, bool def = false,
                    const char* pool = nullptr) {
        return editor_add(target, dict[name], {text, pool, echo, def});
    }
    EditOutcome change(EditorTarget target, uint16_t index, const char* text, bool echo = false, bool def = false) {
        return editor_change(target, index, {text, nullptr, echo, def});
    }
    std::string messages() {
        std::string out;
        for (const RecordedPrompt& asked : prompt.asked) out += (out.empty() ? "" : " | ") + asked.text;
        return out;
    }
};

TEST_F(Editor, SingleValuedRefusedOverOwnValueButReplacesTheProfilesRow) {
    put_return("Session-Timeout", AT_INTEGER, OWN_R, u32_bytes(3600));
    EditOutcome outcome = add(ret(), "Session-Timeout", "7200");
    EXPECT_EQ(outcome.result, EDIT_REFUSED);
    EXPECT_EQ(messages(), "Only a single instance of this attribute is permitted");
    EXPECT_EQ(prompt.asked[0].title, "ERROR");
    EXPECT_EQ(describe(record.return_list), "Session-Timeout=3600");

    record.return_list.items[0].state = IS_PROFILE;
    outcome = add(ret(), "Session-Timeout", "7200");
    EXPECT_EQ(outcome.result, EDIT_DONE);
    EXPECT_EQ(outcome.selection, 0);
    EXPECT_EQ(describe(record.return_list), "Session-Timeout=7200(o)");
    EXPECT_EQ(record.return_list.items[0].flags, OWN_R);
    EXPECT_EQ(prompt.asked.size(), 1u);
}

TEST_F(Editor, DeleteTogglesProfileAndSubtractAndRemovesOwnRows) {
    put_return("Filter-Id", AT_STRING, OWN_R, text_bytes("kids"));
    put_return("Filter-Id", AT_STRING, OWN_R, text_bytes("std"), IS_PROFILE | IS_OVERWRITE);
    put_return("Session-Timeout", AT_INTEGER, OWN_R, u32_bytes(60));

    EXPECT_EQ(editor_delete(ret(), 1), 1);
    EXPECT_EQ(describe(record.return_list), "Filter-Id=kids Filter-Id=std(s) Session-Timeout=60");
    EXPECT_EQ(record.return_list.items[1].flags, SUB_R);
    EXPECT_EQ(record.return_list.items[1].state, 0u);
    EXPECT_EQ(editor_delete(ret(), 1), 1);
    EXPECT_EQ(describe(record.return_list), "Filter-Id=kids Filter-Id=std(p) Session-Timeout=60");
    EXPECT_EQ(record.return_list.items[1].flags, OWN_R);

    // An orphaned subtraction is removed, not toggled.
    record.return_list.items[1].flags = SUB_R;
    record.return_list.items[1].state = IS_NO_PROFILE_MATCH;
    EXPECT_EQ(editor_delete(ret(), 1), 1);
    EXPECT_EQ(describe(record.return_list), "Filter-Id=kids Session-Timeout=60");
    EXPECT_EQ(editor_delete(ret(), 1), 0) << "the last row removed: the one above is selected";
    EXPECT_EQ(editor_delete(ret(), 0), -1);
    EXPECT_EQ(record.return_list.count, 0);
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(Editor, DeleteRevalidatesSingleValuedClashes) {
    put_return("Session-Timeout", AT_INTEGER, OWN_R, u32_bytes(1), IS_SINGLE_VALUED);
    put_return("Session-Timeout", AT_INTEGER, OWN_R, u32_bytes(2), IS_SINGLE_VALUED);
    EXPECT_EQ(editor_delete(ret(), 0), 0);
    EXPECT_EQ(describe(record.return_list), "Session-Timeout=2");
}

TEST_F(Editor, AddingASubtractedProfileValueEndsTheSubtraction) {
    put_return("Filter-Id", AT_STRING, OWN_R, text_bytes("kids"));
    put_return("Filter-Id", AT_STRING, SUB_R, text_bytes("std"));
    EditOutcome outcome = add(ret(), "Filter-Id", "std  ");  // trailing blanks are not part of the value
    EXPECT_EQ(outcome.result, EDIT_DONE);
    EXPECT_EQ(outcome.selection, 1);
    EXPECT_EQ(describe(record.return_list), "Filter-Id=kids Filter-Id=std(o)");
    EXPECT_EQ(record.return_list.items[1].flags, OWN_R);

    // An identical own value is left as it is; an inherited one becomes own.
    outcome = add(ret(), "Filter-Id", "kids");
    EXPECT_EQ(outcome.selection, 0);
    EXPECT_EQ(describe(record.return_list), "Filter-Id=kids Filter-Id=std(o)");
    put_return("Filter-Id", AT_STRING, OWN_R, text_bytes("web"), IS_PROFILE);
    add(ret(), "Filter-Id", "web");
    EXPECT_EQ(describe(record.return_list), "Filter-Id=kids Filter-Id=std(o) Filter-Id=web(o)");
    // A new value goes in by value.
    outcome = add(ret(), "Filter-Id", "Mail");
    EXPECT_EQ(outcome.selection, 1);
    EXPECT_EQ(describe(record.return_list), "Filter-Id=kids Filter-Id=Mail Filter-Id=std(o) Filter-Id=web(o)");
}

TEST_F(Editor, EchoOnTheReturnList) {
    put_return("Filter-Id", AT_STRING, OWN_R, text_bytes("a"));
    EditOutcome outcome = add(ret(), "Framed-IP-Address", "", true);
    ASSERT_EQ(outcome.result, EDIT_DONE);
    EXPECT_EQ(outcome.selection, 1) << "at its name's place";
    const AttributeInstance& echo = record.return_list.items[1];
    EXPECT_EQ(echo.flags, OWN_R | IF_ECHO);
    EXPECT_EQ(echo.length, 0);
    char line[VALUE_LINE_SIZE];
    format_value_line(echo, line, sizeof line);
    EXPECT_STREQ(line, "Framed-IP-Address    \t<Echo received or default value>");

    // Echo over an inherited row replaces it, marked overwrite.
    put_return("Session-Timeout", AT_INTEGER, OWN_R, u32_bytes(60), IS_PROFILE);
    outcome = add(ret(), "Session-Timeout", "", true);
    EXPECT_EQ(outcome.selection, 2);
    EXPECT_EQ(record.return_list.items[2].flags, OWN_R | IF_ECHO);
    EXPECT_EQ(record.return_list.items[2].state, IS_OVERWRITE);

    // Change: Echo off again with the same value keeps that value; a new value clears echo.
    uint16_t at = (uint16_t)find_first(record.return_list, "Session-Timeout");
    EXPECT_EQ(change(ret(), at, "", true).result, EDIT_UNCHANGED);
    EXPECT_EQ(change(ret(), at, "60").result, EDIT_DONE);
    EXPECT_EQ(record.return_list.items[at].flags, OWN_R);
    EXPECT_EQ(value_number(record.return_list.items[at]), 60u);
    EXPECT_EQ(change(ret(), at, "", true).result, EDIT_DONE);
    EXPECT_EQ(record.return_list.items[at].flags, OWN_R | IF_ECHO);
    EXPECT_EQ(change(ret(), at, "90").result, EDIT_DONE);
    EXPECT_EQ(describe(record.return_list), "Filter-Id=a Framed-IP-Address Session-Timeout=90(o)");
    EXPECT_EQ(record.return_list.items[at].flags, OWN_R);

    // Multi-valued attributes have no echo: the value is what counts.
    EditOutcome multi = add(ret(), "Filter-Id", "b", true);
    EXPECT_EQ(record.return_list.items[multi.selection].flags, OWN_R);
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(Editor, DefaultOnTheCheckList) {
    EditOutcome first = add(check(), "Service-Type", "Framed-User", false, true);
    ASSERT_EQ(first.result, EDIT_DONE);
    EXPECT_STREQ(record.check_list.items[0].value_name, "Framed-User");
    EXPECT_EQ(record.check_list.items[0].flags, OWN_C | IF_DEFAULT);
    EditOutcome second = add(check(), "Service-Type", "Login-User", false, true);
    EXPECT_EQ(second.selection, 0) << "Login-User (1) sorts before Framed-User (2)";
    EXPECT_EQ(record.check_list.items[0].flags, OWN_C | IF_DEFAULT);
    EXPECT_EQ(record.check_list.items[1].flags, OWN_C) << "one default per multi-valued attribute";

    // The Default rule runs on Change, also when only the box changed.
    EXPECT_EQ(change(check(), 1, "Framed-User", false, true).result, EDIT_DONE);
    EXPECT_EQ(record.check_list.items[0].flags, OWN_C);
    EXPECT_EQ(record.check_list.items[1].flags, OWN_C | IF_DEFAULT);
    EXPECT_EQ(change(check(), 1, "Framed-User", false, true).result, EDIT_UNCHANGED);
    EXPECT_EQ(change(check(), 1, "Framed-User", false, false).result, EDIT_DONE);
    EXPECT_EQ(record.check_list.items[1].flags, OWN_C);
}

TEST_F(Editor, OrderableAddDropsTheProfilesGroupAndAppends) {
    put_return("Filter-Id", AT_STRING, OWN_R, text_bytes("x"));
    put_return("Reply-Message", AT_STRING, OWN_R, text_bytes("Welcome"), IS_PROFILE);
    put_return("Reply-Message", AT_STRING, OWN_R, text_bytes("Bye"), IS_PROFILE);
    put_return("Session-Timeout", AT_INTEGER, OWN_R, u32_bytes(1));
    EditOutcome outcome = add(ret(), "Reply-Message", "Zebra");
    EXPECT_EQ(outcome.selection, 1);
    EXPECT_EQ(describe(record.return_list), "Filter-Id=x Reply-Message=Zebra(o) Session-Timeout=1");
    outcome = add(ret(), "Reply-Message", "Apple");
    EXPECT_EQ(outcome.selection, 2) << "the end of the group, not by value";
    EXPECT_EQ(describe(record.return_list),
              "Filter-Id=x Reply-Message=Zebra(o) Reply-Message=Apple(o) Session-Timeout=1");

    // Without a profile behind it an own group stays plain.
    add(ret(), "Login-IP-Host", "10.0.0.9");
    add(ret(), "Login-IP-Host", "10.0.0.1");
    EXPECT_EQ(describe(record.return_list),
              "Filter-Id=x Login-IP-Host=167772169 Login-IP-Host=167772161 Reply-Message=Zebra(o) "
              "Reply-Message=Apple(o) Session-Timeout=1");
}

TEST_F(Editor, UpAndDownOnlyInsideAnOwnOrderableGroup) {
    put_return("Filter-Id", AT_STRING, OWN_R, text_bytes("a"));
    put_return("Filter-Id", AT_STRING, OWN_R, text_bytes("b"));
    put_return("Reply-Message", AT_STRING, OWN_R, text_bytes("1"));
    put_return("Reply-Message", AT_STRING, OWN_R, text_bytes("2"));
    put_return("Reply-Message", AT_STRING, OWN_R, text_bytes("3"));
    put_return("Reply-Message", AT_STRING, OWN_R, text_bytes("p"), IS_PROFILE);
    put_return("Reply-Message", AT_STRING, SUB_R, text_bytes("s"));
    put_return("Session-Timeout", AT_INTEGER, OWN_R, u32_bytes(1));
    struct Case {
        int32_t row;
        bool up, down;
    } cases[] = {{0, false, false}, {1, false, false}, {2, false, true},  {3, true, true},
                 {4, true, true},   {5, false, false}, {6, false, false}, {7, false, false}};
    for (const Case& c : cases) {
        PageButtons buttons = page_buttons(record.return_list, c.row, &dict.dictionary);
        EXPECT_EQ(buttons.up, c.up) << c.row;
        EXPECT_EQ(buttons.down, c.down) << c.row;
        EXPECT_TRUE(buttons.del);
    }
    EXPECT_EQ(editor_move(&record.return_list, 2, false), 3);
    EXPECT_EQ(editor_move(&record.return_list, 3, false), 4);
    EXPECT_EQ(describe(record.return_list),
              "Filter-Id=a Filter-Id=b Reply-Message=2 Reply-Message=3 Reply-Message=1 Reply-Message=p(p) "
              "Reply-Message=s(s) Session-Timeout=1");
    PageButtons none = page_buttons(record.return_list, -1, &dict.dictionary);
    EXPECT_FALSE(none.del || none.edit || none.up || none.down);
}

TEST_F(Editor, MarkerAndEditPerRowState) {
    struct Case {
        uint16_t flags;
        uint32_t state;
        RowMarker marker;
        bool edit;
    } cases[] = {{OWN_R, 0, MARK_NONE, true},
                 {OWN_R, IS_PROFILE, MARK_PROFILE, true},
                 {OWN_R, IS_OVERWRITE, MARK_OVERWRITE, true},
                 {OWN_R, IS_OVERWRITE | IS_WRITTEN, MARK_OVERWRITE, true},
                 {SUB_R, 0, MARK_SUBTRACT, false},
                 {SUB_R, IS_NO_PROFILE_MATCH, MARK_ERROR, false},
                 {OWN_R, IS_PROFILE | IS_OVERWRITE, MARK_ERROR, true},
                 {OWN_R, IS_UNKNOWN_ATTRIBUTE, MARK_ERROR, false},
                 {OWN_R, IS_TYPE_MISMATCH, MARK_ERROR, false},
                 {OWN_R, IS_SINGLE_VALUED, MARK_ERROR, false},
                 {OWN_R, IS_LONG_VALUE, MARK_ERROR, false}};
    for (const Case& c : cases) {
        attribute_list_free(&record.return_list);
        put_return("Filter-Id", AT_STRING, c.flags, text_bytes("a"), c.state);
        EXPECT_EQ(row_marker(record.return_list.items[0]), c.marker) << c.flags << " " << c.state;
        EXPECT_EQ(page_buttons(record.return_list, 0, &dict.dictionary).edit, c.edit) << c.flags << " " << c.state;
    }
}

TEST_F(Editor, InsufficientSpaceForAnotherValue) {
    // Each 127-character value takes 6 + 128 bytes; 267 of them fill 35 782 of 35 840.
    for (int i = 0; i < 267; ++i) {
        std::string text = std::to_string(100000 + i);
        text.resize(127, 'v');
        put_return("Filter-Id", AT_STRING, OWN_R, text_bytes(text.c_str()));
    }
    EditOutcome outcome = add(ret(), "Filter-Id", std::string(127, 'n').c_str());
    EXPECT_EQ(outcome.result, EDIT_REFUSED);
    EXPECT_EQ(messages(), "There is insufficient space for all values of this attribute");
    EXPECT_EQ(record.return_list.count, 267);
    EXPECT_EQ(add(ret(), "Filter-Id", std::string(50, 'n').c_str()).result, EDIT_DONE) << "56 bytes still fit";

    // Change of a multi-valued value past the limit is refused and closes.
    prompt.asked.clear();
    outcome = change(ret(), 0, std::string(127, 'm').c_str());
    EXPECT_EQ(outcome.result, EDIT_REFUSED_CLOSE);
    EXPECT_EQ(messages(), "There is insufficient space for all values of this attribute");
}

TEST_F(Editor, ChangeIsRefusedWithTheRowsOwnReason) {
    struct Case {
        const char* name;
        uint32_t type;
        uint16_t flags;
        uint32_t state;
        const char* message;
    } cases[] = {
        {"Filter-Id", AT_STRING, OWN_R, IS_SINGLE_VALUED | IS_UNKNOWN_ATTRIBUTE,
         "Dictionary does not contain attribute name stored in database"},
        {"Filter-Id", AT_STRING, SUB_R, IS_NO_PROFILE_MATCH,
         "User attribute indicates subtraction of a profile\nattribute that no longer exists in the referenced "
         "profile"},
        {"Filter-Id", AT_STRING, SUB_R, 0, "Cannot change subtracted attribute"},
        {"Keel-Account-Disabled", AT_CONSTANT, OWN_R, 0, "Constant attributes cannot be changed."},
        {"Filter-Id", AT_STRING, OWN_R, 0, ""},
    };
    for (const Case& c : cases) {
        attribute_list_free(&record.return_list);
        prompt.asked.clear();
        put_return(c.name, c.type, c.flags, "", c.state);
        uint16_t refused = editor_check_change(ret(), 0);
        EXPECT_EQ(refused != 0, c.message[0] != 0);
        EXPECT_EQ(messages(), c.message);
    }
}

TEST_F(Editor, ChangeOfANonOrderableMultiValuedValue) {
    put_return("Filter-Id", AT_STRING, OWN_R, text_bytes("a"));
    put_return("Filter-Id", AT_STRING, OWN_R, text_bytes("b"));
    put_return("Filter-Id", AT_STRING, OWN_R, text_bytes("p"), IS_PROFILE);
    put_return("Filter-Id", AT_STRING, OWN_R, text_bytes("q"), IS_OVERWRITE);

    EditOutcome outcome = change(ret(), 0, "b");
    EXPECT_EQ(outcome.result, EDIT_REFUSED);
    EXPECT_EQ(messages(), "An attribute with this name and value\n already exists in the list");

    // An own row changed to an inherited value: that row becomes own, this one goes.
    outcome = change(ret(), 0, "p");
    EXPECT_EQ(outcome.result, EDIT_DONE);
    EXPECT_EQ(outcome.selection, 1);
    EXPECT_EQ(describe(record.return_list), "Filter-Id=b Filter-Id=p(o) Filter-Id=q(o)");

    // An inherited row given a new value is subtracted; the new value is own, by value.
    put_return("Filter-Id", AT_STRING, OWN_R, text_bytes("r"), IS_PROFILE);
    outcome = change(ret(), 3, "c");
    EXPECT_EQ(outcome.selection, 1);
    EXPECT_EQ(describe(record.return_list), "Filter-Id=b Filter-Id=c Filter-Id=p(o) Filter-Id=q(o) Filter-Id=r(s)");
    EXPECT_EQ(record.return_list.items[4].flags, SUB_R);

    // An own row that overwrote the profile's value gives it back.
    outcome = change(ret(), 3, "a");
    EXPECT_EQ(outcome.selection, 0);
    EXPECT_EQ(describe(record.return_list),
              "Filter-Id=a Filter-Id=b Filter-Id=c Filter-Id=p(o) Filter-Id=q(p) Filter-Id=r(s)");
    EXPECT_EQ(prompt.asked.size(), 1u);
}

TEST_F(Editor, ChangeOfASingleValuedValueStaysInPlace) {
    put_return("Framed-IP-Address", AT_ADDR_OR_POOL, OWN_R, u32_bytes(1) + text_bytes("POOL-A"), IS_PROFILE);
    EditOutcome outcome = editor_change(ret(), 0, {"", "POOL-B", false, false});
    EXPECT_EQ(outcome.result, EDIT_DONE);
    char text[VALUE_TEXT_SIZE];
    format_list_text(record.return_list.items[0], text, sizeof text);
    EXPECT_STREQ(text, "<POOL-B>");
    EXPECT_EQ(record.return_list.items[0].state, IS_OVERWRITE);
    EXPECT_EQ(record.return_list.items[0].flags, OWN_R);

    EXPECT_EQ(editor_change(ret(), 0, {"", "", false, false}).result, EDIT_REFUSED);
    EXPECT_EQ(messages(), "You must select a pool name");
    EXPECT_EQ(change(ret(), 0, "10.1.2.3").result, EDIT_DONE);
    format_list_text(record.return_list.items[0], text, sizeof text);
    EXPECT_STREQ(text, "10.1.2.3");
}

TEST_F(Editor, ChangeOfAnOrderableValueKeepsItsPlace) {
    put_return("Reply-Message", AT_STRING, OWN_R, text_bytes("one"));
    put_return("Reply-Message", AT_STRING, OWN_R, text_bytes("two"));
    put_return("Reply-Message", AT_STRING, OWN_R, text_bytes("three"));
    EXPECT_EQ(change(ret(), 0, "zero").selection, 0);
    EXPECT_EQ(describe(record.return_list), "Reply-Message=zero Reply-Message=two Reply-Message=three");
    EXPECT_EQ(change(ret(), 0, "three").result, EDIT_REFUSED);
    EXPECT_EQ(messages(), "An attribute with this name and value\n already exists in the list");
    EXPECT_EQ(change(ret(), 1, "two").result, EDIT_UNCHANGED);

    // Changing one of the profile's lines makes the whole group the user's.
    attribute_list_free(&record.return_list);
    put_return("Reply-Message", AT_STRING, OWN_R, text_bytes("one"), IS_PROFILE);
    put_return("Reply-Message", AT_STRING, OWN_R, text_bytes("two"), IS_PROFILE);
    EXPECT_EQ(change(ret(), 1, "deux").selection, 1);
    EXPECT_EQ(describe(record.return_list), "Reply-Message=one(o) Reply-Message=deux(o)");
}

TEST_F(Editor, BadInputKeepsTheDialogOpenWithTheValuesMessage) {
    EditOutcome outcome = add(ret(), "Session-Timeout", "12a");
    EXPECT_EQ(outcome.result, EDIT_REFUSED);
    EXPECT_EQ(outcome.message, IDS_INPUT_NOT_NUMERIC);
    EXPECT_EQ(messages(), "Input must be numeric");
    EXPECT_EQ(record.return_list.count, 0);
    EXPECT_EQ(add(check(), "Keel-Account-Disabled", "").result, EDIT_DONE);
    EXPECT_EQ(record.check_list.items[0].length, 0) << "a constant has no value";
}

TEST(EditorForms, PromptsAndControlsPerType) {
    TestDictionary dict;
    dict.attribute("Named", 40, AT_INTEGER, 0x05, true)
        .attribute("Text", 41, AT_STRING_B, 0x05)
        .attribute("Byte", 42, AT_INT8, 0x05)
        .attribute("Address", 43, AT_IPADDR, 0x05)
        .attribute("Hex", 44, AT_HEXSTRING, 0x05)
        .attribute("Hex16", 45, AT_HEX16, 0x05)
        .attribute("Pool", 46, AT_ADDR_OR_POOL, 0x05)
        .attribute("Date", 47, AT_DATE, 0x05)
        .attribute("Constant", 48, AT_CONSTANT, 0x05)
        .attribute("Odd", 49, 7, 0x05);
    struct Case {
        const char* name;
        ListKind kind;
        uint16_t add, change;
        ValueControl control;
    } cases[] = {
        {"Named", RETURN_LIST, 7516, 7521, VALUE_NAMES},
        {"Text", RETURN_LIST, 7518, 7523, VALUE_TEXT},
        {"Byte", RETURN_LIST, 7519, 7524, VALUE_TEXT},
        {"Address", RETURN_LIST, 7520, 7525, VALUE_TEXT},
        {"Hex", RETURN_LIST, 7559, 7645, VALUE_TEXT},
        {"Hex16", RETURN_LIST, 7555, 7644, VALUE_TEXT},
        {"Pool", RETURN_LIST, 7548, 7548, VALUE_ADDRESS_OR_POOL},
        {"Pool", CHECK_LIST, 7525, 7525, VALUE_TEXT},
        {"Date", RETURN_LIST, 7517, 7522, VALUE_TEXT},
        {"Constant", CHECK_LIST, 0, 0, VALUE_NONE},
        {"Odd", CHECK_LIST, 0, 0, VALUE_NONE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(value_prompt(dict[c.name], c.kind, false), c.add);
        EXPECT_EQ(value_prompt(dict[c.name], c.kind, true), c.change);
        EXPECT_EQ(value_control(dict[c.name], c.kind), c.control);
    }
}

TEST(EditorForms, OfferedAttributesAndTheirAbsence) {
    TestDictionary dict;
    EXPECT_EQ(no_attributes_message(&dict.dictionary, CHECK_LIST), IDS_DICTIONARY_EMPTY);
    dict.attribute("User-Name", 1, AT_STRING, 0x05).attribute("CHAP-Password", 3, AT_HEXSTRING, 0x01);
    EXPECT_EQ(no_attributes_message(&dict.dictionary, CHECK_LIST), IDS_DICTIONARY_NO_CHECK_ATTRS);
    EXPECT_EQ(no_attributes_message(&dict.dictionary, RETURN_LIST), IDS_DICTIONARY_NO_RETURN_ATTRS);
    dict.attribute("Filter-Id", 11, AT_STRING, 0x0C);
    EXPECT_EQ(no_attributes_message(&dict.dictionary, RETURN_LIST), 0);
    EXPECT_EQ(no_attributes_message(&dict.dictionary, CHECK_LIST), IDS_DICTIONARY_NO_CHECK_ATTRS);
    EXPECT_FALSE(echo_allowed(dict["Filter-Id"], RETURN_LIST));
}

TEST(EditorForms, AValueIsGiven) {
    struct Case {
        ValueState state;
        bool given;
    } cases[] = {
        {{VALUE_TEXT, false, false, false, false, false}, false},
        {{VALUE_TEXT, true, false, false, false, false}, true},
        {{VALUE_TEXT, false, false, false, false, true}, true},
        {{VALUE_NAMES, true, false, false, false, false}, false},
        {{VALUE_NAMES, false, true, false, false, false}, true},
        {{VALUE_ADDRESS_OR_POOL, true, false, true, false, false}, false},
        {{VALUE_ADDRESS_OR_POOL, false, false, true, true, false}, true},
        {{VALUE_ADDRESS_OR_POOL, true, false, false, false, false}, true},
        {{VALUE_NONE, false, false, false, false, false}, true},
    };
    for (const Case& c : cases) EXPECT_EQ(value_given(c.state), c.given);
}

}  // namespace
