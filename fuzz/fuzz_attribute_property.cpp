// Any bytes as a stored attribute property: read into a list, shown, compared
// and written back. Nothing may crash, and what is written back must read
// as the same records.
#include <stdint.h>
#include <string.h>

#include <vector>

#include "attrs/attribute_list.h"
#include "attrs/attribute_property.h"
#include "attrs/value_forms.h"
#include "attrs/value_text.h"

namespace {

struct Seen {
    uint16_t type, length, flags;
    std::vector<uint8_t> data;
};

std::vector<Seen> read_back(const uint8_t* bytes, uint32_t length) {
    std::vector<Seen> out;
    uint16_t word2 = 0;
    walk_property(bytes, length, &word2, [&](const StoredRecord& record) {
        out.push_back(
            {record.type, record.length, record.flags, std::vector<uint8_t>(record.data, record.data + record.length)});
        return true;
    });
    return out;
}

// The text parsers on a record's bytes taken as typed text.
void parse_as_text(const uint8_t* data, uint16_t length) {
    char text[130];
    uint32_t n = length < sizeof text - 1 ? length : sizeof text - 1;
    memcpy(text, data, n);
    text[n] = 0;
    uint8_t bytes[64];
    uint32_t count = 0, value = 0;
    if (parse_hex_string(text, bytes, sizeof bytes, &count) && (count == 0 || count > sizeof bytes)) __builtin_trap();
    parse_hex_number(text, &value);
    parse_unsigned_number(text, &value);
    parse_dotted_quad(text, &value);
    parse_date(text, &value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 65535) return 0;
    const uint32_t length = (uint32_t)size;
    AttributeList list = {0, 0, nullptr};
    std::vector<std::vector<uint8_t>> originals;  // each record's whole data, for writing back
    uint16_t word2 = 0;
    walk_property(data, length, &word2, [&](const StoredRecord& record) {
        AttributeInstance instance;
        instance_from_record(record.index % 2 ? "Odd" : "Even", word2, record, &instance);
        if (instance.length > MAX_VALUE_LENGTH) __builtin_trap();
        instance.type = instance.stored_type;
        char line[VALUE_LINE_SIZE], edit[VALUE_TEXT_SIZE], pool[64];
        format_value_line(instance, line, sizeof line);
        format_edit_text(instance, edit, sizeof edit);
        value_pool_name(instance, pool, sizeof pool);
        if (strlen(line) >= sizeof line || strlen(edit) >= sizeof edit) __builtin_trap();
        parse_as_text(record.data, record.length);
        for (uint16_t i = list.count > 8 ? (uint16_t)(list.count - 8) : 0; i < list.count; ++i) {
            values_equal(instance, list.items[i]);
            value_before(instance, list.items[i]);
        }
        originals.push_back(std::vector<uint8_t>(record.data, record.data + record.length));
        // Appended in stored order, so the write-back below can be compared.
        return attribute_list_insert(&list, list.count, instance);
    });
    if (list.count > 0) {
        insert_position(list, list.items[0], true);
        find_identical(list, list.items[list.count - 1]);
    }

    std::vector<uint8_t> written(PROPERTY_HEADER_LENGTH + length + RECORD_HEADER_LENGTH);
    uint32_t used = PROPERTY_HEADER_LENGTH;
    for (uint16_t i = 0; i < list.count; ++i) {
        const AttributeInstance& instance = list.items[i];
        const uint8_t* whole = (instance.state & IS_LONG_VALUE) ? originals[i].data() : nullptr;
        if (!append_record(written.data(), (uint32_t)written.size(), &used, instance, instance.flags, whole))
            __builtin_trap();
    }
    put_le16(written.data(), list.count);
    put_le16(written.data() + 2, word2);
    std::vector<Seen> before = read_back(data, length);
    std::vector<Seen> after = read_back(written.data(), used);
    if (before.size() != after.size() || before.size() != list.count) __builtin_trap();
    for (size_t i = 0; i < before.size(); ++i) {
        if (before[i].type != after[i].type || before[i].length != after[i].length ||
            before[i].flags != after[i].flags || before[i].data != after[i].data)
            __builtin_trap();
    }
    attribute_list_free(&list);
    return 0;
}
