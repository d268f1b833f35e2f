#include "transfer/export_selection.h"

#include <string.h>

#include "api/db_lists.h"
#include "api/requests.h"
#include "api/status.h"
#include "api/text_field.h"
#include "attrs/list_store.h"
#include "panels/client_record.h"
#include "panels/pool_record.h"
#include "panels/proxy_record.h"
#include "panels/user_types.h"
#include "resources/strings.h"

namespace {

const uint16_t PAGE_TITLES[EXPORT_PAGE_COUNT] = {IDS_TAB_RAS_CLIENTS, IDS_TAB_USERS,         IDS_TAB_PROFILES,
                                                 IDS_TAB_PROXIES,     IDS_TAB_ADDRESS_POOLS, IDS_TAB_OTHER_DATA};

// The page and group an object of a part is listed under.
bool place_of(ExportPart part, const char* cls, uint32_t* page, uint16_t* group) {
    *group = 0;
    switch (part) {
        case EXPORT_CLIENTS: *page = PAGE_RAS_CLIENTS; return true;
        case EXPORT_PROFILES: *page = PAGE_PROFILES; return true;
        case EXPORT_PROXIES: *page = PAGE_PROXIES; return true;
        case EXPORT_POOLS: *page = PAGE_ADDRESS_POOLS; return true;
        case EXPORT_USERS: {
            *page = PAGE_USERS;
            const UserType* type = user_type_of_class(cls);
            if (!type) return false;
            *group = (uint16_t)(type - USER_TYPE_TABLE);
            return true;
        }
        default: return false;
    }
}

bool object_selected(void* context, ExportPart part, const char* cls, const char* object) {
    const SelectionModel* model = (const SelectionModel*)context;
    uint32_t page = 0;
    uint16_t group = 0;
    if (!place_of(part, cls, &page, &group)) return true;  // Other Data: the entry chose the whole class
    int64_t at = selection_find(model->pages[page], group, object);
    return at >= 0 && model->pages[page].entries[at].selected;
}

// Every object of `cls` into `page` under `group`; the listed text of users
// is the users panel's.
uint16_t list_class(SelectionModel* model, uint32_t page, uint16_t group, const char* cls) {
    NameList names = {};
    uint16_t status = list_class_objects(cls, &names);
    if (status == 0) {
        char listed[300];
        for (uint32_t i = 0; i < names.count && status == 0; ++i) {
            const char* object = name_list_at(&names, i);
            listed_object_text(page, cls, object, listed, sizeof listed);
            if (!selection_add(model, page, group, object, listed)) status = STATUS_OUT_OF_MEMORY;
        }
    }
    name_list_free(&names);
    return status;
}

}  // namespace

void transfer_pages_init(SelectionModel* model, uint16_t title_id, uint16_t prompt_id) {
    selection_init(model, title_id, prompt_id, PAGE_TITLES, EXPORT_PAGE_COUNT);
}

void export_selection_init(SelectionModel* model) {
    transfer_pages_init(model, IDS_EXPORT_TITLE, IDS_EXPORT_SELECT_PROMPT);
}

void listed_object_text(uint32_t page, const char* cls, const char* object, char* listed, uint32_t listed_size) {
    UserKind kind = page == PAGE_USERS ? user_kind_of_class(cls) : USER_KIND_UNKNOWN;
    if (kind == USER_KIND_UNKNOWN || !user_listed_name(kind, object, listed, listed_size))
        copy_text(listed, listed_size, object);
}

uint16_t export_list_objects(SelectionModel* model) {
    uint16_t status = list_class(model, PAGE_RAS_CLIENTS, 0, CLIENT_CLASS);
    for (uint16_t i = 0; i < USER_TYPE_COUNT && status == 0; ++i)
        status = list_class(model, PAGE_USERS, i, USER_TYPE_TABLE[i].class_name);
    if (status == 0) status = list_class(model, PAGE_PROFILES, 0, PROFILE_CLASS);
    if (status == 0) status = list_class(model, PAGE_PROXIES, 0, PROXY_CLASS);
    if (status == 0) status = list_class(model, PAGE_ADDRESS_POOLS, 0, POOL_CLASS);
    if (status != 0) return status;
    // Other Data: one entry for each class that holds anything, and the
    // administrators, who are always there to export.
    const struct {
        const char* cls;
        uint16_t entry;
        uint16_t text_id;
    } OTHER[] = {{MESSAGES_CLASS, OTHER_MESSAGES, IDS_OTHER_MESSAGES},
                 {POLICY_CLASS, OTHER_CONFIGURATION, IDS_OTHER_CONFIGURATION},
                 {nullptr, OTHER_ACCESS, IDS_OTHER_ACCESS}};
    for (const auto& other : OTHER) {
        bool listed = true;
        if (other.cls) {
            NameList names = {};
            status = list_class_objects(other.cls, &names);
            listed = names.count > 0;
            name_list_free(&names);
            if (status != 0) return status;
        }
        const char* text = string_text(other.text_id);
        if (listed && !selection_add(model, PAGE_OTHER_DATA, other.entry, text, text)) return STATUS_OUT_OF_MEMORY;
    }
    return 0;
}

ExportPart part_of_entry(uint32_t page, uint16_t group) {
    switch (page) {
        case PAGE_RAS_CLIENTS: return EXPORT_CLIENTS;
        case PAGE_USERS: return EXPORT_USERS;
        case PAGE_PROFILES: return EXPORT_PROFILES;
        case PAGE_PROXIES: return EXPORT_PROXIES;
        case PAGE_ADDRESS_POOLS: return EXPORT_POOLS;
        default:
            return group == OTHER_MESSAGES        ? EXPORT_MESSAGES
                   : group == OTHER_CONFIGURATION ? EXPORT_CONFIGURATION
                                                  : EXPORT_ACCESS;
    }
}

ExportSelection export_selection_from(const SelectionModel* model) {
    ExportSelection selection = {};
    for (uint32_t page = 0; page < model->page_count; ++page) {
        const SelectionPage& entries = model->pages[page];
        for (uint32_t i = 0; i < entries.count; ++i)
            if (entries.entries[i].selected) selection.parts[part_of_entry(page, entries.entries[i].group)] = true;
    }
    selection.object_selected = object_selected;
    selection.context = (void*)model;
    return selection;
}
