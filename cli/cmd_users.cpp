// user: the users of the eight kinds, as the users panel lists, shows,
// adds, changes and removes them, over the same stored forms and rules.
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "api/db.h"
#include "api/requests.h"
#include "attrs/editor.h"
#include "attrs/list_rules.h"
#include "attrs/list_store.h"
#include "attrs/value_forms.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/list_output.h"
#include "cli/record_input.h"
#include "cli/table.h"
#include "panels/user_record.h"
#include "panels/users.h"
#include "platform/wipe.h"
#include "resources/strings.h"

namespace {

const char* const KIND_WORDS[USER_KIND_COUNT] = {"native",     "domain-user", "domain-group",   "host-user",
                                                 "host-group", "securid",     "securid-prefix", "securid-suffix"};

UserKind kind_of_word(const char* word) {
    for (uint8_t kind = 0; kind < USER_KIND_COUNT; ++kind)
        if (strcmp(KIND_WORDS[kind], word) == 0) return static_cast<UserKind>(kind);
    return USER_KIND_UNKNOWN;
}

// The user a typed name stands for, read; reported when none is.
int read_named_user(const char* typed, StoredUser* user, Output* output) {
    memset(user, 0, sizeof *user);
    const std::string listed = stored_form(typed);
    uint16_t status = read_user(listed.c_str(), program_dictionary(), nullptr, user);
    if (status != 0) return request_failed(output, "cannot read the user " + shown_form(listed.c_str()), status);
    if (user->kind == USER_KIND_UNKNOWN) {
        report_error(output, "no user " + shown_form(listed.c_str()));
        return EXIT_FAILED;
    }
    return EXIT_OK;
}

// Whether a stored user has the listed name: the marked forms are looked
// up in their own class.
uint16_t listed_user_exists(const char* listed, bool* exists, UserKind* kind = nullptr, char* object = nullptr,
                            uint32_t object_size = 0) {
    UserKind found = USER_KIND_UNKNOWN;
    char name[RECORD_NAME_SIZE];
    *exists = false;
    uint16_t status = find_user(listed, &found, name, sizeof name);
    if (status == 0 && (found == USER_SECURID_PREFIX || found == USER_SECURID_SUFFIX))
        status = db_exists(user_kind_info(found).class_name, name, nullptr, exists);
    else
        *exists = found != USER_KIND_UNKNOWN;
    if (kind) *kind = found;
    if (object) snprintf(object, object_size, "%s", name);
    return status;
}

struct Changes {
    bool password_given;
    PasswordProperty password;
    bool profile_given;
    std::string profile;
};

// The options that change a user, checked against the server and the
// dictionary before anything is written.
int gather_changes(const CommandLine& line, UserKind kind, AttributeRecord* record, Changes* changes, Output* output) {
    changes->password_given = line.password || (line.options & OPT_PASSWORD_STDIN);
    if (changes->password_given) {
        if (!user_kind_info(kind).password) {
            report_error(output, "only native users have a password");
            return EXIT_FAILED;
        }
        char text[SECRET_TEXT_SIZE];
        std::string error;
        if (int refused = password_from_line(line, ASK_NOTHING, text, &error)) {
            report_error(output, error);
            return refused;
        }
        password_set(&changes->password, text, (line.options & OPT_PAP_ONLY) != 0);
        secret_wipe(text, sizeof text);
    }
    changes->profile_given = line.profile != nullptr;
    if (changes->profile_given && line.profile[0]) {
        changes->profile = stored_form(line.profile);
        bool exists = false;
        uint16_t status = db_exists(PROFILE_CLASS, changes->profile.c_str(), nullptr, &exists);
        if (status != 0) return request_failed(output, "cannot look for the profile", status);
        if (!exists) {
            report_error(output, "no profile " + shown_form(changes->profile.c_str()));
            return EXIT_FAILED;
        }
    }
    return replace_given_lists(line, record, output);
}

int save_changes(StoredUser* user, const Changes& changes, const std::string& listed, Output* output) {
    if (changes.password_given) user->password = changes.password;
    if (changes.profile_given) snprintf(user->profile, sizeof user->profile, "%s", changes.profile.c_str());
    uint16_t status = save_user(&user->record, user->kind, user->password, user->profile);
    if (status != 0) return request_failed(output, "cannot save the user " + shown_form(listed.c_str()), status);
    return EXIT_OK;
}

// The kind of password; with --show-secret a PAP-or-CHAP password's text,
// as the password dialog shows it (a PAP-only one is kept as a digest).
std::string password_word(const CommandLine& line, const PasswordProperty& password) {
    if (!password_is_set(password)) return "none";
    if (password.type == PASSWORD_PAP_ONLY) return "PAP only";
    if (!(line.options & OPT_SHOW_SECRET)) return "PAP or CHAP";
    char text[SECRET_TEXT_SIZE];
    password_text(password, text);
    std::string shown = std::string("PAP or CHAP: ") + text;
    secret_wipe(text, sizeof text);
    return shown;
}

}  // namespace

