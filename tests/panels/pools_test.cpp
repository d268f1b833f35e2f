// The address pools panel's model against keelsim: showing the pools,
// adding ranges, saving, adding and removing pools, the save prompt, and a
// failure at each step of a save leaving the stored pool exactly as it was.
#include <stdio.h>
#include <string.h>

#include "api/db.h"

#include "tests/panels/pools_fixture.h"

namespace {

typedef std::vector<std::string> Texts;

const char OVERLAP_TEXT[] = "Pool range overlaps an existing pool range in this pool definition";

std::string pool_error(const char* code_and_text) { return std::string("Error processing Pool:\n (") + code_and_text; }

TEST_F(PoolsTest, DemoPoolsAreListedSortedWithTheirRanges) {
    open(nullptr);
    const PoolsPanel& p = pools_panel();
    EXPECT_EQ(shown_names(), (Texts{"DIALUP-POOL", "ISDN-POOL", "LAB-POOL", "VPN-POOL"}));
    EXPECT_EQ(p.selected, 0);
    EXPECT_STREQ(p.current.description, "Dial-up customers (analog POPs)");
    EXPECT_EQ(shown_ranges(), (Texts{"10.64.0.1 (254)", "10.64.1.1 (254)", "10.64.2.1 (126)"}));
    EXPECT_TRUE(p.loaded);
    EXPECT_FALSE(p.modified);
    PoolsControls controls = pools_controls();
    EXPECT_TRUE(controls.insert_enabled && controls.remove_enabled && controls.description_enabled);
    EXPECT_FALSE(controls.delete_enabled || controls.save_enabled);
    choose("LAB-POOL");
    EXPECT_STREQ(p.current.description, "Lab testing - no ranges assigned yet");
    EXPECT_TRUE(shown_ranges().empty());
    EXPECT_TRUE(messages().empty());
}

TEST_F(PoolsTest, RangesAreCheckedAddedInOrderAndStoredSorted) {
    open(pool_object("P", "", {}).c_str());
    struct Step {
        const char* start;
        const char* count;
        const char* message;  // null: added
    };
    const Step steps[] = {
        {"10.0.0.11", "5", nullptr},
        {"10.0.0.1", "10", nullptr},
        {"10.0.0.5", "2", OVERLAP_TEXT},
        {"10.0.0.0", "100", OVERLAP_TEXT},
        {"10.0.0.20", "5", nullptr},
        {"10.0.0.30", "0", "Number of addresses must be 1 or more"},
        {"255.255.255.255", "1", "An address range cannot start at 255.255.255.255"},
        {"255.255.255.250", "7", "The address range would run past 255.255.255.255"},
        {"10.0.1", "5", "Invalid IP address specified"},
        {"10.0.0.256", "5", "Invalid IP address specified"},
        {"10.0.0.40", "five", "Invalid IP address specified"},
        {"10.0.0.40", "4294967296", "Invalid IP address specified"},
        {"255.255.255.250", "6", nullptr},  // ends at the last address
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.start) + " (" + step.count + ")");
        prompt.asked.clear();
        uint32_t before = requests();
        EXPECT_EQ(pools_add_range(step.start, step.count), step.message == nullptr);
        EXPECT_EQ(requests(), before);  // nothing goes to the server before Save
        if (!step.message) {
            EXPECT_TRUE(prompt.asked.empty());
            continue;
        }
        ASSERT_EQ(prompt.asked.size(), 1u);
        const RecordedPrompt& asked = prompt.asked[0];
        if (strcmp(step.message, OVERLAP_TEXT) == 0) {
            EXPECT_EQ(asked.text, pool_error("208)") + OVERLAP_TEXT);
            EXPECT_EQ(asked.title, "KEELADMIN Error");
        } else {
            EXPECT_EQ(asked.text, step.message);
            EXPECT_EQ(asked.title, "ERROR");
            EXPECT_EQ(asked.icon, PROMPT_ICON_STOP);
        }
    }
    EXPECT_EQ(shown_ranges(), (Texts{"10.0.0.1 (10)", "10.0.0.11 (5)", "10.0.0.20 (5)", "255.255.255.250 (6)"}));
    EXPECT_TRUE(pools_controls().save_enabled);
    ASSERT_TRUE(pools_save());
    EXPECT_EQ(stored_property(POOL_CLASS, "P", "Addr-Pool-Ranges"), std::string("\x01\x00\x00\x0a\x0a\x00\x00\x00"
                                                                                "\x0b\x00\x00\x0a\x05\x00\x00\x00"
                                                                                "\x14\x00\x00\x0a\x05\x00\x00\x00"
                                                                                "\xfa\xff\xff\xff\x06\x00\x00\x00",
                                                                                32));
    EXPECT_FALSE(pools_controls().save_enabled);
}

