// A proxy target as the database holds it: an object of class "++l-Proxy"
// named by the target, with "IPAddress", "SharedSecret", "AcctSharedSecret",
// "Retry-Count", "Retry-Milliseconds" and "Proxy-Acct-Flags". These are the
// server sequences on one record; they show nothing and return the first
// failing status.
#pragma once

#include <stdint.h>

#include "api/db_lists.h"
#include "panels/scrambled_secret.h"

#define PROXY_CLASS "++l-Proxy"
// The roaming target; it has no address.
#define ROAMING_PROXY_NAME "<ROAMING>"

const uint32_t PROXY_NAME_SIZE = 80;  // 79 characters, OEM, upper case
const uint32_t PROXY_ADDRESS_SIZE = 4;

// "Proxy-Acct-Flags": where accounting goes.
const uint32_t PROXY_ACCT_FORWARD = 1;
const uint32_t PROXY_ACCT_RECORD = 2;
const uint32_t PROXY_ACCT_BOTH = 3;

const uint32_t DEFAULT_RETRY_COUNT = 3;
const uint32_t DEFAULT_RETRY_MS = 5000;

struct ProxyRecord {
    char name[PROXY_NAME_SIZE];
    uint8_t address[PROXY_ADDRESS_SIZE];  // first octet first; all zero: none
    ScrambledSecret secret;
    ScrambledSecret acct_secret;
    uint32_t acct_flags;
    uint32_t retry_count;
    uint32_t retry_ms;
};

// Every field but the name to zero.
void clear_proxy_fields(ProxyRecord* record);
bool proxy_has_address(const ProxyRecord& record);
bool is_roaming_proxy(const char* name);

// The target names, sorted, under the server lock.
uint16_t list_proxies(NameList* names);
// Reads the target `record->name` under the server lock; the other fields
// are cleared first, and a stored accounting mode of 0 reads as Forward. A
// property the object lacks reads as not set.
uint16_t read_proxy(ProxyRecord* record);
// Writes the whole target under the temporary name and renames it over the
// stored one, under the server lock.
uint16_t write_proxy(const ProxyRecord& record);
// A new target with the default retries and Forward; deleted again when a
// default cannot be set.
uint16_t create_proxy(const char* name);
uint16_t delete_proxy(const char* name);
