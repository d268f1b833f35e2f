#include "transfer/transfer_log.h"

#include <stdarg.h>
#include <string.h>

namespace {

void write_formatted(TransferLog* log, const char* format, va_list arguments) {
    if (!log->file) return;
    vfprintf(log->file, format, arguments);
    // Written through at once: a log read while the run goes on, or after a
    // crash, holds every message so far.
    fflush(log->file);
}

}  // namespace

bool transfer_log_open(TransferLog* log, const char* path, const char* heading_format, const char* file_name) {
    log->errors = 0;
    log->warnings = 0;
    log->file = fopen(path, "ab");
    if (!log->file) return false;
    char hyphens[81];
    memset(hyphens, '-', 80);
    hyphens[80] = 0;
    fprintf(log->file, "%s\r\n", hyphens);
    fprintf(log->file, heading_format, file_name);
    fflush(log->file);
    return true;
}

void transfer_log_banner(TransferLog* log, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    write_formatted(log, format, arguments);
    va_end(arguments);
}

void transfer_log_error(TransferLog* log, const char* format, ...) {
    ++log->errors;
    va_list arguments;
    va_start(arguments, format);
    write_formatted(log, format, arguments);
    va_end(arguments);
}

void transfer_log_warning(TransferLog* log, const char* format, ...) {
    ++log->warnings;
    va_list arguments;
    va_start(arguments, format);
    write_formatted(log, format, arguments);
    va_end(arguments);
}

void transfer_log_close(TransferLog* log, const char* count_format) {
    if (!log->file) return;
    fprintf(log->file, count_format, (int)log->errors);
    fputs("\r\n", log->file);
    fclose(log->file);
    log->file = nullptr;
}
