// The report's RTF writer: raw RTF copied as it is, and paragraphs of a
// size and style whose formatting words are written only when they change.
#pragma once

#include <stdint.h>

// Style bits of a paragraph.
const uint32_t REPORT_BOLD = 1;
const uint32_t REPORT_UNDERLINE = 2;
const uint32_t REPORT_ITALIC = 4;
const uint32_t REPORT_CENTRED = 8;

// Longest text kept after escaping, and longest line written.
const uint32_t REPORT_TEXT_LIMIT = 255;
const uint32_t REPORT_LINE_SIZE = 1024;

struct ReportWriter {
    // Where the bytes go: true when all `length` were taken.
    bool (*write)(void* sink, const char* bytes, uint32_t length);
    void* sink;
    uint32_t size;  // of the last formatted paragraph
    uint32_t style;
    bool last_raw;
    bool started;  // a formatted paragraph was written
    bool failed;   // a write failed: nothing more is written
};

void report_writer_start(ReportWriter* writer, bool (*write)(void* sink, const char* bytes, uint32_t length),
                         void* sink);

// Size 0 and style 0: `text` as raw RTF; otherwise a paragraph of that size
// (in points) and style. An empty text is refused; false after any failed
// write.
bool write_report_line(ReportWriter* writer, const char* text, uint32_t size, uint32_t style);

// `text` with a backslash before every "\", "{" and "}", cut after
// REPORT_TEXT_LIMIT characters of the text, never inside an escape.
void report_escape(const char* text, char* out, uint32_t out_size);

// A raw line from a template of "%s" and "%lu" places: the texts are
// escaped first. The line is cut to REPORT_LINE_SIZE - 1 bytes, never
// inside an escape.
bool write_report_raw(ReportWriter* writer, const char* pattern, ...);
