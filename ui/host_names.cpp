#include "ui/host_names.h"

#include <string.h>

#include "attrs/value_text.h"
#include "platform/resolver.h"
#include "resources/strings.h"
#include "ui/filled_prompt.h"
#include "ui/wait_cursor.h"

bool resolve_host_name(void* owner, const char* name, uint32_t* address) {
    uint8_t octets[4];
    bool found;
    {
        WaitCursor wait;
        found = resolve_host(name, octets);
    }
    if (!found) {
        show_filled_error(owner, IDS_RESOLVE_FAILED, name);
        return false;
    }
    memcpy(address, octets, 4);
    return true;
}

bool resolve_address_text(void* owner, const char* text, char* out, uint32_t out_size, bool* replaced) {
    *replaced = false;
    uint32_t number = 0;
    if (*text == 0 || parse_dotted_quad(text, &number)) return true;
    uint32_t address = 0;
    if (!resolve_host_name(owner, text, &address)) return false;
    uint8_t octets[4];
    memcpy(octets, &address, 4);
    number = (uint32_t)octets[0] << 24 | (uint32_t)octets[1] << 16 | (uint32_t)octets[2] << 8 | octets[3];
    format_dotted_address(number, out, out_size);
    *replaced = true;
    return true;
}
