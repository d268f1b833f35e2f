// The objects written property by property: plain objects (clients,
// proxies, messages, configuration) and the attribute lists of users and
// profiles.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "api/db.h"
#include "api/db_lists.h"
#include "api/names_block.h"
#include "api/requests.h"
#include "api/status.h"
#include "attrs/attribute_property.h"
#include "attrs/list_store.h"
#include "panels/client_record.h"
#include "panels/pool_record.h"
#include "panels/user_password.h"
#include "transfer/export_run.h"

namespace {

// Reads every property of the object under the server lock and hands each
// value to visit(name, bytes, length). A failed read is logged and ends
// the object: it is then not written at all.
template <class Visit>
bool read_object(ExportRun* run, const char* cls, const char* object, Visit visit) {
    uint16_t lock = lock_server();
    if (lock != 0) {
        transfer_log_error(run->log, "DataBase Error: Unable to process Class - Class = '%s' Object = '%s'\r\n", cls,
                           object);
        return false;
    }
    char* names = nullptr;
    uint32_t names_size = 0;
    uint16_t status = db_list_all(cls, object, &names, &names_size);
    bool whole = status == 0;
    if (status == STATUS_OUT_OF_MEMORY) {
        transfer_log_error(run->log, "Memory error occurred during export of class '%s' object '%s'\r\n", cls, object);
    } else if (status != 0) {
        transfer_log_error(run->log, "DataBase Error: Unable to enumerate Class '%s' Object '%s'\r\n", cls, object);
    } else {
        walk_names((const uint8_t*)names, names_size, [&](const char* name, uint32_t) {
            if (!whole) return;
            uint16_t length = (uint16_t)run->value_size;
            if (db_get(cls, object, name, run->value, &length) != 0) {
                transfer_log_error(run->log,
                                   "DataBase Error: Unable to retrieval of 'Property' in Class '%s' Object '%s' "
                                   "Property '%s'\r\n",
                                   cls, object, name);
                whole = false;
                return;
            }
            if (!visit(name, run->value, (uint32_t)length)) whole = false;
        });
    }
    free(names);
    unlock_server();
    return whole;
}

// The properties written as text when their value has a text form.
bool text_property(const char* cls, const char* property) {
    if (strcmp(cls, MESSAGES_CLASS) == 0) return true;
    if (strcmp(cls, CLIENT_CLASS) == 0) return strcmp(property, "Product") == 0;
    if (strcmp(cls, POOL_CLASS) == 0) return strcmp(property, "Addr-Pool-Desc") == 0;
    return false;
}

const Dictionary EMPTY_DICTIONARY = {};

// The line carries the first 32 bytes of a scrambled password: its seed and
// 28 characters. A reader rebuilds the padding after them, not the text.
const uint32_t PASSWORD_CHARACTERS_CARRIED = PASSWORD_SCRAMBLED_LENGTH - 4;

void check_password_fits(ExportRun* run, const char* cls, const char* object, const uint8_t* bytes, uint32_t length) {
    PasswordProperty password = password_decode(bytes, length);
    if (password.type != PASSWORD_PAP_OR_CHAP || password.length != PASSWORD_SCRAMBLED_LENGTH) {
        password_wipe(&password);
        return;
    }
    char text[SECRET_TEXT_SIZE];
    password_text(password, text);
    uint32_t characters = (uint32_t)strlen(text);
    secret_wipe(text, sizeof text);
    password_wipe(&password);
    if (characters <= PASSWORD_CHARACTERS_CARRIED) return;
    transfer_log_error(run->log,
                       "Error: The password of user '%s' has %u characters; the file carries %u of them and it will "
                       "not survive an import - Class '%s' Object '%s'\r\n",
                       object, (unsigned)characters, (unsigned)PASSWORD_CHARACTERS_CARRIED, cls, object);
}

}  // namespace

void log_value_too_long(ExportRun* run, const char* cls, const char* object, const char* property, uint32_t length) {
    transfer_log_error(run->log,
                       "Error: Value of %u bytes is longer than 256 bytes and was not exported - Class '%s' "
                       "Object '%s' Property '%s'\r\n",
                       (unsigned)length, cls, object, property);
}

bool add_line(ExportRun* run, const char* cls, const char* object) {
    if (object_text_add(&run->lines, run->line, (uint32_t)strlen(run->line))) return true;
    transfer_log_error(run->log, "Memory error occurred during export of class '%s' object '%s'\r\n", cls, object);
    return false;
}

bool add_built_line(ExportRun* run, bool built, const char* cls, const char* object, const char* property,
                    uint32_t length) {
    if (built) return add_line(run, cls, object);
    log_value_too_long(run, cls, object, property, length);
    return true;  // the object is still written, without this value
}

bool write_plain_object(ExportRun* run, const char* cls, const char* object) {
    return read_object(run, cls, object, [&](const char* name, const uint8_t* bytes, uint32_t length) {
        if (length > RIF_VALUE_LIMIT) {
            log_value_too_long(run, cls, object, name, length);
            return true;
        }
        char text[RIF_VALUE_LIMIT + 1];
        bool built = text_property(cls, name) && rif_plain_text(bytes, length, text, sizeof text)
                         ? rif_text_line(name, text, run->line, sizeof run->line)
                         : rif_hex_line(name, bytes, length, run->line, sizeof run->line);
        return add_built_line(run, built, cls, object, name, length);
    });
}

bool write_attribute_object(ExportRun* run, const char* cls, const char* object) {
    const Dictionary* dictionary = run->dictionary ? run->dictionary : &EMPTY_DICTIONARY;
    return read_object(run, cls, object, [&](const char* name, const uint8_t* bytes, uint32_t length) {
        if (length == 0) return true;  // nothing stored, nothing lost
        if (strcmp(name, PASSWORD_PROPERTY) == 0) check_password_fits(run, cls, object, bytes, length);
        uint16_t word2 = 0;
        uint32_t walked = 0;
        bool added = true;
        walk_property(bytes, length, &word2, [&](const StoredRecord& record) {
            ++walked;
            if (record.length > RIF_VALUE_LIMIT) {
                log_value_too_long(run, cls, object, name, record.length);
                return true;
            }
            AttributeInstance instance;
            instance_from_record(name, word2, record, &instance);
            check_against_dictionary(&instance, dictionary);
            bool built = rif_attribute_line(name, instance, record.data, record.length, run->line, sizeof run->line);
            added = add_built_line(run, built, cls, object, name, record.length);
            return added;
        });
        if (!added) return false;
        // Records a damaged property announces but does not hold cannot be
        // written; the administrator learns the file lacks them.
        if (length < PROPERTY_HEADER_LENGTH || walked < get_le16(bytes))
            transfer_log_error(run->log, "Unable to export an attributes for Class '%s' Object '%s'\r\n", cls, object);
        return true;
    });
}
