// Every type code's stored form, list text and edit text; typed input with
// each failure message; equality and order of values.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "api/text_field.h"
#include "attrs/value_forms.h"
#include "platform/local_time.h"
#include "platform/resolver.h"
#include "resources/strings.h"
#include "tests/attrs/attr_test_support.h"
#include "tests/support/fake_resolver.h"
#include "tests/support/scripted_prompt.h"

namespace {

const TimeZoneRule UTC_ZONE = {0, false, 0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}};

class ValueForms : public ::testing::Test {
protected:
    TestDictionary dict;
    ScriptedPrompt prompt;
    FakeResolver resolver;
    void SetUp() override {
        set_time_zone_rule(&UTC_ZONE);
        resolver.add("nas.example", 10, 1, 2, 3);
        dict.attribute("Text", 100, AT_STRING, 0x05)
            .attribute("Number", 101, AT_INTEGER, 0x05)
            .attribute("Address", 102, AT_IPADDR, 0x05)
            .attribute("Bytes", 103, AT_HEXSTRING, 0x05)
            .attribute("Hex8", 104, AT_HEX8, 0x05)
            .attribute("Hex16", 105, AT_HEX16, 0x05)
            .attribute("Hex32", 106, AT_HEX32, 0x05)
            .attribute("Int8", 107, AT_INT8, 0x05)
            .attribute("Int16", 108, AT_INT16, 0x05)
            .attribute("TextB", 109, AT_STRING_B, 0x05)
            .attribute("Constant", 110, AT_CONSTANT, 0x05)
            .attribute("AddrPool", 111, AT_ADDR_OR_POOL, 0x05)
            .attribute("Date", 112, AT_DATE, 0x05)
            .attribute("Odd", 113, 5, 0x05)
            .attribute("Service", 6, AT_HEX8, 0x05, true)
            .value("Service", "Login", 1)
            .value("Service", "Framed", 2);
    }
    void TearDown() override { set_time_zone_rule(nullptr); }

    // The stored bytes, or "!<message>" when the text is refused.
    std::string parse(const char* attribute, const char* text, ListKind kind = RETURN_LIST,
                      const char* pool = nullptr) {
        ParsedValue value;
        size_t asked = prompt.asked.size();
        uint16_t failure = parse_value((void*)0x1234, text, dict[attribute], kind, pool, &dict.dictionary, &value);
        if (failure) {
            EXPECT_EQ(prompt.asked.size(), asked + 1);
            if (prompt.asked.size() != asked + 1) return "!";
            const RecordedPrompt& shown = prompt.asked.back();
            EXPECT_EQ(shown.title, "ERROR");
            EXPECT_EQ(shown.icon, PROMPT_ICON_STOP);
            EXPECT_EQ(shown.owner, (void*)0x1234);
            return "!" + shown.text;
        }
        EXPECT_EQ(prompt.asked.size(), asked) << "no message on success";
        return std::string((const char*)value.data, value.length);
    }

    // The list text and edit text of a stored value.
    std::string texts(const char* attribute, const std::string& data, uint16_t flags = IF_ORDINARY | IF_RETURN) {
        AttributeInstance instance = make_instance(attribute, dict[attribute].type, flags, data);
        char list[VALUE_TEXT_SIZE], edit[VALUE_TEXT_SIZE];
        format_list_text(instance, list, sizeof list);
        format_edit_text(instance, edit, sizeof edit);
        return std::string(list) + " | " + edit;
    }
};

std::string msg(uint16_t id) { return "!" + std::string(string_text(id)); }

