// Any bytes as a stored "Auth-Order" property, read for a server of any
// platform and options. Nothing may crash; the list holds each eligible
// type once, active ones first, and what it writes reads back the same.
#include <stddef.h>
#include <stdint.h>

#include "panels/auth_methods.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3 || size > AUTH_ORDER_READ_LIMIT + 3) return 0;
    // The first three bytes choose the server: platform mask, option mask, stored or not.
    uint16_t platform = data[0] & 7;
    uint32_t options = data[1] & 3;
    bool stored = (data[2] & 1) != 0;
    MethodList methods;
    methods_from_order(data + 3, (uint32_t)(size - 3), stored, platform, options, &methods);
    if (methods.count > USER_TYPE_COUNT) __builtin_trap();
    bool seen[256] = {};
    uint32_t active = active_method_count(methods);
    for (uint32_t i = 0; i < methods.count; ++i) {
        const AuthMethod& method = methods.entries[i];
        if (method.code > 255 || seen[method.code]) __builtin_trap();
        seen[method.code] = true;
        if (method.active != (i < active)) __builtin_trap();
        bool eligible = false;
        for (const UserType& type : USER_TYPE_TABLE)
            if (type.code == method.code) eligible = auth_method_eligible(type, platform, options);
        if (!eligible) __builtin_trap();
    }
    uint8_t written[AUTH_ORDER_BYTES_MAX];
    uint32_t length = order_from_methods(methods, written);
    MethodList again;
    methods_from_order(written, length, true, platform, options, &again);
    if (again.count != methods.count) __builtin_trap();
    for (uint32_t i = 0; i < methods.count; ++i)
        if (again.entries[i].active != methods.entries[i].active || again.entries[i].code != methods.entries[i].code)
            __builtin_trap();
    return 0;
}
