// The IP address field of the clients and proxies panels: the text as
// typed, a host name looked up once per typed text, and the four octets it
// stands for.
#pragma once

#include <stdint.h>

const uint32_t ADDRESS_FIELD_LIMIT = 127;  // a host name may be typed there

struct AddressField {
    char text[ADDRESS_FIELD_LIMIT + 1];
    bool changed;   // typed since it was last looked up
    bool rejected;  // the last lookup failed: the page selects the text
};

// Shows a stored address (first octet first); all zero shows nothing.
void address_field_show(AddressField* field, const uint8_t octets[4]);
void address_field_edit(AddressField* field, const char* text);
// Leaving the field, or Enter in it: a host name typed since the last
// lookup is replaced by its dotted address; false after the lookup's
// message.
bool address_field_leave(AddressField* field, void* owner);
// Before a save: a host name is looked up even when leaving the field
// already failed, since it may resolve now.
void address_field_resolve_now(AddressField* field, void* owner);
// The octets, first octet first; false when the text is neither empty (all
// zero) nor a dotted quad.
bool address_field_octets(const AddressField& field, uint8_t octets[4]);
// Whether the page should select the text; asking clears it.
bool address_field_take_rejected(AddressField* field);
