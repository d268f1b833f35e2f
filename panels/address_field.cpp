#include "panels/address_field.h"

#include <string.h>

#include "api/text_field.h"
#include "attrs/value_text.h"
#include "ui/host_names.h"

namespace {

bool look_up(AddressField* field, void* owner) {
    field->changed = false;
    char resolved[16];
    bool replaced = false;
    if (!resolve_address_text(owner, field->text, resolved, sizeof resolved, &replaced)) {
        field->rejected = true;
        return false;
    }
    if (replaced) copy_text(field->text, sizeof field->text, resolved);
    return true;
}

}  // namespace

void address_field_show(AddressField* field, const uint8_t octets[4]) {
    memset(field, 0, sizeof *field);
    uint32_t number = (uint32_t)octets[0] << 24 | (uint32_t)octets[1] << 16 | (uint32_t)octets[2] << 8 | octets[3];
    if (number != 0) format_dotted_address(number, field->text, sizeof field->text);
}

void address_field_edit(AddressField* field, const char* text) {
    copy_text(field->text, sizeof field->text, text);
    field->changed = true;
}

bool address_field_leave(AddressField* field, void* owner) {
    // One lookup for each typed text, however often the field is left.
    if (!field->changed) return true;
    return look_up(field, owner);
}

void address_field_resolve_now(AddressField* field, void* owner) { look_up(field, owner); }

bool address_field_octets(const AddressField& field, uint8_t octets[4]) {
    uint32_t number = 0;
    if (field.text[0] && !parse_dotted_quad(field.text, &number)) return false;
    for (uint32_t i = 0; i < 4; ++i) octets[i] = (uint8_t)(number >> (24 - 8 * i));
    return true;
}

bool address_field_take_rejected(AddressField* field) {
    bool rejected = field->rejected;
    field->rejected = false;
    return rejected;
}
