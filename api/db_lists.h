// Whole listings built from db_enumerate batches; both run inside the
// caller's lock.
#pragma once

#include <stdint.h>

// All names as one malloc'd block of at most 32768 bytes: names each ending
// in NUL, then one more NUL. `*size` counts every byte of the block.
// Returns 101 when the block cannot be allocated.
const uint32_t DB_LIST_ALL_LIMIT = 32768;
uint16_t db_list_all(const char* cls, const char* object, char** block, uint32_t* size);

// Object names of a class in ascending unsigned byte order, without empty
// names and without the temporary object; stays fast for 100 000 names.
struct NameList {
    char* text;  // the names, each with its NUL
    uint32_t text_used;
    uint32_t text_capacity;
    uint32_t* offsets;  // offset of each name in text, in sorted order
    uint32_t count;
    uint32_t capacity;
};
uint16_t db_list_sorted(const char* cls, NameList* list);
inline const char* name_list_at(const NameList* list, uint32_t index) { return list->text + list->offsets[index]; }
// Index of `name`, or -1.
int64_t name_list_find(const NameList* list, const char* name);
// Puts `name` in its sorted place (a panel adding a record) and returns its
// index; a name already there is not added twice. -1 when memory runs out.
int64_t name_list_insert(NameList* list, const char* name);
// Gathering names from several listings: append each listing's names
// (false when memory runs out), then merge them (from index `first` on)
// into the ordered ones before them.
bool name_list_append(NameList* list, const char* name);
void name_list_merge_from(NameList* list, uint32_t first);
// Takes the name at `index` out of the order; its text stays in the arena.
void name_list_remove(NameList* list, uint32_t index);
void name_list_free(NameList* list);
