// Attribute lists read from and written to keelsim: stored order, state
// bits, merging a profile, saving back the bytes that were read, and a
// failure at each save step leaving the stored object as it was.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "api/db.h"
#include "api/session.h"
#include "api/status.h"
#include "api/text_field.h"
#include "attrs/list_rules.h"
#include "attrs/list_store.h"
#include "tests/attrs/attr_test_support.h"
#include "tests/sim/sim_test_support.h"
#include "tests/support/scripted_prompt.h"

namespace {

const char* const USER = "++b-Native-User";

struct Rec {
    uint16_t type, flags;
    std::string data;
};

std::string property(const std::vector<Rec>& records, uint16_t word2 = 0) {
    std::string out{(char)records.size(), (char)(records.size() >> 8), (char)word2, (char)(word2 >> 8)};
    for (const Rec& r : records) {
        out += std::string{(char)r.type,  (char)(r.type >> 8), (char)r.data.size(), (char)(r.data.size() >> 8),
                           (char)r.flags, (char)(r.flags >> 8)};
        out += r.data;
    }
    return out;
}

std::string hex_of(const std::string& bytes) {
    std::string out;
    char two[3];
    for (unsigned char c : bytes) {
        snprintf(two, sizeof two, "%02x", c);
        out += two;
    }
    return out;
}

std::string prop_line(const char* name, const std::string& bytes) {
    return std::string("property \"") + name + "\" hex \"" + hex_of(bytes) + "\"\n";
}

const char DICTIONARY[] =
    "attribute Service-Type 6 1 0x05\n"
    "attribute Framed-Protocol 7 1 0x04\n"
    "attribute Filter-Id 11 0 0x0C\n"
    "attribute Session-Timeout 27 1 0x04\n"
    "attribute Reply-Message 18 0 0x1C\n"
    "attribute Calling-Station-Id 31 0 0x03\n"
    "attribute Framed-IP-Address 8 18 0x05\n"
    "value Service-Type Login-User 1\n"
    "value Service-Type Framed-User 2\n"
    "value Framed-Protocol PPP 1\n";

class ListStore : public SimServerTest {
protected:
    Dictionary dictionary = {0, nullptr, 0, nullptr};
    AttributeRecord record = {};
    AttributeList profile = {0, 0, nullptr};
    ScriptedPrompt prompt;

