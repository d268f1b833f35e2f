// The stored property form, list placement and the rules that combine a
// user's lists with its profile's, on lists built in memory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/text_field.h"
#include "attrs/attribute_property.h"
#include "attrs/list_rules.h"
#include "tests/attrs/attr_test_support.h"
#include "tests/support/scripted_prompt.h"

namespace {

const uint16_t OWN_CHECK = IF_ORDINARY | IF_CHECK;
const uint16_t OWN_RETURN = IF_ORDINARY | IF_RETURN;
const uint16_t SUB_CHECK = IF_SUBTRACT | IF_CHECK;
const uint16_t SUB_RETURN = IF_SUBTRACT | IF_RETURN;

std::vector<StoredRecord> records_of(const std::string& property, uint16_t* word2, bool* any) {
    std::vector<StoredRecord> out;
    *any = walk_property((const uint8_t*)property.data(), (uint32_t)property.size(), word2,
                         [&](const StoredRecord& record) {
                             out.push_back(record);
                             return true;
                         });
    return out;
}

TEST(StoredProperty, WalksCompleteRecordsOnly) {
    std::string property = std::string("\x03\x00\x07\x00", 4) + std::string("\x01\x00\x04\x00\x11\x00", 6) +
                           u32_bytes(42) + std::string("\x00\x00\x01\x00\x21\x00", 6) + "x" +
                           std::string("\x00\x00\x09\x00\x21\x00", 6) + "short";
    uint16_t word2 = 0;
    bool any = false;
    std::vector<StoredRecord> records = records_of(property, &word2, &any);
    EXPECT_TRUE(any);
    EXPECT_EQ(word2, 7);
    ASSERT_EQ(records.size(), 2u) << "the third record runs past the end";
    EXPECT_EQ(records[0].type, 1);
    EXPECT_EQ(records[0].flags, 0x11);
    EXPECT_EQ(records[1].index, 1);
    EXPECT_EQ(records[1].length, 1);
    EXPECT_EQ(records[1].data[0], 'x');

    EXPECT_TRUE(records_of(property.substr(0, 4 + 6 + 4 + 3), &word2, &any).size() == 1) << "a cut record header";
    records_of(std::string("\x00\x00\x00\x00", 4) + "junk", &word2, &any);
    EXPECT_FALSE(any) << "a count of 0";
    records_of(std::string("\x01\x00\x00", 3), &word2, &any);
    EXPECT_FALSE(any) << "shorter than the header";
}

TEST(StoredProperty, LongValuesKeepTheirFirst128BytesAndWhereTheyCameFrom) {
    std::string data(300, 'v');
    data[0] = 'F';
    StoredRecord record = {3, AT_STRING, 300, OWN_RETURN, (const uint8_t*)data.data()};
    AttributeInstance instance;
    instance_from_record("Reply-Message-With-A-Name-Longer-Than-31", 5, record, &instance);
    EXPECT_STREQ(instance.name, "Reply-Message-With-A-Name-Longe");
    EXPECT_EQ(instance.length, 128);
    EXPECT_EQ(instance.word2, 5);
    EXPECT_EQ(instance.state, IS_LONG_VALUE);
    EXPECT_EQ(instance.long_length, 300);
    EXPECT_EQ(instance.long_index, 3);
    EXPECT_EQ(stored_length(instance), 300u);

    uint8_t property[400];
    uint32_t used = 0;
    EXPECT_FALSE(append_record(property, 305, &used, instance, 0x21, (const uint8_t*)data.data()));
    EXPECT_EQ(used, 0u);
    ASSERT_TRUE(append_record(property, 306, &used, instance, 0x21, (const uint8_t*)data.data()));
    EXPECT_EQ(used, 306u);
    EXPECT_EQ(std::string((char*)property, 6), std::string("\x00\x00\x2c\x01\x21\x00", 6));
    EXPECT_EQ(std::string((char*)property + 6, 300), data);
}

class Lists : public ::testing::Test {
protected:
    TestDictionary dict;
    AttributeRecord record = {};
    AttributeList profile = {0, 0, nullptr};
    ScriptedPrompt prompt;

