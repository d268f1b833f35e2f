// The server lock and named locks, held by connections.
//
// A lock is re-entrant: the holder may take it again and must release it as
// often. The whole-server lock and each named lock are independent of one
// another; a named lock only conflicts with the same name (compared without
// regard to ASCII case) held by another connection.
#pragma once

#include <stdint.h>

#include <map>
#include <string>

// The results are those the lock answers carry.
#include "api/protocol.h"

struct LockHolder {
    uint32_t connection = 0;  // 0: free
    uint32_t depth = 0;
};

struct LockTable {
    LockHolder server;
    std::map<std::string, LockHolder> named;  // upper-cased name
};

// `name` null means the whole-server lock. LOCK_GRANTED or LOCK_HELD_BY_OTHER.
uint16_t lock_try(LockTable* table, const char* name, uint32_t connection);
// LOCK_RELEASED, LOCK_HELD_BY_OTHER or LOCK_NOT_HELD.
uint16_t lock_release(LockTable* table, const char* name, uint32_t connection);
// Drops every lock the connection holds, at any depth.
void lock_release_all(LockTable* table, uint32_t connection);
