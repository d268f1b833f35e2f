// The lines of a ".rif" file: which values go out as text and which in
// hexadecimal, and the exact text of each form.
#include <string>

#include <gtest/gtest.h>

#include "tests/attrs/attr_test_support.h"
#include "transfer/rif_format.h"

namespace {

std::string bytes_of(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values) bytes += (char)value;
    return bytes;
}

std::string attribute_line(const AttributeInstance& instance, const char* property = nullptr) {
    char line[RIF_LINE_SIZE];
    EXPECT_TRUE(rif_attribute_line(property ? property : instance.name, instance, instance.data, instance.length, line,
                                   sizeof line));
    return line;
}

AttributeInstance named(AttributeInstance instance, const char* value_name) {
    copy_text(instance.value_name, sizeof instance.value_name, value_name);
    return instance;
}

TEST(RifFormat, ClassLinesDropTheKindPrefix) {
    EXPECT_STREQ(rif_class_text("++b-Native-User"), "Native-User");
    EXPECT_STREQ(rif_class_text("++a-Profile"), "Profile");
    EXPECT_STREQ(rif_class_text("++l-Proxy"), "Proxy");
    EXPECT_STREQ(rif_class_text("Client"), "Client");
    EXPECT_STREQ(rif_class_text("IP-Addr-Pool"), "IP-Addr-Pool");
    EXPECT_STREQ(rif_class_text("++"), "++");  // too short to hold a prefix
}

