// What the record commands share: names as typed and as shown, the rules'
// messages on stderr, "Attribute = value" items added to a record's lists
// by the editor's own rules, and passwords and secrets from the options,
// standard input or the terminal.
#pragma once

#include <string>
#include <vector>

#include "attrs/attribute_list.h"
#include "attrs/dictionary.h"
#include "panels/scrambled_secret.h"

struct CommandLine;
struct NameList;
struct Output;

// A name as the administrator types it, as the database keeps it (upper
// case, OEM), and a stored name as shown.
std::string stored_form(const char* typed);
std::string shown_form(const char* stored);

// While alive, the messages the panels' rules show (a refused value, a
// dictionary failure) go to the command's error output.
struct PromptsToOutput {
    explicit PromptsToOutput(Output* output);
    ~PromptsToOutput();
};

// Adds each "Attribute = value" item to the list of `kind` as the Add New
// Attribute dialog would; "<NAME>" names an address pool where the
// attribute may take one. False, with the reason in *error, at the first
// item refused (the rules' own message has then been shown).
bool add_list_items(AttributeRecord* record, ListKind kind, const Dictionary* dictionary,
                    const std::vector<const char*>& items, std::string* error);

// Without an option: not asked for, a line of standard input when that is
// not a terminal, or typed at the terminal without echo, once (to check
// one) or twice (to set one).
enum PasswordAsk { ASK_NOTHING, ASK_ONCE, ASK_TWICE };
// The password the options give: --password, --password-stdin, or as
// `ask` says. EXIT_USAGE when none is given or the two typings differ,
// EXIT_FAILED when it is longer than the fields take; *error says which.
int password_from_line(const CommandLine& line, PasswordAsk ask, char text[SECRET_TEXT_SIZE], std::string* error);

// --secret-stdin and --acct-secret-stdin: a line of standard input each, in
// that order. EXIT_USAGE when a line is missing, EXIT_FAILED when too long.
int secret_from_stdin(char text[SECRET_TEXT_SIZE], std::string* error);

// Names of a record kind, as `list` prints them; `what` names them in a
// failure ("pools").
int print_names(uint16_t (*list)(NameList*), const char* what, const CommandLine& line, Output* output);