    void connect(const std::string& objects) {
        write_test_file("lists.dict", DICTIONARY);
        start(("dictionary \"\" lists.dict\n" + objects).c_str());
        session_reset();
        PipeSession* session = nullptr;
        ASSERT_EQ(session_open(nullptr, &session), 0);
        set_current_session(session);
        ASSERT_TRUE(load_dictionary_into(&dictionary, nullptr, nullptr));
    }
    // Everything a test took, so that a table of cases can start each afresh.
    void disconnect() {
        attribute_record_free(&record);
        attribute_list_free(&profile);
        dictionary_free(&dictionary);
        session_reset();
        stop();
    }
    void TearDown() override { disconnect(); }
    uint16_t load(const char* cls, const char* name) {
        copy_text(record.class_name, sizeof record.class_name, cls);
        copy_text(record.object_name, sizeof record.object_name, name);
        return load_attribute_lists(&record, &dictionary, nullptr);
    }
    std::string stored(const char* cls, const char* obj, const char* prop) {
        std::string value;
        return sim_get_property(server, cls, obj, prop, &value) ? value : std::string("<missing>");
    }
};

TEST_F(ListStore, ReadsInStoredOrderAndWritesTheSameBytesBack) {
    const std::string filter =
        property({{0, 0x11, text_bytes("in")}, {0, 0x21, text_bytes("zeta")}, {0, 0x21, text_bytes("alpha")}});
    const std::string service = property({{1, 0x15, u32_bytes(2)}, {1, 0x21, u32_bytes(1)}});
    const std::string unknown = property({{10, 0x21, "\x01\x02\x03"}});
    const std::string message = property({{0, 0x21, text_bytes("second")}, {0, 0x21, text_bytes("first")}});
    connect(std::string("object ++b-Native-User JSMITH\n") + prop_line("Filter-Id", filter) +
            prop_line("Service-Type", service) + prop_line("Vendor-Thing", unknown) +
            prop_line("Reply-Message", message) + "property --Password hex \"0100\"\n" +
            "property --User-Profile text \"X\"\n");
    ASSERT_EQ(load(USER, "JSMITH"), 0);
    validate_lists(&record, &dictionary);
    EXPECT_EQ(describe(record.check_list), "Filter-Id=in Service-Type=2");
    EXPECT_EQ(describe(record.return_list),
              "Filter-Id=zeta Filter-Id=alpha Reply-Message=second Reply-Message=first Service-Type=1 Vendor-Thing");
    const AttributeInstance& check_filter = record.check_list.items[0];
    EXPECT_EQ(check_filter.state, IS_WRONG_LIST) << "Filter-Id is a return-list attribute";
    EXPECT_STREQ(record.check_list.items[1].value_name, "Framed-User");
    EXPECT_STREQ(record.return_list.items[4].value_name, "Login-User");
    const AttributeInstance& vendor = record.return_list.items[5];
    EXPECT_EQ(vendor.state, IS_UNKNOWN_ATTRIBUTE);
    EXPECT_EQ(vendor.number, 0u);
    EXPECT_EQ(vendor.type, 10u) << "the stored type when the dictionary lacks the attribute";
    EXPECT_EQ(record.return_list.items[0].number, 11u);

    uint32_t sets = sim_request_count(server, 1, 3);
    ASSERT_EQ(save_attribute_lists(&record), 0);
    EXPECT_EQ(sim_request_count(server, 1, 3) - sets, 4u) << "one property per attribute name";
    EXPECT_EQ(stored(USER, "JSMITH", "Filter-Id"), filter);
    EXPECT_EQ(stored(USER, "JSMITH", "Service-Type"), service);
    EXPECT_EQ(stored(USER, "JSMITH", "Vendor-Thing"), unknown);
    EXPECT_EQ(stored(USER, "JSMITH", "Reply-Message"), message);
    EXPECT_EQ(stored(USER, "JSMITH", "--Password"), "<missing>") << "the users panel writes it after the lists";
    EXPECT_FALSE(sim_object_exists(server, USER, TEMP_OBJECT_NAME));
    for (const AttributeList* list : {&record.check_list, &record.return_list})
        for (uint16_t i = 0; i < list->count; ++i) EXPECT_EQ(list->items[i].state & IS_WRITTEN, 0u);
}

TEST_F(ListStore, StateBitsFromTheDictionary) {
    connect(std::string("object ++b-Native-User U\n") +
            prop_line("Session-Timeout", property({{15, 0x21, "\x10\x00"}})) +  // type differs
            prop_line("Service-Type", property({{1, 0x21, u32_bytes(99)}, {1, 0x11, u32_bytes(99)}})) +
            prop_line("Framed-Protocol", property({{1, 0x29, ""}, {1, 0x01, u32_bytes(1)}})) +  // echo; no list bit
            prop_line("Calling-Station-Id", property({{0, 0x11, "no nul"}})));
    ASSERT_EQ(load(USER, "U"), 0);
    EXPECT_EQ(describe(record.check_list), "Calling-Station-Id=no nul Service-Type=99");
    EXPECT_EQ(record.check_list.items[1].state, IS_UNNAMED_VALUE) << "a number without a name";
    EXPECT_EQ(describe(record.return_list), "Framed-Protocol Framed-Protocol=1 Service-Type=99 Session-Timeout");
    EXPECT_EQ(record.return_list.items[0].state, 0u) << "an echo instance has no value to name";
    EXPECT_STREQ(record.return_list.items[1].value_name, "PPP") << "no list bit reads as the return list";
    EXPECT_EQ(record.return_list.items[2].state, IS_UNNAMED_VALUE);
    EXPECT_EQ(record.return_list.items[3].state, IS_TYPE_MISMATCH);
    EXPECT_EQ(record.return_list.items[3].type, 1u);

    ASSERT_EQ(save_attribute_lists(&record), 0);
    EXPECT_EQ(stored(USER, "U", "Framed-Protocol"), property({{1, 0x29, ""}, {1, 0x21, u32_bytes(1)}}))
        << "the list bit is added on writing";
}

TEST_F(ListStore, PropertiesWithoutInstancesAndReservedOnes) {
    connect(std::string("object ++b-Native-User U\n") + "property --Password hex \"010000000600\"\n" +
            "property --User-Profile text \"P\"\n" + prop_line("Filter-Id", std::string("\x01\x00", 2)) +
            prop_line("Reply-Message", property({})) +
            prop_line("Session-Timeout", property({{1, 0x21, u32_bytes(5)}, {1, 0x21, u32_bytes(6)}}).substr(0, 20)));
    ASSERT_EQ(load(USER, "U"), 0);
    EXPECT_EQ(describe(record.check_list), "");
    EXPECT_EQ(describe(record.return_list), "Session-Timeout=5") << "only the complete record of a damaged property";
}

TEST_F(ListStore, UnreadablePropertyFailsTheLoad) {
    connect(std::string("object ++b-Native-User U\n") + prop_line("Filter-Id", property({{0, 0x21, "a"}})));
    ASSERT_EQ(sim_add_fault(server, "1:4:1:fail=3"), 0);
    EXPECT_EQ(load(USER, "U"), 3);
    EXPECT_EQ(load(USER, "MISSING"), STATUS_NOT_FOUND);
    ASSERT_EQ(sim_add_fault(server, "10:1:1:fail=3"), 0);
    EXPECT_NE(load(USER, "U"), 0) << "the lock's failure";
    EXPECT_EQ(load(USER, "U"), 0);
    EXPECT_EQ(sim_request_count(server, 10, 2), sim_request_count(server, 10, 1) - 1)
        << "every lock taken was released";
}

TEST_F(ListStore, MergedProfileIsShownButNeverWritten) {
    connect(std::string("object ++a-Profile DIALUP\n") +
            prop_line("Filter-Id", property({{0, 0x21, text_bytes("std")}, {0, 0x21, text_bytes("smtp")}})) +
            prop_line("Session-Timeout", property({{1, 0x21, u32_bytes(3600)}})) +
            prop_line("Service-Type", property({{1, 0x11, u32_bytes(2)}, {1, 0x21, u32_bytes(2)}})) +
            "object ++b-Native-User U\n" +
            prop_line("Filter-Id", property({{0, 0x22, text_bytes("std")}, {0, 0x21, text_bytes("kids")}})) +
            prop_line("Session-Timeout", property({{1, 0x21, u32_bytes(60)}})) +
            "object ++b-Native-User ONLY-PROFILE\n");
    ASSERT_EQ(load_profile_instances("DIALUP", &dictionary, nullptr, &profile), 0);
    EXPECT_EQ(describe(profile),
              "Filter-Id=std(p) Filter-Id=smtp(p) Service-Type=2(p) Service-Type=2(p) "
              "Session-Timeout=3600(p)");
    ASSERT_EQ(load(USER, "U"), 0);
    validate_lists(&record, &dictionary);
    ASSERT_TRUE(merge_profile(&record, &profile, &dictionary, nullptr));
    EXPECT_EQ(describe(record.check_list), "Service-Type=2(p)");
    EXPECT_EQ(describe(record.return_list),
              "Filter-Id=smtp(p) Filter-Id=std(s) Filter-Id=kids Service-Type=2(p) Session-Timeout=60(o)");
    ASSERT_EQ(save_attribute_lists(&record), 0);
    EXPECT_EQ(stored(USER, "U", "Filter-Id"), property({{0, 0x22, text_bytes("std")}, {0, 0x21, text_bytes("kids")}}));
    EXPECT_EQ(stored(USER, "U", "Session-Timeout"), property({{1, 0x21, u32_bytes(60)}}));
    EXPECT_EQ(stored(USER, "U", "Service-Type"), "<missing>");

    attribute_record_free(&record);
    ASSERT_EQ(load(USER, "ONLY-PROFILE"), 0);
    ASSERT_TRUE(merge_profile(&record, &profile, &dictionary, nullptr));
    EXPECT_EQ(record.return_list.count, 4);
    uint32_t sets = sim_request_count(server, 1, 3);
    ASSERT_EQ(save_attribute_lists(&record), 0);
    EXPECT_EQ(sim_request_count(server, 1, 3), sets) << "only profile instances: no attribute property";
    EXPECT_TRUE(sim_object_exists(server, USER, "ONLY-PROFILE"));
}

struct SaveFault {
    const char* step;
    const char* fault;
    uint16_t status;  // 0: the save goes through
    bool temp_left;   // the half-built object stays under the temporary name
};

TEST_F(ListStore, FailureAtEachSaveStepLeavesTheStoredObjectUntouched) {
    const std::string filter = property({{0, 0x21, text_bytes("a")}});
    const std::string timeout = property({{1, 0x21, u32_bytes(60)}});
    const std::string objects = std::string("object ++b-Native-User U\n") + prop_line("Filter-Id", filter) +
                                prop_line("Session-Timeout", timeout) + "property --Password hex \"0100\"\n";
    const SaveFault faults[] = {
        {"lock", "10:1:1:fail=3", 104, false},         {"delete leftover (ignored)", "1:6:1:fail=3", 0, false},
        {"create", "1:5:1:fail=5", 5, false},          {"first property", "1:3:1:fail=3", 3, false},
        {"second property", "1:3:2:fail=6", 6, false}, {"rename", "1:9:1:fail=3", 3, true},
    };
    for (const SaveFault& f : faults) {
        SCOPED_TRACE(f.step);
        connect(objects);
        ASSERT_EQ(load(USER, "U"), 0);
        record.return_list.items[1].data[0] = 61;  // a change that must not reach the stored object
        ASSERT_EQ(sim_add_fault(server, f.fault), 0);
        EXPECT_EQ(save_attribute_lists(&record), f.status);
        EXPECT_EQ(sim_object_exists(server, USER, TEMP_OBJECT_NAME), f.temp_left);
        if (f.status != 0) {
            EXPECT_EQ(stored(USER, "U", "Filter-Id"), filter);
            EXPECT_EQ(stored(USER, "U", "Session-Timeout"), timeout);
            EXPECT_EQ(stored(USER, "U", "--Password"), std::string("\x01\x00", 2));
            // Saved again without the fault, the change goes through.
            ASSERT_EQ(save_attribute_lists(&record), 0);
        }
        EXPECT_EQ(stored(USER, "U", "Session-Timeout"), property({{1, 0x21, u32_bytes(61)}}));
        EXPECT_FALSE(sim_object_exists(server, USER, TEMP_OBJECT_NAME));
        disconnect();
    }
}

TEST_F(ListStore, LongStoredValuesComeBackWhole) {
    std::string long_text = std::string(199, 'L') + '\0';
    long_text[130] = 'x';
    const std::string message = property({{0, 0x21, text_bytes("short")}, {0, 0x21, long_text}});
    connect(std::string("object ++b-Native-User U\n") + prop_line("Reply-Message", message));
    ASSERT_EQ(load(USER, "U"), 0);
    ASSERT_EQ(record.return_list.count, 2);
    const AttributeInstance& held = record.return_list.items[1];
    EXPECT_EQ(held.length, 128);
    EXPECT_EQ(held.state, IS_LONG_VALUE);
    EXPECT_EQ(stored_length(held), 200u);
    ASSERT_EQ(save_attribute_lists(&record), 0);
    EXPECT_EQ(stored(USER, "U", "Reply-Message"), message);

    // Someone changes the stored value past its first 128 bytes; the held
    // copy can no longer stand for it, so the save is refused.
    std::string changed_text = long_text;
    changed_text[150] = 'y';
    const std::string changed = property({{0, 0x21, text_bytes("short")}, {0, 0x21, changed_text}});
    ASSERT_EQ(sim_apply(server, ("object ++b-Native-User U\n" + prop_line("Reply-Message", changed)).c_str()), 0);
    EXPECT_EQ(save_attribute_lists(&record), 0) << "the tail is taken from the stored object as it is now";
    EXPECT_EQ(stored(USER, "U", "Reply-Message"), changed);
    std::string start_changed = changed_text;
    start_changed[3] = 'z';
    ASSERT_EQ(sim_apply(server, ("object ++b-Native-User U\n" +
                                 prop_line("Reply-Message",
                                           property({{0, 0x21, text_bytes("short")}, {0, 0x21, start_changed}})))
                                    .c_str()),
              0);
    EXPECT_EQ(save_attribute_lists(&record), STATUS_NOT_FOUND);
    EXPECT_FALSE(sim_object_exists(server, USER, TEMP_OBJECT_NAME));
    EXPECT_EQ(stored(USER, "U", "Reply-Message").substr(4 + 6 + 6 + 6, 5), "LLLzL");
}

// A save that moves the long record within its property (an instance before
// it removed or added, the order changed) must still find it in the next
// save, which runs without a reload and writes the same bytes again.
TEST_F(ListStore, LongValueFoundAgainAfterASaveMovedIt) {
    std::string long_text = std::string(199, 'L') + '\0';
    long_text[170] = 't';
    const Rec short_rec = {0, 0x21, text_bytes("short")};
    const Rec long_rec = {0, 0x21, long_text};
    const Rec added_rec = {0, 0x21, text_bytes("added")};
    struct Move {
        const char* what;
        void (*change)(AttributeList* list, const AttributeInstance& added);
        std::vector<Rec> expected;
    };
    const Move moves[] = {
        {"earlier removed",
         [](AttributeList* l, const AttributeInstance&) { attribute_list_remove(l, 0); },
         {long_rec}},
        {"earlier added",
         [](AttributeList* l, const AttributeInstance& a) { ASSERT_TRUE(attribute_list_insert(l, 0, a)); },
         {added_rec, short_rec, long_rec}},
        {"reordered",
         [](AttributeList* l, const AttributeInstance&) {
             AttributeInstance moved = l->items[1];
             attribute_list_remove(l, 1);
             ASSERT_TRUE(attribute_list_insert(l, 0, moved));
         },
         {long_rec, short_rec}},
    };
    for (const Move& m : moves) {
        SCOPED_TRACE(m.what);
        connect(std::string("object ++b-Native-User U\n") +
                prop_line("Reply-Message", property({short_rec, long_rec})));
        ASSERT_EQ(load(USER, "U"), 0);
        m.change(&record.return_list, make_instance("Reply-Message", AT_STRING, 0x21, text_bytes("added")));
        ASSERT_EQ(save_attribute_lists(&record), 0);
        EXPECT_EQ(stored(USER, "U", "Reply-Message"), property(m.expected));
        EXPECT_EQ(save_attribute_lists(&record), 0) << "saved again without a reload";
        EXPECT_EQ(stored(USER, "U", "Reply-Message"), property(m.expected));
        disconnect();
    }
}

// A panel's Reset brings back the instances as loaded, with the position the
// long record had before a save moved it; the record is still found.
TEST_F(ListStore, LongValueFoundFromASnapshotTakenBeforeTheSaveThatMovedIt) {
    const std::string long_text = std::string(150, 'S') + '\0';
    const std::string original = property({{0, 0x21, text_bytes("short")}, {0, 0x21, long_text}});
    connect(std::string("object ++b-Native-User U\n") + prop_line("Reply-Message", original));
    ASSERT_EQ(load(USER, "U"), 0);
    AttributeRecord snapshot = {};
    ASSERT_TRUE(attribute_record_copy(&snapshot, record));
    attribute_list_remove(&record.return_list, 0);
    ASSERT_EQ(save_attribute_lists(&record), 0);
    ASSERT_EQ(stored(USER, "U", "Reply-Message"), property({{0, 0x21, long_text}}));
    attribute_record_free(&record);
    ASSERT_TRUE(attribute_record_copy(&record, snapshot));
    attribute_record_free(&snapshot);
    EXPECT_EQ(save_attribute_lists(&record), 0);
    EXPECT_EQ(stored(USER, "U", "Reply-Message"), original);
}

TEST_F(ListStore, APropertyBeyondItsLimitIsRefusedNotCut) {
    connect("object ++b-Native-User U\n" + prop_line("Filter-Id", property({{0, 0x21, text_bytes("keep")}})));
    ASSERT_EQ(load(USER, "U"), 0);
    AttributeInstance big = make_instance("Filter-Id", AT_STRING, 0x21, std::string(127, 'f') + '\0');
    while (property_space_ok(record, big)) ASSERT_TRUE(attribute_list_insert(&record.return_list, 0, big));
    ASSERT_TRUE(attribute_list_insert(&record.return_list, 0, big));
    EXPECT_EQ(save_attribute_lists(&record), STATUS_REQUEST_TOO_LARGE);
    EXPECT_EQ(stored(USER, "U", "Filter-Id"), property({{0, 0x21, text_bytes("keep")}}));
    EXPECT_FALSE(sim_object_exists(server, USER, TEMP_OBJECT_NAME));
    attribute_list_remove(&record.return_list, 0);
    EXPECT_EQ(save_attribute_lists(&record), 0) << "the largest property that fits";
    EXPECT_EQ(stored(USER, "U", "Filter-Id").size(), 4u + (6 + 5) + 267u * (6 + 128));
}

}  // namespace
