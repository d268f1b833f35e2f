// An address pool, read as the pools panel reads it: its description as
// text and its ranges in their stored form.
#include <stdlib.h>
#include <string.h>

#include "panels/pool_record.h"
#include "transfer/export_run.h"

namespace {

bool is_range_list_refusal(uint16_t status) {
    return status == POOL_STATUS_TOO_LONG || status == POOL_STATUS_DUPLICATE || status == POOL_STATUS_OVERLAP;
}

}  // namespace

bool write_pool_object(ExportRun* run, const char* cls, const char* object) {
    PoolRecord* record = (PoolRecord*)malloc(sizeof(PoolRecord));
    uint8_t* ranges = (uint8_t*)malloc(POOL_RANGES_LIMIT);
    if (!record || !ranges) {
        free(record);
        free(ranges);
        transfer_log_error(run->log, "Memory error occurred during export of class '%s' object '%s'\r\n", cls, object);
        return false;
    }
    pool_record_start(record, object);
    bool description_cut = false;
    uint16_t status = read_pool(record, &description_cut);
    bool whole = status == 0 || is_range_list_refusal(status);
    if (!whole) {
        transfer_log_error(run->log, "Unable to export Class '%s' Object '%s'\r\n", cls, object);
    } else {
        if (description_cut) {
            log_value_too_long(run, cls, object, "Addr-Pool-Desc", (uint32_t)strlen(record->description) + 1);
        } else {
            whole =
                add_built_line(run, rif_text_line("Addr-Pool-Desc", record->description, run->line, sizeof run->line),
                               cls, object, "Addr-Pool-Desc", (uint32_t)strlen(record->description) + 1);
        }
        if (status != 0) {
            // Stored ranges that overlap or repeat a start cannot be taken
            // as a pool's ranges; the pool goes out without them.
            transfer_log_error(run->log, "Unable to export pool ranges for Class '%s' Object '%s'\r\n", cls, object);
        } else if (whole) {
            uint32_t length = pool_ranges_encode(record->ranges, ranges);
            if (length > RIF_VALUE_LIMIT) {
                transfer_log_error(run->log,
                                   "Error: Pool of %u ranges is longer than 256 bytes and its ranges were not "
                                   "exported - Class '%s' Object '%s' Property '%s'\r\n",
                                   (unsigned)record->ranges.count, cls, object, "Addr-Pool-Ranges");
            } else {
                whole =
                    add_built_line(run, rif_hex_line("Addr-Pool-Ranges", ranges, length, run->line, sizeof run->line),
                                   cls, object, "Addr-Pool-Ranges", length);
            }
        }
    }
    free(ranges);
    free(record);
    return whole;
}
