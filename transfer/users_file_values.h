// A users file's value text converted by the type the import dictionary
// gives its attribute, into the stored data of an attribute instance.
#pragma once

#include <stdint.h>

#include "attrs/attribute_instance.h"
#include "attrs/dictionary.h"
#include "transfer/transfer_log.h"

struct ImportedValue {
    uint16_t type;
    uint16_t length;
    uint8_t data[MAX_VALUE_LENGTH];
};

enum ValueConversion {
    VALUE_CONVERTED,
    VALUE_IN_ERROR,      // logged and counted: the entry is left out
    VALUE_UNKNOWN_TYPE,  // logged: the entry's list fails
};

// Numbers are decimal when they begin with a digit, else value names of the
// attribute in `import`; addresses are dotted quads; dates are a month name,
// day and year ("Jan 5 1998"), stored as that day's local midnight.
ValueConversion convert_users_value(const AttributeDefinition& definition, const char* text, const Dictionary* import,
                                    TransferLog* log, ImportedValue* value);

// "Jan 5 1998", "January 5, 1998": the first three letters of the month
// name (case ignored), the day and the year, separated by blanks, tabs or
// commas; local standard midnight in seconds since 1970.
bool parse_month_date(const char* text, uint32_t* seconds);

// An address value as this server's address-or-pool type: selector 0 and the address.
void address_to_addr_or_pool(ImportedValue* value);