TEST_F(PoolsTest, APoolWithoutRangesIsSavedWithAnEmptyList) {
    open(pool_object("P", "old", {"10.0.0.1:10"}).c_str());
    pools_select_range(0);
    EXPECT_TRUE(pools_controls().delete_enabled);
    pools_delete_range();
    EXPECT_FALSE(pools_controls().delete_enabled);
    pools_edit_description("Spare addresses");
    ASSERT_TRUE(pools_save());
    EXPECT_EQ(stored_pool("P"), std::string("Addr-Pool-Desc=Spare addresses\0;Addr-Pool-Ranges=;", 50));
}

TEST_F(PoolsTest, ResetBringsBackTheLoadedPoolWithoutReadingTheServer) {
    open(pool_object("P", "desc", {"10.0.0.1:10"}).c_str());
    pools_edit_description("changed");
    pools_add_range("10.0.0.20", "5");
    pools_select_range(0);
    pools_delete_range();
    uint32_t before = requests();
    pools_revert();
    EXPECT_EQ(requests(), before);
    EXPECT_STREQ(pools_panel().current.description, "desc");
    EXPECT_EQ(shown_ranges(), Texts{"10.0.0.1 (10)"});
    EXPECT_FALSE(pools_controls().save_enabled);
}

TEST_F(PoolsTest, AStoredOverlapShowsTheDescriptionOnlyAndCannotBeSaved) {
    open(pool_object("BAD", "kept", {"10.0.0.1:10", "10.0.0.5:2"}).c_str());
    const PoolsPanel& p = pools_panel();
    EXPECT_EQ(messages(), Texts{pool_error("208)") + OVERLAP_TEXT});
    EXPECT_STREQ(p.current.description, "kept");
    EXPECT_TRUE(shown_ranges().empty());
    PoolsControls controls = pools_controls();
    EXPECT_FALSE(controls.insert_enabled || controls.delete_enabled || controls.description_enabled);
    EXPECT_TRUE(controls.remove_enabled);
    // Nothing can make it write its empty list over the stored one.
    std::string before = stored_pool("BAD");
    pools_edit_description("changed");
    EXPECT_FALSE(pools_add_range("10.0.1.0", "1"));
    EXPECT_FALSE(pools_save());
    EXPECT_EQ(stored_pool("BAD"), before);
}

TEST_F(PoolsTest, StoredDescriptionsAndRangeListsBeyondTheirFieldsAreNotTakenCutShort) {
    std::string fixture = pool_object("LONG", std::string(300, 'd').c_str(), {"10.0.0.1:1"});
    std::string many = "object IP-Addr-Pool MANY\nproperty Addr-Pool-Ranges hex \"";
    for (uint32_t i = 0; i <= POOL_MAX_RANGES; ++i) {
        char entry[20];
        snprintf(entry, sizeof entry, "%02x%02x0000 01000000", i & 0xFF, i >> 8);
        many += entry;
    }
    open((fixture + many + "\"\n").c_str());
    // The description is cut to its field and said so; the pool is usable.
    EXPECT_EQ(messages(), Texts{pool_error("200)String was too long for buffer and was truncated")});
    EXPECT_EQ(strlen(pools_panel().current.description), POOL_DESCRIPTION_SIZE - 1);
    EXPECT_EQ(shown_ranges(), Texts{"10.0.0.1 (1)"});
    EXPECT_TRUE(pools_controls().insert_enabled);
    // A list longer than a pool holds is refused whole.
    prompt.asked.clear();
    choose("MANY");
    EXPECT_EQ(messages(), Texts{pool_error("200)String was too long for buffer and was truncated")});
    EXPECT_TRUE(shown_ranges().empty());
    EXPECT_FALSE(pools_controls().insert_enabled);
}

