#include "transfer/users_file_import.h"

#include <stdio.h>
#include <string.h>

#include "panels/user_types.h"
#include "platform/charset.h"
#include "platform/wipe.h"
#include "transfer/users_file_messages.h"
#include "transfer/users_file_values.h"

namespace {

struct ListRun {
    const UsersImportOptions* options;
    TransferLog* log;
    ImportedUser* user;
    ListKind kind;
    bool out_of_memory;
};

void take_password(ListRun* run, const char* text) {
    if (strlen(text) > SECRET_TEXT_LIMIT) {
        // Cut, it would be another password: the user could not log on.
        transfer_log_error(run->log, UF_PASSWORD_TOO_LONG, run->user->file_name);
        return;
    }
    password_set(&run->user->password, text, run->options->pap_only);
}

// The entry under this server's name, on the list of the run; false only
// when memory runs out.
bool add_instance(ListRun* run, const AttributeDefinition& definition, ImportedValue* value) {
    const UsersImportDictionaries& dictionaries = run->options->dictionaries;
    const char* name = attribute_name_for_number(dictionaries.master, definition.number);
    if (!name) {
        transfer_log_error(run->log, UF_NO_MASTER_ID, definition.name);
        return true;
    }
    const AttributeDefinition* product = find_definition(dictionaries.product, name);
    if (!product) {
        transfer_log_warning(run->log, UF_NOT_IN_PRODUCT, name);
    } else {
        if (product->type == AT_ADDR_OR_POOL && value->type == AT_IPADDR) address_to_addr_or_pool(value);
        if (!allowed_on(*product, run->kind))
            transfer_log_warning(run->log, run->kind.list_bit == ATTR_CHECK ? UF_NOT_CHECK_ITEM : UF_NOT_REPLY_ITEM,
                                 name);
    }
    AttributeInstance instance;
    memset(&instance, 0, sizeof instance);
    snprintf(instance.name, sizeof instance.name, "%s", name);
    instance.number = product ? product->number : definition.number;
    instance.type = product ? product->type : value->type;
    instance.stored_type = value->type;
    instance.length = value->length;
    instance.flags = IF_ORDINARY;  // the list bit is added when the list is written
    memcpy(instance.data, value->data, value->length);
    AttributeList& list = list_of(&run->user->record, run->kind);
    return attribute_list_insert(&list, list.count, instance);
}

bool visit_entry(void* context, const UsersEntry& entry) {
    ListRun* run = (ListRun*)context;
    const UsersImportDictionaries& dictionaries = run->options->dictionaries;
    const AttributeDefinition* definition = find_definition(dictionaries.import, entry.name);
    if (!definition) {
        transfer_log_error(run->log, UF_UNKNOWN_ATTRIBUTE, entry.name);
        return true;
    }
    const bool password = definition->number == USERS_PASSWORD_NUMBER;
    if (run->options->ignore_attributes && !password) return true;
    ImportedValue value;
    ValueConversion conversion = convert_users_value(*definition, entry.value, dictionaries.import, run->log, &value);
    if (conversion == VALUE_UNKNOWN_TYPE) return false;
    if (conversion == VALUE_IN_ERROR) return true;
    if (password) {
        take_password(run, entry.value);
        secret_wipe(&value, sizeof value);
        return true;
    }
    if (add_instance(run, *definition, &value)) return true;
    run->out_of_memory = true;
    return false;
}

bool parse_list(ListRun* run, const UsersItemText& items, UsersEntry* entry, const char* failure) {
    run->out_of_memory = false;
    if (parse_users_items(items, run->log, entry, visit_entry, run)) return true;
    transfer_log_error(run->log, failure, run->user->file_name);
    return false;
}

void reset_user(ImportedUser* user) {
    attribute_record_free(&user->record);
    memset(&user->record, 0, sizeof user->record);
    password_wipe(&user->password);
    user->password = password_none();
    user->file_name[0] = 0;
    user->profile[0] = 0;
    user->line = 0;
    user->errors = 0;
    user->importable = false;
}

// Stored names are upper case in the OEM character set, as the users
// panel stores a typed name.
void stored_name(const char* file_name, char* object, uint32_t object_size) {
    char upper[USERS_NAME_SIZE];
    snprintf(upper, sizeof upper, "%s", file_name);
    upper_case_ansi(upper);
    ansi_to_oem(upper, object, object_size);
}

}  // namespace

bool translate_users_record(const UsersRecordText& text, const UsersImportOptions& options, TransferLog* log,
                            UsersEntry* entry, ImportedUser* user) {
    reset_user(user);
    snprintf(user->file_name, sizeof user->file_name, "%s", text.name);
    user->line = text.line;
    const uint32_t errors_before = log->errors;
    snprintf(user->record.class_name, sizeof user->record.class_name, "%s",
             user_kind_info(USER_NATIVE).class_name);
    stored_name(user->file_name, user->record.object_name, sizeof user->record.object_name);
    snprintf(user->profile, sizeof user->profile, "%s", options.profile ? options.profile : "");

    ListRun run = {&options, log, user, CHECK_LIST, false};
    const uint32_t check_line = text.line;
    UsersItemText check = {text.check, &check_line, 1, user->file_name};
    bool parsed = parse_list(&run, check, entry, UF_CHECK_LIST_FAILED);
    if (parsed) {
        run.kind = RETURN_LIST;
        UsersItemText reply = {text.reply ? text.reply : "", text.reply_lines, text.reply_line_count,
                               user->file_name};
        parsed = parse_list(&run, reply, entry, UF_REPLY_LIST_FAILED);
    }
    secret_wipe(entry, sizeof *entry);
    user->errors = log->errors - errors_before;
    user->importable = parsed;
    return parsed;
}

bool next_users_record(UsersFileInput* input, const UsersImportOptions& options, TransferLog* log,
                       UsersFileReader* reader, ImportedUser* user) {
    reset_user(user);
    const uint32_t errors_before = log->errors;
    UsersRecordRead read = read_users_record(input, log, &reader->text);
    if (read == USERS_RECORD_END) return false;
    snprintf(user->file_name, sizeof user->file_name, "%s", reader->text.name);
    stored_name(user->file_name, user->record.object_name, sizeof user->record.object_name);
    user->line = reader->text.line;
    if (read == USERS_RECORD_READ) translate_users_record(reader->text, options, log, &reader->entry, user);
    user->errors = log->errors - errors_before;
    // The texts held the password in the clear.
    secret_wipe(reader->text.check, sizeof reader->text.check);
    if (reader->text.reply) secret_wipe(reader->text.reply, reader->text.reply_capacity);
    return true;
}

void users_reader_free(UsersFileReader* reader) {
    if (reader->text.reply) secret_wipe(reader->text.reply, reader->text.reply_capacity);
    users_record_free(&reader->text);
}

void imported_user_free(ImportedUser* user) { reset_user(user); }
