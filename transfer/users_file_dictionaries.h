// The import dictionary pairs a server holds: named dictionaries "BASE.DCT"
// (the names a users file is written with) and "BASE.DCI" (the master: each
// number's name in this server's terms), offered by their base name when the
// server holds both; and the loading of a pair beside the default dictionary.
#pragma once

#include <stdint.h>

#include "api/db_lists.h"
#include "attrs/dictionary.h"
#include "transfer/users_file_import.h"

const uint32_t IMPORT_DICTIONARY_NAME_LIMIT = 80;

// The base names of the pairs in a dictionary list (names each with its
// NUL, ended by an empty name, as list_dictionaries gives it), sorted.
// False when memory runs out.
bool import_dictionary_bases(const char* names, NameList* bases);

struct ImportDictionaryTables {
    Dictionary import;
    Dictionary master;
    Dictionary product;
};

// Fetches the pair of `base` (as the list names it) and the default
// dictionary; a load's own failure message is owned by `owner`. False, with every table empty, when any of them cannot be
// loaded or the pair holds no attribute: the import cannot go on.
bool load_import_dictionaries(void* owner, const char* names, const char* base, ImportDictionaryTables* tables);
void import_dictionaries_free(ImportDictionaryTables* tables);
UsersImportDictionaries import_dictionaries_view(const ImportDictionaryTables& tables);
