// The walk over a ".rif" file both phases share: levels, classes, objects
// and their property lines. The scan lists each object once its lines are
// read; the import gathers each selected object whole, then writes it.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "api/text_field.h"
#include "resources/strings.h"
#include "transfer/export_selection.h"
#include "transfer/import_password.h"
#include "transfer/import_steps.h"

namespace {

struct Walk {
    ImportRun* run;
    ImportPhase phase;
    bool class_known;
    bool class_broken;  // its line was too long: its objects are passed over
    ImportClass cls;
    char class_name[RIF_LINE_LIMIT + 1];
    bool in_object;
    bool object_broken;  // its line was too long: its lines are passed over
    bool taking;         // the object's lines are read (the scan: always; the import: when selected)
    uint32_t errors_at_start;
    uint32_t cursor[EXPORT_PAGE_COUNT];  // the next entry of each page, in file order
    bool other_listed[OTHER_ACCESS + 1];
};

const char PROPERTY_SYNTAX[] = "Syntax Error: Line No. %d  Property = '%s' Value = '%s'\r\n";

// The entry of Other Data for `group`, or -1.
int64_t other_entry(const SelectionPage& page, uint16_t group) {
    for (uint32_t i = 0; i < page.count; ++i)
        if (page.entries[i].group == group) return i;
    return -1;
}

// Whether the object about to be read is selected: the scan listed the
// objects of each page in file order, so the import meets them in the same.
bool object_selected(Walk* walk, const char* name) {
    const SelectionPage& page = walk->run->pages.pages[walk->cls.page];
    if (walk->cls.page == PAGE_OTHER_DATA) {
        int64_t at = other_entry(page, walk->cls.group);
        return at >= 0 && page.entries[at].selected;
    }
    uint32_t at = walk->cursor[walk->cls.page]++;
    return at < page.count && page.entries[at].selected && strcmp(selection_object(page, at), name) == 0;
}

void list_object(Walk* walk) {
    ImportRun* run = walk->run;
    bool errors = run->log.errors > walk->errors_at_start;
    const char* mark = errors ? "** " : "";
    char listed[RIF_LINE_LIMIT + 8];
    char text[RIF_LINE_LIMIT + 12];
    const char* object = run->object.name;
    if (walk->cls.page == PAGE_OTHER_DATA) {
        if (walk->other_listed[walk->cls.group]) return;
        walk->other_listed[walk->cls.group] = true;
        static const uint16_t OTHER_TEXTS[] = {IDS_OTHER_MESSAGES, IDS_OTHER_CONFIGURATION, IDS_OTHER_ACCESS};
        object = string_text(OTHER_TEXTS[walk->cls.group]);
        copy_text(listed, sizeof listed, object);
    } else {
        listed_object_text(walk->cls.page, walk->cls.cls, object, listed, sizeof listed);
    }
    snprintf(text, sizeof text, "%s%s", mark, listed);
    if (!selection_add(&run->pages, walk->cls.page, walk->cls.group, object, text))
        transfer_log_error(&run->log, "Memory error occurred during import of class '%s' object '%s'\r\n",
                           walk->cls.cls, object);
}

void end_object(Walk* walk) {
    if (!walk->in_object) return;
    walk->in_object = false;
    if (walk->object_broken) {
        walk->object_broken = false;
        return;
    }
    if (walk->phase == PHASE_SCAN)
        list_object(walk);
    else if (walk->taking)
        write_object(walk->run);
}

void begin_object(Walk* walk, const RifLine& line, uint32_t number) {
    ImportRun* run = walk->run;
    if (walk->class_broken) return;
    if (!walk->class_known) {
        transfer_log_error(&run->log, "Error: Undefined Class ''%s'' at Line No. %d \r\n", walk->class_name,
                           (int)number);
        return;
    }
    // A name ends at a tab: what follows it is no part of the name.
    const char* tab = (const char*)memchr(line.name, '\t', line.name_length);
    uint32_t name_length = tab ? (uint32_t)(tab - line.name) : line.name_length;
    import_object_start(&run->object, walk->cls, line.name, name_length, number);
    walk->errors_at_start = run->log.errors;
    walk->in_object = true;
    walk->taking = walk->phase == PHASE_SCAN || object_selected(walk, run->object.name);
    if (walk->cls.part != EXPORT_ACCESS || walk->phase != PHASE_IMPORT) return;
    // An administrator is the object line itself: "User=NAME".
    walk->in_object = false;
    if (!walk->taking) return;
    char account[RIF_LINE_LIMIT + 1];
    if (line.hex)
        copy_text_field(account, sizeof account, line.bytes, line.byte_count);
    else
        copy_text_field(account, sizeof account, (const uint8_t*)line.text, line.text_length);
    write_access_entry(run, run->object.name, account, number);
}

void log_attribute_failure(ImportRun* run, AttributeLineStatus status, const RifLine& line, uint32_t number) {
    const AttributeLine& attribute = run->attribute;
    switch (status) {
        case ATTR_LINE_BAD_HEADER:
        case ATTR_LINE_BAD_VALUE:
            transfer_log_error(&run->log, PROPERTY_SYNTAX, (int)number, attribute.property, line.text);
            break;
        case ATTR_LINE_BAD_TYPE:
            transfer_log_error(&run->log,
                               "Syntax Error: Invalid Attribute type (%d) at Line No. %d  Property = '%s' \r\n",
                               (int)attribute.type, (int)number, attribute.property);
            break;
        case ATTR_LINE_NO_VALUE_NUMBER:
            transfer_log_error(&run->log, "Syntax Error: Invalid Data type -  Line No. %d  Property = '%s' \r\n",
                               (int)number, attribute.property);
            break;
        case ATTR_LINE_BAD_HEX_STRING:
            transfer_log_error(&run->log, "Syntax Error: Line No. %d  Propertu = '%s' \r\n", (int)number,
                               attribute.property);
            break;
        case ATTR_LINE_VALUE_GUESSED:
            transfer_log_warning(&run->log,
                                 "Warning: Value name '%s' of attribute '%s' is not in the dictionary; the number "
                                 "beside it was stored - Line No. %d\r\n",
                                 attribute.value_name, attribute.property, (int)number);
            break;
        case ATTR_LINE_VALUE_UNKNOWN:
            transfer_log_error(&run->log,
                               "Error: Value name '%s' of attribute '%s' is not in the dictionary - Line No. %d\r\n",
                               attribute.value_name, attribute.property, (int)number);
            break;
        case ATTR_LINE_OK: break;
    }
}

void log_add_failure(ImportRun* run, ImportAddResult added, const char* property, uint32_t number) {
    if (added == IMPORT_ADDED) return;
    transfer_log_error(&run->log,
                       "DataBase Error: Unable to set Property into Database - Line No. %d  Class = '%s' Object = '%s' "
                       "Property = '%s'\r\n",
                       (int)number, run->object.cls.cls, run->object.name, property);
}

void read_attribute_line(Walk* walk, const RifLine& line, uint32_t number) {
    ImportRun* run = walk->run;
    AttributeLine* attribute = &run->attribute;
    // The scan checks the lines; only the import needs the value names.
    AttributeLineStatus status =
        rif_read_attribute(line, walk->phase == PHASE_IMPORT ? run->dictionary : nullptr, attribute);
    log_attribute_failure(run, status, line, number);
    if (status != ATTR_LINE_OK && status != ATTR_LINE_VALUE_GUESSED) return;
    if (strlen(attribute->property) >= IMPORT_NAME_SIZE) {
        transfer_log_error(&run->log, PROPERTY_SYNTAX, (int)number, attribute->property, line.text);
        return;
    }
    // The reserved "--" properties are no dictionary attributes.
    if (attribute->property[0] != '-' && find_attribute(run->dictionary, attribute->property) < 0)
        transfer_log_warning(&run->log,
                             "Warning: Attribute '%s' is not in the dictionary - Line No. %d  Class = '%s' Object = "
                             "'%s'\r\n",
                             attribute->property, (int)number, run->object.cls.cls, run->object.name);
    if (!mend_password_line(attribute))
        transfer_log_warning(&run->log,
                             "Warning: Password of %u bytes is not a whole stored password; it was stored as read - "
                             "Line No. %d  Class = '%s' Object = '%s'\r\n",
                             (unsigned)attribute->length, (int)number, run->object.cls.cls, run->object.name);
    if (walk->phase == PHASE_IMPORT)
        log_add_failure(run, import_object_append(&run->object, *attribute, number), attribute->property, number);
}

void read_property_line(Walk* walk, const RifLine& line, uint32_t number) {
    if (rif_is_attribute_name(line.name, line.name_length)) {
        read_attribute_line(walk, line, number);
        return;
    }
    ImportRun* run = walk->run;
    char name[IMPORT_NAME_SIZE];
    if (line.name_length >= sizeof name) {
        transfer_log_error(&run->log, PROPERTY_SYNTAX, (int)number, "", line.text);
        return;
    }
    memcpy(name, line.name, line.name_length);
    name[line.name_length] = 0;
    if (walk->phase != PHASE_IMPORT) return;
    // A text value is stored with its NUL, but for a message: the server
    // sends those bytes as they stand, and the configuration panel stores
    // them without one.
    const uint8_t* bytes = line.hex ? line.bytes : (const uint8_t*)line.text;
    uint32_t nul = walk->cls.part == EXPORT_MESSAGES ? 0 : 1;
    uint32_t length = line.hex ? line.byte_count : line.has_value ? line.text_length + nul : 0;
    log_add_failure(run, import_object_set(&run->object, name, bytes, length, number), name, number);
}

// A line longer than any line of the format: its end is unknown, so it is
// neither cut nor stored. A class or object line takes its lines with it.
void refuse_long_line(Walk* walk, int level, uint32_t number) {
    if (level == 2 && !(walk->in_object && walk->taking)) return;
    transfer_log_error(&walk->run->log,
                       "Syntax Error: Line No. %d is longer than %u characters and was not imported\r\n", (int)number,
                       (unsigned)RIF_LINE_LIMIT);
    if (level == 0) {
        end_object(walk);
        walk->class_known = false;
        walk->class_broken = true;
    } else if (level == 1) {
        end_object(walk);
        walk->in_object = true;
        walk->object_broken = true;
        walk->taking = false;
    }
}

}  // namespace

