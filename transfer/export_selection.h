// The export's page set of the selection dialog: every object the server
// holds, listed page by page, and the selection the export engine takes
// from what the administrator chose.
#pragma once

#include <stdint.h>

#include "transfer/export_engine.h"
#include "transfer/selection_model.h"

// The pages, in the order of their tabs; the first one is shown first.
enum ExportPage : uint32_t {
    PAGE_RAS_CLIENTS,
    PAGE_USERS,
    PAGE_PROFILES,
    PAGE_PROXIES,
    PAGE_ADDRESS_POOLS,
    PAGE_OTHER_DATA,
    EXPORT_PAGE_COUNT,
};

// The entries of Other Data, by their group.
enum OtherDataEntry : uint16_t { OTHER_MESSAGES, OTHER_CONFIGURATION, OTHER_ACCESS };

// Empty pages, in the order of their tabs, under a title and prompt: the
// export and the import bring their own.
void transfer_pages_init(SelectionModel* model, uint16_t title_id, uint16_t prompt_id);
// Empty pages with the export's title and prompt.
void export_selection_init(SelectionModel* model);
// The text an object is listed by on `page`: users by the name the users
// panel lists them by, every other object by its name.
void listed_object_text(uint32_t page, const char* cls, const char* object, char* listed, uint32_t listed_size);
// Lists every object under the server lock, class by class: users by the
// name the users panel lists them by, grouped by class in the order of the
// user-type table. Other Data offers Messages and Configuration when their
// classes hold objects, and Access always. Returns the first failing status
// (the lists then hold what was read before it).
uint16_t export_list_objects(SelectionModel* model);

// The part an entry of `page` belongs to (on Other Data, by its group).
ExportPart part_of_entry(uint32_t page, uint16_t group);

// The engine's selection from the model: a part is chosen when any entry of
// it is; the model must outlive the export.
ExportSelection export_selection_from(const SelectionModel* model);
