#include "transfer/users_file_dictionaries.h"

#include <ctype.h>
#include <stdio.h>
#include <string.h>

namespace {

const char* const IMPORT_EXTENSION = "dct";
const char* const MASTER_EXTENSION = "dci";

bool same_text_ignoring_case(const char* a, const char* b, size_t length) {
    for (size_t i = 0; i < length; ++i)
        if (tolower((unsigned char)a[i]) != tolower((unsigned char)b[i])) return false;
    return true;
}

// Whether `name` is BASE.EXT for `base` of `base_length` characters.
bool is_pair_name(const char* name, const char* base, size_t base_length, const char* extension) {
    return strlen(name) == base_length + 4 && memcmp(name, base, base_length) == 0 && name[base_length] == '.' &&
           same_text_ignoring_case(name + base_length + 1, extension, 3);
}

// The list's name of `base` with `extension`; null when the list has none.
const char* find_pair_name(const char* names, const char* base, const char* extension) {
    const size_t base_length = strlen(base);
    for (const char* name = names; *name; name += strlen(name) + 1)
        if (is_pair_name(name, base, base_length, extension)) return name;
    return nullptr;
}

}  // namespace

bool import_dictionary_bases(const char* names, NameList* bases) {
    memset(bases, 0, sizeof *bases);
    for (const char* name = names; *name; name += strlen(name) + 1) {
        const size_t length = strlen(name);
        if (length < 5 || length > IMPORT_DICTIONARY_NAME_LIMIT || name[length - 4] != '.') continue;
        if (!same_text_ignoring_case(name + length - 3, IMPORT_EXTENSION, 3)) continue;
        char base[IMPORT_DICTIONARY_NAME_LIMIT + 1];
        snprintf(base, sizeof base, "%.*s", (int)(length - 4), name);
        if (!find_pair_name(names, base, MASTER_EXTENSION)) continue;
        if (name_list_insert(bases, base) < 0) return false;
    }
    return true;
}

bool load_import_dictionaries(void* owner, const char* names, const char* base, ImportDictionaryTables* tables) {
    memset(tables, 0, sizeof *tables);
    const char* import_name = find_pair_name(names, base, IMPORT_EXTENSION);
    const char* master_name = find_pair_name(names, base, MASTER_EXTENSION);
    bool loaded = import_name && master_name && load_dictionary_into(&tables->import, owner, import_name) &&
                  load_dictionary_into(&tables->master, owner, master_name) &&
                  load_dictionary_into(&tables->product, owner, nullptr);
    // An empty pair would refuse every item of every user.
    if (loaded && (tables->import.attribute_count == 0 || tables->master.attribute_count == 0)) loaded = false;
    if (!loaded) import_dictionaries_free(tables);
    return loaded;
}

void import_dictionaries_free(ImportDictionaryTables* tables) {
    dictionary_free(&tables->import);
    dictionary_free(&tables->master);
    dictionary_free(&tables->product);
}

UsersImportDictionaries import_dictionaries_view(const ImportDictionaryTables& tables) {
    return UsersImportDictionaries{&tables.import, &tables.master, &tables.product};
}
