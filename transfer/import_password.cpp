#include "transfer/import_password.h"

#include <string.h>

#include "attrs/list_store.h"
#include "panels/scrambled_secret.h"
#include "panels/user_password.h"

bool mend_password_line(AttributeLine* attribute) {
    if (strcmp(attribute->property, PASSWORD_PROPERTY) != 0) return true;
    if (attribute->type == PASSWORD_PAP_ONLY && attribute->length == PASSWORD_DIGEST_LENGTH) {
        memset(attribute->tail, 0, sizeof attribute->tail);
        attribute->tail_length = sizeof attribute->tail;
        return true;
    }
    if (attribute->type == PASSWORD_PAP_OR_CHAP && attribute->length == PASSWORD_SCRAMBLED_LENGTH) {
        // The seed is the first 4 bytes; scrambling an empty text under it
        // gives the padding as the password's own scrambling made it.
        const uint8_t* seed = attribute->data;
        uint32_t seed_value =
            (uint32_t)seed[0] | (uint32_t)seed[1] << 8 | (uint32_t)seed[2] << 16 | (uint32_t)seed[3] << 24;
        ScrambledSecret padding;
        secret_scramble(&padding, "", seed_value);
        memcpy(attribute->tail, padding.bytes + PASSWORD_SCRAMBLED_LENGTH, sizeof attribute->tail);
        attribute->tail_length = sizeof attribute->tail;
        secret_clear(&padding);
        return true;
    }
    return false;
}
