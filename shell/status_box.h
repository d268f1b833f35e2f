// The Servers panel's status box: what it shows and when it needs its
// vertical scroll bar.
#pragma once

#include <stdint.h>

// The server's status text is shown up to this many bytes (8191 and the NUL).
const uint32_t SERVER_STATUS_SIZE = 8192;
const uint32_t STATUS_NOTE_SIZE = 256;
// Room for the note, a blank line and the server's text with every line end
// widened to CR LF.
const uint32_t STATUS_BOX_SIZE = 2 * SERVER_STATUS_SIZE + 2 * STATUS_NOTE_SIZE + 8;

// The box text: the note on its own line and a blank line when there is a
// note, then the server's text. Line ends become CR LF, as a multi-line edit
// needs them. `out` is always NUL-terminated; what does not fit is cut.
void compose_status_box(const char* note, const char* server_text, char* out, uint32_t out_size);

// Lines the text fills: its line feeds, and one more when the last line has
// none, so a last line without a line end is not hidden below the box.
uint32_t count_text_lines(const char* text);

bool status_box_needs_scroll_bar(const char* box_text, uint32_t visible_lines);