TEST_F(PoolsTest, AddedNamesAreUpperCaseAndNeverAddedTwice) {
    open(pool_object("B", "b", {"10.0.0.1:1"}).c_str());
    const PoolsPanel& p = pools_panel();
    ASSERT_TRUE(pools_begin_add());
    pools_add("pool9");
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(stored_pool("POOL9"), "Addr-Pool-Desc=<missing>;Addr-Pool-Ranges=<missing>;");
    EXPECT_EQ(shown_names(), (Texts{"B", "POOL9"}));
    EXPECT_EQ(p.selected, 1);
    EXPECT_TRUE(p.loaded);  // a pool without properties reads as empty
    EXPECT_STREQ(p.current.description, "");
    EXPECT_TRUE(pools_add_range("10.1.0.0", "256"));
    ASSERT_TRUE(pools_save());
    EXPECT_EQ(stored_property(POOL_CLASS, "POOL9", "Addr-Pool-Desc"), std::string("\0", 1));

    choose("B");
    uint32_t creates = sim_request_count(server, 1, 5);
    pools_add("Pool9");
    EXPECT_EQ(messages(), Texts{"Pool POOL9 already exists"});
    EXPECT_EQ(prompt.asked[0].title, "ERROR");
    EXPECT_EQ(sim_request_count(server, 1, 5), creates);
    EXPECT_EQ(p.selected, 1);  // and it is chosen
    EXPECT_EQ(shown_ranges(), Texts{"10.1.0.0 (256)"});
}

TEST_F(PoolsTest, AddingAPoolAsksToSaveTheChangesFirst) {
    open(pool_object("A", "a", {}).c_str());
    pools_edit_description("edited");
    prompt.answer(ANSWER_CANCEL);
    EXPECT_FALSE(pools_begin_add());
    EXPECT_EQ(messages(), Texts{"Save settings for address pool A?"});
    EXPECT_EQ(prompt.asked[0].title, "Keelgate Access Control Administrator");
    EXPECT_EQ(prompt.asked[0].buttons, PROMPT_YES_NO_CANCEL);
    prompt.answer(ANSWER_YES);
    ASSERT_TRUE(pools_begin_add());
    EXPECT_EQ(stored_property(POOL_CLASS, "A", "Addr-Pool-Desc"), std::string("edited\0", 7));
}

TEST_F(PoolsTest, AFailedCreationAddsNothing) {
    open(pool_object("A", "a", {}).c_str());
    ASSERT_EQ(sim_add_fault(server, "1:5:1:fail=2"), 0);
    pools_add("new");
    EXPECT_EQ(messages(), Texts{pool_error("2)access denied")});
    EXPECT_EQ(shown_names(), Texts{"A"});
    EXPECT_STREQ(pools_panel().current.name, "A");
}

TEST_F(PoolsTest, RemoveConfirmsThenChoosesTheNextPool) {
    std::string fixture = pool_object("A", "a", {}) + pool_object("B", "b", {}) + pool_object("C", "c", {});
    open(fixture.c_str());
    const PoolsPanel& p = pools_panel();
    choose("B");
    prompt.answer(ANSWER_NO);
    pools_remove();
    EXPECT_EQ(messages(), Texts{"Are you sure that you want delete pool B ?"});
    EXPECT_EQ(prompt.asked[0].title, "WARNING");
    EXPECT_EQ(prompt.asked[0].buttons, PROMPT_YES_NO);
    EXPECT_TRUE(sim_object_exists(server, POOL_CLASS, "B"));

    // A pending change goes with the pool.
    pools_edit_description("unsaved");
    prompt.answer(ANSWER_YES);
    pools_remove();
    EXPECT_FALSE(sim_object_exists(server, POOL_CLASS, "B"));
    EXPECT_EQ(shown_names(), (Texts{"A", "C"}));
    EXPECT_STREQ(p.current.name, "C");  // the entry at the old position
    EXPECT_FALSE(p.modified);

    prompt.answer(ANSWER_YES);
    pools_remove();
    EXPECT_STREQ(p.current.name, "A");  // past the end: the first
    prompt.answer(ANSWER_YES);
    pools_remove();
    EXPECT_EQ(p.selected, -1);
    PoolsControls controls = pools_controls();
    EXPECT_FALSE(controls.insert_enabled || controls.remove_enabled || controls.description_enabled);
}

TEST_F(PoolsTest, AFailedRemovalKeepsThePool) {
    open(pool_object("A", "a", {"10.0.0.1:1"}).c_str());
    ASSERT_EQ(sim_add_fault(server, "1:6:1:fail=2"), 0);
    prompt.answer(ANSWER_YES);
    pools_remove();
    EXPECT_EQ(messages().back(), pool_error("2)access denied"));
    EXPECT_EQ(shown_names(), Texts{"A"});
    EXPECT_EQ(shown_ranges(), Texts{"10.0.0.1 (1)"});
}

