#include "panels/record_names.h"

#include "api/text_field.h"
#include "platform/charset.h"

void stored_name_of_typed(const char* typed, char* name, uint32_t name_size) {
    char upper[256];
    copy_text(upper, sizeof upper, typed);
    upper_case_ansi(upper);
    ansi_to_oem(upper, name, name_size);
}

void list_name_shown(const NameList& names, uint32_t index, char* text, uint32_t text_size) {
    if (index < names.count)
        oem_to_ansi(name_list_at(&names, index), text, text_size);
    else if (text_size > 0)
        text[0] = 0;
}
