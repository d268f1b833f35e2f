// The users' stored forms read from the database: the "--Password" and
// "--User-Profile" values, and listed names split at their mark.
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <string>

#include "panels/profile_link.h"
#include "panels/user_password.h"
#include "panels/user_types.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PasswordProperty password = password_decode(data, (uint32_t)size);
    uint8_t bytes[PASSWORD_PROPERTY_MAX];
    const uint32_t length = password_encode(password, bytes);
    if (length > sizeof bytes) __builtin_trap();
    char text[SECRET_TEXT_SIZE];
    password_text(password, text);
    if (strlen(text) > SECRET_TEXT_LIMIT + 1) __builtin_trap();

    char name[PROFILE_NAME_SIZE];
    profile_link_decode(data, (uint32_t)size, name, sizeof name);
    uint8_t link[PROFILE_LINK_HEADER + PROFILE_NAME_SIZE];
    const uint32_t link_length = profile_link_encode(name, link, sizeof link);
    if (link_length) {
        char again[PROFILE_NAME_SIZE];
        profile_link_decode(link, link_length, again, sizeof again);
        if (strcmp(name, again) != 0) __builtin_trap();  // a link read back names the same profile
    }

    std::string listed((const char*)data, size);
    char object[64];
    user_marked_object(listed.c_str(), object, sizeof object);
    return 0;
}
