#include "transfer/users_import_options.h"

#include <stdlib.h>
#include <string.h>

#include "api/dictionary_wire.h"
#include "api/report.h"
#include "api/status.h"
#include "attrs/error_box.h"
#include "attrs/list_store.h"
#include "resources/strings.h"
#include "transfer/export_engine.h"

bool users_import_options_start(void* owner, UsersImportChoices* choices) {
    memset(choices, 0, sizeof *choices);
    choices->profile = -1;
    choices->format = 0;
    uint32_t count = 0;
    uint16_t status = list_dictionaries(&choices->dictionary_names, &count);
    if (status == 0 && !import_dictionary_bases(choices->dictionary_names, &choices->formats))
        status = STATUS_OUT_OF_MEMORY;
    if (status == 0 && choices->formats.count == 0) {
        show_error(owner, IDS_NO_IMPORT_DICTIONARIES);
        users_import_options_free(choices);
        return false;
    }
    if (status == 0) status = list_class_objects(PROFILE_CLASS, &choices->profiles);
    if (status != 0) {
        report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, status);
        users_import_options_free(choices);
        return false;
    }
    return true;
}

bool users_import_options_accept(void* owner, UsersImportChoices* choices, ImportDictionaryTables* tables,
                                 UsersImportOptions* options) {
    const bool chosen = choices->format >= 0 && (uint64_t)choices->format < choices->formats.count;
    if (!chosen || !load_import_dictionaries(owner, choices->dictionary_names,
                                             name_list_at(&choices->formats, (uint32_t)choices->format), tables)) {
        show_error(owner, IDS_IMPORT_DICTIONARY_FAILED);
        return false;
    }
    options->dictionaries = import_dictionaries_view(*tables);
    options->ignore_attributes = choices->ignore_attributes;
    options->pap_only = choices->pap_only;
    const bool profile = choices->profile >= 0 && (uint64_t)choices->profile < choices->profiles.count;
    options->profile = profile ? name_list_at(&choices->profiles, (uint32_t)choices->profile) : "";
    return true;
}

void users_import_options_free(UsersImportChoices* choices) {
    free(choices->dictionary_names);
    choices->dictionary_names = nullptr;
    name_list_free(&choices->formats);
    name_list_free(&choices->profiles);
}
