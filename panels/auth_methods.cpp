#include "panels/auth_methods.h"

#include <string.h>

#include "api/codec.h"
#include "resources/strings.h"

namespace {

const UserType* eligible_type(uint16_t code, uint16_t platform_mask, uint32_t option_mask) {
    for (const UserType& type : USER_TYPE_TABLE)
        if (type.code == code && auth_method_eligible(type, platform_mask, option_mask)) return &type;
    return nullptr;
}

bool listed(const MethodList& methods, uint16_t code) {
    for (uint32_t i = 0; i < methods.count; ++i)
        if (methods.entries[i].code == code) return true;
    return false;
}

void append(MethodList* methods, uint16_t code, bool active) {
    if (methods->count < USER_TYPE_COUNT && !listed(*methods, code))
        methods->entries[methods->count++] = {active, code};
}

// Takes the method at `from` out and puts it back at `to`, the others
// keeping their order.
void shift(MethodList* methods, uint32_t from, uint32_t to) {
    AuthMethod moved = methods->entries[from];
    AuthMethod* e = methods->entries;
    if (from < to)
        memmove(e + from, e + from + 1, (to - from) * sizeof *e);
    else
        memmove(e + to + 1, e + to, (from - to) * sizeof *e);
    e[to] = moved;
}

bool both_active(const MethodList& methods, uint32_t a, uint32_t b) {
    return b < methods.count && methods.entries[a].active && methods.entries[b].active;
}

}  // namespace

bool auth_method_eligible(const UserType& type, uint16_t platform_mask, uint32_t option_mask) {
    if (type.code == USER_TYPE_SECURID_PREFIX || type.code == USER_TYPE_SECURID_SUFFIX) return false;
    return user_type_available(type, platform_mask, option_mask);
}

void methods_from_order(const uint8_t* bytes, uint32_t length, bool stored, uint16_t platform_mask,
                        uint32_t option_mask, MethodList* methods) {
    memset(methods, 0, sizeof *methods);
    if (stored && length >= 2) {
        uint32_t count = get_le16(bytes);
        if (count > (length - 2) / 2) count = (length - 2) / 2;
        for (uint32_t i = 0; i < count; ++i) {
            uint16_t code = get_le16(bytes + 2 + 2 * i);
            if (eligible_type(code, platform_mask, option_mask)) append(methods, code, true);
        }
    } else {
        for (const UserType& type : USER_TYPE_TABLE)
            if (auth_method_eligible(type, platform_mask, option_mask)) append(methods, type.code, true);
    }
    for (const UserType& type : USER_TYPE_TABLE)
        if (auth_method_eligible(type, platform_mask, option_mask)) append(methods, type.code, false);
}

uint32_t order_from_methods(const MethodList& methods, uint8_t* out) {
    uint16_t count = 0;
    for (uint32_t i = 0; i < methods.count && methods.entries[i].active; ++i) {
        uint16_t code = methods.entries[i].code;
        put_le16(out + 2 + 2 * count++, code);
        if (code != USER_TYPE_SECURID) continue;
        put_le16(out + 2 + 2 * count++, USER_TYPE_SECURID_PREFIX);
        put_le16(out + 2 + 2 * count++, USER_TYPE_SECURID_SUFFIX);
    }
    put_le16(out, count);
    return 2 + 2u * count;
}

uint32_t active_method_count(const MethodList& methods) {
    uint32_t count = 0;
    while (count < methods.count && methods.entries[count].active) ++count;
    return count;
}

bool can_move_method_up(const MethodList& methods, uint32_t index) {
    return index > 0 && both_active(methods, index - 1, index);
}

bool can_move_method_down(const MethodList& methods, uint32_t index) {
    return index < methods.count && both_active(methods, index, index + 1);
}

uint32_t move_method_up(MethodList* methods, uint32_t index) {
    if (!can_move_method_up(*methods, index)) return index;
    shift(methods, index, index - 1);
    return index - 1;
}

uint32_t move_method_down(MethodList* methods, uint32_t index) {
    if (!can_move_method_down(*methods, index)) return index;
    shift(methods, index, index + 1);
    return index + 1;
}

uint32_t activate_method(MethodList* methods, uint32_t index) {
    if (index >= methods->count || methods->entries[index].active) return index;
    methods->entries[index].active = true;
    shift(methods, index, 0);
    return 0;
}

uint32_t deactivate_method(MethodList* methods, uint32_t index) {
    if (index >= methods->count || !methods->entries[index].active) return index;
    methods->entries[index].active = false;
    uint32_t last = methods->count - 1;
    shift(methods, index, last);
    return last;
}

const char* method_name(uint16_t code) {
    for (const UserType& type : USER_TYPE_TABLE)
        if (type.code == code) return string_text((uint16_t)type.display_id);
    return "";
}
