#include "report/rtf_writer.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

void report_writer_start(ReportWriter* writer, bool (*write)(void* sink, const char* bytes, uint32_t length),
                         void* sink) {
    memset(writer, 0, sizeof *writer);
    writer->write = write;
    writer->sink = sink;
}

static bool put(ReportWriter* writer, const char* bytes, uint32_t length) {
    if (writer->failed) return false;
    if (!writer->write(writer->sink, bytes, length)) writer->failed = true;
    return !writer->failed;
}

void report_escape(const char* text, char* out, uint32_t out_size) {
    if (out_size == 0) return;
    uint32_t used = 0;
    for (uint32_t taken = 0; text[taken] && taken < REPORT_TEXT_LIMIT; ++taken) {
        const char c = text[taken];
        const bool escaped = c == '\\' || c == '{' || c == '}';
        if (used + (escaped ? 2 : 1) >= out_size) break;  // an escape is written whole or not at all
        if (escaped) out[used++] = '\\';
        out[used++] = c;
    }
    out[used] = '\0';
}

bool write_report_line(ReportWriter* writer, const char* text, uint32_t size, uint32_t style) {
    if (!text[0]) {
        writer->failed = true;
        return false;
    }
    if (size == 0 && style == 0) {
        writer->last_raw = true;
        return put(writer, text, (uint32_t)strlen(text));
    }
    char line[REPORT_LINE_SIZE];
    int used = snprintf(line, sizeof line, "\\par ");
    if (writer->last_raw || !writer->started || size != writer->size || style != writer->style) {
        used += snprintf(line + used, sizeof line - used, "\\plain\\f0");
        if (style & REPORT_CENTRED)
            used += snprintf(line + used, sizeof line - used, "\\pard\\qc");
        else if (writer->started && (writer->style & REPORT_CENTRED))
            used += snprintf(line + used, sizeof line - used, "\\pard");
        if (style & REPORT_BOLD) used += snprintf(line + used, sizeof line - used, "\\b");
        if (style & REPORT_UNDERLINE) used += snprintf(line + used, sizeof line - used, "\\ul");
        if (style & REPORT_ITALIC) used += snprintf(line + used, sizeof line - used, "\\i");
        used += snprintf(line + used, sizeof line - used, "\\fs%u ", size * 2);
        writer->size = size;
        writer->style = style;
        writer->started = true;
    }
    writer->last_raw = false;
    char escaped[2 * REPORT_TEXT_LIMIT + 1];
    report_escape(text, escaped, sizeof escaped);
    used += snprintf(line + used, sizeof line - used, "%s", escaped);
    return put(writer, line, (uint32_t)strlen(line));
}

bool write_report_raw(ReportWriter* writer, const char* pattern, ...) {
    char line[REPORT_LINE_SIZE];
    uint32_t used = 0;
    va_list values;
    va_start(values, pattern);
    for (const char* at = pattern; *at && used + 1 < sizeof line; ++at) {
        if (at[0] == '%' && at[1] == 's') {
            // Escaped straight into what is left of the line, so that a cut
            // there falls between escapes too.
            report_escape(va_arg(values, const char*), line + used, (uint32_t)(sizeof line - used));
            used += (uint32_t)strlen(line + used);
            ++at;
        } else if (at[0] == '%' && at[1] == 'l' && at[2] == 'u') {
            used += (uint32_t)snprintf(line + used, sizeof line - used, "%lu", va_arg(values, unsigned long));
            at += 2;
        } else {
            line[used++] = *at;
        }
        if (used >= sizeof line) used = sizeof line - 1;
    }
    va_end(values);
    line[used] = '\0';
    return write_report_line(writer, line, 0, 0);
}