bool check_user_options(const CommandLine& line, std::string* error) {
    if (line.kind && kind_of_word(line.kind) == USER_KIND_UNKNOWN) {
        *error = std::string("unknown kind \"") + line.kind +
                 "\" (native, domain-user, domain-group, host-user, host-group, securid, securid-prefix, "
                 "securid-suffix)";
        return false;
    }
    if (line.password && (line.options & OPT_PASSWORD_STDIN)) {
        *error = "--password and --password-stdin exclude each other";
        return false;
    }
    return true;
}

std::string format_users(const std::vector<std::pair<std::string, UserKind>>& users, bool json) {
    if (json) {
        JsonWriter writer;
        json_begin_array(&writer);
        for (const auto& user : users) {
            json_begin_object(&writer);
            json_key(&writer, "name");
            json_string(&writer, user.first.data(), user.first.size());
            json_key(&writer, "kind");
            json_string(&writer, KIND_WORDS[user.second]);
            json_end_object(&writer);
        }
        json_end_array(&writer);
        return json_finish(&writer);
    }
    TextTable table;
    table.headings = {"Kind", "Name"};
    for (const auto& user : users) table.rows.push_back({KIND_WORDS[user.second], shown_form(user.first.c_str())});
    return format_table(table);
}

int run_user_list(const CommandLine& line, Output* output) {
    const UserKind only = line.kind ? kind_of_word(line.kind) : USER_KIND_UNKNOWN;
    std::vector<std::pair<std::string, UserKind>> users;
    for (uint8_t k = 0; k < USER_KIND_COUNT; ++k) {
        const UserKind kind = static_cast<UserKind>(k);
        if (only != USER_KIND_UNKNOWN && kind != only) continue;
        NameList names = {};
        uint16_t status = under_server_lock([&] { return db_list_sorted(user_kind_info(kind).class_name, &names); });
        if (status != 0)
            return request_failed(output, std::string("cannot list the users of kind ") + KIND_WORDS[k], status);
        char listed[512];
        for (uint32_t i = 0; i < names.count; ++i)
            if (user_listed_name(kind, name_list_at(&names, i), listed, sizeof listed)) users.push_back({listed, kind});
        name_list_free(&names);
    }
    std::sort(users.begin(), users.end());
    output->out += format_users(users, (line.options & OPT_JSON) != 0);
    return EXIT_OK;
}

int run_user_show(const CommandLine& line, Output* output) {
    PromptsToOutput prompts(output);
    if ((line.options & OPT_SHOW_SECRET) && !(line.server_options & OPTION_SHOW_PASSWORD)) {
        report_error(output, "this server does not let passwords be shown");
        return EXIT_FAILED;
    }
    if (!load_program_dictionary(output)) return EXIT_FAILED;
    StoredUser user;
    int code = read_named_user(line.operands[0], &user, output);
    if (code != EXIT_OK) return code;
    validate_lists(&user.record, program_dictionary());
    AttributeList profile_list = {0, 0, nullptr};
    bool linked = false;
    if (user.profile[0]) {
        uint16_t status = load_profile_instances(user.profile, program_dictionary(), nullptr, &profile_list);
        linked = status == 0;
        if (!linked) report_failure(output, "cannot read the profile " + shown_form(user.profile), status);
    }
    merge_profile(&user.record, linked ? &profile_list : nullptr, program_dictionary(), nullptr);
    char listed[512];
    user_listed_name(user.kind, user.record.object_name, listed, sizeof listed);
    if (line.options & OPT_JSON) {
        JsonWriter writer;
        json_begin_object(&writer);
        json_key(&writer, "name");
        json_string(&writer, listed);
        json_key(&writer, "kind");
        json_string(&writer, KIND_WORDS[user.kind]);
        json_key(&writer, "profile");
        if (user.profile[0])
            json_string(&writer, user.profile);
        else
            json_null(&writer);
        json_key(&writer, "password");
        json_string(&writer, password_word(line, user.password).c_str());
        list_json(&writer, "check", user.record.check_list);
        list_json(&writer, "reply", user.record.return_list);
        json_end_object(&writer);
        output->out += json_finish(&writer);
    } else {
        TextTable table;
        table.rows = {{"Name:", shown_form(listed)},
                      {"Kind:", string_text(user_kind_info(user.kind).display_id)},
                      {"Profile:", user.profile[0] ? shown_form(user.profile) : string_text(IDS_NO_PROFILE)}};
        if (user_kind_info(user.kind).password) table.rows.push_back({"Password:", password_word(line, user.password)});
        output->out += format_table(table) + "Check list:\n";
        list_lines(user.record.check_list, &output->out);
        output->out += "Return list:\n";
        list_lines(user.record.return_list, &output->out);
    }
    attribute_list_free(&profile_list);
    attribute_record_free(&user.record);
    password_wipe(&user.password);
    return EXIT_OK;
}

