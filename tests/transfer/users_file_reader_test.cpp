// The users-file reader without a server: the layout of records, the items
// and their operators, the value conversions and the translation through an
// import dictionary pair held in memory.
#include <gtest/gtest.h>

#include <string.h>

#include "platform/local_time.h"
#include "tests/transfer/users_file_support.h"
#include "transfer/users_file_values.h"

namespace {

typedef std::vector<std::string> Lines;

struct LayoutCase {
    const char* title;
    std::string file;
    Lines records;
    std::string log;
};

const char* const MTU_1500 = "Framed-MTU:1:dc050000";

class UsersFileReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Central European standard time: a local midnight is 23:00 UTC.
        static const TimeZoneRule CET = {-60, false, 0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}};
        set_time_zone_rule(&CET);
    }
    void TearDown() override { set_time_zone_rule(nullptr); }

    void expect_case(const LayoutCase& c, const UsersImportOptions& options) {
        LogCapture capture;
        EXPECT_EQ(read_records(c.file, options, &capture), c.records) << c.title;
        EXPECT_EQ(capture.text(), c.log) << c.title;
    }
};

TEST_F(UsersFileReaderTest, RecordsCommentsAndContinuationLines) {
    const std::string too_long = "kim Password = \"k\"\n\tPort-Message = \"" + std::string(5000, 'a') +
                                 "\"\nlee Password = \"l\"\n";
    const LayoutCase cases[] = {
        {"a single line", "steve Password = \"x\"\n", {"STEVE@1 ok errors=0 check=[] reply=[] password=6/32"}, ""},
        {"a reply line without a comma goes on at the next indented line",
         "bob\tPassword = \"pw\"\n\tUser-Service = Framed-User\n\tFramed-MTU = 1500\n",
         {std::string("BOB@1 ok errors=0 check=[] reply=[Service-Type:1:02000000 ") + MTU_1500 + "] password=6/32"},
         ""},
        {"comments, at the start of a line or indented, are skipped inside and between records",
         "# head\n\nann Password = \"a\"\n# inside\n\tFramed-MTU = 576,\n\t# indented\n\tUser-Service = Login-User\n\n"
         "bea Password = \"b\"\n",
         {"ANN@3 ok errors=0 check=[] reply=[Framed-MTU:1:40020000 Service-Type:1:01000000] password=6/32",
          "BEA@9 ok errors=0 check=[] reply=[] password=6/32"},
         ""},
        {"an empty line ends the record; an indented line after it belongs to none",
         "cal Password = \"c\"\n\n\tFramed-MTU = 1500\ndan Password = \"d\"\n",
         {"CAL@1 ok errors=0 check=[] reply=[] password=6/32", "DAN@4 ok errors=0 check=[] reply=[] password=6/32"},
         "Warning: Indented line outside any user record ignored at line 3 \n"},
        {"a record without check items is skipped with its reply lines",
         "nopass\n\tUser-Service = Login-User\neve Password = \"e\"\n",
         {"NOPASS@1 skip errors=0", "EVE@3 ok errors=0 check=[] reply=[] password=6/32"},
         "Warning: Missing mandatory password for user 'nopass' at line 1 \n"},
        {"a trailing comma on the check line", "fay Password = \"f\",\n\tFramed-MTU = 1500\n",
         {std::string("FAY@1 ok errors=0 check=[] reply=[") + MTU_1500 + "] password=6/32"},
         "Warning: Trailing comma on check attribute line at line. 1 \n"},
        {"the file ends where a comma promised more", "gus Password = \"g\"\n\tFramed-MTU = 1500,",
         {std::string("GUS@1 ok errors=0 check=[] reply=[") + MTU_1500 + "] password=6/32"},
         "Warning: Premature end of file encountered. \n"},
        {"quoted values keep their commas and blanks",
         "hal Password = \"a b,c\"\n\tPort-Message = \"Hello, world  \", Framed-Filter-Id = \"std filter\"\n",
         {"HAL@1 ok errors=0 check=[] reply=[Reply-Message:0:48656c6c6f2c20776f726c64202000 "
          "Filter-Id:0:7374642066696c74657200] password=6/32"},
         ""},
        {"CR LF line ends", "ivy Password = \"i\"\r\n\tFramed-MTU = 1500\r\n",
         {std::string("IVY@1 ok errors=0 check=[] reply=[") + MTU_1500 + "] password=6/32"}, ""},
        {"a quoted user name", "\"John Doe\"  Password = \"j\"\n",
         {"JOHN DOE@1 ok errors=0 check=[] reply=[] password=6/32"}, ""},
        {"a line too long fails its record only", too_long,
         {"KIM@1 skip errors=1", "LEE@3 ok errors=0 check=[] reply=[] password=6/32"},
         "Parse Error: Missing new-line character for user record: 'kim' \n"},
        {"a user name too long to store", std::string(300, 'n') + " Password = \"x\"\n\tFramed-MTU = 1\n",
         {"@1 skip errors=1"}, "Parse Error: Invalid user name at line 1 \n"},
        {"nothing but comments", "# one\n#two\n\n   \n", {}, ""},
    };
    for (const LayoutCase& c : cases) expect_case(c, memory_options());
}

