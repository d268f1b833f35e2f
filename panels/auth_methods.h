// The authentication methods: the user types the server tries, in order.
// Stored as "Auth-Order" of ("Policy", "Auth-Info"): a 16-bit count, then
// that many 16-bit user-type codes, all little-endian. SecurID prefixes and
// suffixes are not methods of their own: they are stored right after
// SecurID and follow it wherever it goes.
#pragma once

#include <stdint.h>

#include "panels/user_types.h"

#define POLICY_CLASS "Policy"
#define AUTH_INFO_OBJECT "Auth-Info"
#define AUTH_ORDER_PROPERTY "Auth-Order"

const uint16_t USER_TYPE_SECURID = 10;
const uint16_t USER_TYPE_SECURID_PREFIX = 11;
const uint16_t USER_TYPE_SECURID_SUFFIX = 12;

const uint16_t AUTH_ORDER_READ_LIMIT = 512;  // bytes read of the stored order
// Every type once, SecurID with both followers, and the count.
const uint32_t AUTH_ORDER_BYTES_MAX = 2 + 2 * (USER_TYPE_COUNT + 2);

struct AuthMethod {
    bool active;
    uint16_t code;
};

// Active methods first, in the order they are tried; then the inactive ones.
struct MethodList {
    AuthMethod entries[USER_TYPE_COUNT];
    uint32_t count;
};

// A type the connected server offers as a method of its own.
bool auth_method_eligible(const UserType& type, uint16_t platform_mask, uint32_t option_mask);

// The method list from a stored order (`stored` false: none could be read,
// so every eligible type is active in table order). Stored codes that name
// no eligible type, and repeats, are dropped; the stored bytes are untrusted.
void methods_from_order(const uint8_t* bytes, uint32_t length, bool stored, uint16_t platform_mask,
                        uint32_t option_mask, MethodList* methods);
// The stored order of the active methods (SecurID followed by its prefix
// and suffix) into `out` (AUTH_ORDER_BYTES_MAX bytes); returns its length.
uint32_t order_from_methods(const MethodList& methods, uint8_t* out);

uint32_t active_method_count(const MethodList& methods);

// The arrows: swap with the neighbour, both active. Each returns the new
// index of the moved method, or `index` when the move is not allowed.
bool can_move_method_up(const MethodList& methods, uint32_t index);
bool can_move_method_down(const MethodList& methods, uint32_t index);
uint32_t move_method_up(MethodList* methods, uint32_t index);
uint32_t move_method_down(MethodList* methods, uint32_t index);
// Activate puts an inactive method first in order; Deactivate puts an active
// one last in the list. Each returns the method's new index.
uint32_t activate_method(MethodList* methods, uint32_t index);
uint32_t deactivate_method(MethodList* methods, uint32_t index);

// The user type's display name of a method.
const char* method_name(uint16_t code);
