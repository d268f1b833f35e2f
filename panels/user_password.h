// A native user's "--Password": PAP only keeps the MD5 digest of the text;
// PAP or CHAP keeps the text scrambled, since CHAP needs it back.
#pragma once

#include <stdint.h>

#include "panels/scrambled_secret.h"

const uint16_t PASSWORD_PAP_ONLY = 5;
const uint16_t PASSWORD_PAP_OR_CHAP = 6;
const uint16_t PASSWORD_DIGEST_LENGTH = 16;
const uint16_t PASSWORD_SCRAMBLED_LENGTH = 32;
const uint32_t PASSWORD_HEADER = 10;
// The longest stored form: the header, 32 bytes and the 4 that follow them.
const uint32_t PASSWORD_PROPERTY_MAX = PASSWORD_HEADER + PASSWORD_SCRAMBLED_LENGTH + 4;

struct PasswordProperty {
    uint16_t type;                                // PASSWORD_PAP_ONLY or PASSWORD_PAP_OR_CHAP
    uint16_t length;                              // 16, 32, or 0 when no password is set
    uint8_t data[PASSWORD_SCRAMBLED_LENGTH + 4];  // digest and 4 zero bytes, or a ScrambledSecret
};

// No password: PAP or CHAP, length 0.
PasswordProperty password_none();
inline bool password_is_set(const PasswordProperty& password) { return password.length > 0; }

// The stored bytes (length + 14 of them); 0 when no password is set.
uint32_t password_encode(const PasswordProperty& password, uint8_t bytes[PASSWORD_PROPERTY_MAX]);
// A stored value; bytes missing at its end read as zero, and a value too
// short for its header is no password.
PasswordProperty password_decode(const uint8_t* bytes, uint32_t length);

// Sets the typed text (cut to 31 characters); PAP or CHAP takes the tick
// count as seed.
void password_set(PasswordProperty* password, const char* text, bool pap_only);
// Whether `text` is the stored password.
bool password_matches(const PasswordProperty& password, const char* text);
// The text of a PAP-or-CHAP password ("" for a digest or none).
void password_text(const PasswordProperty& password, char text[SECRET_TEXT_SIZE]);
// Overwrites the stored bytes.
void password_wipe(PasswordProperty* password);
