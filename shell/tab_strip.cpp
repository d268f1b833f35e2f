#include "shell/tab_strip.h"

#include <stdlib.h>
#include <string.h>

namespace {

bool has_text(const TabStrip* strip, int32_t index) {
    return index >= 0 && index < strip->tab_count && strip->texts[index] != nullptr;
}

// From `start`, stepping by `step` and wrapping, the first tab with a text;
// at most one full round, so the search ends at the selected tab.
int32_t search(const TabStrip* strip, int32_t start, int32_t step) {
    int32_t count = strip->tab_count;
    int32_t index = start;
    for (int32_t tried = 0; tried < count; ++tried) {
        index = ((index % count) + count) % count;
        if (has_text(strip, index)) return index;
        index += step;
    }
    return TAB_NONE;
}

}  // namespace

void tab_strip_init(TabStrip* strip, int32_t tab_height) {
    memset(strip, 0, sizeof *strip);
    strip->tab_height = tab_height;
    strip->selected = TAB_NONE;
}

void tab_strip_free(TabStrip* strip) {
    for (int32_t i = 0; i < TAB_MAX; ++i) {
        free(strip->texts[i]);
        strip->texts[i] = nullptr;
    }
}

void tab_strip_resize(TabStrip* strip, int32_t width, int32_t height) {
    strip->left = 0;
    strip->top = 0;
    strip->right = width - 1;
    strip->bottom = height - 1;
}

int32_t tab_set_count(TabStrip* strip, int32_t count) {
    if (count < 0 || count > TAB_MAX) return -1;
    for (int32_t i = count; i < TAB_MAX; ++i) {
        free(strip->texts[i]);
        strip->texts[i] = nullptr;
    }
    strip->tab_count = count;
    if (strip->selected >= count) strip->selected = TAB_NONE;
    return count;
}

int32_t tab_set_text(TabStrip* strip, int32_t index, const char* text) {
    if (index < 0 || index >= strip->tab_count || !text) return -1;
    size_t length = strlen(text);
    char* copy = (char*)malloc(length + 1);
    if (!copy) return -1;
    memcpy(copy, text, length + 1);
    free(strip->texts[index]);
    strip->texts[index] = copy;
    return strip->tab_count;
}

int32_t tab_set_selection(TabStrip* strip, int32_t index) {
    if (index < TAB_NONE || index >= strip->tab_count) return -1;
    strip->selected = index;
    return index;
}

int32_t tab_edge(const TabStrip* strip, int32_t index) {
    if (strip->tab_count == 0) return strip->left;
    return strip->left + 1 + ((strip->right - strip->left - 2) * index) / strip->tab_count;
}

bool tab_in_row(const TabStrip* strip, int32_t x, int32_t y) {
    return y >= strip->top && y < strip->top + strip->tab_height && x >= strip->left && x <= strip->right;
}

int32_t tab_hit(const TabStrip* strip, int32_t x, int32_t y) {
    if (!tab_in_row(strip, x, y)) return TAB_NONE;
    int32_t index = 0;
    while (index < strip->tab_count && tab_edge(strip, index + 1) <= x) ++index;
    return has_text(strip, index) ? index : TAB_NONE;
}

int32_t tab_key_target(const TabStrip* strip, TabKey key) {
    if (strip->tab_count == 0) return TAB_NONE;
    int32_t selected = strip->selected;
    switch (key) {
        case TAB_KEY_HOME: return search(strip, 0, 1);
        case TAB_KEY_END: return search(strip, strip->tab_count - 1, -1);
        case TAB_KEY_LEFT: return search(strip, selected == TAB_NONE ? strip->tab_count - 1 : selected - 1, -1);
        case TAB_KEY_RIGHT: return search(strip, selected == TAB_NONE ? 0 : selected + 1, 1);
    }
    return TAB_NONE;
}

int32_t tab_height_for_font(int32_t text_height, int32_t external_leading) {
    return (text_height + external_leading) * 3 / 2;
}
