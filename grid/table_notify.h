// The notification record every table of a process shares. The owner reads
// and answers it while a notification is being handled; it is valid only
// then. Fields are in interface order; handles, pointers and the two
// message-parameter fields are machine words so they hold 64-bit values.
#pragma once

#include <stdint.h>

const uint32_t NOTIFY_TEXT_SIZE = 260;  // owners may copy up to 256 bytes

struct TableNotify {
    int32_t code;
    intptr_t value;  // key state, key code, width, drop count; 1 = highlighted cell for TBN_GETTEXT
    intptr_t extra;  // button state, drop data, 1 = answer came from the cache
    int32_t column;
    int32_t row;
    uint32_t text_colour;
    uint32_t background_colour;
    int32_t alignment;
    char* text;  // at least 256 bytes
    uint32_t decorations;
    void* bitmap;
    int32_t owner_drawn;
    void* dc;
    int32_t left, top, right, bottom;
};

// Key-state bits in the value field of mouse notifications.
const uint32_t KEYSTATE_CTRL = 0x1;
const uint32_t KEYSTATE_SHIFT = 0x2;
