#include "cli/command_line.h"

#include <string.h>

namespace {

struct OptionSpec {
    const char* name;
    uint64_t flag;
    bool takes_value;
    int key_field;  // for OPT_SESSION_KEY
};

// "--text" is a switch for `get` and takes the value for `set`, "--replace"
// a switch for `rename` and a mode for `import`: such options share the
// name, and the command decides which one is meant.
const OptionSpec OPTIONS[] = {
    {"--json", OPT_JSON, false, -1},
    {"--text", OPT_TEXT, false, -1},
    {"--text", OPT_TEXT_VALUE, true, -1},
    {"--hex", OPT_HEX_VALUE, true, -1},
    {"--group", OPT_GROUP, false, -1},
    {"--replace", OPT_REPLACE, false, -1},
    {"--all", OPT_ALL, false, -1},
    {"--client", OPT_SESSION_KEY, true, KEY_CLIENT},
    {"--user", OPT_SESSION_KEY, true, KEY_USER},
    {"--dn", OPT_SESSION_KEY, true, KEY_DN},
    {"--session-id", OPT_SESSION_KEY, true, KEY_SESSION_ID},
    {"--port", OPT_SESSION_KEY, true, KEY_PORT},
    {"--port-type", OPT_SESSION_KEY, true, KEY_PORT_TYPE},
    {"--kind", OPT_KIND, true, -1},
    {"--password", OPT_PASSWORD, true, -1},
    {"--password-stdin", OPT_PASSWORD_STDIN, false, -1},
    {"--pap-only", OPT_PAP_ONLY, false, -1},
    {"--profile", OPT_PROFILE, true, -1},
    {"--check", OPT_CHECK, true, -1},
    {"--reply", OPT_REPLY, true, -1},
    {"--address", OPT_ADDRESS, true, -1},
    {"--product", OPT_PRODUCT, true, -1},
    {"--secret-stdin", OPT_SECRET_STDIN, false, -1},
    {"--acct-secret-stdin", OPT_ACCT_SECRET_STDIN, false, -1},
    {"--retries", OPT_RETRIES, true, -1},
    {"--retry-ms", OPT_RETRY_MS, true, -1},
    {"--accounting", OPT_ACCOUNTING, true, -1},
    {"--description", OPT_DESCRIPTION, true, -1},
    {"--order", OPT_ORDER, true, -1},
    {"--log-days", OPT_LOG_DAYS, true, -1},
    {"--message", OPT_MESSAGE, true, -1},
    {"--show-secret", OPT_SHOW_SECRET, false, -1},
    {"--clients", OPT_EXPORT_CLIENTS, false, -1},
    {"--users", OPT_EXPORT_USERS, false, -1},
    {"--profiles", OPT_EXPORT_PROFILES, false, -1},
    {"--proxies", OPT_EXPORT_PROXIES, false, -1},
    {"--pools", OPT_EXPORT_POOLS, false, -1},
    {"--messages", OPT_EXPORT_MESSAGES, false, -1},
    {"--configuration", OPT_EXPORT_CONFIGURATION, false, -1},
    {"--access", OPT_EXPORT_ACCESS, false, -1},
    {"--replace", OPT_IMPORT_REPLACE, true, -1},
    {"--scan-only", OPT_SCAN_ONLY, false, -1},
    {"--dictionary", OPT_DICTIONARY, true, -1},
    {"--ignore-attributes", OPT_IGNORE_ATTRIBUTES, false, -1},
    {"--sections", OPT_REPORT_SECTIONS, true, -1},
};

bool is_help(const char* argument) { return strcmp(argument, "--help") == 0 || strcmp(argument, "-h") == 0; }

// "--name" or "--name=value": the length of the name part.
size_t option_name_length(const char* argument) {
    const char* equals = strchr(argument, '=');
    return equals ? (size_t)(equals - argument) : strlen(argument);
}

bool option_is(const char* argument, const char* name) {
    size_t length = option_name_length(argument);
    return length == strlen(name) && strncmp(argument, name, length) == 0;
}

// The command word: the first argument that is neither an option nor the
// value of --server (the only option that may take a value before it).
int find_command_word(int argc, char** argv, bool* help) {
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (strcmp(argument, "--") == 0) return i + 1 < argc ? i + 1 : -1;
        if (is_help(argument)) *help = true;
        if (strcmp(argument, "--server") == 0) {
            ++i;
        } else if (argument[0] != '-' || argument[1] == 0) {
            return i;
        }
    }
    return -1;
}

const CommandEntry* find_entry(const char* name, const char* subcommand) {
    for (const CommandEntry* entry = COMMANDS; entry->name; ++entry) {
        if (strcmp(entry->name, name) != 0) continue;
        bool same = subcommand ? entry->subcommand && strcmp(entry->subcommand, subcommand) == 0 : !entry->subcommand;
        if (same) return entry;
    }
    return nullptr;
}

// Whether any form of the command (its subcommands included) accepts `flag`.
bool family_accepts(const char* name, uint64_t flag) {
    for (const CommandEntry* entry = COMMANDS; entry->name; ++entry) {
        if (strcmp(entry->name, name) == 0 && (entry->options & flag)) return true;
    }
    return false;
}