int run_user_add(const CommandLine& line, Output* output) {
    PromptsToOutput prompts(output);
    const UserKind kind = line.kind ? kind_of_word(line.kind) : USER_NATIVE;
    const std::string name = stored_form(line.operands[0]);
    if ((kind == USER_SECURID_PREFIX || kind == USER_SECURID_SUFFIX) && strstr(name.c_str(), USERNAME_MARK)) {
        report_error(output, string_text(IDS_SECURID_USERNAME_REFUSED));
        return EXIT_FAILED;
    }
    char listed[512];
    if (name.empty() || !user_listed_name(kind, name.c_str(), listed, sizeof listed)) {
        report_error(output, "no name to add");
        return EXIT_USAGE;
    }
    const bool changes_given = line.password || (line.options & OPT_PASSWORD_STDIN) || line.profile ||
                               !line.check_items.empty() || !line.reply_items.empty();
    if (changes_given && !load_program_dictionary(output)) return EXIT_FAILED;
    StoredUser user;
    memset(&user, 0, sizeof user);
    user.kind = kind;
    user.password = password_none();
    snprintf(user.record.class_name, sizeof user.record.class_name, "%s", user_kind_info(kind).class_name);
    snprintf(user.record.object_name, sizeof user.record.object_name, "%s", name.c_str());
    Changes changes = {};
    int code = gather_changes(line, kind, &user.record, &changes, output);
    bool exists = false;
    if (code == EXIT_OK) {
        uint16_t status = listed_user_exists(listed, &exists);
        if (status != 0) code = request_failed(output, "cannot look for the user", status);
    }
    if (code == EXIT_OK && exists) {
        report_error(output, "the user " + shown_form(listed) + " already exists");
        code = EXIT_FAILED;
    }
    if (code == EXIT_OK) {
        // Created at once, as the panel does; the rest is saved over it.
        uint16_t status = db_create(user.record.class_name, user.record.object_name);
        if (status != 0) code = request_failed(output, "cannot add the user " + shown_form(listed), status);
    }
    if (code == EXIT_OK && changes_given) code = save_changes(&user, changes, listed, output);
    attribute_record_free(&user.record);
    password_wipe(&user.password);
    password_wipe(&changes.password);
    return code;
}

int run_user_set(const CommandLine& line, Output* output) {
    PromptsToOutput prompts(output);
    if (!load_program_dictionary(output)) return EXIT_FAILED;
    StoredUser user;
    int code = read_named_user(line.operands[0], &user, output);
    Changes changes = {};
    if (code == EXIT_OK) code = gather_changes(line, user.kind, &user.record, &changes, output);
    if (code == EXIT_OK) code = save_changes(&user, changes, stored_form(line.operands[0]), output);
    attribute_record_free(&user.record);
    password_wipe(&user.password);
    password_wipe(&changes.password);
    return code;
}

int run_user_passwd(const CommandLine& line, Output* output) {
    PromptsToOutput prompts(output);
    StoredUser user;
    int code = read_named_user(line.operands[0], &user, output);
    attribute_record_free(&user.record);
    if (code != EXIT_OK) return code;
    if (!user_kind_info(user.kind).password) {
        report_error(output, "only native users have a password");
        return EXIT_FAILED;
    }
    char text[SECRET_TEXT_SIZE];
    std::string error;
    if (int refused = password_from_line(line, ASK_TWICE, text, &error)) {
        report_error(output, error);
        return refused;
    }
    password_set(&user.password, text, (line.options & OPT_PAP_ONLY) != 0);
    secret_wipe(text, sizeof text);
    // The password alone changes: the lists stay as stored.
    uint16_t status = write_user_password(user.record.class_name, user.record.object_name, user.password);
    password_wipe(&user.password);
    if (status != 0) return request_failed(output, "cannot set the password", status);
    return EXIT_OK;
}

int run_user_check_password(const CommandLine& line, Output* output) {
    PromptsToOutput prompts(output);
    StoredUser user;
    int code = read_named_user(line.operands[0], &user, output);
    attribute_record_free(&user.record);
    if (code != EXIT_OK) return code;
    char text[SECRET_TEXT_SIZE];
    std::string error;
    if (int refused = password_from_line(line, ASK_ONCE, text, &error)) {
        report_error(output, error);
        return refused;
    }
    const bool correct = password_is_set(user.password) && password_matches(user.password, text);
    secret_wipe(text, sizeof text);
    password_wipe(&user.password);
    output->out += std::string(string_text(correct ? IDS_PASSWORD_CORRECT : IDS_PASSWORD_INCORRECT)) + "\n";
    return correct ? EXIT_OK : EXIT_NO;
}

int run_user_remove(const CommandLine& line, Output* output) {
    const std::string listed = stored_form(line.operands[0]);
    UserKind kind = USER_KIND_UNKNOWN;
    char object[RECORD_NAME_SIZE];
    bool exists = false;
    uint16_t status = listed_user_exists(listed.c_str(), &exists, &kind, object, sizeof object);
    if (status != 0) return request_failed(output, "cannot look for the user", status);
    if (!exists) {
        report_error(output, "no user " + shown_form(listed.c_str()));
        return EXIT_FAILED;
    }
    status = db_delete(user_kind_info(kind).class_name, object, nullptr);
    if (status != 0) return request_failed(output, "cannot remove the user " + shown_form(listed.c_str()), status);
    return EXIT_OK;
}
