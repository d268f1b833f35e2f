#include "cli/record_input.h"

#include <string.h>

#include <vector>

#include "api/db_lists.h"
#include "api/text_field.h"
#include "attrs/editor.h"
#include "cli/cli.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/table.h"
#include "panels/record_names.h"
#include "platform/charset.h"
#include "platform/prompt.h"
#include "platform/terminal.h"
#include "platform/wipe.h"

namespace {

Output* g_output = nullptr;

PromptAnswer print_prompt(const PromptRequest& request) {
    if (g_output) report_error(g_output, request.text);
    return request.buttons == PROMPT_OK || request.buttons == PROMPT_OK_CANCEL ? ANSWER_OK : ANSWER_NO;
}

// The fields take 31 characters: a longer one is refused as they refuse it.
int length_ok(char text[SECRET_TEXT_SIZE], std::string* error) {
    if (strlen(text) <= SECRET_TEXT_LIMIT) return EXIT_OK;
    secret_wipe(text, SECRET_TEXT_SIZE);
    *error = "a password or secret has at most 31 characters";
    return EXIT_FAILED;
}

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

bool add_list_items(AttributeRecord* record, ListKind kind, const Dictionary* dictionary,
                    const std::vector<const char*>& items, std::string* error) {
    EditorTarget target = {record, kind, dictionary, nullptr};
    for (const char* item : items) {
        const std::string whole = item;
        const size_t equals = whole.find('=');
        if (equals == std::string::npos) {
            *error = "\"" + whole + "\" is not of the form \"Attribute = value\"";
            return false;
        }
        const std::string name = trimmed(whole.substr(0, equals));
        std::string value = trimmed(whole.substr(equals + 1));
        const AttributeDefinition* definition = find_definition(dictionary, name.c_str());
        if (!definition || !attribute_offered(*definition, kind)) {
            *error = "the dictionary offers no attribute \"" + name + "\" for this list";
            return false;
        }
        std::string pool;
        const bool pool_form = value.size() > 2 && value.front() == '<' && value.back() == '>';
        if (pool_form && value_control(*definition, kind) == VALUE_ADDRESS_OR_POOL) {
            pool = value.substr(1, value.size() - 2);
            value.clear();
        }
        const ValueEntry entry = {value.c_str(), pool.empty() ? nullptr : pool.c_str(), false, false};
        const EditOutcome outcome = editor_add(target, *definition, entry);
        if (outcome.result != EDIT_DONE) {
            *error = "\"" + whole + "\" was refused";
            return false;
        }
    }
    return true;
}

int password_from_line(const CommandLine& line, PasswordAsk ask, char text[SECRET_TEXT_SIZE], std::string* error) {
    memset(text, 0, SECRET_TEXT_SIZE);
    const bool from_stdin = (line.options & OPT_PASSWORD_STDIN) || (ask != ASK_NOTHING && !stdin_is_terminal());
    if (line.password) {
        copy_text(text, SECRET_TEXT_SIZE, line.password);
    } else if (from_stdin) {
        if (!read_input_line(text, SECRET_TEXT_SIZE)) {
            *error = "no password on standard input";
            return EXIT_USAGE;
        }
    } else if (ask != ASK_NOTHING) {
        char again[SECRET_TEXT_SIZE] = "";
        bool typed = read_hidden_line("Password: ", text, SECRET_TEXT_SIZE);
        if (typed && ask == ASK_TWICE) typed = read_hidden_line("Password again: ", again, sizeof again);
        const bool same = typed && (ask == ASK_ONCE || strcmp(text, again) == 0);
        secret_wipe(again, sizeof again);
        if (!same) {
            secret_wipe(text, SECRET_TEXT_SIZE);
            *error = typed ? "the two passwords differ" : "no password typed";
            return EXIT_USAGE;
        }
    } else {
        *error = "no password given";
        return EXIT_USAGE;
    }
    return length_ok(text, error);
}

int secret_from_stdin(char text[SECRET_TEXT_SIZE], std::string* error) {
    if (!read_input_line(text, SECRET_TEXT_SIZE)) {
        *error = "a secret is missing on standard input";
        return EXIT_USAGE;
    }
    return length_ok(text, error);
}

std::string stored_form(const char* typed) {
    char name[RECORD_NAME_SIZE];
    stored_name_of_typed(typed, name, sizeof name);
    return name;
}

std::string shown_form(const char* stored) {
    char text[512];
    oem_to_ansi(stored, text, sizeof text);
    return display_text(text);
}

PromptsToOutput::PromptsToOutput(Output* output) {
    g_output = output;
    set_prompt_handler(print_prompt);
}

PromptsToOutput::~PromptsToOutput() {
    set_prompt_handler(nullptr);
    g_output = nullptr;
}

int print_names(uint16_t (*list)(NameList*), const char* what, const CommandLine& line, Output* output) {
    NameList names = {};
    uint16_t status = list(&names);
    if (status != 0) return request_failed(output, std::string("cannot list the ") + what, status);
    std::vector<std::string> shown;
    for (uint32_t i = 0; i < names.count; ++i) shown.push_back(name_list_at(&names, i));
    name_list_free(&names);
    output->out += format_name_list(shown, (line.options & OPT_JSON) != 0);
    return EXIT_OK;
}