TEST_F(ValueForms, NumbersWithTheirRanges) {
    EXPECT_EQ(parse("Number", "010"), u32_bytes(8));
    EXPECT_EQ(parse("Number", "09"), u32_bytes(0));
    EXPECT_EQ(parse("Number", "4294967296"), u32_bytes(4294967295u));
    EXPECT_EQ(parse("Number", "12  \t"), u32_bytes(12)) << "trailing blanks are removed";
    EXPECT_EQ(parse("Number", " 12"), msg(IDS_INPUT_NOT_NUMERIC));
    EXPECT_EQ(parse("Number", "1e3"), msg(IDS_INPUT_NOT_NUMERIC));
    EXPECT_EQ(parse("Number", ""), msg(IDS_INPUT_NOT_NUMERIC));
    EXPECT_EQ(parse("Int16", "65535"), std::string("\xff\xff", 2));
    EXPECT_EQ(parse("Int16", "65536"), msg(IDS_NUMBER_BELOW_65536));
    EXPECT_EQ(parse("Int16", "4294967296"), msg(IDS_NUMBER_BELOW_65536));
    EXPECT_EQ(parse("Int8", "255"), std::string("\xff", 1));
    EXPECT_EQ(parse("Int8", "256"), msg(IDS_NUMBER_BELOW_256));
    EXPECT_EQ(parse("Int8", "0400"), msg(IDS_NUMBER_BELOW_256)) << "octal 256";
}

TEST_F(ValueForms, HexNumbersWithTheirRanges) {
    EXPECT_EQ(parse("Hex8", "FF"), std::string("\xff", 1));
    EXPECT_EQ(parse("Hex8", "100"), msg(IDS_HEX_BELOW_FF));
    EXPECT_EQ(parse("Hex8", "0xFF"), msg(IDS_INVALID_HEX_NUMBER));
    EXPECT_EQ(parse("Hex16", "ffff"), std::string("\xff\xff", 2));
    EXPECT_EQ(parse("Hex16", "10000"), msg(IDS_HEX_BELOW_FFFF));
    EXPECT_EQ(parse("Hex32", "DEADBEEF"), u32_bytes(0xDEADBEEF));
    EXPECT_EQ(parse("Hex32", "123456789"), msg(IDS_INVALID_HEX_NUMBER));
}

TEST_F(ValueForms, TextsHexStringsAndConstants) {
    EXPECT_EQ(parse("Text", "hello world  "), text_bytes("hello world"));
    EXPECT_EQ(parse("TextB", ""), std::string("\0", 1));
    std::string long_text(200, 'a');
    EXPECT_EQ(parse("Text", long_text.c_str()), std::string(127, 'a') + '\0') << "the field's 127 characters";
    EXPECT_EQ(parse("Bytes", "0A 0b0C"), std::string("\x0a\x0b\x0c", 3));
    EXPECT_EQ(parse("Bytes", "0A0"), msg(IDS_INVALID_HEX_STRING));
    EXPECT_EQ(parse("Bytes", ""), msg(IDS_INVALID_HEX_STRING));
    EXPECT_EQ(parse("Bytes", std::string(128, 'f').c_str()), msg(IDS_INVALID_HEX_STRING)) << "64 bytes";
    EXPECT_EQ(parse("Bytes", std::string(126, 'f').c_str()), std::string(63, '\xff'));
    EXPECT_EQ(parse("Constant", "anything"), "");
    EXPECT_EQ(parse("Odd", "anything"), "") << "codes without a text form store nothing";
}

TEST_F(ValueForms, AddressesPoolsAndHostNames) {
    EXPECT_EQ(parse("Address", "192.0.2.1"), std::string("\x01\x02\x00\xc0", 4));
    EXPECT_EQ(parse("Address", "nas.example"), std::string("\x03\x02\x01\x0a", 4));
    EXPECT_EQ(parse("Address", "10.0.0"), "!Unable to resolve host name 10.0.0");
    EXPECT_EQ(parse("AddrPool", "192.0.2.1"), u32_bytes(0) + std::string("\x01\x02\x00\xc0", 4));
    EXPECT_EQ(parse("AddrPool", "", RETURN_LIST, "DIALUP"), u32_bytes(1) + text_bytes("DIALUP"));
    EXPECT_EQ(parse("AddrPool", "", RETURN_LIST, ""), msg(IDS_SELECT_POOL));
    EXPECT_EQ(parse("AddrPool", "192.0.2.1", CHECK_LIST, "DIALUP"), u32_bytes(0) + std::string("\x01\x02\x00\xc0", 4))
        << "no pools on the check list";
}

