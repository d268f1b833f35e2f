// The configuration's pieces without a server: the stored order read into a
// method list and written back, the four list buttons, the days field and
// the message escapes.
#include <gtest/gtest.h>

#include <string>

#include "panels/auth_methods.h"
#include "panels/config.h"
#include "panels/rejection_messages.h"
#include "tests/panels/panel_fixture.h"

namespace {

const uint16_t NT = 4;           // the NT server's platform mask
const uint32_t ALL_OPTIONS = 3;  // domain and host accounts

// "0 6 | 7": the active codes, a bar, the inactive ones.
std::string listed(const MethodList& methods) {
    std::string text;
    bool bar = false;
    for (uint32_t i = 0; i < methods.count; ++i) {
        if (!methods.entries[i].active && !bar) {
            text += text.empty() ? "|" : " |";
            bar = true;
        }
        text += (text.empty() ? "" : " ") + std::to_string(methods.entries[i].code);
    }
    return bar ? text : text + " |";
}

MethodList read_order(const std::string& bytes, bool stored, uint16_t platform = NT, uint32_t options = ALL_OPTIONS) {
    MethodList methods;
    methods_from_order((const uint8_t*)bytes.data(), (uint32_t)bytes.size(), stored, platform, options, &methods);
    return methods;
}

TEST(AuthOrder, StoredOrdersReadAsMethodLists) {
    const struct {
        const char* what;
        std::string bytes;
        bool stored;
        uint16_t platform;
        uint32_t options;
        const char* methods;
    } cases[] = {
        {"none stored", "", false, NT, ALL_OPTIONS, "0 6 7 8 9 10 |"},
        {"the demo's", le16_words({7, 0, 6, 7, 8, 10, 11, 12}), true, NT, ALL_OPTIONS, "0 6 7 8 10 | 9"},
        {"only prefix and suffix", le16_words({2, 11, 12}), true, NT, ALL_OPTIONS, "| 0 6 7 8 9 10"},
        {"an empty order", le16_words({0}), true, NT, ALL_OPTIONS, "| 0 6 7 8 9 10"},
        {"a count past the bytes", le16_words({100, 9, 0}), true, NT, ALL_OPTIONS, "9 0 | 6 7 8 10"},
        {"repeats", le16_words({3, 6, 6, 0}), true, NT, ALL_OPTIONS, "6 0 | 7 8 9 10"},
        {"unknown and unoffered", le16_words({3, 99, 1, 10}), true, NT, ALL_OPTIONS, "10 | 0 6 7 8 9"},
        {"no host accounts", le16_words({2, 8, 0}), true, NT, 1, "0 | 6 7 10"},
        {"a NetWare server", "", false, 2, 0, "0 1 2 3 4 5 10 |"},
        {"one byte", std::string("\x01", 1), true, NT, ALL_OPTIONS, "0 6 7 8 9 10 |"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(listed(read_order(c.bytes, c.stored, c.platform, c.options)), c.methods) << c.what;
}

TEST(AuthOrder, SecurIdIsStoredWithItsPrefixAndSuffix) {
    const struct {
        std::string stored;
        std::string written;
    } cases[] = {
        {le16_words({2, 0, 10}), le16_words({4, 0, 10, 11, 12})},
        {le16_words({3, 10, 11, 12}), le16_words({3, 10, 11, 12})},
        {le16_words({2, 6, 0}), le16_words({2, 6, 0})},
        {le16_words({0}), le16_words({0})},
    };
    for (const auto& c : cases) {
        uint8_t out[AUTH_ORDER_BYTES_MAX];
        uint32_t length = order_from_methods(read_order(c.stored, true), out);
        EXPECT_EQ(std::string((const char*)out, length), c.written);
    }
    // Every type active, SecurID among them, still fits.
    uint8_t out[AUTH_ORDER_BYTES_MAX];
    EXPECT_EQ(order_from_methods(read_order("", false, 7, ALL_OPTIONS), out), 2u + 2u * 13);
}

TEST(AuthOrder, TheArrowsAndActivation) {
    // "0 6 7 8 10 | 9" from the demo's order.
    const std::string demo = le16_words({5, 0, 6, 7, 8, 10});
    const struct {
        const char* what;
        uint32_t (*step)(MethodList*, uint32_t);
        uint32_t index;
        uint32_t moved_to;
        const char* methods;
    } cases[] = {
        {"up", move_method_up, 2, 1, "0 7 6 8 10 | 9"},
        {"up from the top", move_method_up, 0, 0, "0 6 7 8 10 | 9"},
        {"down", move_method_down, 3, 4, "0 6 7 10 8 | 9"},
        {"down onto an inactive", move_method_down, 4, 4, "0 6 7 8 10 | 9"},
        {"up from an inactive", move_method_up, 5, 5, "0 6 7 8 10 | 9"},
        {"activate", activate_method, 5, 0, "9 0 6 7 8 10 |"},
        {"activate an active", activate_method, 2, 2, "0 6 7 8 10 | 9"},
        {"deactivate", deactivate_method, 1, 5, "0 7 8 10 | 9 6"},
        {"deactivate an inactive", deactivate_method, 5, 5, "0 6 7 8 10 | 9"},
        {"past the end", deactivate_method, 9, 9, "0 6 7 8 10 | 9"},
    };
    for (const auto& c : cases) {
        MethodList methods = read_order(demo, true);
        EXPECT_EQ(c.step(&methods, c.index), c.moved_to) << c.what;
        EXPECT_EQ(listed(methods), c.methods) << c.what;
    }
    MethodList methods = read_order(demo, true);
    EXPECT_FALSE(can_move_method_down(methods, 4));
    EXPECT_TRUE(can_move_method_up(methods, 4));
    EXPECT_EQ(active_method_count(methods), 5u);
}

TEST(DaysField, ZeroToThreeDigits) {
    const struct {
        const char* text;
        bool taken;
        uint32_t days;
    } cases[] = {{"0", true, 0},    {"", true, 0},    {"999", true, 999}, {"007", true, 7}, {"1000", false, 0},
                 {"12a", false, 0}, {"-1", false, 0}, {" 5", false, 0},   {"5 ", false, 0}, {"0999", false, 0}};
    for (const auto& c : cases) {
        uint32_t days = 12345;
        EXPECT_EQ(log_days_value(c.text, &days), c.taken) << c.text;
        if (c.taken) { EXPECT_EQ(days, c.days) << c.text; }
    }
}

TEST(MessageText, EscapesForTheSingleLineField) {
    const struct {
        const char* text;
        const char* field;
    } cases[] = {
        {"plain", "plain"}, {"one\r\ntwo", "one\\r\\ntwo"}, {"a\tb\n", "a\\tb\\n"}, {"C:\\KEEL", "C:\\KEEL"}, {"", ""},
    };
    for (const auto& c : cases) {
        char field[MESSAGE_FIELD_SIZE], text[MESSAGE_TEXT_SIZE];
        escape_message(c.text, field, sizeof field);
        EXPECT_STREQ(field, c.field);
        unescape_message(field, text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
    // Typed: only \t, \n and \r stand for characters.
    const struct {
        const char* field;
        const char* text;
    } typed[] = {{"\\x\\", "\\x\\"}, {"\\\\n", "\\\n"}, {"end\\", "end\\"}, {"\\N", "\\N"}};
    for (const auto& c : typed) {
        char text[MESSAGE_TEXT_SIZE];
        unescape_message(c.field, text, sizeof text);
        EXPECT_STREQ(text, c.text) << c.field;
    }
}

TEST(MessageText, TheLongestMessagesFitTheirFields) {
    std::string tabs(MESSAGE_TEXT_MAX, '\t');
    char field[MESSAGE_FIELD_SIZE];
    escape_message(tabs.c_str(), field, sizeof field);
    EXPECT_EQ(strlen(field), MESSAGE_FIELD_MAX);
    char text[MESSAGE_TEXT_SIZE];
    unescape_message(field, text, sizeof text);
    EXPECT_EQ(std::string(text), tabs);
    // A typed field longer than a message is cut to 1024 bytes.
    std::string long_field(MESSAGE_FIELD_MAX, 'x');
    unescape_message(long_field.c_str(), text, sizeof text);
    EXPECT_EQ(strlen(text), MESSAGE_TEXT_MAX);
    // Cut escaping never leaves half a pair.
    char small[4];
    escape_message("a\tb", small, sizeof small);
    EXPECT_STREQ(small, "a\\t");
    escape_message("ab\t", small, sizeof small);
    EXPECT_STREQ(small, "ab");
}

TEST(MessageText, TheDialogShowsRealLineBreaks) {
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {{"a\nb", "a\r\nb"}, {"a\r\nb", "a\r\nb"}, {"a\rb", "a\r\nb"}, {"\n\n", "\r\n\r\n"}, {"x", "x"}};
    for (const auto& c : cases) {
        char shown[MESSAGE_DIALOG_SIZE];
        message_for_dialog(c.text, shown, sizeof shown);
        EXPECT_STREQ(shown, c.shown);
        // OK without a change keeps the message's own line breaks.
        char text[MESSAGE_TEXT_SIZE];
        message_from_dialog(shown, shown, c.text, text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
    char text[MESSAGE_TEXT_SIZE];
    message_from_dialog("one\r\ntwo", "one", "one", text, sizeof text);
    EXPECT_STREQ(text, "one\r\ntwo");
}

}  // namespace