// Of the options sharing a name, the one the command takes.
const OptionSpec* find_option(const char* argument, const char* command) {
    const OptionSpec* first = nullptr;
    for (const OptionSpec& option : OPTIONS) {
        if (!option_is(argument, option.name)) continue;
        if (family_accepts(command, option.flag)) return &option;
        if (!first) first = &option;
    }
    return first;
}

// Null for the options that may be given more than once.
const char** value_slot(CommandLine* line, const OptionSpec& option) {
    switch (option.flag) {
        case OPT_TEXT_VALUE: return &line->text_value;
        case OPT_HEX_VALUE: return &line->hex_value;
        case OPT_KIND: return &line->kind;
        case OPT_PASSWORD: return &line->password;
        case OPT_PROFILE: return &line->profile;
        case OPT_ADDRESS: return &line->address;
        case OPT_PRODUCT: return &line->product;
        case OPT_RETRIES: return &line->retries;
        case OPT_RETRY_MS: return &line->retry_ms;
        case OPT_ACCOUNTING: return &line->accounting;
        case OPT_DESCRIPTION: return &line->description;
        case OPT_ORDER: return &line->order;
        case OPT_LOG_DAYS: return &line->log_days;
        case OPT_IMPORT_REPLACE: return &line->replace_mode;
        case OPT_DICTIONARY: return &line->dictionary;
        case OPT_REPORT_SECTIONS: return &line->sections;
        case OPT_CHECK:
        case OPT_REPLY:
        case OPT_MESSAGE: return nullptr;
        default: return &line->session_key[option.key_field];
    }
}

std::string command_title(const CommandEntry& entry) {
    return entry.subcommand ? std::string(entry.name) + " " + entry.subcommand : std::string(entry.name);
}

struct GivenOption {
    const char* argument;
    uint64_t flag;
};

}  // namespace

ParseResult parse_command_line(int argc, char** argv, CommandLine* line, std::string* error) {
    *line = CommandLine();
    bool help = false;
    int command_at = find_command_word(argc, argv, &help);
    if (command_at < 0) {
        if (help) return PARSE_GENERAL_HELP;
        *error = "no command given";
        return PARSE_ERROR;
    }
    const char* command = argv[command_at];
    if (!find_entry(command, nullptr)) {
        *error = std::string("unknown command \"") + command + "\"";
        return PARSE_ERROR;
    }

    std::vector<GivenOption> given;
    bool options_ended = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (i == command_at) continue;
        if (options_ended || argument[0] != '-' || argument[1] == 0) {
            line->operands.push_back(argument);
            continue;
        }
        if (strcmp(argument, "--") == 0) {
            options_ended = true;
            continue;
        }
        if (is_help(argument)) {
            line->help = true;
            continue;
        }
        const char* inline_value = strchr(argument, '=');
        bool is_server = option_is(argument, "--server");
        const OptionSpec* option = is_server ? nullptr : find_option(argument, command);
        if (!is_server && !option) {
            *error = std::string("unknown option \"") + argument + "\"";
            return PARSE_ERROR;
        }
        bool takes_value = is_server || option->takes_value;
        if (!takes_value && inline_value) {
            *error =
                std::string("option \"") + std::string(argument, option_name_length(argument)) + "\" takes no value";
            return PARSE_ERROR;
        }
        const char* value = nullptr;
        if (takes_value) {
            if (inline_value) {
                value = inline_value + 1;
            } else if (i + 1 < argc) {
                value = argv[++i];
            } else {
                *error = std::string("option \"") + argument + "\" needs a value";
                return PARSE_ERROR;
            }
        }
        const char** slot = nullptr;
        if (is_server) {
            slot = &line->server;
        } else if (takes_value) {
            slot = value_slot(line, *option);
        }
        if (option && option->flag == OPT_CHECK) line->check_items.push_back(value);
        if (option && option->flag == OPT_REPLY) line->reply_items.push_back(value);
        if (option && option->flag == OPT_MESSAGE) line->message_items.push_back(value);
        if (slot) {
            if (*slot) {
                *error =
                    std::string("option \"") + std::string(argument, option_name_length(argument)) + "\" given twice";
                return PARSE_ERROR;
            }
            *slot = value;
        }
        if (option) {
            line->options |= option->flag;
            given.push_back(GivenOption{argument, option->flag});
        }
    }

    const CommandEntry* entry = nullptr;
    if (!line->operands.empty()) entry = find_entry(command, line->operands[0]);
    if (entry) {
        line->operands.erase(line->operands.begin());
    } else {
        entry = find_entry(command, nullptr);
    }
    line->command = entry;
    if (line->help) return PARSE_OK;

    std::string title = command_title(*entry);
    for (const GivenOption& option : given) {
        if (entry->options & option.flag) continue;
        *error = title + " does not take \"" + std::string(option.argument, option_name_length(option.argument)) + "\"";
        return PARSE_ERROR;
    }
    size_t count = line->operands.size();
    if (count < entry->min_operands || count > entry->max_operands) {
        *error = std::string(count < entry->min_operands ? "too few" : "too many") + " arguments for " + title +
                 "; usage: keelcli " + entry->synopsis;
        return PARSE_ERROR;
    }
    if (entry->check && !entry->check(*line, error)) return PARSE_ERROR;
    return PARSE_OK;
}
