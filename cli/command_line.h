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
    // export: the parts to write, one flag each, in the export's own order.
    OPT_EXPORT_CLIENTS = 1u << 8,
    OPT_EXPORT_USERS = 1u << 9,
    OPT_EXPORT_PROFILES = 1u << 10,
    OPT_EXPORT_PROXIES = 1u << 11,
    OPT_EXPORT_POOLS = 1u << 12,
    OPT_EXPORT_MESSAGES = 1u << 13,
    OPT_EXPORT_CONFIGURATION = 1u << 14,
    OPT_EXPORT_ACCESS = 1u << 15,
    OPT_EXPORT_PARTS = 0xFFu << 8,
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
};

enum ParseResult {
    PARSE_OK,
    PARSE_GENERAL_HELP,  // no command, and --help
    PARSE_ERROR,
};

// The table of commands, ended by an entry with a null name.
extern const CommandEntry COMMANDS[];

ParseResult parse_command_line(int argc, char** argv, CommandLine* line, std::string* error);