TEST(RifFormat, PlainValuesInTextOrHex) {
    struct Case {
        std::string bytes;
        const char* text;  // null: written in hex
    };
    const Case cases[] = {
        {std::string("Cisco-AS5300\0", 13), "Cisco-AS5300"},
        {"Access denied.", "Access denied."},  // stored without its NUL, written as stored
        {std::string("\0", 1), ""},
        {"", ""},
        {"User name.\r\nPlease check.", nullptr},  // a line break would end the line
        {"line\n", nullptr},
        {std::string("two\0texts\0", 10), nullptr},  // bytes after the NUL would be lost
        {std::string("a\0\0", 3), nullptr},
        {"tab\tand \xE9", "tab\tand \xE9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        char text[RIF_VALUE_LIMIT + 1];
        bool as_text = rif_plain_text((const uint8_t*)c.bytes.data(), (uint32_t)c.bytes.size(), text, sizeof text);
        EXPECT_EQ(as_text, c.text != nullptr);
        if (c.text && as_text) { EXPECT_STREQ(text, c.text); }
    }
}

TEST(RifFormat, PropertyLines) {
    char line[RIF_LINE_SIZE];
    std::string address = bytes_of({0x0A, 0x01, 0x02, 0x03});
    ASSERT_TRUE(rif_hex_line("IPAddress", (const uint8_t*)address.data(), 4, line, sizeof line));
    EXPECT_STREQ(line, "    IPAddress^=0A010203");
    ASSERT_TRUE(rif_hex_line("Addr-Pool-Ranges", nullptr, 0, line, sizeof line));
    EXPECT_STREQ(line, "    Addr-Pool-Ranges^=");
    ASSERT_TRUE(rif_text_line("Product", "Cisco-AS5300", line, sizeof line));
    EXPECT_STREQ(line, "    Product=Cisco-AS5300");
    // 256 bytes fit a line; the buffer's end is never passed.
    std::string value(256, '\xAB');
    ASSERT_TRUE(rif_hex_line("P", (const uint8_t*)value.data(), 256, line, sizeof line));
    EXPECT_EQ(strlen(line), 4u + 3 + 512);
    char small[16];
    EXPECT_FALSE(rif_hex_line("IPAddress", (const uint8_t*)address.data(), 4, small, sizeof small));
    EXPECT_FALSE(rif_text_line("Product", "Cisco-AS5300", small, sizeof small));
}

TEST(RifFormat, AttributeTextForms) {
    struct Case {
        const char* what;
        AttributeInstance instance;
        const char* line;
    };
    const Case cases[] = {
        {"string", make_instance("Filter-Id", AT_STRING, 0x21, text_bytes("std-internet")),
         "    Filter-Id [[[0000 0021 0000]]]=std-internet"},
        {"string with a line break", make_instance("Filter-Id", AT_STRING, 0x21, text_bytes("a\r\nb")),
         "    Filter-Id [[[0000 0021 0000]]]^=610D0A6200"},
        {"string without its NUL", make_instance("Filter-Id", AT_STRING_B, 0x21, "abc"),
         "    Filter-Id [[[0000 0021 0010]]]^=616263"},
        {"integer", make_instance("Session-Timeout", AT_INTEGER, 0x21, u32_bytes(28800)),
         "    Session-Timeout [[[0000 0021 0001]]]=28800"},
        {"integer above 2^31 reads back unsigned",
         make_instance("Session-Timeout", AT_INTEGER, 0x21, u32_bytes(4294967295u)),
         "    Session-Timeout [[[0000 0021 0001]]]=4294967295"},
        {"8-bit", make_instance("Keel-Max-Links", AT_INT8, 0x21, bytes_of({2})),
         "    Keel-Max-Links [[[0000 0021 000e]]]=2"},
        {"16-bit hex", make_instance("H", AT_HEX16, 0x21, bytes_of({0x34, 0x12})), "    H [[[0000 0021 000c]]]=4660"},
        {"integer of the wrong length", make_instance("I", AT_INTEGER, 0x21, bytes_of({1, 2})),
         "    I [[[0000 0021 0001]]]^=0102"},
        {"date", make_instance("Expiration", AT_DATE, 0x11, u32_bytes(857549040)),
         "    Expiration [[[0000 0011 0013]]]=857549040"},
        {"address", make_instance("Framed-IP-Netmask", AT_IPADDR, 0x21, u32_bytes(0xFFFFFFFC)),
         "    Framed-IP-Netmask [[[0000 0021 0002]]]=255.255.255.252"},
        {"hex string", make_instance("Vendor-Specific", AT_HEXSTRING, 0x21, bytes_of({0, 0, 0x7e, 0xd9, 1, 6})),
         "    Vendor-Specific [[[0000 0021 000a]]]=00007ed9 0106"},
        {"constant", make_instance("C", AT_CONSTANT, 0x11, ""), "    C [[[0000 0011 0011]]]="},
        {"address form of address-or-pool",
         make_instance("Framed-IP-Address", AT_ADDR_OR_POOL, 0x21, u32_bytes(0) + u32_bytes(0xCB00714D)),
         "    Framed-IP-Address [[[0000 0021 0012]]]=^203.0.113.77"},
        {"pool form of address-or-pool",
         make_instance("Framed-IP-Address", AT_ADDR_OR_POOL, 0x21, u32_bytes(1) + text_bytes("DIALUP-POOL")),
         "    Framed-IP-Address [[[0000 0021 0012]]]=DIALUP-POOL"},
        {"pool name that would read as an address",
         make_instance("Framed-IP-Address", AT_ADDR_OR_POOL, 0x21, u32_bytes(1) + text_bytes("^P")),
         "    Framed-IP-Address [[[0000 0021 0012]]]^=010000005E5000"},
        {"value name", named(make_instance("Service-Type", AT_INTEGER, 0x11, u32_bytes(10)), "Call-Check"),
         "    Service-Type [[[0000 0011 0001]]]=#Call-Check[[[0000000A]]]"},
        {"value name of an 8-bit attribute",
         named(make_instance("Keel-Service-Class", AT_HEX8, 0x11, bytes_of({2})), "Silver"),
         "    Keel-Service-Class [[[0000 0011 000b]]]=#Silver[[[00000002]]]"},
        // A reader stores a named value in its type's width: 4 stored bytes
        // of an 8-bit type would come back as 1.
        {"value name of an 8-bit attribute, stored as 32 bits",
         named(make_instance("Keel-Service-Class", AT_HEX8, 0x11, u32_bytes(2)), "Silver"),
         "    Keel-Service-Class [[[0000 0011 000b]]]^=02000000"},
        {"value name on a string type cannot read back",
         named(make_instance("S", AT_STRING, 0x11, u32_bytes(2)), "Two"), "    S [[[0000 0011 0000]]]^=02000000"},
        {"echo instance", make_instance("Framed-Protocol", AT_INTEGER, 0x29, u32_bytes(1)),
         "    Framed-Protocol [[[0000 0029 0001]]]^=01000000"},
        {"named-value number without a name",
         make_instance("Service-Type", AT_INTEGER, 0x11, u32_bytes(99), IS_UNNAMED_VALUE),
         "    Service-Type [[[0000 0011 0001]]]^=63000000"},
        {"type without a text form (password)", make_instance("--Password", 5, 0x11, bytes_of({0xAF, 0x31})),
         "    --Password [[[0000 0011 0005]]]^=AF31"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(attribute_line(c.instance), c.line);
    }
}

TEST(RifFormat, AttributeHeaderCarriesWord2AndTheStoredType) {
    // A dictionary type that differs from the stored one does not decide
    // the text: a reader converts by the type code on the line.
    AttributeInstance instance = make_instance("X", AT_STRING, 0x21, text_bytes("abc"), IS_TYPE_MISMATCH);
    instance.type = AT_INTEGER;
    instance.word2 = 0x1234;
    EXPECT_EQ(attribute_line(instance), "    X [[[1234 0021 0000]]]=abc");
    // The property name is written whole, even past the 31 characters an
    // instance keeps.
    std::string long_name(40, 'N');
    EXPECT_EQ(attribute_line(instance, long_name.c_str()), "    " + long_name + " [[[1234 0021 0000]]]=abc");
}

}  // namespace