TEST_F(ValueForms, DatesAndNamedValues) {
    EXPECT_EQ(parse("Date", "1997/3/5 08:04:00"), u32_bytes(857549040));
    EXPECT_EQ(parse("Date", "2037/1/1"), msg(IDS_INVALID_DATE));
    EXPECT_EQ(parse("Service", "Framed"), u32_bytes(2)) << "a named value is 32 bits whatever the type";
    EXPECT_EQ(parse("Service", "framed"), msg(IDS_ATTR_VALUE_OUT_OF_RANGE)) << "names are exact";
    ParsedValue value;
    ASSERT_EQ(parse_value(nullptr, "Login", dict["Service"], CHECK_LIST, nullptr, &dict.dictionary, &value), 0);
    EXPECT_STREQ(value.value_name, "Login");
}

TEST_F(ValueForms, ListAndEditTextOfEachType) {
    EXPECT_EQ(texts("Text", text_bytes("abc")), "abc | abc");
    EXPECT_EQ(texts("TextB", std::string("no nul")), "no nul | no nul");
    EXPECT_EQ(texts("Number", u32_bytes(4294967295u)), "4294967295 | 4294967295");
    EXPECT_EQ(texts("Int8", "\xfe"), "254 | 254");
    EXPECT_EQ(texts("Int16", "\x34\x12"), "4660 | 4660");
    EXPECT_EQ(texts("Hex8", "\x0a"), "0xa | a");
    EXPECT_EQ(texts("Hex16", "\x34\x12"), "0x1234 | 1234");
    EXPECT_EQ(texts("Hex32", u32_bytes(0xDEADBEEF)), "0xdeadbeef | deadbeef");
    EXPECT_EQ(texts("Address", std::string("\x01\x02\x00\xc0", 4)), "192.0.2.1 | 192.0.2.1");
    EXPECT_EQ(texts("Bytes", "\x01\x02\x03\x04\x05"), "0x01020304 05 | 01020304 05");
    EXPECT_EQ(texts("Constant", ""), "N/A | ");
    EXPECT_EQ(texts("AddrPool", u32_bytes(0) + std::string("\x01\x02\x00\xc0", 4)), "192.0.2.1 | 192.0.2.1");
    EXPECT_EQ(texts("AddrPool", u32_bytes(1) + text_bytes("DIALUP")), "<DIALUP> | ");
    EXPECT_EQ(texts("AddrPool", u32_bytes(7)), " | ");
    EXPECT_EQ(texts("Date", u32_bytes(857549040)), "1997/3/5 08:04:00 | 1997/3/5 08:04:00");
    EXPECT_EQ(texts("Odd", "xyz"), " | ");
    EXPECT_EQ(texts("Number", "\x05"), "5 | 5") << "a short stored value reads no further than its length";
}

TEST_F(ValueForms, LineTextPrecedence) {
    AttributeInstance instance = make_instance("Service", AT_HEX8, IF_ORDINARY | IF_RETURN, u32_bytes(9));
    char line[VALUE_LINE_SIZE];
    format_value_line(instance, line, sizeof line);
    EXPECT_STREQ(line, "Service    \t0x9");
    copy_text(instance.value_name, sizeof instance.value_name, "Framed");
    format_value_line(instance, line, sizeof line);
    EXPECT_STREQ(line, "Service    \tFramed");
    instance.flags |= IF_ECHO;
    format_value_line(instance, line, sizeof line);
    EXPECT_STREQ(line, "Service    \t<Echo received or default value>");
    instance.state |= IS_UNNAMED_VALUE;
    format_value_line(instance, line, sizeof line);
    EXPECT_STREQ(line, "Service    \t---------");
}

TEST_F(ValueForms, StateMessageIsTheLowestErrorBit) {
    EXPECT_EQ(state_message(0), 0);
    EXPECT_EQ(state_message(IS_PROFILE | IS_OVERWRITE), 0);
    EXPECT_EQ(state_message(IS_NO_PROFILE_MATCH | IS_WRONG_LIST | IS_PROFILE), IDS_ATTR_WRONG_LIST);
    EXPECT_EQ(state_message(IS_LONG_VALUE | IS_NO_PROFILE_MATCH), IDS_ATTR_SUBTRACT_ORPHAN);
    EXPECT_EQ(state_message(IS_LONG_VALUE), IDS_ATTR_VALUE_TOO_LONG);
}

