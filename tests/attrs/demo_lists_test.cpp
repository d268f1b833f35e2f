// The demo database through the attribute machinery: every user and profile
// loads without an error mark, merges with its profile, and saves back the
// bytes it was read from; the import dictionary pair translates.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <string>

#include "api/db.h"
#include "api/db_lists.h"
#include "api/dictionary_wire.h"
#include "api/session.h"
#include "api/text_field.h"
#include "attrs/list_rules.h"
#include "attrs/list_store.h"
#include "platform/local_time.h"
#include "tests/attrs/attr_test_support.h"
#include "tests/attrs/demo_record.h"
#include "tests/sim/sim_test_support.h"
#include "tests/support/scripted_prompt.h"

namespace {

const char* const USER_CLASSES[] = {"++b-Native-User",    "++h-NT-Domain-User", "++i-NT-Domain-Group",
                                    "++j-NT-Host-User",   "++k-NT-Host-Group",  "++m-SecurID",
                                    "++n-SecurID-Prefix", "++o-SecurID-Suffix"};
const TimeZoneRule UTC_ZONE = {0, false, 0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}};

class Demo : public DemoServerTest {
protected:
    Dictionary dictionary = {0, nullptr, 0, nullptr};
    ScriptedPrompt prompt;

    void SetUp() override {
        DemoServerTest::SetUp();
        ASSERT_TRUE(load_dictionary_into(&dictionary, nullptr, nullptr));
        set_time_zone_rule(&UTC_ZONE);
    }
    void TearDown() override {
        set_time_zone_rule(nullptr);
        dictionary_free(&dictionary);
        DemoServerTest::TearDown();
    }

    // Loads, validates and merges one object as the panels do; the lines as shown.
    std::string load_merged(const char* cls, const char* name, AttributeRecord* record) {
        EXPECT_TRUE(load_shown_record(cls, name, &dictionary, record));
        std::string lines;
        for (const AttributeList* list : {&record->check_list, &record->return_list}) {
            for (uint16_t i = 0; i < list->count; ++i) {
                char line[VALUE_LINE_SIZE];
                format_value_line(list->items[i], line, sizeof line);
                lines += std::string(list == &record->check_list ? "C " : "R ") + line + "\n";
            }
        }
        return lines;
    }
};

