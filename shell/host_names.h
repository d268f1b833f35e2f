// Host names in address fields: looked up and replaced by the dotted address.
#pragma once

#include <stdint.h>

// Looks `name` up with the wait cursor. 1 with the host's first address in
// `address` (network byte order: first octet in the lowest byte of memory);
// 0 after showing "Unable to resolve host name NAME" (title "ERROR", stop
// icon) owned by `owner`.
int resolve_host_name(void* owner, const char* name, uint32_t* address);

// The rule of an address field, apart from the window: an empty text or a
// dotted address stays (1, *replaced false); a host name that resolves gives
// its dotted address in `out` (1, *replaced true); otherwise 0 after the
// message. `out` holds at least 16 bytes.
int resolve_address_text(void* owner, const char* text, char* out, uint32_t out_size, bool* replaced);
