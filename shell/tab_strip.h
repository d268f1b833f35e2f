// The state and rules of a TabControl apart from its window: tab count and
// texts, selection, geometry, mouse hits and keys. The window class paints
// and forwards messages; everything it decides comes from here.
#pragma once

#include <stdint.h>

const int32_t TAB_MAX = 16;
const int32_t TAB_NONE = -1;

struct TabStrip {
    int32_t tab_count;
    int32_t tab_height;
    int32_t left, top, right, bottom;  // client rectangle, right and bottom reduced by 1
    int32_t selected;
    char* texts[TAB_MAX];  // owned copies; null: the tab cannot be selected
};

void tab_strip_init(TabStrip* strip, int32_t tab_height);
// Frees every text.
void tab_strip_free(TabStrip* strip);
// The client area's width and height.
void tab_strip_resize(TabStrip* strip, int32_t width, int32_t height);

// TAB_SET_COUNT: 0 to 16 gives the count, anything else -1 and no change.
// Texts of tabs at or above the new count are freed; a selection there is
// dropped.
int32_t tab_set_count(TabStrip* strip, int32_t count);
// TAB_SET_TEXT: copies the text; the count, or -1 for a bad index or no memory.
int32_t tab_set_text(TabStrip* strip, int32_t index, const char* text);
// TAB_SET_SELECTION: -1 to count - 1; the new selection or -1 for a bad index.
int32_t tab_set_selection(TabStrip* strip, int32_t index);

// Left edge of tab i (i = tab_count is the right end of the last tab).
int32_t tab_edge(const TabStrip* strip, int32_t index);
bool tab_in_row(const TabStrip* strip, int32_t x, int32_t y);
// The tab a button press at (x, y) selects, or TAB_NONE.
int32_t tab_hit(const TabStrip* strip, int32_t x, int32_t y);

enum TabKey { TAB_KEY_HOME, TAB_KEY_END, TAB_KEY_LEFT, TAB_KEY_RIGHT };
// The tab a key selects (it may be the selected one), or TAB_NONE when no
// tab has a text.
int32_t tab_key_target(const TabStrip* strip, TabKey key);

// tab_height for a font: (text height + external leading) * 3 / 2.
int32_t tab_height_for_font(int32_t text_height, int32_t external_leading);
