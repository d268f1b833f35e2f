#include "api/db_lists.h"

#include <stdlib.h>
#include <string.h>

#include <algorithm>

#include "api/db.h"
#include "api/names_block.h"
#include "api/status.h"

static const uint16_t BATCH_CAPACITY = 4096;

uint16_t db_list_all(const char* cls, const char* object, char** block, uint32_t* size) {
    *block = nullptr;
    *size = 0;
    uint8_t* data = (uint8_t*)malloc(DB_LIST_ALL_LIMIT);
    if (!data) return STATUS_OUT_OF_MEMORY;
    uint32_t used = 0;
    const char* after = nullptr;
    bool more = true;
    while (more) {
        uint32_t room = DB_LIST_ALL_LIMIT - used;
        uint16_t length = (uint16_t)(room < BATCH_CAPACITY ? room : BATCH_CAPACITY);
        if (length < 2) break;
        uint16_t status = db_enumerate(cls, object, nullptr, after, data + used, &length, &more);
        if (status != 0) {
            free(data);
            return status;
        }
        if (length == 0 || data[used] == 0) break;
        data[used + length - 1] = 0;
        const char* last = nullptr;
        uint32_t batch_used = 0;
        walk_names(
            data + used, length, [&](const char*, uint32_t name_length) { batch_used += name_length + 1; }, &last);
        // A batch that names nothing, or ends where the one before ended,
        // gives no name to continue from.
        if (more && !batch_advances(after, last)) {
            free(data);
            return STATUS_BAD_REPLY;
        }
        used += batch_used;
        after = last;
    }
    data[used] = 0;
    char* shrunk = (char*)realloc(data, used + 1);
    *block = shrunk ? shrunk : (char*)data;
    *size = used + 1;
    return 0;
}

static bool name_list_add(NameList* list, const char* name, uint32_t length) {
    if (list->count == list->capacity) {
        uint32_t capacity = list->capacity ? list->capacity * 2 : 256;
        uint32_t* offsets = (uint32_t*)realloc(list->offsets, capacity * sizeof(uint32_t));
        if (!offsets) return false;
        list->offsets = offsets;
        list->capacity = capacity;
    }
    if (list->text_capacity - list->text_used < length + 1) {
        uint32_t capacity = list->text_capacity ? list->text_capacity * 2 : 8192;
        while (capacity - list->text_used < length + 1) capacity *= 2;
        char* text = (char*)realloc(list->text, capacity);
        if (!text) return false;
        list->text = text;
        list->text_capacity = capacity;
    }
    memcpy(list->text + list->text_used, name, length + 1);
    list->offsets[list->count++] = list->text_used;
    list->text_used += length + 1;
    return true;
}

namespace {

struct NameBefore {
    const char* text;
    bool operator()(uint32_t a, uint32_t b) const { return strcmp(text + a, text + b) < 0; }
};

// Sorts offsets [first, last) unless the server already sent them in order.
void order_run(NameList* list, uint32_t first, uint32_t last) {
    NameBefore before = {list->text};
    if (!std::is_sorted(list->offsets + first, list->offsets + last, before))
        std::sort(list->offsets + first, list->offsets + last, before);
}

// Drops repeats (a class cannot hold two objects of one name; a repeat can
// only come from a batch sent twice).
void drop_repeats(NameList* list) {
    const char* text = list->text;
    auto same = [text](uint32_t a, uint32_t b) { return strcmp(text + a, text + b) == 0; };
    list->count = (uint32_t)(std::unique(list->offsets, list->offsets + list->count, same) - list->offsets);
}

// What the server sends is normally in order without repeats already: one
// pass finds that out.
void name_list_order(NameList* list) {
    const char* text = list->text;
    auto not_after = [text](uint32_t a, uint32_t b) { return strcmp(text + a, text + b) >= 0; };
    if (std::adjacent_find(list->offsets, list->offsets + list->count, not_after) == list->offsets + list->count)
        return;
    order_run(list, 0, list->count);
    drop_repeats(list);
}

}  // namespace

void name_list_merge_from(NameList* list, uint32_t first) {
    if (first > list->count) first = list->count;
    order_run(list, first, list->count);
    NameBefore before = {list->text};
    std::inplace_merge(list->offsets, list->offsets + first, list->offsets + list->count, before);
    drop_repeats(list);
}

uint16_t db_list_sorted(const char* cls, NameList* list) {
    memset(list, 0, sizeof *list);
    uint8_t area[BATCH_CAPACITY];
    char after[BATCH_CAPACITY];
    bool has_after = false;
    bool more = true;
    while (more) {
        uint16_t length = BATCH_CAPACITY;
        uint16_t status = db_enumerate(cls, nullptr, nullptr, has_after ? after : nullptr, area, &length, &more);
        if (status != 0) {
            name_list_free(list);
            return status;
        }
        // The final NUL of the batch is not a name; empty names within it are
        // passed over.
        if (length > 0) --length;
        bool out_of_memory = false;
        const char* last = nullptr;
        uint32_t walked = walk_names(
            area, length,
            [&](const char* name, uint32_t name_length) {
                if (out_of_memory || strcmp(name, TEMP_OBJECT_NAME) == 0) return;
                out_of_memory = !name_list_add(list, name, name_length);
            },
            &last, EMPTY_NAME_SKIPPED);
        if (out_of_memory) {
            name_list_free(list);
            return STATUS_OUT_OF_MEMORY;
        }
        // A "more" flag without a name to continue from ends the list.
        if (!more || walked == 0) break;
        if (!batch_advances(has_after ? after : nullptr, last)) {
            name_list_free(list);
            return STATUS_BAD_REPLY;
        }
        memcpy(after, last, strlen(last) + 1);
        has_after = true;
    }
    name_list_order(list);
    return 0;
}

bool name_list_append(NameList* list, const char* name) { return name_list_add(list, name, (uint32_t)strlen(name)); }

int64_t name_list_find(const NameList* list, const char* name) {
    const char* text = list->text;
    const uint32_t* end = list->offsets + list->count;
    const uint32_t* at = std::lower_bound((const uint32_t*)list->offsets, end, name,
                                          [text](uint32_t a, const char* key) { return strcmp(text + a, key) < 0; });
    if (at == end || strcmp(text + *at, name) != 0) return -1;
    return at - list->offsets;
}

int64_t name_list_insert(NameList* list, const char* name) {
    int64_t found = name_list_find(list, name);
    if (found >= 0) return found;
    if (!name_list_add(list, name, (uint32_t)strlen(name))) return -1;
    // Added last: move its offset up to where the order wants it.
    const char* text = list->text;
    uint32_t offset = list->offsets[list->count - 1];
    uint32_t* place = std::upper_bound(list->offsets, list->offsets + list->count - 1, offset,
                                       [text](uint32_t a, uint32_t b) { return strcmp(text + a, text + b) < 0; });
    memmove(place + 1, place, (size_t)(list->offsets + list->count - 1 - place) * sizeof(uint32_t));
    *place = offset;
    return place - list->offsets;
}

void name_list_remove(NameList* list, uint32_t index) {
    if (index >= list->count) return;
    memmove(list->offsets + index, list->offsets + index + 1, (size_t)(list->count - index - 1) * sizeof(uint32_t));
    --list->count;
}

void name_list_free(NameList* list) {
    free(list->text);
    free(list->offsets);
    memset(list, 0, sizeof *list);
}
