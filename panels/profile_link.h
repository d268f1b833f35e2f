// The stored link from a user to its profile (PROFILE_LINK_PROPERTY): the
// profile name held as a one-instance string value.
#pragma once

#include <stdint.h>

const uint32_t PROFILE_LINK_HEADER = 10;
// The users panel reads at most this much of the property; the profile
// removal scan reads up to PROFILE_SCAN_READ_LIMIT.
const uint16_t PROFILE_LINK_READ_LIMIT = 174;
const uint16_t PROFILE_SCAN_READ_LIMIT = 266;
const uint32_t PROFILE_NAME_SIZE = 256;

// The stored bytes of a link to `name` ("" for none); returns their count,
// 0 when the name does not fit `size`.
uint32_t profile_link_encode(const char* name, uint8_t* bytes, uint32_t size);
// The profile named by stored bytes ("" for none or for bytes too short to
// hold a link); the name stops at its NUL or the end of the bytes.
void profile_link_decode(const uint8_t* bytes, uint32_t length, char* name, uint32_t name_size);

// Reads the link of a stored user; "" when it has none. The status of a
// failed read other than a missing property is returned.
uint16_t read_profile_link(const char* cls, const char* object, uint16_t limit, char* name, uint32_t name_size);
