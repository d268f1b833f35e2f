// Host names in address fields: looked up and replaced by the dotted address.
#pragma once

#include <stdint.h>

// Looks `name` up with the wait cursor: true with the host's first address
// in `address` (network byte order: first octet in the lowest byte of
// memory); false after showing "Unable to resolve host name NAME" (title
// "ERROR", stop icon) owned by `owner`.
bool resolve_host_name(void* owner, const char* name, uint32_t* address);

// The rule of an address field, apart from the window: an empty text or a
// dotted address stays (true, *replaced false); a host name that resolves
// gives its dotted address in `out` (true, *replaced true); otherwise false
// after the message. `out` holds at least 16 bytes.
bool resolve_address_text(void* owner, const char* text, char* out, uint32_t out_size, bool* replaced);
