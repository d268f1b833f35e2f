#include "shell/load_text.h"

#include <string.h>

#include "resources/strings.h"

namespace {

struct LoadTextState {
    char buffers[LOAD_TEXT_BUFFERS][LOAD_TEXT_SIZE];
    uint32_t next;
};

LoadTextState g_texts = {};

}  // namespace

const char* load_text(uint16_t id) {
    char* buffer = g_texts.buffers[g_texts.next];
    g_texts.next = (g_texts.next + 1) % LOAD_TEXT_BUFFERS;
    const char* text = string_text(id);
    size_t length = strlen(text);
    if (length >= LOAD_TEXT_SIZE) length = LOAD_TEXT_SIZE - 1;
    memcpy(buffer, text, length);
    buffer[length] = 0;
    return buffer;
}

void load_text_reset() { g_texts = LoadTextState(); }
