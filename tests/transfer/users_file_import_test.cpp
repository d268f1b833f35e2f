// Users files imported into keelsim's demo database: the import dictionary
// pair offered and loaded, users written through the users' record module
// (and read back by the users panel), the log of a failing write, and the
// sample files in the classic and today's syntax.
#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "api/db.h"
#include "api/db_lists.h"
#include "api/dictionary_wire.h"
#include "api/requests.h"
#include "panels/user_record.h"
#include "panels/users.h"
#include "tests/panels/panel_fixture.h"
#include "tests/transfer/users_file_support.h"
#include "transfer/export_selection.h"
#include "transfer/import_engine.h"
#include "transfer/users_file_dictionaries.h"
#include "transfer/users_file_write.h"
#include "transfer/users_import_options.h"
#include "ui/panel_commands.h"

namespace {

const char NATIVE[] = "++b-Native-User";
typedef std::vector<std::string> Lines;

std::string names_block(std::initializer_list<const char*> names) {
    std::string block;
    for (const char* name : names) block += std::string(name) + '\0';
    return block + '\0';
}

Lines base_names(const std::string& block) {
    NameList bases;
    EXPECT_TRUE(import_dictionary_bases(block.data(), &bases));
    Lines out;
    for (uint32_t i = 0; i < bases.count; ++i) out.push_back(name_list_at(&bases, i));
    name_list_free(&bases);
    return out;
}

TEST(UsersFileDictionaries, APairIsOfferedByItsBaseNameWhenBothHalvesAreThere) {
    EXPECT_EQ(base_names(names_block({"LIVINGSTON.DCT", "LIVINGSTON.DCI", "ONLY.DCT", "ZED.dci", "ZED.dct",
                                      "NODOT", "A.B.DCI", "A.B.DCT", ".DCT", ".DCI", "HALF.DCI"})),
              (Lines{"A.B", "LIVINGSTON", "ZED"}));
    const std::string long_base(77, 'L');  // 81 characters with ".DCT"
    EXPECT_EQ(base_names(names_block({(long_base + ".DCT").c_str(), (long_base + ".DCI").c_str()})), Lines{});
    EXPECT_EQ(base_names(names_block({})), Lines{});
}

class UsersFileImportTest : public PanelTest {
protected:
    ImportDictionaryTables tables = {};
    char* names = nullptr;