AttributeInstance value_of(uint32_t type, const std::string& data) {
    return make_instance("A", type, IF_ORDINARY | IF_RETURN, data);
}

TEST(ValueOrder, EqualityPerType) {
    EXPECT_TRUE(values_equal(value_of(AT_STRING, text_bytes("abc")), value_of(AT_STRING, text_bytes("abc"))));
    EXPECT_FALSE(values_equal(value_of(AT_STRING, text_bytes("abc")), value_of(AT_STRING, text_bytes("ABC"))));
    EXPECT_TRUE(values_equal(value_of(AT_INT8, "\x05"), value_of(AT_INT8, "\x05")));
    EXPECT_FALSE(values_equal(value_of(AT_DATE, u32_bytes(1)), value_of(AT_DATE, u32_bytes(2))));
    EXPECT_TRUE(values_equal(value_of(AT_HEXSTRING, "\x01\x02"), value_of(AT_HEXSTRING, "\x01\x02")));
    EXPECT_FALSE(values_equal(value_of(AT_HEXSTRING, "\x01\x02"), value_of(AT_HEXSTRING, "\x01\x02\x03")))
        << "a value that is only the start of another is not that value";
    EXPECT_FALSE(values_equal(value_of(AT_ADDR_OR_POOL, u32_bytes(1) + text_bytes("AB")),
                              value_of(AT_ADDR_OR_POOL, u32_bytes(1) + text_bytes("ABC"))));
    EXPECT_TRUE(values_equal(value_of(AT_CONSTANT, ""), value_of(AT_CONSTANT, "")));
    EXPECT_FALSE(values_equal(value_of(5, "x"), value_of(5, "x")));
}

TEST(ValueOrder, BeforePerType) {
    EXPECT_TRUE(value_before(value_of(AT_STRING, text_bytes("apple")), value_of(AT_STRING, text_bytes("Banana"))));
    EXPECT_FALSE(value_before(value_of(AT_STRING, text_bytes("Apple")), value_of(AT_STRING, text_bytes("apple"))));
    EXPECT_TRUE(
        value_before(value_of(AT_HEXSTRING, "\x01\x02"), value_of(AT_HEXSTRING, std::string("\x01\x02\x00", 3))));
    EXPECT_FALSE(value_before(value_of(AT_HEXSTRING, "\x02"), value_of(AT_HEXSTRING, "\x01\xff")));
    EXPECT_TRUE(value_before(value_of(AT_INTEGER, u32_bytes(2)), value_of(AT_INTEGER, u32_bytes(0x100))));
    EXPECT_TRUE(
        value_before(value_of(AT_HEX16, std::string("\xff\x00", 2)), value_of(AT_HEX16, std::string("\x00\x01", 2))));
    // Addresses in numeric order: 10.0.0.2 before 192.168.0.1.
    EXPECT_TRUE(value_before(value_of(AT_IPADDR, u32_bytes(0x0A000002)), value_of(AT_IPADDR, u32_bytes(0xC0A80001))));
    EXPECT_FALSE(value_before(value_of(AT_IPADDR, u32_bytes(0xC0A80001)), value_of(AT_IPADDR, u32_bytes(0x0A000002))));
    EXPECT_TRUE(value_before(value_of(AT_ADDR_OR_POOL, u32_bytes(0) + u32_bytes(0x0A000002)),
                             value_of(AT_ADDR_OR_POOL, u32_bytes(0) + u32_bytes(0xC0A80001))));
    EXPECT_TRUE(value_before(value_of(AT_ADDR_OR_POOL, u32_bytes(1) + text_bytes("alpha")),
                             value_of(AT_ADDR_OR_POOL, u32_bytes(1) + text_bytes("BETA"))));
    EXPECT_TRUE(value_before(value_of(AT_ADDR_OR_POOL, u32_bytes(0) + u32_bytes(0xFFFFFFFF)),
                             value_of(AT_ADDR_OR_POOL, u32_bytes(1) + text_bytes("A"))))
        << "addresses before pools";
    EXPECT_TRUE(value_before(value_of(AT_CONSTANT, ""), value_of(AT_CONSTANT, "")));
    EXPECT_FALSE(value_before(value_of(5, "a"), value_of(5, "b")));
}

}  // namespace