void walk_file(ImportRun* run, ImportPhase phase) {
    Walk* walk = (Walk*)calloc(1, sizeof(Walk));
    if (!walk) {
        transfer_log_error(&run->log, "Memory error occurred during import of class '%s' object '%s'\r\n", "", "");
        return;
    }
    walk->run = run;
    walk->phase = phase;
    fseek(run->file, 0, SEEK_SET);
    rif_reader_start(&run->reader, rif_read_file, run->file);
    rif_levels_start(&run->levels);
    RifReader* reader = &run->reader;
    RifLine* line = &run->line;
    rif_next_line(reader);  // the version line, checked when the file was opened
    while (!run->result.stopped && rif_next_line(reader)) {
        if (rif_blank_line(reader->text, reader->length)) continue;
        rif_split_line(reader->text, reader->length, line);
        int level = rif_level_of(&run->levels, line->indent);
        if (level < 0 || level == 3) continue;  // below the property level: nothing to read
        if (reader->too_long) {
            refuse_long_line(walk, level, reader->number);
            continue;
        }
        if (level == 0) {
            end_object(walk);
            walk->class_broken = false;
            walk->class_known = import_class_of(line->name, line->name_length, &walk->cls);
            copy_text_field(walk->class_name, sizeof walk->class_name, (const uint8_t*)line->name, line->name_length);
        } else if (level == 1) {
            end_object(walk);
            begin_object(walk, *line, reader->number);
        } else if (walk->in_object && walk->taking) {
            read_property_line(walk, *line, reader->number);
        }
    }
    if (!run->result.stopped) end_object(walk);
    free(walk);
}