TEST_F(UsersFileReaderTest, TodaysAssignmentOperatorsReadAsEqualsAndOthersFailTheRecord) {
    for (const char* op : {"=", ":=", "==", "+="}) {
        for (const char* space : {" ", ""}) {
            const std::string file = std::string("u Password ") + op + " \"p\"\n\tFramed-MTU" + space + op + space +
                                     "1500\n";
            LayoutCase c = {op, file, {std::string("U@1 ok errors=0 check=[] reply=[") + MTU_1500 + "] password=6/32"},
                            ""};
            expect_case(c, memory_options());
        }
    }
    for (const char* op : {"!=", ">", ">=", "<", "<=", "=~", "!~", "=*", "!*"}) {
        const std::string file = std::string("u Password = \"p\"\n\tUser-Service = Login-User,\n\tFramed-MTU ") + op +
                                 " 1500\n";
        LayoutCase c = {op, file, {"U@1 skip errors=2"},
                        std::string("Parse Error: Operator '") + op +
                            "' is not supported (attribute 'Framed-MTU', user 'u', line 3)\n"
                            "Parse Error: Could not process reply list attributes in user record: 'u' \n"};
        expect_case(c, memory_options());
    }
    const LayoutCase missing = {"no operator", "v Password \"p\"\n", {"V@1 skip errors=2"},
                                "Parse Error: Missing '=' after attribute 'Password'\n"
                                "Parse Error: Could not process check list attributes in user record: 'v' \n"};
    expect_case(missing, memory_options());
}

TEST_F(UsersFileReaderTest, ValuesAreConvertedByTheImportDictionarysType) {
    struct ValueCase {
        const char* item;
        const char* reply;  // the user's return list, or "skip" when the record fails
        const char* log;
    };
    const ValueCase cases[] = {
        {"Framed-MTU = 12abc", "Framed-MTU:1:0c000000", ""},
        {"Framed-MTU = 99999999999", "Framed-MTU:1:ffffffff", ""},
        {"User-Service = Framed-User", "Service-Type:1:02000000", ""},
        {"User-Service = Sideways", "",
         "DataBase Error: Could not find attribute value 'Sideways' for attribute 'User-Service' in Import dictionary\n"},
        {"Modem-Flags = 300", "Modem-Flags:11:2c", ""},
        {"Link-Options = 70000", "Link-Options:12:7011", ""},
        {"Max-Links = 5", "Max-Links:14:05", ""},
        {"Max-Rate = 33600", "Max-Rate:15:4083", ""},
        {"Framed-Address = 10.1.2.3", "Framed-IP-Address:18:000000000302010a", ""},
        {"Pool-Address = 192.0.2.1", "Pool-Address:18:00000000010200c0", ""},
        {"Client-Id = 10.1.2.3", "NAS-IP-Address:2:0302010a",
         "Warning: attribute 'NAS-IP-Address' is not a valid reply list attribute\r\n"},
        {"Client-Id = 10.1.2", "", "DataBase Error: Invalid value '10.1.2' for attribute 'Client-Id'\n"},
        {"Class = \"01020304 05\"", "Class:10:0102030405", ""},
        {"Class = 0x12", "", "DataBase Error: Invalid hexadecimal string '0x12'\n"},
        {"Port-Message = \"\"", "Reply-Message:0:00", ""},
        {"Odd-Type = 1", "skip",
         "Parse Error: Unable to determine attribute type for attribute 'Odd-Type'\n"
         "Parse Error: Could not process reply list attributes in user record: 'w' \n"},
        {"Nonsense = 1", "", "DataBase Error: Could not find attribute 'Nonsense' in Import dictionary\n"},
        {"Vendor-Filter = 01", "",
         "DataBase Error: Could not find ID for attribute 'Vendor-Filter' in Import Dictionary. \n"},
        {"Old-Password = x", "Change-Password:0:7800",
         "Warning: attribute 'Change-Password' is not defined in the master dictionary\r\n"},
    };
    for (const ValueCase& c : cases) {
        LogCapture capture;
        std::vector<ImportedUser> users;
        read_records(std::string("w Password = \"p\"\n\t") + c.item + "\n", memory_options(), &capture, &users);
        ASSERT_EQ(users.size(), 1u) << c.item;
        const bool errors = strstr(c.log, "Error") != nullptr;
        if (strcmp(c.reply, "skip") == 0) {
            EXPECT_FALSE(users[0].importable) << c.item;
        } else {
            EXPECT_EQ(describe_user(users[0]), std::string("W@1 ok errors=") + (errors ? "1" : "0") +
                                                   " check=[] reply=[" + c.reply + "] password=6/32")
                << c.item;
        }
        EXPECT_EQ(capture.text(), c.log) << c.item;
        free_users(&users);
    }
}

