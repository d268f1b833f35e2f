#include "shell/status_box.h"

namespace {

struct BoxWriter {
    char* out;
    uint32_t room;
    uint32_t used;

    bool put(char c) {
        if (room == 0) return false;
        out[used++] = c;
        --room;
        return true;
    }
    // Copies `text` with every LF (alone or after CR) written as CR LF, and
    // a CR not followed by LF also ended as CR LF.
    void put_lines(const char* text) {
        for (const char* at = text; *at; ++at) {
            if (*at == '\r' || *at == '\n') {
                if (room < 2) return;  // never leave half a line end
                put('\r');
                put('\n');
                if (*at == '\r' && at[1] == '\n') ++at;
            } else if (!put(*at)) {
                return;
            }
        }
    }
};

}  // namespace

void compose_status_box(const char* note, const char* server_text, char* out, uint32_t out_size) {
    if (out_size == 0) return;
    BoxWriter writer = {out, out_size - 1, 0};
    if (note && *note) {
        writer.put_lines(note);
        writer.put_lines("\n\n");
    }
    if (server_text) writer.put_lines(server_text);
    out[writer.used] = 0;
}

uint32_t count_text_lines(const char* text) {
    uint32_t lines = 0;
    const char* at = text;
    for (; *at; ++at) {
        if (*at == '\n') ++lines;
    }
    if (at != text && at[-1] != '\n') ++lines;
    return lines;
}

bool status_box_needs_scroll_bar(const char* box_text, uint32_t visible_lines) {
    return count_text_lines(box_text) > visible_lines;
}
