// Whole imports against keelsim: the demo database through a file and back,
// the replace answers, the line forms the format allows, the errors the
// log and the "** " marks show, and a failure at each step of writing one
// object.
#include <stdio.h>

#include <algorithm>

#include "api/requests.h"
#include "tests/transfer/import_fixture.h"
#include "transfer/export_selection.h"

namespace {

typedef std::vector<std::string> Lines;

bool logged(const std::string& log, const std::string& line) { return log.find(line) != std::string::npos; }

// A literal's bytes, NULs included.
template <size_t N>
std::string bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

std::string le_record(uint16_t type, uint16_t flags, const std::string& data) {
    return le16_words({type, (uint16_t)data.size(), flags}) + data;
}

// The demo database written out, read into an empty server and written out
// again: the same file, and every stored property the same as the api reads it.
TEST_F(ImportTest, TheDemoDatabaseSurvivesExportAndImport) {
    open(nullptr);
    std::map<std::string, std::string> original = database_snapshot();
    std::string exported = export_everything();
    ASSERT_EQ(errors, 0u) << log_text;
    close_session();

    open_with("");
    run_import(write_rif(exported));
    EXPECT_EQ(opened, IMPORT_OPENED);
    EXPECT_EQ(scan_errors + scan_warnings + import_errors + import_warnings, 0u) << import_log;
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(outcome.written, 81u + 6u);  // the objects and six administrators
    EXPECT_EQ(snapshot_differences(database_snapshot(), original), Lines{});
    EXPECT_EQ(export_everything(), exported);

    // Again, with Replace All at the first question: asked once, nothing changes.
    answers = {ANSWER_REPLACE_ALL};
    run_import(rif_path());
    EXPECT_EQ(asked, (Lines{"Client : <ANY>"}));
    EXPECT_EQ(import_errors, 0u) << import_log;
    EXPECT_EQ(snapshot_differences(database_snapshot(), original), Lines{});
    std::string hyphens(80, '-');
    EXPECT_EQ(import_log.substr(0, 80 + 2), hyphens + "\r\n");
    EXPECT_TRUE(logged(import_log, "Importing data from file '" + rif_path() +
                                       "'\r\n\r\n>>> Scanning input file <<<\r\n"
                                       "0 Import Errors logged\r\n\r\n\r\n>>> Importing selected objects into database "
                                       "<<<\r\n0 Import Errors logged\r\n\r\n"))
        << import_log;
}

TEST_F(ImportTest, AFirstLineThatIsNotTheVersionLineRefusesTheFile) {
    open_with("");
    for (const char* first : {"Radius Import Export Version 1.0 ", "Radius Import Export Version 1.1",
                              " Radius Import Export Version 1.0", "Client"}) {
        write_rif(std::string(first) + "\r\nClient\r\n  NAS1\r\n    Product=X\r\n");
        uint32_t before = requests();
        run_import(rif_path());
        EXPECT_EQ(opened, IMPORT_INVALID_FILE) << first;
        EXPECT_EQ(requests(), before);
        EXPECT_EQ(import_log, "");  // not even the log is opened
    }
    run_import(test_directory() + "/no such file.rif");
    EXPECT_EQ(opened, IMPORT_CANNOT_OPEN);
}

TEST_F(ImportTest, IndentationIsReadAgainstTheLinesBeforeNotByWidth) {
    const std::string wide =
        "Radius Import Export Version 1.0\r\nClient\r\n  NAS1\r\n    Product=A\r\n  NAS2\r\n"
        "    Product=B\r\nProxy\r\n  P1\r\n    Retry-Count^=03000000\r\n";
    std::map<std::string, std::string> stored[3];
    const std::string forms[3] = {
        wide,
        // one and three blanks, and LF or CR alone between the lines
        "Radius Import Export Version 1.0\nClient\n NAS1\n   Product=A\r NAS2\r   Product=B\r\nProxy\n P1\n   "
        "Retry-Count^=03000000",
        // empty lines anywhere
        "Radius Import Export Version 1.0\r\n\r\nClient\r\n\r\n  NAS1\r\n    Product=A\r\n\n\n  NAS2\r\n    "
        "Product=B\r\nProxy\r\n  P1\r\n    Retry-Count^=03000000\r\n\r\n"};
    for (int i = 0; i < 3; ++i) {
        open_with("");
        run_import(write_rif(forms[i]));
        EXPECT_EQ(import_errors, 0u) << import_log;
        stored[i] = database_snapshot();
        close_session();
    }
    EXPECT_EQ(stored[0].size(), 3u);
    EXPECT_EQ(stored[1], stored[0]);
    EXPECT_EQ(stored[2], stored[0]);
}

// Three clients the server already has, answered each way in turn.
TEST_F(ImportTest, ReplaceQuestionsAnsweredEachWay) {
    const std::string stored =
        "object Client NAS1\nproperty Product text \"OLD\"\n"
        "object Client NAS2\nproperty Product text \"OLD\"\n"
        "object Client NAS3\nproperty Product text \"OLD\"\n";
    struct Case {
        std::vector<ReplaceAnswer> answers;
        ReplaceMode mode;
        Lines asked;
        const char* products;  // NAS1 NAS2 NAS3 NAS4 afterwards
        bool stopped;
    } cases[] = {
        {{ANSWER_SKIP, ANSWER_REPLACE, ANSWER_STOP},
         REPLACE_ASK,
         {"Client : NAS1", "Client : NAS2", "Client : NAS3"},
         "OLD NEW OLD -",
         true},
        {{ANSWER_REPLACE_ALL}, REPLACE_ASK, {"Client : NAS1"}, "NEW NEW NEW NEW", false},
        {{}, REPLACE_ALL, {}, "NEW NEW NEW NEW", false},
        {{}, REPLACE_NONE, {}, "OLD OLD OLD NEW", false},
    };
    for (const Case& c : cases) {
        open_with(stored);
        answers.assign(c.answers.begin(), c.answers.end());
        run_import(rif({"Client", "  NAS1", "    Product=NEW", "  NAS2", "    Product=NEW", "  NAS3", "    Product=NEW",
                        "  NAS4", "    Product=NEW"}),
                   c.mode);
        EXPECT_EQ(asked, c.asked);
        std::string products;
        for (const char* name : {"NAS1", "NAS2", "NAS3", "NAS4"}) {
            std::string product = stored_property("Client", name, "Product");
            products += (products.empty() ? "" : " ") +
                        (product == "<missing>" ? std::string("-") : product.substr(0, product.size() - 1));
        }
        EXPECT_EQ(products, c.products) << c.asked.size();
        EXPECT_EQ(outcome.stopped, c.stopped);
        EXPECT_EQ(import_errors, 0u) << import_log;
        close_session();
    }
}

TEST_F(ImportTest, AttributeLinesOfOnePropertyGatherInFileOrder) {
    open_with("");
    run_import(rif({"Native-User", "  JSMITH", "    Filter-Id [[[0000 0021 0000]]]=first",
                    "    Service-Type [[[0000 0021 0001]]]=#Framed-User[[[00000002]]]",
                    "    Filter-Id [[[0007 0021 0000]]]=second"}));
    EXPECT_EQ(import_errors + import_warnings, 0u) << import_log;
    // count 2, the first line's word2, then the records in file order
    EXPECT_EQ(stored_property("++b-Native-User", "JSMITH", "Filter-Id"),
              le16_words({2, 0}) + le_record(0, 0x21, std::string("first", 6)) +
                  le_record(0, 0x21, std::string("second", 7)));
    EXPECT_EQ(stored_property("++b-Native-User", "JSMITH", "Service-Type"),
              le16_words({1, 0}) + le_record(1, 0x21, std::string("\x02\0\0\0", 4)));
}

TEST_F(ImportTest, ValuesInEachFormTheFileAllows) {
    struct Case {
        const char* line;
        std::string stored;  // the property afterwards, or the log line
        uint32_t errors, warnings;
    } cases[] = {
        {"    IPAddress^=0A010203", "\x0a\x01\x02\x03", 0, 0},
        {"    IPAddress^=0a0", "\x0a", 0, 0},  // an odd digit at the end is dropped
        {"    IPAddress^=0102zz03", "\x01\x02", 0, 0},
        {"    Product=Cisco", std::string("Cisco", 6), 0, 0},
        {"    Product=", std::string("", 1), 0, 0},
        {"    Product", "", 0, 0},
        {"    Session-Timeout [[[0000 0021 0001]]]=3600",
         le16_words({1, 0}) + le_record(1, 0x21, std::string("\x10\x0e\0\0", 4)), 0, 0},
        {"    Session-Timeout [[[0000 0021 000b]]]=300", le16_words({1, 0}) + le_record(11, 0x21, "\x2c"), 0, 0},
        {"    Session-Timeout [[[0000 0021 000f]]]=-1", le16_words({1, 0}) + le_record(15, 0x21, "\xff\xff"), 0, 0},
        {"    Login-IP-Host [[[0000 0021 0002]]]=10.1.2.3", le16_words({1, 0}) + le_record(2, 0x21, "\x03\x02\x01\x0a"),
         0, 0},
        {"    Framed-IP-Address [[[0000 0021 0012]]]=^10.0.0.9",
         le16_words({1, 0}) + le_record(18, 0x21, std::string("\0\0\0\0\x09\0\0\x0a", 8)), 0, 0},
        {"    Framed-IP-Address [[[0000 0021 0012]]]=DIALUP",
         le16_words({1, 0}) + le_record(18, 0x21, std::string("\x01\0\0\0DIALUP", 11)), 0, 0},
        {"    Class [[[0000 0021 000a]]]=01020304 0506",
         le16_words({1, 0}) + le_record(10, 0x21, "\x01\x02\x03\x04\x05\x06"), 0, 0},
        {"    Class [[[0000 0021 0011]]]=", le16_words({1, 0}) + le_record(17, 0x21, ""), 0, 0},
        {"    Class [[[0000 0021 0019]]]^=0102", le16_words({1, 0}) + le_record(25, 0x21, "\x01\x02"), 0, 0},
        {"    Service-Type [[[0000 0021 0001]]]=#No-Such-Name[[[00000007]]]",
         le16_words({1, 0}) + le_record(1, 0x21, std::string("\x07\0\0\0", 4)), 0, 1},
        // a password line of another length than a whole password's is stored as read, with a warning
        {"    --Password [[[0000 0011 0005]]]^=0102", le16_words({1, 0}) + le_record(5, 0x11, "\x01\x02"), 0, 1},
        {"    Flavour [[[0000 0021 0000]]]=x", le16_words({1, 0}) + le_record(0, 0x21, std::string("x", 2)), 0, 1},
        {"    Service-Type [[[0000 0021 0001]]]=#No-Such-Name[[[zz]]]",
         "Error: Value name 'No-Such-Name' of attribute 'Service-Type' is not in the dictionary - Line No. 4\r\n", 1,
         0},
        {"    Service-Type [[[0000 0021 0001]]]=#Framed-User",
         "Syntax Error: Invalid Data type -  Line No. 4  Property = 'Service-Type' \r\n", 1, 0},
        {"    Class [[[0000 0021 0003]]]=x",
         "Syntax Error: Invalid Attribute type (3) at Line No. 4  Property = 'Class' \r\n", 1, 0},
        {"    Class [[[0000 0021 0014]]]=x",
         "Syntax Error: Invalid Attribute type (20) at Line No. 4  Property = 'Class' \r\n", 1, 0},
        {"    Class [[[0000 0021 000a]]]=0102x", "Syntax Error: Line No. 4  Propertu = 'Class' \r\n", 1, 0},
        {"    Class [[[0000 0021]]]=x", "Syntax Error: Line No. 4  Property = 'Class' Value = 'x'\r\n", 1, 0},
        {"    Login-IP-Host [[[0000 0021 0002]]]=10.1.2",
         "Syntax Error: Line No. 4  Property = 'Login-IP-Host' Value = '10.1.2'\r\n", 1, 0},
    };
    for (const Case& c : cases) {
        open_with("");
        run_import(rif({"Client", "  NAS1", c.line}));
        std::string property = std::string(c.line + 4, strcspn(c.line + 4, " ^="));
        SCOPED_TRACE(c.line);
        EXPECT_EQ(import_errors, c.errors) << import_log;
        EXPECT_EQ(import_warnings, c.warnings) << import_log;
        if (c.errors == 0) {
            EXPECT_EQ(stored_property("Client", "NAS1", property.c_str()), c.stored);
        } else {
            EXPECT_TRUE(logged(import_log, c.stored)) << import_log;
            // the line is not written; the object is, and the scan marked it
            EXPECT_EQ(stored_property("Client", "NAS1", property.c_str()), "<missing>");
            EXPECT_TRUE(sim_object_exists(server, "Client", "NAS1"));
            // the scan marks what it can see without the dictionary's value names
            bool seen_by_scan = strstr(c.line, "No-Such-Name") == nullptr;
            EXPECT_EQ(lists[0], (Lines{seen_by_scan ? "** NAS1" : "NAS1"}));
        }
        close_session();
    }
}

TEST_F(ImportTest, UndefinedClassesAreLoggedInEachPhaseAndNotOffered) {
    open_with("");
    run_import(rif({"Gadget", "  G1", "    Colour=red", "  G2", "Client", "  NAS1", "    Product=X"}));
    const std::string g1 = "Error: Undefined Class ''Gadget'' at Line No. 3 \r\n";
    const std::string g2 = "Error: Undefined Class ''Gadget'' at Line No. 5 \r\n";
    size_t first = import_log.find(g1);
    ASSERT_NE(first, std::string::npos) << import_log;
    EXPECT_NE(import_log.find(g1, first + 1), std::string::npos);  // again in the import phase
    EXPECT_TRUE(logged(import_log, g2));
    EXPECT_EQ(scan_errors, 2u);
    EXPECT_EQ(import_errors, 2u);
    for (const Lines& page : lists)
        for (const std::string& entry : page) EXPECT_EQ(entry.find('G'), std::string::npos) << entry;
    EXPECT_TRUE(sim_object_exists(server, "Client", "NAS1"));
    EXPECT_TRUE(logged(import_log,
                       "*** Note : The above errors were detected during the initial scan of the         ***\r\n"
                       "***        import file. No actual records have, as yet, been imported.           ***\r\n"
                       "2 Import Errors logged\r\n"));
}

TEST_F(ImportTest, ErrorsAndWarningsCloseEachPhaseInTheLogAndOnScreen) {
    open_with("");
    run_import(rif({"Gadget", "  G1", "Client", "  NAS1", "    Flavour [[[0000 0021 0000]]]=x"}));
    EXPECT_EQ(messages(),
              (Lines{"1 import errors were detected during initial scan of file.\nSee the 'import.log' file for more "
                     "detailed information.\nAn import error is indicated by a '**' infront of the User name.",
                     "File import warnings occurred.\nSee the 'import.log' for more detailed imformation.",
                     "1 File Import Errors occurred.\nNot all selected entries were imported correctly into the "
                     "database.\nError information is logged in 'import.log'.\nEntries with errors are prepended by "
                     "a '**' in the list boxes.",
                     "File Import Warnings occurred.\nWarning information is logged in 'import.log'."}));
    ASSERT_EQ(prompt.asked.size(), 4u);
    EXPECT_EQ(prompt.asked[0].title, "Import Error");
    EXPECT_TRUE(prompt.asked[0].task_modal);
    EXPECT_EQ(prompt.asked[1].title, "Import Warning");
    EXPECT_TRUE(logged(import_log,
                       "***           Check the User import file and correct any errors.                  ***\r\n"
                       "1 Import Errors logged\r\n\r\n"));
    EXPECT_TRUE(logged(import_log,
                       "*** Note : The errors above caused the related imported entries to be incomplete.***\r\n"
                       "***        These errors ARE serious and should be examined carefully.            ***\r\n"
                       "*** Note : Warnings were generated during the import of this file. Possible      ***\r\n"));
    const std::string end = "***\r\n1 Import Errors logged\r\n\r\n";
    EXPECT_EQ(import_log.substr(import_log.size() - end.size()), end);
}

TEST_F(ImportTest, TheScanListsEachPageInFileOrderAndMarksErrors) {
    open_with("");
    run_import(rif({"Client", "  NAS2", "  NAS1", "    Bad [[[x]]]=1", "Profile", "  GOLD", "SecurID-Prefix", "  ACME",
                    "Native-User", "  ZED", "Messages", "  M1", "  M2", "Access", "    User=BOB"}));
    EXPECT_EQ(lists[PAGE_RAS_CLIENTS], (Lines{"NAS2", "** NAS1"}));
    EXPECT_EQ(lists[PAGE_USERS], (Lines{"ACME<USERNAME>", "ZED"}));
    EXPECT_EQ(lists[PAGE_PROFILES], (Lines{"GOLD"}));
    EXPECT_EQ(lists[PAGE_OTHER_DATA], (Lines{"Messages", "Access"}));
    EXPECT_TRUE(sim_object_exists(server, "++n-SecurID-Prefix", "ACME"));
    EXPECT_TRUE(sim_object_exists(server, "Client", "NAS1"));  // marked, still importable
    EXPECT_TRUE(sim_object_exists(server, "Messages", "M2"));
}

TEST_F(ImportTest, OnlySelectedObjectsAreWritten) {
    open_with("");
    run_import(rif({"Client", "  NAS1", "    Product=A", "  NAS2", "    Product=B", "  NAS1", "    Product=C", "Access",
                    "    User=BOB"}),
               REPLACE_ASK, [](SelectionModel* pages) { pages->pages[PAGE_RAS_CLIENTS].entries[1].selected = true; });
    EXPECT_EQ(sim_object_names(server, "Client"), (Lines{"NAS2"}));
    EXPECT_EQ(importing, (Lines{"Client : NAS2"}));
    run_import(rif_path(), REPLACE_ASK, [](SelectionModel*) {});
    EXPECT_EQ(outcome.selected, 0u);
    EXPECT_TRUE(importing.empty());
}

TEST_F(ImportTest, LinesLongerThanTheFormatAreRefusedNotCut) {
    open_with("");
    std::string long_value = "    Product=" + std::string(600, 'x');  // 612 characters
    std::string long_object = "  " + std::string(610, 'N');
    run_import(rif({"Client", "  NAS1", long_value.c_str(), "    IPAddress^=0A000001", long_object.c_str(),
                    "    Product=lost", "  NAS3", "    Product=kept"}));
    EXPECT_EQ(stored_property("Client", "NAS1", "Product"), "<missing>");
    EXPECT_EQ(stored_property("Client", "NAS1", "IPAddress"), bytes("\x0a\0\0\x01"));
    EXPECT_EQ(sim_object_names(server, "Client"), (Lines{"NAS1", "NAS3"}));
    EXPECT_EQ(lists[PAGE_RAS_CLIENTS], (Lines{"** NAS1", "NAS3"}));
    EXPECT_TRUE(logged(import_log, "Syntax Error: Line No. 4 is longer than 611 characters and was not imported\r\n"));
    EXPECT_TRUE(logged(import_log, "Syntax Error: Line No. 6 is longer than 611 characters and was not imported\r\n"));
    EXPECT_EQ(scan_errors, 2u);
    EXPECT_EQ(import_errors, 2u);
    // 611 characters are a line like any other.
    close_session();
    open_with("");
    std::string longest = "    Product=" + std::string(599, 'y');
    run_import(rif({"Client", "  NAS1", longest.c_str()}));
    EXPECT_EQ(stored_property("Client", "NAS1", "Product"), std::string(599, 'y') + std::string(1, '\0'));
}

TEST_F(ImportTest, AdministratorsAreAddedByKind) {
    open_with("");
    run_import(rif({"Access", "    User=BOB", "    Group=OPS", "    Robot=R2"}));
    std::map<std::string, std::string> snapshot = database_snapshot();
    EXPECT_EQ(snapshot.count("admin/user/BOB"), 1u);
    EXPECT_EQ(snapshot.count("admin/group/OPS"), 1u);
    EXPECT_EQ(import_errors, 1u);
    EXPECT_TRUE(logged(import_log, "Error: Unable to find Access Type - line 5  Access Type = 'Robot' User = 'R2'\r\n"))
        << import_log;
}

// A stored client replaced from the file, with one request of the writing
// failing at a time: the database holds the old client or the new one,
// whole, and the log says which.
TEST_F(ImportTest, AFailureAtEachWriteStepLeavesTheOldObjectOrTheNewOneWhole) {
    const std::string stored = "object Client NAS1\nproperty Product text \"OLD\"\nproperty Secret hex \"01\"\n";
    const std::string old_object = bytes("Product=OLD\0;IPAddress=<missing>;Secret=\x01;");
    const std::string new_object = bytes("Product=NEW\0;IPAddress=\x0a\0\0\x01;Secret=<missing>;");
    struct Case {
        const char* fault;
        std::string result;
        const char* log;
    } cases[] = {
        {"1:6:1:fail=5", old_object,
         "DataBase Error: Unable to Add to the Database: Line No. 3  Class = 'Client' Object = 'NAS1'"},
        {"1:5:1:fail=5", old_object,
         "DataBase Error: Unable to Add to the Database: Line No. 3  Class = 'Client' Object = 'NAS1'"},
        {"1:3:1:fail=5", old_object,
         "DataBase Error: Object not replaced; the stored object was kept as it was - Line No. 3"},
        {"1:3:2:fail=5", old_object,
         "DataBase Error: Object not replaced; the stored object was kept as it was - Line No. 3"},
        {"1:9:1:fail=5", old_object,
         "DataBase Error: Unable to rename property in Database - Line No. 3  Class =  'Client' Object = 'NAS1'"},
        {"10:1:1:fail=5", old_object, "DataBase Error: Unable to Add to the Database: Line No. 3"},
        {"1:8:1:delay=1", new_object, "0 Import Errors logged"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        open_with(stored);
        ASSERT_EQ(sim_add_fault(server, c.fault), 0);
        run_import(rif({"Client", "  NAS1", "    Product=NEW", "    IPAddress^=0A000001"}), REPLACE_ALL);
        EXPECT_EQ(stored_object("Client", "NAS1", {"Product", "IPAddress", "Secret"}), c.result);
        EXPECT_TRUE(logged(import_log, c.log)) << import_log;
        EXPECT_EQ(sim_object_names(server, "Client"), (Lines{"NAS1"}));  // no temporary object left
        // every lock granted was given back
        uint32_t refused_locks = strncmp(c.fault, "10:1:", 5) == 0 ? 1 : 0;
        EXPECT_EQ(sim_request_count(server, 10, 1) - refused_locks, sim_request_count(server, 10, 2));
        close_session();
    }
    // A new object whose property failed is still made, without it, and the log says so.
    open_with("");
    ASSERT_EQ(sim_add_fault(server, "1:3:1:fail=5"), 0);
    run_import(rif({"Client", "  NAS9", "    Product=NEW", "    IPAddress^=0A000001"}));
    EXPECT_EQ(stored_object("Client", "NAS9", {"Product", "IPAddress"}),
              bytes("Product=<missing>;IPAddress=\x0a\0\0\x01;"));
    EXPECT_TRUE(logged(import_log,
                       "DataBase Error: Unable to set Property into Database - Line No. 4  Class = "
                       "'Client' Object = 'NAS9' Property = 'Product'\r\nDataBase Error: Object created "
                       "without the properties that failed - Line No. 3"))
        << import_log;
    EXPECT_EQ(outcome.partial, 1u);
    EXPECT_EQ(import_errors, 1u);
}

}  // namespace