    void SetUp() override {
        dict.attribute("Filter-Id", 11, AT_STRING, 0x0C)         // multi-valued on the return list
            .attribute("Login-IP-Host", 14, AT_IPADDR, 0x1C)     // orderable
            .attribute("Session-Timeout", 27, AT_INTEGER, 0x04)  // single-valued
            .attribute("Service-Type", 6, AT_INTEGER, 0x05)      // single on both lists
            .attribute("NAS-IP-Address", 4, AT_IPADDR, 0x03)     // multi on check
            .attribute("Class", 25, AT_HEXSTRING, 0x0C);
    }
    void TearDown() override {
        attribute_record_free(&record);
        attribute_list_free(&profile);
    }
    static void add(AttributeList* list, const AttributeInstance& instance) {
        ASSERT_TRUE(attribute_list_insert(list, list->count, instance));
    }
    // Names the dictionary lacks get the text or integer type.
    uint32_t type_of(const char* name, uint32_t otherwise) {
        const AttributeDefinition* definition = find_definition(&dict.dictionary, name);
        return definition ? definition->type : otherwise;
    }
    AttributeInstance text(const char* name, const char* value, uint16_t flags = OWN_RETURN, uint32_t state = 0) {
        return make_instance(name, type_of(name, AT_STRING), flags, text_bytes(value), state);
    }
    AttributeInstance number(const char* name, uint32_t value, uint16_t flags = OWN_RETURN, uint32_t state = 0) {
        return make_instance(name, type_of(name, AT_INTEGER), flags, u32_bytes(value), state);
    }
    AttributeInstance from_profile(AttributeInstance instance) {
        instance.state |= IS_PROFILE;
        return instance;
    }
    void merge() { ASSERT_TRUE(merge_profile(&record, &profile, &dict.dictionary, nullptr)); }
};

TEST_F(Lists, InsertPositionGroupsByNameAndOrdersByValue) {
    AttributeList& list = record.return_list;
    add(&list, text("Class", "x"));
    add(&list, text("Filter-Id", "b"));
    add(&list, text("Filter-Id", "d"));
    add(&list, number("Session-Timeout", 5));
    EXPECT_EQ(insert_position(list, text("Filter-Id", "a"), false), 3) << "after the group when not by value";
    EXPECT_EQ(insert_position(list, text("Filter-Id", "A"), true), 1);
    EXPECT_EQ(insert_position(list, text("Filter-Id", "c"), true), 2);
    EXPECT_EQ(insert_position(list, text("Filter-Id", "z"), true), 3);
    EXPECT_EQ(insert_position(list, number("Login-IP-Host", 1), false), 3) << "a new name by name order, case ignored";
    EXPECT_EQ(insert_position(list, text("aaa", "x"), false), 0);
    EXPECT_EQ(insert_position(list, text("FILTER-ID-2", "x"), false), 3);
    EXPECT_EQ(insert_position(list, text("zzz", "x"), false), 4);
    EXPECT_EQ(insert_position(list, text("FILTER-ID", "x"), false), 3) << "another name, placed after its like";
    EXPECT_EQ(find_first(list, "Filter-Id"), 1);
    EXPECT_EQ(find_first(list, "filter-id"), -1);
    EXPECT_EQ(find_identical(list, text("Filter-Id", "d")), 2);
    EXPECT_EQ(find_identical(list, text("Filter-Id", "D")), -1);
    EXPECT_EQ(find_identical(list, text("Filter-Id", "b"), 2), -1);
}

TEST_F(Lists, PropertySpaceCountsBothListsAndStoredLengths) {
    AttributeInstance value = make_instance("Class", AT_HEXSTRING, OWN_RETURN, std::string(63, 'x'));
    // 6 + 63 bytes an instance after the 4-byte header: 519 fit in 35840.
    for (int i = 0; i < 517; ++i) add(&record.return_list, value);
    add(&record.check_list, value);
    EXPECT_TRUE(property_space_ok(record, value)) << 4 + 519 * 69;
    add(&record.check_list, value);
    EXPECT_FALSE(property_space_ok(record, value)) << 4 + 520 * 69;
    attribute_list_remove(&record.check_list, 0);
    attribute_list_remove(&record.check_list, 0);
    attribute_list_remove(&record.return_list, 0);
    AttributeInstance long_value = make_instance("Class", AT_HEXSTRING, OWN_RETURN, std::string(128, 'y'));
    long_value.state |= IS_LONG_VALUE;
    long_value.long_length = 200;
    add(&record.check_list, long_value);
    EXPECT_FALSE(property_space_ok(record, value)) << "a long stored value counts whole: " << 4 + 517 * 69 + 206;
}

TEST_F(Lists, CopyAndRemoveKeepTheOthersInOrder) {
    for (int i = 0; i < 40; ++i) add(&record.return_list, number("Session-Timeout", (uint32_t)i));
    AttributeRecord copy = {};
    ASSERT_TRUE(attribute_record_copy(&copy, record));
    attribute_list_remove(&record.return_list, 0);
    attribute_list_remove(&record.return_list, 38);
    attribute_list_remove(&record.return_list, 99);
    ASSERT_EQ(record.return_list.count, 38);
    EXPECT_EQ(value_number(record.return_list.items[0]), 1u);
    EXPECT_EQ(value_number(record.return_list.items[37]), 38u);
    EXPECT_EQ(copy.return_list.count, 40);
    EXPECT_EQ(value_number(copy.return_list.items[39]), 39u);
    attribute_record_free(&copy);
}

TEST_F(Lists, ValidateMarksSingleValuedClashes) {
    add(&record.return_list, number("Session-Timeout", 1));
    add(&record.return_list, number("Session-Timeout", 2));
    add(&record.return_list, text("Filter-Id", "a"));
    add(&record.return_list, text("Filter-Id", "a"));
    add(&record.return_list, text("Unknown", "a"));
    add(&record.return_list, text("Unknown", "a"));
    record.return_list.items[2].state = IS_SINGLE_VALUED;  // stale mark from an earlier run
    validate_lists(&record, &dict.dictionary);
    EXPECT_EQ(describe(record.return_list),
              "Session-Timeout=1(!) Session-Timeout=2(!) Filter-Id=a Filter-Id=a Unknown=a Unknown=a");
}

TEST_F(Lists, ValidateClashTableForEachList) {
    struct Case {
        bool first_profile, second_profile;
        const char *check, *ret;
    } cases[] = {
        {false, false, "Service-Type=1(!) Service-Type=2(!)", "Service-Type=1(!) Service-Type=2(!)"},
        {true, true, "Service-Type=1(p)(!) Service-Type=2(p)(!)", "Service-Type=1(p)(!) Service-Type=2(p)(!)"},
        {false, true, "Service-Type=1", "Service-Type=1"},
        {true, false, "Service-Type=2", "Service-Type=1(p)(!) Service-Type=2(!)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.first_profile) + std::to_string(c.second_profile));
        attribute_record_free(&record);
        for (uint16_t flags : {OWN_CHECK, OWN_RETURN}) {
            AttributeList* list = flags == OWN_CHECK ? &record.check_list : &record.return_list;
            add(list, number("Service-Type", 1, flags, c.first_profile ? IS_PROFILE : 0));
            add(list, number("Service-Type", 2, flags, c.second_profile ? IS_PROFILE : 0));
        }
        validate_lists(&record, &dict.dictionary);
        EXPECT_EQ(describe(record.check_list), c.check);
        EXPECT_EQ(describe(record.return_list), c.ret);
    }
}

TEST_F(Lists, ValidateRemovesProfileInstancesAnOwnOneOverrides) {
    add(&record.check_list, number("Service-Type", 1, OWN_CHECK, IS_PROFILE));
    add(&record.check_list, number("Service-Type", 2, OWN_CHECK, IS_PROFILE));
    add(&record.check_list, number("Service-Type", 3, OWN_CHECK));
    add(&record.check_list, number("Service-Type", 4, OWN_CHECK, IS_PROFILE));
    validate_lists(&record, &dict.dictionary);
    EXPECT_EQ(describe(record.check_list), "Service-Type=3");
}

TEST_F(Lists, SubtractionsMatchTheProfileOnTheirOwnList) {
    add(&record.return_list, text("Filter-Id", "gone", SUB_RETURN));
    add(&record.return_list, text("Filter-Id", "std", SUB_RETURN));
    add(&record.return_list, number("Session-Timeout", 1, SUB_RETURN));
    add(&record.return_list, text("Unknown", "x", SUB_RETURN, IS_NO_PROFILE_MATCH));
    add(&record.check_list, number("Service-Type", 9, SUB_CHECK));
    add(&profile, from_profile(text("Filter-Id", "std")));
    add(&profile, from_profile(number("Session-Timeout", 3600)));
    add(&profile, from_profile(number("Service-Type", 2, OWN_RETURN)));  // the return list's, not the check list's
    merge();
    EXPECT_EQ(describe(record.return_list),
              "Filter-Id=gone(s)(?) Filter-Id=std(s) Service-Type=2(p) Session-Timeout=3600(s) Unknown=x(s)");
    EXPECT_EQ(describe(record.check_list), "Service-Type=9(s)(?)");

    remove_profile_instances(&record);
    EXPECT_TRUE(merge_profile(&record, nullptr, &dict.dictionary, nullptr));
    EXPECT_EQ(describe(record.return_list),
              "Filter-Id=gone(s)(?) Filter-Id=std(s)(?) Session-Timeout=3600(s)(?) Unknown=x(s)(?)")
        << "without a profile every subtraction matches nothing";
}

TEST_F(Lists, MergeKeepsOwnValuesAndInsertsTheRestByValue) {
    add(&record.return_list, text("Filter-Id", "b"));
    add(&record.return_list, text("Filter-Id", "x", SUB_RETURN));
    add(&record.return_list, number("Session-Timeout", 60));
    add(&profile, from_profile(text("Filter-Id", "c")));
    add(&profile, from_profile(text("Filter-Id", "b")));
    add(&profile, from_profile(text("Filter-Id", "x")));
    add(&profile, from_profile(text("Filter-Id", "a")));
    add(&profile, from_profile(number("Session-Timeout", 3600)));
    add(&profile, from_profile(number("Idle-Unknown", 5)));
    add(&profile, from_profile(number("Service-Type", 2, OWN_CHECK)));
    merge();
    EXPECT_EQ(describe(record.return_list),
              "Filter-Id=a(p) Filter-Id=b(o) Filter-Id=c(p) Filter-Id=x(s) Idle-Unknown=5(p) Session-Timeout=60(o)");
    EXPECT_EQ(describe(record.check_list), "Service-Type=2(p)");

    remove_profile_instances(&record);
    EXPECT_EQ(describe(record.return_list), "Filter-Id=b Filter-Id=x(s) Session-Timeout=60");
    EXPECT_EQ(describe(record.check_list), "");
}

TEST_F(Lists, MergeOrderableAttributes) {
    // The user's own order replaces the profile's entirely.
    add(&record.return_list, number("Login-IP-Host", 2));
    add(&record.return_list, number("Login-IP-Host", 1));
    add(&profile, from_profile(number("Login-IP-Host", 7)));
    add(&profile, from_profile(number("Login-IP-Host", 5)));
    merge();
    EXPECT_EQ(describe(record.return_list), "Login-IP-Host=2(o) Login-IP-Host=1(o)");

    // Without own instances the profile's come in, each placed by value.
    attribute_record_free(&record);
    merge();
    EXPECT_EQ(describe(record.return_list), "Login-IP-Host=5(p) Login-IP-Host=7(p)");
}

TEST_F(Lists, MergeSingleValuedSubtractTakesTheProfileValue) {
    AttributeInstance subtract = number("Session-Timeout", 1, SUB_RETURN, IS_UNNAMED_VALUE);
    add(&record.return_list, subtract);
    AttributeInstance p = from_profile(number("Session-Timeout", 3600));
    copy_text(p.value_name, sizeof p.value_name, "One-Hour");
    add(&profile, p);
    merge();
    ASSERT_EQ(record.return_list.count, 1);
    const AttributeInstance& merged = record.return_list.items[0];
    EXPECT_EQ(value_number(merged), 3600u);
    EXPECT_STREQ(merged.value_name, "One-Hour");
    EXPECT_TRUE(is_subtract_instance(merged));
    EXPECT_FALSE(is_profile_instance(merged));
    EXPECT_EQ(merged.state & IS_UNNAMED_VALUE, 0u);
}

TEST_F(Lists, IdenticalProfileInstancesDoNotStopEachOther) {
    add(&record.return_list, text("Unknown", "a", OWN_RETURN, IS_PROFILE));
    add(&profile, from_profile(text("Unknown", "a")));
    add(&profile, from_profile(text("Unknown", "b")));
    merge();
    EXPECT_EQ(describe(record.return_list), "Unknown=a(p) Unknown=a(p) Unknown=b(p)");
}

}  // namespace
