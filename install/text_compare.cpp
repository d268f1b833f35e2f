#include "install/text_compare.h"

#include <ctype.h>

static int fold(char c) { return tolower(static_cast<unsigned char>(c)); }

bool same_text_ignoring_case(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (fold(*a) != fold(*b)) return false;
    }
    return *a == *b;
}

bool starts_with_ignoring_case(const char* text, const char* prefix) {
    for (; *prefix != '\0'; ++text, ++prefix) {
        if (*text == '\0' || fold(*text) != fold(*prefix)) return false;
    }
    return true;
}
