// The command line of keelcli: global options, the command (and its
// subcommand), its operands and its options, checked before anything is sent.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

struct Output;
struct CommandLine;

// Option flags; a command lists the ones it accepts.
enum OptionFlag : uint64_t {
    OPT_JSON = 1ull << 0,
    OPT_TEXT = 1ull << 1,        // get: show the value as a text
    OPT_TEXT_VALUE = 1ull << 2,  // set: --text TEXT
    OPT_HEX_VALUE = 1ull << 3,   // set: --hex HEX
    OPT_GROUP = 1ull << 4,
    OPT_REPLACE = 1ull << 5,
    OPT_ALL = 1ull << 6,
    OPT_SESSION_KEY = 1ull << 7,  // --client --user --dn --session-id --port --port-type
    // The record commands.
    OPT_KIND = 1ull << 8,             // --kind KIND
    OPT_PASSWORD = 1ull << 9,         // --password TEXT
    OPT_PASSWORD_STDIN = 1ull << 10,  // the password is the first line of standard input
    OPT_PAP_ONLY = 1ull << 11,
    OPT_PROFILE = 1ull << 12,            // --profile NAME ("" for none)
    OPT_CHECK = 1ull << 13,              // --check "Attribute = value", repeatable
    OPT_REPLY = 1ull << 14,              // --reply "Attribute = value", repeatable
    OPT_ADDRESS = 1ull << 15,            // --address ADDRESS (a dotted quad or a host name)
    OPT_PRODUCT = 1ull << 16,            // --product NAME
    OPT_SECRET_STDIN = 1ull << 17,       // the shared secret is a line of standard input
    OPT_ACCT_SECRET_STDIN = 1ull << 18,  // the accounting secret: the next line
    OPT_RETRIES = 1ull << 19,            // --retries N
    OPT_RETRY_MS = 1ull << 20,           // --retry-ms N
    OPT_ACCOUNTING = 1ull << 21,         // --accounting forward|record|both
    OPT_DESCRIPTION = 1ull << 22,        // --description TEXT
    // export: the parts to write, one flag each, in the export's own order.
    OPT_EXPORT_CLIENTS = 1ull << 23,
    OPT_EXPORT_USERS = 1ull << 24,
    OPT_EXPORT_PROFILES = 1ull << 25,
    OPT_EXPORT_PROXIES = 1ull << 26,
    OPT_EXPORT_POOLS = 1ull << 27,
    OPT_EXPORT_MESSAGES = 1ull << 28,
    OPT_EXPORT_CONFIGURATION = 1ull << 29,
    OPT_EXPORT_ACCESS = 1ull << 30,
    OPT_EXPORT_PARTS = 0xFFull << 23,
    // config set.
    OPT_ORDER = 1ull << 52,     // --order "METHOD, METHOD, ..."
    OPT_LOG_DAYS = 1ull << 53,  // --log-days N
    OPT_MESSAGE = 1ull << 54,   // --message KEY=TEXT, repeatable
    OPT_SHOW_SECRET = 1ull << 55,  // show: secrets and passwords as text, where the server allows it
    // import: the parts above, and these.
    OPT_IMPORT_REPLACE = 1ull << 32,  // --replace ask|all|none
    OPT_SCAN_ONLY = 1ull << 33,       // --scan-only
    // import-users.
    OPT_DICTIONARY = 1ull << 40,         // --dictionary BASE
    OPT_IGNORE_ATTRIBUTES = 1ull << 41,  // --ignore-attributes
    // report: --sections LIST, the sections to write.
    OPT_REPORT_SECTIONS = 1ull << 48,
};

// The six fields that identify a current-user record, in the order the
// server takes them.
enum SessionKeyField { KEY_CLIENT, KEY_USER, KEY_DN, KEY_SESSION_ID, KEY_PORT, KEY_PORT_TYPE, SESSION_KEY_COUNT };

enum CommandNeeds {
    NEEDS_CONNECTION,  // readable at any access level, as the console's Servers panel shows it
    NEEDS_ADMISSION,   // only once the versions and the access level admit this client
};

struct CommandEntry {
    const char* name;
    const char* subcommand;  // null for the command itself
    const char* synopsis;    // after "keelcli [--server NAME] "
    const char* summary;     // one line for the command list
    const char* details;     // the rest of `COMMAND --help`, or null
    uint64_t options;
    uint8_t min_operands;
    uint8_t max_operands;
    CommandNeeds needs;
    // Checks the operands and options further before connecting; null: none.
    bool (*check)(const CommandLine& line, std::string* error);
    int (*run)(const CommandLine& line, Output* output);
};

struct CommandLine {
    const char* server = nullptr;
    bool help = false;
    const CommandEntry* command = nullptr;
    std::vector<const char*> operands;  // after the command and subcommand words
    uint64_t options = 0;               // the flags given
    const char* text_value = nullptr;
    const char* hex_value = nullptr;
    const char* session_key[SESSION_KEY_COUNT] = {};
    const char* kind = nullptr;
    const char* password = nullptr;
    const char* profile = nullptr;
    std::vector<const char*> check_items;  // in the order given
    std::vector<const char*> reply_items;
    const char* address = nullptr;
    const char* product = nullptr;
    const char* retries = nullptr;
    const char* retry_ms = nullptr;
    const char* accounting = nullptr;
    const char* description = nullptr;
    const char* order = nullptr;
    const char* log_days = nullptr;
    std::vector<const char*> message_items;
    uint32_t server_options = 0;  // the server's option mask, once it admits this client
    const char* replace_mode = nullptr;  // import --replace
    const char* dictionary = nullptr;    // import-users --dictionary
    const char* sections = nullptr;  // report --sections
};

enum ParseResult {
    PARSE_OK,
    PARSE_GENERAL_HELP,  // no command, and --help
    PARSE_ERROR,
};

// The table of commands, ended by an entry with a null name.
extern const CommandEntry COMMANDS[];

ParseResult parse_command_line(int argc, char** argv, CommandLine* line, std::string* error);