TEST_F(UsersFileReaderTest, MonthNameDatesAreLocalMidnight) {
    LogCapture capture;
    Lines records = read_records(
        "d Password = \"p\", Expiration = \"Jan 5 1998\"\ne Password = \"p\", Expiration = \"december 31, 2030\"\n",
        memory_options(), &capture);
    EXPECT_EQ(records, (Lines{"D@1 ok errors=0 check=[Keel-Expiration:19:7014b034] reply=[] password=6/32",
                              "E@2 ok errors=0 check=[Keel-Expiration:19:70acbb72] reply=[] password=6/32"}));
    for (const char* wrong : {"Foo 5 1998", "Jan 5 98", "Jan 32 1998", "Jan 5", "Jan 5 1998 12:00", "Jan 5 1969"}) {
        uint32_t seconds = 0;
        EXPECT_FALSE(parse_month_date(wrong, &seconds)) << wrong;
    }
}

TEST_F(UsersFileReaderTest, IgnoreAttributesKeepsOnlyThePassword) {
    LayoutCase c = {"ignore",
                    "ian Password = \"p\", Expiration = \"Jan 5 1998\"\n\tUser-Service = Framed-User,\n"
                    "\tFramed-MTU = 2,\n\tPort-Message = \"hi\"\n",
                    {"IAN@1 ok errors=0 check=[] reply=[] password=6/32"},
                    ""};
    expect_case(c, memory_options(true));
}

TEST_F(UsersFileReaderTest, PasswordsAreStoredAsTheOptionSays) {
    for (bool pap_only : {true, false}) {
        LogCapture capture;
        std::vector<ImportedUser> users;
        read_records("pat Password = \"a secret, quoted\"\n", memory_options(false, pap_only, "DIALUP"), &capture,
                     &users);
        ASSERT_EQ(users.size(), 1u);
        EXPECT_EQ(users[0].password.type, pap_only ? PASSWORD_PAP_ONLY : PASSWORD_PAP_OR_CHAP);
        EXPECT_EQ(users[0].password.length, pap_only ? PASSWORD_DIGEST_LENGTH : PASSWORD_SCRAMBLED_LENGTH);
        EXPECT_TRUE(password_matches(users[0].password, "a secret, quoted"));
        EXPECT_FALSE(password_matches(users[0].password, "a secret"));
        EXPECT_STREQ(users[0].profile, "DIALUP");
        free_users(&users);
    }
    // Cut to 31 characters it would be another password.
    LogCapture capture;
    Lines records = read_records("long Password = \"" + std::string(32, 'p') + "\"\n", memory_options(), &capture);
    EXPECT_EQ(records, (Lines{"LONG@1 ok errors=1 check=[] reply=[] password=6/0"}));
    EXPECT_EQ(capture.text(), "DataBase Error: Password of user 'long' is longer than 31 characters\n");
}

}  // namespace
