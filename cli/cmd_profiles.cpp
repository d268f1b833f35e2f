// profile: the profiles, as the profiles panel lists, shows, adds, changes
// and removes them, over the same stored form and the same removal scan.
#include <string.h>

#include <string>

#include "api/text_field.h"
#include "attrs/list_rules.h"
#include "attrs/list_store.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/list_output.h"
#include "cli/record_input.h"
#include "panels/profile_record.h"
#include "panels/profile_scan.h"
#include "panels/profiles.h"

namespace {

// The stored name of a typed one; a name the panel's field would not take
// is refused.
bool profile_name(const char* typed, std::string* name, Output* output) {
    *name = stored_form(typed);
    if (name->empty() || strlen(typed) > PROFILE_NAME_LIMIT) {
        report_error(output, "a profile name has 1 to 255 characters");
        return false;
    }
    return true;
}

int require_profile(const std::string& name, Output* output) {
    bool exists = false;
    uint16_t status = profile_exists(name.c_str(), &exists);
    if (status != 0) return request_failed(output, "cannot look for the profile", status);
    if (!exists) {
        report_error(output, "no profile " + shown_form(name.c_str()));
        return EXIT_FAILED;
    }
    return EXIT_OK;
}

// Reads an existing profile's lists, checked against the dictionary.
int read_profile(const char* typed, AttributeRecord* record, Output* output) {
    memset(record, 0, sizeof *record);
    std::string name;
    if (!profile_name(typed, &name, output)) return EXIT_FAILED;
    if (!load_program_dictionary(output)) return EXIT_FAILED;
    int code = require_profile(name, output);
    if (code != EXIT_OK) return code;
    copy_text(record->class_name, sizeof record->class_name, PROFILE_CLASS);
    copy_text(record->object_name, sizeof record->object_name, name.c_str());
    uint16_t status = load_attribute_lists(record, program_dictionary(), nullptr);
    if (status != 0) return request_failed(output, "cannot read the profile " + shown_form(name.c_str()), status);
    validate_lists(record, program_dictionary());
    return EXIT_OK;
}

int save_profile(AttributeRecord* record, Output* output) {
    uint16_t status = save_attribute_lists(record);
    if (status != 0) return request_failed(output, "cannot save the profile " + shown_form(record->object_name), status);
    return EXIT_OK;
}

}  // namespace

int run_profile_list(const CommandLine& line, Output* output) {
    return print_names(list_profiles, "profiles", line, output);
}

int run_profile_show(const CommandLine& line, Output* output) {
    PromptsToOutput prompts(output);
    AttributeRecord record;
    int code = read_profile(line.operands[0], &record, output);
    if (code == EXIT_OK && (line.options & OPT_JSON)) {
        JsonWriter writer;
        json_begin_object(&writer);
        json_key(&writer, "name");
        json_string(&writer, record.object_name);
        list_json(&writer, "check", record.check_list);
        list_json(&writer, "reply", record.return_list);
        json_end_object(&writer);
        output->out += json_finish(&writer);
    } else if (code == EXIT_OK) {
        output->out += "Name: " + shown_form(record.object_name) + "\nCheck list:\n";
        list_lines(record.check_list, &output->out);
        output->out += "Return list:\n";
        list_lines(record.return_list, &output->out);
    }
    attribute_record_free(&record);
    return code;
}

int run_profile_add(const CommandLine& line, Output* output) {
    PromptsToOutput prompts(output);
    std::string name;
    if (!profile_name(line.operands[0], &name, output)) return EXIT_FAILED;
    const bool lists_given = !line.check_items.empty() || !line.reply_items.empty();
    if (lists_given && !load_program_dictionary(output)) return EXIT_FAILED;
    AttributeRecord record;
    memset(&record, 0, sizeof record);
    copy_text(record.class_name, sizeof record.class_name, PROFILE_CLASS);
    copy_text(record.object_name, sizeof record.object_name, name.c_str());
    // Every item is checked before the profile is created.
    int code = replace_given_lists(line, &record, output);
    bool exists = false;
    if (code == EXIT_OK) {
        uint16_t status = profile_exists(name.c_str(), &exists);
        if (status != 0) code = request_failed(output, "cannot look for the profile", status);
    }
    if (code == EXIT_OK && exists) {
        report_error(output, "the profile " + shown_form(name.c_str()) + " already exists");
        code = EXIT_FAILED;
    }
    if (code == EXIT_OK) {
        uint16_t status = create_profile(name.c_str());
        if (status != 0) code = request_failed(output, "cannot add the profile " + shown_form(name.c_str()), status);
    }
    if (code == EXIT_OK && lists_given) code = save_profile(&record, output);
    attribute_record_free(&record);
    return code;
}

int run_profile_set(const CommandLine& line, Output* output) {
    PromptsToOutput prompts(output);
    AttributeRecord record;
    int code = read_profile(line.operands[0], &record, output);
    if (code == EXIT_OK) code = replace_given_lists(line, &record, output);
    if (code == EXIT_OK) code = save_profile(&record, output);
    attribute_record_free(&record);
    return code;
}

// Refused while a user links the profile: the first one found is named, as
// the panel names it before it asks.
int run_profile_remove(const CommandLine& line, Output* output) {
    std::string name;
    if (!profile_name(line.operands[0], &name, output)) return EXIT_FAILED;
    int code = require_profile(name, output);
    if (code != EXIT_OK) return code;
    LinkingUser user;
    uint16_t status = find_linking_user(name.c_str(), &user);
    if (status != 0) return request_failed(output, "cannot look for the users of the profile", status);
    if (user.found) {
        char shown[PROFILE_NAME_SIZE + 16];
        linking_user_shown(user, shown, sizeof shown);
        report_error(output, "the profile " + shown_form(name.c_str()) + " is in use by user " + shown);
        return EXIT_FAILED;
    }
    status = delete_profile(name.c_str());
    if (status != 0) return request_failed(output, "cannot remove the profile " + shown_form(name.c_str()), status);
    return EXIT_OK;
}
