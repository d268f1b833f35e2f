#include "transfer/users_file_values.h"

#include <ctype.h>
#include <string.h>

#include "api/codec.h"
#include "attrs/value_text.h"
#include "platform/local_time.h"
#include "transfer/users_file_messages.h"

namespace {

// Decimal digits up to the first other character, held at 4294967295.
uint32_t leading_decimal(const char* text) {
    uint64_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (uint64_t)(*text - '0');
        if (value > 0xFFFFFFFFu) value = 0xFFFFFFFFu;
    }
    return (uint32_t)value;
}

void put_number(ImportedValue* value, uint32_t number, uint16_t width) {
    uint8_t bytes[4];
    put_le32(bytes, number);
    memcpy(value->data, bytes, width);
    value->length = width;
}

ValueConversion convert_number(const AttributeDefinition& definition, const char* text, const Dictionary* import,
                               TransferLog* log, ImportedValue* value) {
    uint32_t number = 0;
    if (isdigit((unsigned char)text[0])) {
        number = leading_decimal(text);
    } else if (!value_for_name(import, definition.name, text, &number)) {
        transfer_log_error(log, UF_UNKNOWN_VALUE, text, definition.name);
        return VALUE_IN_ERROR;
    }
    put_number(value, number, stored_number_width(definition.type));
    return VALUE_CONVERTED;
}

const char* const MONTHS[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The next part between blanks, tabs and commas, cut to `size`; false when none is left.
bool next_part(const char** at, char* part, uint32_t size) {
    const char* p = *at;
    while (*p == ' ' || *p == '\t' || *p == ',') ++p;
    if (!*p) return false;
    uint32_t length = 0;
    for (; *p && *p != ' ' && *p != '\t' && *p != ','; ++p)
        if (length + 1 < size) part[length++] = *p;
    part[length] = 0;
    *at = p;
    return true;
}

bool all_digits(const char* text) {
    if (!*text) return false;
    for (; *text; ++text)
        if (!isdigit((unsigned char)*text)) return false;
    return true;
}

}  // namespace

bool parse_month_date(const char* text, uint32_t* seconds) {
    char month[16], day[16], year[16], extra[2];
    const char* at = text;
    if (!next_part(&at, month, sizeof month) || !next_part(&at, day, sizeof day) ||
        !next_part(&at, year, sizeof year) || next_part(&at, extra, sizeof extra))
        return false;
    if (strlen(month) < 3 || !all_digits(day) || !all_digits(year) || strlen(day) > 2 || strlen(year) != 4)
        return false;
    CivilTime local = {(int32_t)leading_decimal(year), 0, (int32_t)leading_decimal(day), 0, 0, 0};
    for (int32_t i = 0; i < 12; ++i)
        if (tolower((unsigned char)month[0]) == tolower((unsigned char)MONTHS[i][0]) &&
            tolower((unsigned char)month[1]) == MONTHS[i][1] && tolower((unsigned char)month[2]) == MONTHS[i][2])
            local.month = i + 1;
    if (local.month == 0 || local.day < 1 || local.day > 31 || local.year < 1970 || local.year > 2036) return false;
    return local_standard_to_utc(local, seconds);
}

void address_to_addr_or_pool(ImportedValue* value) {
    uint8_t address[4];
    memcpy(address, value->data, sizeof address);
    put_le32(value->data, ADDR_SELECTOR_ADDRESS);
    memcpy(value->data + 4, address, sizeof address);
    value->type = AT_ADDR_OR_POOL;
    value->length = 8;
}

ValueConversion convert_users_value(const AttributeDefinition& definition, const char* text, const Dictionary* import,
                                    TransferLog* log, ImportedValue* value) {
    memset(value, 0, sizeof *value);
    value->type = (uint16_t)definition.type;
    uint32_t number = 0;
    uint32_t length = 0;
    switch (definition.type) {
    case AT_STRING:
    case AT_STRING_B:
        length = (uint32_t)strlen(text) + 1;
        if (length > MAX_VALUE_LENGTH) break;  // longer than any stored value may be
        memcpy(value->data, text, length);
        value->length = (uint16_t)length;
        return VALUE_CONVERTED;
    case AT_INTEGER:
    case AT_HEX8:
    case AT_HEX16:
    case AT_HEX32:
    case AT_INT8:
    case AT_INT16:
        return convert_number(definition, text, import, log, value);
    case AT_IPADDR:
    case AT_ADDR_OR_POOL:
        if (!parse_dotted_quad(text, &number)) break;
        put_number(value, number, 4);
        if (definition.type == AT_ADDR_OR_POOL) address_to_addr_or_pool(value);
        return VALUE_CONVERTED;
    case AT_HEXSTRING:
        if (!parse_hex_string(text, value->data, MAX_VALUE_LENGTH, &length)) {
            transfer_log_error(log, UF_BAD_HEX, text);
            return VALUE_IN_ERROR;
        }
        value->length = (uint16_t)length;
        return VALUE_CONVERTED;
    case AT_DATE:
        if (!parse_month_date(text, &number)) break;
        put_number(value, number, 4);
        return VALUE_CONVERTED;
    default:
        transfer_log_error(log, UF_UNKNOWN_TYPE, definition.name);
        return VALUE_UNKNOWN_TYPE;
    }
    transfer_log_error(log, UF_BAD_VALUE, text, definition.name);
    return VALUE_IN_ERROR;
}