TEST_F(PoolsTest, SavePromptWhenSwitchingPools) {
    std::string fixture = pool_object("A", "a", {"10.0.0.1:1"}) + pool_object("B", "b", {});
    open(fixture.c_str());
    const PoolsPanel& p = pools_panel();
    pools_add_range("10.0.0.2", "1");
    prompt.answer(ANSWER_CANCEL);
    pools_select(1);
    EXPECT_STREQ(p.current.name, "A");
    EXPECT_EQ(shown_ranges().size(), 2u);

    prompt.answer(ANSWER_NO);
    pools_select(1);
    EXPECT_STREQ(p.current.name, "B");
    EXPECT_EQ(stored_property(POOL_CLASS, "A", "Addr-Pool-Ranges").size(), 8u);

    // A failed save counts as Cancel: the changes stay, still modified.
    pools_edit_description("b2");
    ASSERT_EQ(sim_add_fault(server, "1:9:1:fail=3"), 0);
    prompt.answer(ANSWER_YES);
    pools_select(0);
    EXPECT_STREQ(p.current.name, "B");
    EXPECT_STREQ(p.current.description, "b2");
    EXPECT_TRUE(p.modified);
    EXPECT_EQ(messages().back(), pool_error("3)i/o error"));

    prompt.answer(ANSWER_YES);
    EXPECT_TRUE(pools_may_leave());
    EXPECT_EQ(stored_property(POOL_CLASS, "B", "Addr-Pool-Desc"), std::string("b2\0", 3));
    EXPECT_EQ(messages().size(), 5u);
}

struct SaveFault {
    const char* step;
    const char* fault;
    const char* message;
};

TEST_F(PoolsTest, AFailureAtAnyStepLeavesTheStoredPoolExactly) {
    const SaveFault faults[] = {
        {"lock", "10:1:1:fail=107", "104)unable to execute"},
        {"delete the leftover temporary object", "1:6:1:fail=2", "2)access denied"},
        {"create the temporary object", "1:5:1:fail=3", "3)i/o error"},
        {"Addr-Pool-Desc", "1:3:1:fail=3", "3)i/o error"},
        {"Addr-Pool-Ranges", "1:3:2:fail=6", "6)i/o error"},
        {"rename", "1:9:1:fail=7", "7)record not found"},
        {"connection lost at the ranges", "1:3:2:drop", nullptr},
        {"connection lost at the rename", "1:9:1:drop", nullptr},
    };
    for (const SaveFault& f : faults) {
        SCOPED_TRACE(f.step);
        open(pool_object("P", "stored", {"10.0.0.1:10", "10.0.1.1:5"}).c_str());
        std::string before = stored_pool("P");
        pools_edit_description("new");
        ASSERT_TRUE(pools_add_range("10.0.2.1", "20"));
        ASSERT_EQ(sim_add_fault(server, f.fault), 0);

        EXPECT_FALSE(pools_save());
        EXPECT_EQ(stored_pool("P"), before);
        ASSERT_EQ(prompt.asked.size(), 1u);
        if (f.message) { EXPECT_EQ(prompt.asked[0].text, pool_error(f.message)); }
        EXPECT_EQ(prompt.asked[0].title, "KEELADMIN Error");
        // The edits stay on screen, still to be saved.
        const PoolsPanel& p = pools_panel();
        EXPECT_TRUE(p.modified);
        EXPECT_STREQ(p.current.description, "new");
        EXPECT_EQ(shown_ranges().size(), 3u);
        prompt.asked.clear();
        close();
    }
}

TEST_F(PoolsTest, AFailedListingLeavesThePanelEmptyUntilShownAgain) {
    open(pool_object("A", "a", {}).c_str());
    pools_reset();
    ASSERT_EQ(sim_add_fault(server, "1:8:1:fail=3"), 0);
    pools_activate();
    EXPECT_EQ(messages(), Texts{pool_error("3)i/o error")});
    EXPECT_EQ(pools_panel().names.count, 0u);
    EXPECT_FALSE(pools_controls().remove_enabled);
    pools_activate();
    EXPECT_EQ(shown_names(), Texts{"A"});
}

TEST_F(PoolsTest, APoolDeletedElsewhereFailsToLoadAndStaysReadOnly) {
    std::string fixture = pool_object("A", "a", {}) + pool_object("B", "b", {"10.0.0.1:1"});
    open(fixture.c_str());
    ASSERT_EQ(db_delete(POOL_CLASS, "B", nullptr), 0);  // another console
    pools_select(1);
    EXPECT_EQ(messages(), Texts{pool_error("7)record not found")});
    EXPECT_TRUE(shown_ranges().empty());
    EXPECT_FALSE(pools_controls().insert_enabled);
    EXPECT_FALSE(pools_save());
    EXPECT_FALSE(sim_object_exists(server, POOL_CLASS, "B"));
}

}  // namespace
