#include "panels/attribute_record_panel.h"

#include <string.h>

#include "api/text_field.h"
#include "attrs/error_box.h"
#include "attrs/list_rules.h"
#include "attrs/list_store.h"
#include "resources/strings.h"

namespace {

void clear_record(AttributeRecord* record) {
    attribute_record_free(record);
    memset(record, 0, sizeof *record);
}

}  // namespace

bool attribute_panel_has_record(const AttributeRecordPanel& panel) {
    return panel.current.class_name[0] && panel.current.object_name[0];
}

void attribute_panel_clear(AttributeRecordPanel* panel) {
    clear_record(&panel->current);
    clear_record(&panel->snapshot);
    panel->snapshot_taken = false;
    panel->modified = false;
    ++panel->version;
}

uint16_t attribute_panel_read(AttributeRecordPanel* panel, const char* cls, const char* object,
                              const Dictionary* dictionary, void* owner) {
    clear_record(&panel->current);
    ++panel->version;
    copy_text(panel->current.class_name, sizeof panel->current.class_name, cls);
    copy_text(panel->current.object_name, sizeof panel->current.object_name, object);
    uint16_t status = load_attribute_lists(&panel->current, dictionary, owner);
    if (status != 0) {
        clear_record(&panel->current);
        return status;
    }
    validate_lists(&panel->current, dictionary);
    return 0;
}

bool attribute_panel_take_snapshot(AttributeRecordPanel* panel, void* owner) {
    clear_record(&panel->snapshot);
    panel->snapshot_taken = attribute_record_copy(&panel->snapshot, panel->current);
    if (!panel->snapshot_taken) {
        clear_record(&panel->snapshot);
        show_error(owner, IDS_MEMORY_ALLOCATION_FAILURE);
        return false;
    }
    panel->modified = false;
    return true;
}

bool attribute_panel_restore(AttributeRecordPanel* panel, void* owner) {
    if (!panel->snapshot_taken) return false;
    AttributeRecord copy;
    memset(&copy, 0, sizeof copy);
    if (!attribute_record_copy(&copy, panel->snapshot)) {
        clear_record(&copy);
        show_error(owner, IDS_MEMORY_ALLOCATION_FAILURE);
        return false;
    }
    attribute_record_free(&panel->current);
    panel->current = copy;
    panel->modified = false;
    ++panel->version;
    return true;
}

void attribute_panel_mark_modified(AttributeRecordPanel* panel) {
    if (attribute_panel_has_record(*panel)) panel->modified = true;
}
