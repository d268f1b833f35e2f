// keelcli's output forms on their own: JSON escaping of 8-bit names, tables,
// hex values and the up time.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "api/text_field.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/table.h"
#include "cli/text_forms.h"

namespace {

// Reads back one JSON string as a strict reader would; false on anything a
// JSON parser would reject.
bool decode_json_string(const std::string& text, std::string* bytes) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') return false;
    bytes->clear();
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        unsigned char c = (unsigned char)text[i];
        if (c < 0x20 || c >= 0x80) return false;
        if (c == '"') return false;
        if (c != '\\') {
            bytes->push_back((char)c);
            continue;
        }
        if (++i + 1 >= text.size()) return false;
        const char* simple = strchr("\"\\/bfnrt", text[i]);
        if (simple && *simple) {
            static const char VALUES[] = "\"\\/\b\f\n\r\t";
            bytes->push_back(VALUES[simple - "\"\\/bfnrt"]);
            continue;
        }
        if (text[i] != 'u' || i + 4 >= text.size()) return false;
        unsigned long code = strtoul(text.substr(i + 1, 4).c_str(), nullptr, 16);
        if (code > 0xFF) return false;
        bytes->push_back((char)code);
        i += 4;
    }
    return true;
}

TEST(Json, EveryByteOfANameRoundTripsThroughPlainAsciiJson) {
    std::string all;
    for (int c = 0; c < 256; ++c) all.push_back((char)c);
    std::string quoted;
    json_quote(&quoted, all.data(), all.size());
    std::string decoded;
    ASSERT_TRUE(decode_json_string(quoted, &decoded)) << quoted;
    EXPECT_EQ(decoded, all);

    quoted.clear();
    json_quote(&quoted, "A\\B\"\xE9\x7F\n", 7);
    EXPECT_EQ(quoted, "\"A\\\\B\\\"\\u00E9\\u007F\\n\"");
}

TEST(Json, TheWriterPutsOuterElementsOnLinesAndCommasBetween) {
    JsonWriter writer;
    json_begin_array(&writer);
    for (uint32_t id = 0; id < 2; ++id) {
        json_begin_object(&writer);
        json_key(&writer, "id");
        json_number(&writer, id);
        json_key(&writer, "names");
        json_begin_array(&writer);
        json_string(&writer, "a");
        json_null(&writer);
        json_end_array(&writer);
        json_end_object(&writer);
    }
    json_end_array(&writer);
    EXPECT_EQ(json_finish(&writer),
              "[\n  {\"id\": 0, \"names\": [\"a\", null]},\n  {\"id\": 1, \"names\": [\"a\", null]}\n]\n");

    JsonWriter empty;
    json_begin_array(&empty);
    json_end_array(&empty);
    EXPECT_EQ(json_finish(&empty), "[]\n");
}

TEST(Table, ColumnsAlignAndTheLastCellIsNotPadded) {
    TextTable table;
    table.headings = {"Name", "Port", "Type"};
    table.right_aligned = {false, true};
    table.rows = {{"JS", "3", "Async"}, {"ROUTER", "24", ""}};
    EXPECT_EQ(format_table(table), "Name    Port  Type\nJS         3  Async\nROUTER    24\n");
}

TEST(Table, ControlBytesAreShownEscapedAndOtherBytesPass) {
    EXPECT_EQ(display_text("a\nb\x1b[2J\x7F\xE9", 9), "a\\x0Ab\\x1B[2J\\x7F\xE9");
}

TEST(TextForms, HexValues) {
    std::string bytes, error;
    ASSERT_TRUE(parse_hex_value("0A 00\t00 ff", &bytes, &error));
    EXPECT_EQ(bytes, std::string("\x0a\x00\x00\xff", 4));
    ASSERT_TRUE(parse_hex_value("", &bytes, &error));
    EXPECT_EQ(bytes, "");
    EXPECT_FALSE(parse_hex_value("0a0", &bytes, &error));
    EXPECT_EQ(error, "hex digits come in pairs");
    EXPECT_FALSE(parse_hex_value("0 a", &bytes, &error));
    EXPECT_FALSE(parse_hex_value("0x0a", &bytes, &error));
    EXPECT_EQ(error, "\"x\" is not a hex digit");
    const uint8_t value[] = {0x0a, 0x00, 0xff};
    EXPECT_EQ(format_hex_value(value, 3), "0a00ff");
}

TEST(TextForms, UpTimeOnOneLine) {
    EXPECT_EQ(format_up_time(90061), "1 Days 01:01:01");
    EXPECT_EQ(format_up_time(0), "0 Days 00:00:00");
    EXPECT_EQ(format_up_time(4294967295u), "49710 Days 06:28:15");
}

TEST(Formats, AdminsSortByNameIgnoringCase) {
    std::vector<AdminEntry> entries = {{"beta", ADMIN_USER}, {"Alpha", ADMIN_GROUP}, {"alpha", ADMIN_USER}};
    EXPECT_EQ(format_admins(entries, false), "Kind   Name\ngroup  Alpha\nuser   alpha\nuser   beta\n");
}

TEST(Formats, ASessionMatchesOnTheKeyFieldsGiven) {
    CurrentUserRecord record = {};
    copy_text(record.user_name, sizeof record.user_name, "TN");
    copy_text(record.distinguished_name, sizeof record.distinguished_name, "A");
    copy_text(record.port_text, sizeof record.port_text, "1");
    const char* key[SESSION_KEY_COUNT] = {};
    EXPECT_TRUE(session_matches(record, key));
    key[KEY_USER] = "TN";
    key[KEY_PORT] = "1";
    EXPECT_TRUE(session_matches(record, key));
    key[KEY_DN] = "B";
    EXPECT_FALSE(session_matches(record, key));
    key[KEY_DN] = nullptr;
    key[KEY_CLIENT] = "";  // given empty: matches only an empty client
    EXPECT_TRUE(session_matches(record, key));
    key[KEY_USER] = "tn";
    EXPECT_FALSE(session_matches(record, key));
}

}  // namespace
