#include "attrs/text_compare.h"

static unsigned fold(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

int compare_nocase(const char* a, uint32_t a_length, const char* b, uint32_t b_length) {
    for (uint32_t i = 0;; ++i) {
        unsigned ca = i < a_length ? fold((unsigned char)a[i]) : 0;
        unsigned cb = i < b_length ? fold((unsigned char)b[i]) : 0;
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}
