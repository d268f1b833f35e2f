// Reporting a failed operation to the administrator: a task-modal box with
// the exclamation icon and no owner, the texts from the string table.
#pragma once

#include <stdint.h>

// Fills `out` with `message`, its "%04X" replaced by the status as four
// upper-case hex digits and its "%s" by the status text, in that order.
void format_status_message(char* out, uint32_t out_size, const char* message, uint16_t status);

// Usually title 1001 with message 1103 after a failed read or 1104 after a
// failed write: "...\n(0007: record not found)".
void report_status(uint16_t title_id, uint16_t message_id, uint16_t status);
void report_message(uint16_t title_id, uint16_t message_id);
