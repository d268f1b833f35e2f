// The command line of keelcli: global options, the command (and its
// subcommand), its operands and its options, checked before anything is sent.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

struct Output;
struct CommandLine;

// Option flags; a command lists the ones it accepts.
enum OptionFlag : uint32_t {
    OPT_JSON = 1u << 0,
    OPT_TEXT = 1u << 1,        // get: show the value as a text
    OPT_TEXT_VALUE = 1u << 2,  // set: --text TEXT
    OPT_HEX_VALUE = 1u << 3,   // set: --hex HEX
    OPT_GROUP = 1u << 4,
    OPT_REPLACE = 1u << 5,
    OPT_ALL = 1u << 6,
    OPT_SESSION_KEY = 1u << 7,  // --client --user --dn --session-id --port --port-type
    // The record commands.
    OPT_KIND = 1u << 8,             // --kind KIND
    OPT_PASSWORD = 1u << 9,         // --password TEXT
    OPT_PASSWORD_STDIN = 1u << 10,  // the password is the first line of standard input
    OPT_PAP_ONLY = 1u << 11,
    OPT_PROFILE = 1u << 12,            // --profile NAME ("" for none)
    OPT_CHECK = 1u << 13,              // --check "Attribute = value", repeatable
    OPT_REPLY = 1u << 14,              // --reply "Attribute = value", repeatable
    OPT_ADDRESS = 1u << 15,            // --address ADDRESS (a dotted quad or a host name)
    OPT_PRODUCT = 1u << 16,            // --product NAME
    OPT_SECRET_STDIN = 1u << 17,       // the shared secret is a line of standard input
    OPT_ACCT_SECRET_STDIN = 1u << 18,  // the accounting secret: the next line
    OPT_RETRIES = 1u << 19,            // --retries N
    OPT_RETRY_MS = 1u << 20,           // --retry-ms N
    OPT_ACCOUNTING = 1u << 21,         // --accounting forward|record|both
    OPT_DESCRIPTION = 1u << 22,        // --description TEXT
    // export: the parts to write, one flag each, in the export's own order.
    OPT_EXPORT_CLIENTS = 1u << 23,
    OPT_EXPORT_USERS = 1u << 24,
    OPT_EXPORT_PROFILES = 1u << 25,
    OPT_EXPORT_PROXIES = 1u << 26,
    OPT_EXPORT_POOLS = 1u << 27,
    OPT_EXPORT_MESSAGES = 1u << 28,
    OPT_EXPORT_CONFIGURATION = 1u << 29,
    OPT_EXPORT_ACCESS = 1u << 30,
    OPT_EXPORT_PARTS = 0xFFu << 23,
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
    uint32_t options;
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
    uint32_t options = 0;               // the flags given
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
};

enum ParseResult {
    PARSE_OK,
    PARSE_GENERAL_HELP,  // no command, and --help
    PARSE_ERROR,
};

// The table of commands, ended by an entry with a null name.
extern const CommandEntry COMMANDS[];

ParseResult parse_command_line(int argc, char** argv, CommandLine* line, std::string* error);
