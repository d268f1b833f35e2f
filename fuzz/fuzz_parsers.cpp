// Any bytes as the response to each kind of request: the first byte picks
// the parser, the rest is the response.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "api/current_users.h"
#include "api/db.h"
#include "api/dictionary_wire.h"
#include "api/requests.h"

namespace {

bool count_records(void*, uint32_t count) { return count < 100000; }
bool keep_record(void* context, const DictionaryRecordFields& fields) {
    uint32_t* seen = (uint32_t*)context;
    *seen += (uint32_t)strlen(fields.name) + (uint32_t)strlen(fields.value_name);
    return *seen < 1000000;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    uint8_t which = data[0];
    ++data;
    --size;
    if (size > MSG_BUFFER_SIZE) size = MSG_BUFFER_SIZE;
    std::vector<uint8_t> bytes(data, data + size);
    MessageBuffer response;
    msg_init(&response, bytes.data(), (uint16_t)size);

    switch (which % 10) {
        case 0: {
            StatisticsCounters counters;
            parse_statistics(&response, &counters);
            break;
        }
        case 1: {
            static uint8_t area[ADMIN_NAMES_CAPACITY];
            uint16_t length;
            bool more;
            parse_admin_batch(&response, area, 100, &length, &more);
            if (length > 100) __builtin_trap();
            break;
        }
        case 2: {
            char text[64];
            parse_status_text(&response, text, sizeof text);
            if (strlen(text) >= sizeof text) __builtin_trap();
            break;
        }
        case 3: {
            ProductList list;
            bool has_list;
            parse_product_list(&response, &list, &has_list);
            for (uint32_t i = 0; i < list.count; ++i)
                if (strlen(list.products[i].name) > 31) __builtin_trap();
            product_list_free(&list);
            break;
        }
        case 4: parse_lock_result(&response, which & 0x80); break;
        case 5: {
            CurrentUserBatch batch;
            parse_current_users(&response, &batch);
            if (batch.count > CU_MAX_BATCH) __builtin_trap();
            for (uint16_t i = 0; i < batch.count; ++i)
                if (strlen(batch.records[i].ip_text) > 15 || strlen(batch.records[i].port_text) > 10) __builtin_trap();
            current_user_batch_free(&batch);
            break;
        }
        case 6: {
            uint32_t seen = 0;
            DictionaryRecordSink sink = {count_records, keep_record};
            DictionaryReadResult result;
            read_dictionary_records(&response, sink, &seen, &result);
            break;
        }
        case 7: {
            char* names = nullptr;
            uint32_t count = 0;
            parse_dictionary_list(&response, &names, &count);
            free(names);
            break;
        }
        case 8: {
            uint8_t area[32];
            uint16_t length;
            parse_db_get(&response, area, sizeof area, &length);
            if (length > sizeof area) __builtin_trap();
            break;
        }
        case 9: {
            uint8_t area[32];
            uint16_t length;
            bool more;
            parse_db_enumerate(&response, area, sizeof area, &length, &more);
            if (length > sizeof area) __builtin_trap();
            break;
        }
    }
    return 0;
}
