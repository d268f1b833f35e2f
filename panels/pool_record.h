// An IP address pool as the database holds it: an object of class
// "IP-Addr-Pool" named by the pool, with the properties "Addr-Pool-Desc"
// (the description and its NUL) and "Addr-Pool-Ranges" (the ranges' stored
// form). These are the server sequences on one pool; they show nothing and
// return the first failing status.
#pragma once

#include <stdint.h>

#include "api/db_lists.h"
#include "panels/pool_ranges.h"

#define POOL_CLASS "IP-Addr-Pool"

const uint32_t POOL_NAME_SIZE = 256;
const uint32_t POOL_NAME_LIMIT = 63;         // characters typed for a new pool
const uint32_t POOL_DESCRIPTION_SIZE = 256;  // 255 characters and the NUL

struct PoolRecord {
    char name[POOL_NAME_SIZE];  // OEM, upper case
    char description[POOL_DESCRIPTION_SIZE];
    PoolRanges ranges;
};

// The name, an empty description and no ranges.
void pool_record_start(PoolRecord* record, const char* name);

// The pool names, sorted, under the server lock.
uint16_t list_pools(NameList* names);
// Reads the pool `record->name` under the server lock. A property the
// object lacks reads as empty (a new pool has none yet). A stored list that
// cannot be taken (overlap 208, same start 207, too long 200) fails the read
// with the description kept and no ranges. A description longer than the
// field is cut and reported through `*description_cut`; the read goes on.
uint16_t read_pool(PoolRecord* record, bool* description_cut);
// Writes the whole pool under the temporary name and renames it over the
// stored one, under the server lock: a failure at any step leaves the
// stored pool as it was.
uint16_t write_pool(const PoolRecord& record);
// A new pool without properties, and the removal of one, under the lock.
uint16_t create_pool(const char* name);
uint16_t delete_pool(const char* name);
