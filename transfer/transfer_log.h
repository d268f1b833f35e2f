// The log of an export or an import, appended to "export.log" or
// "import.log" in the current directory: a line of 80 hyphens, the run's
// heading, one line per message, and the count of errors at the end. Every
// message counts as an error unless it is written as a banner or a warning.
#pragma once

#include <stdint.h>
#include <stdio.h>

#define EXPORT_LOG_NAME "export.log"
#define IMPORT_LOG_NAME "import.log"

struct TransferLog {
    FILE* file;  // null when the log could not be opened: messages are still counted
    uint32_t errors;
    uint32_t warnings;
};

#if defined(__GNUC__)
#define TRANSFER_LOG_FORMAT(n) __attribute__((format(printf, n, n + 1)))
#else
#define TRANSFER_LOG_FORMAT(n)
#endif

// Opens `path` for appending and writes the hyphens and the heading (a
// format taking the transferred file's name). False, with the counts still
// kept, when the log cannot be opened.
bool transfer_log_open(TransferLog* log, const char* path, const char* heading_format, const char* file_name);
void transfer_log_banner(TransferLog* log, const char* format, ...) TRANSFER_LOG_FORMAT(2);
void transfer_log_error(TransferLog* log, const char* format, ...) TRANSFER_LOG_FORMAT(2);
void transfer_log_warning(TransferLog* log, const char* format, ...) TRANSFER_LOG_FORMAT(2);
// Writes `count_format` with the error count, an empty line, and closes.
void transfer_log_close(TransferLog* log, const char* count_format);

// The texts of an export's log.
#define EXPORT_LOG_HEADING "Exporting data to file '%s'\r\n"
#define EXPORT_LOG_COUNT "%d Export Errors logged\r\n"