TEST_F(Demo, EveryUserAndProfileLoadsCleanlyAndSavesTheSameBytes) {
    std::vector<const char*> classes(std::begin(USER_CLASSES), std::end(USER_CLASSES));
    classes.insert(classes.begin(), PROFILE_CLASS);
    int objects = 0, instances = 0;
    for (const char* cls : classes) {
        NameList names;
        ASSERT_EQ(db_list_sorted(cls, &names), 0);
        for (uint32_t n = 0; n < names.count; ++n) {
            const char* name = name_list_at(&names, n);
            SCOPED_TRACE(std::string(cls) + " " + name);
            AttributeRecord record = {};
            load_merged(cls, name, &record);
            for (const AttributeList* list : {&record.check_list, &record.return_list}) {
                for (uint16_t i = 0; i < list->count; ++i) {
                    EXPECT_EQ(list->items[i].state & IS_ERROR_BITS, 0u) << list->items[i].name;
                    ++instances;
                }
            }
            char* block = nullptr;
            uint32_t size = 0;
            ASSERT_EQ(db_list_all(cls, name, &block, &size), 0);
            std::vector<std::pair<std::string, std::string>> before;
            for (const char* p = block; *p; p += strlen(p) + 1) {
                std::string value;
                if (p[0] == '-' && p[1] == '-') continue;
                ASSERT_TRUE(sim_get_property(server, cls, name, p, &value));
                before.push_back({p, value});
            }
            free(block);
            ASSERT_EQ(save_attribute_lists(&record), 0);
            for (const auto& property : before) {
                std::string after;
                ASSERT_TRUE(sim_get_property(server, cls, name, property.first.c_str(), &after)) << property.first;
                EXPECT_EQ(after, property.second) << property.first;
            }
            attribute_record_free(&record);
            ++objects;
        }
        name_list_free(&names);
    }
    EXPECT_EQ(objects, 55);
    EXPECT_GT(instances, 134) << "profile instances are merged in as well";
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(Demo, TheUsersTheReadmePointsAt) {
    AttributeRecord record = {};
    std::string mkowalski = load_merged("++b-Native-User", "MKOWALSKI", &record);
    EXPECT_NE(mkowalski.find("R Filter-Id    \tkids-safe\nR Filter-Id    \tstd-internet\n"), std::string::npos)
        << mkowalski;
    int subtracts = 0;
    for (uint16_t i = 0; i < record.return_list.count; ++i)
        subtracts += is_subtract_instance(record.return_list.items[i]);
    EXPECT_EQ(subtracts, 1);
    attribute_record_free(&record);

    std::string agarcia = load_merged("++b-Native-User", "AGARCIA", &record);
    EXPECT_NE(agarcia.find("R Session-Timeout    \t28800\n"), std::string::npos) << agarcia;
    EXPECT_EQ(agarcia.find("\t14400"), std::string::npos) << "the profile's value is overridden";
    attribute_record_free(&record);

    EXPECT_NE(load_merged("++b-Native-User", "KIOSK1", &record)
                  .find("R Framed-IP-Address    \t<Echo received or default value>"),
              std::string::npos);
    attribute_record_free(&record);
    std::string olduser = load_merged("++b-Native-User", "OLDUSER", &record);
    EXPECT_NE(olduser.find("C Keel-Account-Disabled    \tN/A\n"), std::string::npos) << olduser;
    attribute_record_free(&record);
    std::string guest = load_merged("++b-Native-User", "GUEST", &record);
    EXPECT_NE(guest.find("C Keel-Expiration    \t2024/12/31 23:59:59\n"), std::string::npos) << guest;
    EXPECT_NE(guest.find("R Framed-IP-Address    \t<DIALUP-POOL>\n"), std::string::npos) << guest;
    attribute_record_free(&record);
    std::string isdn = load_merged(PROFILE_CLASS, "ISDN-BUSINESS", &record);
    EXPECT_NE(isdn.find("R Keel-Service-Class    \tGold\n"), std::string::npos) << isdn;
    EXPECT_NE(isdn.find("R Class    \t0x52564e00 42555301\n"), std::string::npos) << isdn;
    attribute_record_free(&record);
}

TEST_F(Demo, TheImportPairTranslatesIntoTheDefaultDictionary) {
    char* names = nullptr;
    uint32_t count = 0;
    ASSERT_EQ(list_dictionaries(&names, &count), 0);
    std::vector<std::string> listed;
    for (const char* p = names; *p; p += strlen(p) + 1) listed.push_back(p);
    free(names);
    EXPECT_EQ(listed, (std::vector<std::string>{"LIVINGSTON.DCI", "LIVINGSTON.DCT"}));

    Dictionary import = {0, nullptr, 0, nullptr}, master = {0, nullptr, 0, nullptr};
    ASSERT_TRUE(load_dictionary_into(&import, nullptr, "LIVINGSTON.DCT"));
    ASSERT_TRUE(load_dictionary_into(&master, nullptr, "LIVINGSTON.DCI"));
    const struct {
        const char* import_name;
        const char* product_name;  // null: not translated
    } cases[] = {{"User-Service", "Service-Type"},
                 {"Framed-Address", "Framed-IP-Address"},
                 {"Expiration", "Keel-Expiration"},
                 {"Dialback-No", "Callback-Number"},
                 {"Ascend-Data-Filter", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.import_name);
        const AttributeDefinition* definition = find_definition(&import, c.import_name);
        ASSERT_NE(definition, nullptr);
        const char* translated = attribute_name_for_number(&master, definition->number);
        if (!c.product_name) {
            EXPECT_EQ(translated, nullptr);
            continue;
        }
        ASSERT_NE(translated, nullptr);
        EXPECT_STREQ(translated, c.product_name);
        EXPECT_GE(find_attribute(&dictionary, translated), 0);
    }
    uint32_t value = 0;
    EXPECT_TRUE(value_for_name(&import, "User-Service", "Framed-User", &value));
    EXPECT_EQ(value, 2u);
    EXPECT_EQ(find_attribute(&dictionary, attribute_name_for_number(&master, 17)), -1) << "Change-Password";
    dictionary_free(&import);
    dictionary_free(&master);
}

}  // namespace
