#include <string.h>

#include "api/requests.h"
#include "api/response.h"

uint16_t parse_statistics(MessageBuffer* response, StatisticsCounters* counters) {
    memset(counters, 0, sizeof *counters);
    uint16_t status = read_header_status(response);
    if (status != 0) return status;
    // Only a first counters item carries counters: 6-byte records (u16 id,
    // u32 value) while at least 6 bytes remain.
    ResponseItem item = {0, 0, nullptr};
    msg_get_item(response, &item.tag, &item.value, &item.length);
    if (item.tag != STATISTICS_TAG_COUNTERS) return 0;
    for (uint32_t offset = 0; offset + 6 <= item.length; offset += 6) {
        uint16_t id = get_le16(item.value + offset);
        if (id >= STAT_COUNTER_COUNT) continue;
        counters->present[id] = true;
        counters->value[id] = get_le32(item.value + offset + 2);
    }
    return 0;
}

uint16_t get_statistics(StatisticsCounters* counters) {
    api_begin(SERVICE_STATISTICS, STATISTICS_GET);
    MessageBuffer* response;
    uint16_t status = api_exchange(&response);
    if (status != 0) {
        memset(counters, 0, sizeof *counters);
        return status;
    }
    return parse_statistics(response, counters);
}
