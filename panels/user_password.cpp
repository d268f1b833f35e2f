#include "panels/user_password.h"

#include <string.h>

#include "api/codec.h"
#include "platform/md5.h"

static_assert(sizeof(ScrambledSecret) == PASSWORD_SCRAMBLED_LENGTH + 4, "a scrambled password fills the data");

namespace {

ScrambledSecret as_secret(const PasswordProperty& password) {
    ScrambledSecret secret;
    memcpy(secret.bytes, password.data, sizeof secret.bytes);
    return secret;
}

uint16_t text_length(const char* text) {
    const size_t length = strlen(text);
    return static_cast<uint16_t>(length < SECRET_TEXT_LIMIT ? length : SECRET_TEXT_LIMIT);
}

}  // namespace

PasswordProperty password_none() {
    PasswordProperty password;
    memset(&password, 0, sizeof password);
    password.type = PASSWORD_PAP_OR_CHAP;
    return password;
}

uint32_t password_encode(const PasswordProperty& password, uint8_t bytes[PASSWORD_PROPERTY_MAX]) {
    if (!password_is_set(password) || password.length > PASSWORD_SCRAMBLED_LENGTH) return 0;
    put_le16(bytes, 1);
    put_le16(bytes + 2, 0);
    put_le16(bytes + 4, password.type);
    put_le16(bytes + 6, password.length);
    put_le16(bytes + 8, 0x11);
    memcpy(bytes + PASSWORD_HEADER, password.data, password.length + 4u);
    return PASSWORD_HEADER + password.length + 4u;
}

PasswordProperty password_decode(const uint8_t* bytes, uint32_t length) {
    PasswordProperty password = password_none();
    if (length < PASSWORD_HEADER) return password;
    password.type = get_le16(bytes + 4);
    const uint16_t stored = get_le16(bytes + 6);
    password.length = stored < PASSWORD_SCRAMBLED_LENGTH ? stored : PASSWORD_SCRAMBLED_LENGTH;
    uint32_t data = length - PASSWORD_HEADER;
    if (data > password.length + 4u) data = password.length + 4u;
    memcpy(password.data, bytes + PASSWORD_HEADER, data);
    return password;
}

void password_set(PasswordProperty* password, const char* text, bool pap_only) {
    const uint16_t length = text_length(text);
    memset(password->data, 0, sizeof password->data);
    if (pap_only) {
        password->type = PASSWORD_PAP_ONLY;
        password->length = PASSWORD_DIGEST_LENGTH;
        md5_digest(text, length, password->data);
        return;
    }
    ScrambledSecret secret = as_secret(*password);
    secret_set(&secret, text);
    password->type = PASSWORD_PAP_OR_CHAP;
    password->length = PASSWORD_SCRAMBLED_LENGTH;
    memcpy(password->data, secret.bytes, sizeof secret.bytes);
    secret_wipe(&secret, sizeof secret);
}

bool password_matches(const PasswordProperty& password, const char* text) {
    if (password.type == PASSWORD_PAP_ONLY) {
        uint8_t digest[MD5_DIGEST_SIZE];
        md5_digest(text, text_length(text), digest);
        const bool equal = memcmp(digest, password.data, sizeof digest) == 0;
        secret_wipe(digest, sizeof digest);
        return equal;
    }
    ScrambledSecret secret = as_secret(password);
    const bool equal = secret_matches(secret, text);
    secret_wipe(&secret, sizeof secret);
    return equal;
}

void password_text(const PasswordProperty& password, char text[SECRET_TEXT_SIZE]) {
    memset(text, 0, SECRET_TEXT_SIZE);
    if (password.type != PASSWORD_PAP_OR_CHAP || !password_is_set(password)) return;
    ScrambledSecret secret = as_secret(password);
    secret_unscramble(secret, text);
    secret_wipe(&secret, sizeof secret);
}

void password_wipe(PasswordProperty* password) { secret_wipe(password, sizeof *password); }
