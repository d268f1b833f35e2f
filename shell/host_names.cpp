#include "shell/host_names.h"

#include <string.h>

#include "attrs/value_text.h"
#include "platform/prompt.h"
#include "platform/resolver.h"
#include "resources/strings.h"
#include "api/text_fill.h"
#include "shell/wait_cursor.h"

int resolve_host_name(void* owner, const char* name, uint32_t* address) {
    uint8_t octets[4];
    begin_wait_cursor();
    bool found = resolve_host(name, octets);
    end_wait_cursor();
    if (found) {
        memcpy(address, octets, 4);
        return 1;
    }
    char text[400];
    fill_text(text, sizeof text, string_text(IDS_RESOLVE_FAILED), &name, 1);
    PromptRequest request = {owner, string_text(IDS_TITLE_ERROR), text, PROMPT_ICON_STOP, PROMPT_OK, false};
    show_prompt(request);
    return 0;
}

int resolve_address_text(void* owner, const char* text, char* out, uint32_t out_size, bool* replaced) {
    *replaced = false;
    uint32_t number = 0;
    if (*text == 0 || parse_dotted_quad(text, &number)) return 1;
    uint32_t address = 0;
    if (!resolve_host_name(owner, text, &address)) return 0;
    uint8_t octets[4];
    memcpy(octets, &address, 4);
    number = (uint32_t)octets[0] << 24 | (uint32_t)octets[1] << 16 | (uint32_t)octets[2] << 8 | octets[3];
    format_dotted_address(number, out, out_size);
    *replaced = true;
    return 1;
}