    void open(const char* fixture = nullptr) {
        open_session(fixture);
        uint32_t count = 0;
        ASSERT_EQ(list_dictionaries(&names, &count), 0);
        ASSERT_TRUE(load_import_dictionaries(nullptr, names, "LIVINGSTON", &tables));
    }
    void TearDown() override {
        import_dictionaries_free(&tables);
        free(names);
        users_reset(PANEL_RESET_ALL);
        PanelTest::TearDown();
    }
    UsersImportOptions options(bool ignore = false, bool pap_only = false, const char* profile = "") {
        return {import_dictionaries_view(tables), ignore, pap_only, profile};
    }
    // Reads every record and writes the importable ones; the records as read.
    Lines import(const std::string& file, const UsersImportOptions& chosen, LogCapture* capture,
                 uint32_t* written = nullptr) {
        std::vector<ImportedUser> users;
        Lines records = read_records(file, chosen, capture, &users);
        uint32_t count = 0;
        for (ImportedUser& user : users)
            if (user.importable && write_imported_user(&user, &capture->log) == 0) ++count;
        free_users(&users);
        if (written) *written = count;
        return records;
    }
    Lines property_names(const char* object) {
        char* block = nullptr;
        uint32_t size = 0;
        uint16_t status = under_server_lock([&] { return db_list_all(NATIVE, object, &block, &size); });
        EXPECT_EQ(status, 0) << object;
        Lines out;
        for (const char* name = block; status == 0 && *name; name += strlen(name) + 1) out.push_back(name);
        free(block);
        return out;
    }
    std::string sample(const char* name) {
        return read_test_file(std::string(KEEL_TRANSFER_TEST_DIR) + "/users_files/" + name);
    }
};

TEST_F(UsersFileImportTest, TheDemoPairLoadsAndAMissingHalfDoesNot) {
    open();
    EXPECT_GT(tables.import.attribute_count, 0u);
    EXPECT_GT(tables.master.attribute_count, 0u);
    EXPECT_GT(tables.product.attribute_count, tables.master.attribute_count);
    ImportDictionaryTables other = {};
    EXPECT_FALSE(load_import_dictionaries(nullptr, names, "NOSUCH", &other));
    EXPECT_EQ(other.import.attribute_count + other.master.attribute_count + other.product.attribute_count, 0u);
}

TEST_F(UsersFileImportTest, TheOptionsOfferThePairsAndProfilesAndLoadTheChosenPair) {
    open();
    UsersImportChoices choices;
    ASSERT_TRUE(users_import_options_start(nullptr, &choices));
    ASSERT_EQ(choices.formats.count, 1u);
    EXPECT_STREQ(name_list_at(&choices.formats, 0), "LIVINGSTON");
    EXPECT_EQ(choices.profiles.count, 5u);
    EXPECT_EQ(choices.profile, -1);
    EXPECT_FALSE(choices.pap_only);
    choices.profile = name_list_find(&choices.profiles, "STAFF-VPN");
    choices.pap_only = true;
    ImportDictionaryTables chosen = {};
    UsersImportOptions taken = {};
    ASSERT_TRUE(users_import_options_accept(nullptr, &choices, &chosen, &taken));
    EXPECT_STREQ(taken.profile, "STAFF-VPN");
    EXPECT_TRUE(taken.pap_only);
    EXPECT_EQ(taken.dictionaries.import, &chosen.import);
    import_dictionaries_free(&chosen);

    // The pair cannot be fetched: the import ends with its message.
    ASSERT_EQ(sim_add_fault(server, "5:2:1:fail=3"), 0);
    prompt.asked.clear();
    EXPECT_FALSE(users_import_options_accept(nullptr, &choices, &chosen, &taken));
    EXPECT_EQ(messages().back(), "Error opening import dictionary file");
    users_import_options_free(&choices);
}

TEST_F(UsersFileImportTest, AServerWithoutPairsEndsTheImport) {
    open_session("dictionary \"\" " KEEL_DEMO_DIR "/default.dict\n");
    UsersImportChoices choices;
    EXPECT_FALSE(users_import_options_start(nullptr, &choices));
    EXPECT_EQ(messages(), (Lines{"No import dictionaries are available"}));
    EXPECT_EQ(choices.dictionary_names, nullptr);
}

TEST_F(UsersFileImportTest, ASingleLineRecordMakesAUserWithOnlyItsPassword) {
    open();
    LogCapture capture;
    uint32_t written = 0;
    EXPECT_EQ(import("smith Password = \"x\"\n", options(), &capture, &written),
              (Lines{"SMITH@1 ok errors=0 check=[] reply=[] password=6/32"}));
    EXPECT_EQ(written, 1u);
    EXPECT_EQ(property_names("SMITH"), (Lines{"--Password"}));
    EXPECT_EQ(capture.text(), "");
}

TEST_F(UsersFileImportTest, AnImportedPapOnlyPasswordValidatesInThePasswordDialog) {
    open();
    LogCapture capture;
    import("agent Password = \"s3cret pw\"\n\tUser-Service = Framed-User\n", options(false, true, "DIALUP-STANDARD"),
           &capture);
    PasswordProperty stored;
    ASSERT_EQ(read_user_password(NATIVE, "AGENT", &stored), 0);
    EXPECT_EQ(stored.type, PASSWORD_PAP_ONLY);
    EXPECT_EQ(stored.length, PASSWORD_DIGEST_LENGTH);

    users_reset(PANEL_RESET_ALL);
    users_activate(0);
    int64_t index = name_list_find(&users_panel().names, "AGENT");
    ASSERT_GE(index, 0);
    users_select((uint32_t)index);
    EXPECT_STREQ(users_panel().profile, "DIALUP-STANDARD");
    uint32_t own = 0;  // the profile's rows are merged in
    for (uint16_t i = 0; i < users_panel().record.return_list.count; ++i)
        if (!is_profile_instance(users_panel().record.return_list.items[i])) ++own;
    EXPECT_EQ(own, 1u);
    prompt.asked.clear();
    EXPECT_TRUE(users_validate_password("s3cret pw"));
    EXPECT_EQ(messages(), (Lines{"Correct password specified"}));
}

TEST_F(UsersFileImportTest, IgnoringAttributesStoresOnlyThePassword) {
    open();
    LogCapture capture;
    import("ina Password = \"p\"\n\tUser-Service = Framed-User,\n\tFramed-MTU = 1500,\n\tPort-Message = \"hi\"\n",
           options(true), &capture);
    EXPECT_EQ(property_names("INA"), (Lines{"--Password"}));
}

TEST_F(UsersFileImportTest, AFailedWriteIsLoggedInTheWordsOfItsStepAndLeavesNoUser) {
    struct FailCase {
        const char* fault;
        const char* log;
    };
    const FailCase cases[] = {
        {"10:1:1:fail=3", "DataBase Error: Unable to delete Class - Class = '++b-Native-User' obj = 'ROB'\r\n"},
        {"1:5:1:fail=3", "DataBase Error: Unable to delete Class - Class = '++b-Native-User' obj = 'ROB'\r\n"},
        {"1:3:1:fail=3",
         "DataBase Error: Unable to set Property into Database - = '++b-Native-User' obj = 'ROB' prop = "
         "'Framed-MTU'\r\n"},
        {"1:3:2:fail=3",
         "DataBase Error: Unable to set Property into Database - = '++b-Native-User' obj = 'ROB' prop = "
         "'--Password'\r\n"},
        {"1:9:1:fail=3",
         "DataBase Error: Unable to rename property in Database - Line No. 2  Class =  '++b-Native-User' Object = "
         "'ROB'\r\n"},
    };
    for (const FailCase& c : cases) {
        SCOPED_TRACE(c.fault);
        open();
        ASSERT_EQ(sim_add_fault(server, c.fault), 0);
        LogCapture capture;
        uint32_t written = 0;
        import("# one user\nrob Password = \"r\"\n\tFramed-MTU = 1500\n", options(), &capture, &written);
        EXPECT_EQ(written, 0u);
        EXPECT_EQ(capture.text(), c.log);
        EXPECT_EQ(capture.log.errors, 1u);
        EXPECT_FALSE(sim_object_exists(server, NATIVE, "ROB"));
        import_dictionaries_free(&tables);
        free(names);
        names = nullptr;
        close_session();
    }
}

TEST_F(UsersFileImportTest, TheClassicSampleImportsWithTheCountsItsEntriesCallFor) {
    open();
    LogCapture capture;
    uint32_t written = 0;
    Lines records = import(sample("classic.users"), options(), &capture, &written);
    ASSERT_EQ(records.size(), 10u);
    EXPECT_EQ(records[0],
              "STEVE@11 ok errors=0 check=[] reply=[Service-Type:1:02000000 Framed-Protocol:1:01000000 "
              "Framed-IP-Address:18:00000000210310ac Framed-IP-Netmask:2:00ffffff Framed-Routing:1:03000000 "
              "Filter-Id:0:7374642e70707000 Framed-MTU:1:dc050000 Framed-Compression:1:01000000] password=6/32");
    EXPECT_EQ(records[4], "NOPASS@41 skip errors=0");
    EXPECT_EQ(records[6],
              "ERIN@49 ok errors=2 check=[] reply=[Service-Type:1:02000000] password=6/32");
    EXPECT_EQ(records[9], "DEFAULT@62 ok errors=1 check=[] reply=[Service-Type:1:01000000] password=6/0");
    EXPECT_EQ(written, 9u);
    EXPECT_EQ(capture.log.errors, 3u);
    EXPECT_EQ(capture.log.warnings, 4u);
    EXPECT_EQ(capture.text(),
              "Warning: Missing mandatory password for user 'nopass' at line 41 \n"
              "Warning: Trailing comma on check attribute line at line. 44 \n"
              "DataBase Error: Could not find attribute value 'Sideways' for attribute 'Framed-Routing' in Import "
              "dictionary\n"
              "DataBase Error: Could not find ID for attribute 'Ascend-Data-Filter' in Import Dictionary. \n"
              "Warning: attribute 'Framed-IP-Netmask' is not a valid check list attribute\r\n"
              "Warning: attribute 'Change-Password' is not defined in the master dictionary\r\n"
              "DataBase Error: Could not find attribute 'Auth-Type' in Import dictionary\n");
    for (const char* user : {"STEVE", "BOB", "DIALBACK", "CAROL", "DAVE", "ERIN", "FRANK", "DEFAULT"})
        EXPECT_TRUE(sim_object_exists(server, NATIVE, user)) << user;
    EXPECT_FALSE(sim_object_exists(server, NATIVE, "NOPASS"));
    // The second DEFAULT was written over the first: no password is left.
    EXPECT_EQ(property_names("DEFAULT"), (Lines{"Service-Type"}));
    EXPECT_EQ(property_names("BOB"),
              (Lines{"--Password", "Keel-Expiration", "Login-IP-Host", "Login-Service", "Login-TCP-Port",
                     "Service-Type"}));
}

TEST_F(UsersFileImportTest, TheModernSampleTakesItsOperatorsAndRefusesTheOthers) {
    open();
    LogCapture capture;
    uint32_t written = 0;
    Lines records = import(sample("modern.users"), options(), &capture, &written);
    EXPECT_EQ(records,
              (Lines{"BOB@7 ok errors=0 check=[] reply=[Service-Type:1:02000000 Framed-Protocol:1:01000000 "
                     "Framed-IP-Address:18:000000004101a8c0 Framed-IP-Netmask:2:00ffffff Framed-MTU:1:78050000] "
                     "password=6/32",
                     "ALICE SMITH@14 ok errors=0 check=[] reply=[Reply-Message:0:48656c6c6f2c20257b557365722d4e616d"
                     "657d2c2077656c636f6d6500 Session-Timeout:1:201c0000] password=6/32",
                     "KIOSK@20 ok errors=0 check=[NAS-Port:1:0c000000] reply=[Idle-Timeout:1:2c010000] "
                     "password=6/32",
                     "VISITOR@24 skip errors=2", "LAB-*@28 skip errors=2",
                     "CARL@32 ok errors=2 check=[] reply=[] password=6/0",
                     "DEFAULT@35 ok errors=0 check=[Framed-Protocol:1:01000000] reply=[Framed-Protocol:1:01000000 "
                     "Framed-Compression:1:01000000] password=6/0",
                     "DEFAULT@39 skip errors=2"}));
    EXPECT_EQ(written, 5u);
    EXPECT_EQ(capture.log.errors, 8u);
    EXPECT_EQ(capture.log.warnings, 0u);
    EXPECT_EQ(capture.text(),
              "Parse Error: Operator '!=' is not supported (attribute 'Client-Port-Id', user 'visitor', line 24)\n"
              "Parse Error: Could not process check list attributes in user record: 'visitor' \n"
              "Parse Error: Operator '=~' is not supported (attribute 'Client-Id', user 'lab-*', line 28)\n"
              "Parse Error: Could not process check list attributes in user record: 'lab-*' \n"
              "DataBase Error: Could not find attribute 'Cleartext-Password' in Import dictionary\n"
              "DataBase Error: Could not find attribute 'Reply-Message' in Import dictionary\n"
              "Parse Error: Operator '>' is not supported (attribute 'Client-Port-Id', user 'DEFAULT', line 39)\n"
              "Parse Error: Could not process check list attributes in user record: 'DEFAULT' \n");
    for (const char* user : {"BOB", "ALICE SMITH", "KIOSK", "CARL", "DEFAULT"})
        EXPECT_TRUE(sim_object_exists(server, NATIVE, user)) << user;
    for (const char* user : {"VISITOR", "LAB-*"}) EXPECT_FALSE(sim_object_exists(server, NATIVE, user)) << user;
}

// The two phases of the console's Import over a users file: every record
// listed on the Users page alone ("** " where it counted an error), then
// only the selected ones read again, asked about when they exist, and
// written; an unselected record leaves nothing in the log the second time.
TEST_F(UsersFileImportTest, TheScanListsEveryUserAndTheImportWritesTheSelectedOnes) {
    open();
    const std::string path = write_test_file("site.users",
                                             "alice\tPassword = \"a-1\"\n"
                                             "\tSession-Timeout = 600\n"
                                             "\n"
                                             "bob\tPassword = \"b-2\", Bogus-Item = 1\n"
                                             "\n"
                                             "carol\n"
                                             "\n"
                                             "jsmith\tPassword = \"taken\"\n"
                                             "\n"
                                             "dave\tPassword = \"d-4\", Other-Bogus = 2\n");
    const std::string stored_jsmith = stored_property(NATIVE, "JSMITH", "--Password");
    const UsersImportOptions chosen = options();
    remove((test_directory() + "/import.log").c_str());
    ImportRun* run = (ImportRun*)calloc(1, sizeof(ImportRun));
    ASSERT_EQ(import_open_users_file(run, path.c_str(), (test_directory() + "/import.log").c_str(), &chosen),
              IMPORT_OPENED);
    import_scan(run, nullptr);
    const SelectionModel& pages = run->pages;
    Lines listed;
    for (uint32_t page = 0; page < pages.page_count; ++page) {
        EXPECT_EQ(pages.pages[page].disabled, page != PAGE_USERS) << page;
        for (uint32_t i = 0; i < pages.pages[page].count; ++i) listed.push_back(selection_text(pages.pages[page], i));
    }
    EXPECT_EQ(listed, (Lines{"ALICE", "** BOB", "CAROL", "JSMITH", "** DAVE"}));
    EXPECT_EQ(run->scan_errors, 2u);

    // Select All leaves the disabled pages alone; DAVE is not chosen.
    selection_set_all(&run->pages, true);
    run->pages.pages[PAGE_USERS].entries[4].selected = false;
    struct Asked {
        Lines names;
    } asked;
    ImportCallbacks callbacks = {[](void* context, const char* cls, const char* object) {
                                     static_cast<Asked*>(context)->names.push_back(std::string(cls) + " " + object);
                                     return ANSWER_SKIP;
                                 },
                                 nullptr, &asked};
    import_selected(run, REPLACE_ASK, callbacks);
    EXPECT_EQ(asked.names, Lines{"Native-User JSMITH"});
    EXPECT_EQ(run->result.written, 2u);  // ALICE and BOB; CAROL has no password
    EXPECT_EQ(run->result.skipped, 1u);
    EXPECT_EQ(run->log.errors, 1u);  // BOB's item, read again
    import_close(run);
    free(run);

    EXPECT_NE(stored_property(NATIVE, "ALICE", "Session-Timeout"), "<missing>");
    EXPECT_NE(stored_property(NATIVE, "BOB", "--Password"), "<missing>");
    EXPECT_FALSE(sim_object_exists(server, NATIVE, "CAROL"));
    EXPECT_FALSE(sim_object_exists(server, NATIVE, "DAVE"));
    EXPECT_EQ(stored_property(NATIVE, "JSMITH", "--Password"), stored_jsmith);
    const std::string log = read_test_file(test_directory() + "/import.log");
    const auto count = [&log](const std::string& text) {
        size_t n = 0;
        for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++n;
        return n;
    };
    // Selected records are read again with their messages; DAVE's are not.
    EXPECT_EQ(count("Missing mandatory password for user 'carol'"), 2u) << log;
    EXPECT_EQ(count("Could not find attribute 'Bogus-Item'"), 2u) << log;
    EXPECT_EQ(count("Could not find attribute 'Other-Bogus'"), 1u) << log;
}

}  // namespace
