#include "sim/locks.h"

#include <ctype.h>

static std::string key_of(const char* name) {
    std::string key = name;
    for (char& c : key) c = (char)toupper((unsigned char)c);
    return key;
}

uint16_t lock_try(LockTable* table, const char* name, uint32_t connection) {
    LockHolder* holder = name ? &table->named[key_of(name)] : &table->server;
    if (holder->connection != 0 && holder->connection != connection) return LOCK_HELD_BY_OTHER;
    holder->connection = connection;
    ++holder->depth;
    return LOCK_GRANTED;
}

uint16_t lock_release(LockTable* table, const char* name, uint32_t connection) {
    if (!name) {
        LockHolder* holder = &table->server;
        if (holder->connection == 0) return LOCK_NOT_HELD;
        if (holder->connection != connection) return LOCK_HELD_BY_OTHER;
        if (--holder->depth == 0) holder->connection = 0;
        return LOCK_RELEASED;
    }
    auto found = table->named.find(key_of(name));
    if (found == table->named.end()) return LOCK_NOT_HELD;
    if (found->second.connection != connection) return LOCK_HELD_BY_OTHER;
    // Free names leave the table so it only ever holds taken locks.
    if (--found->second.depth == 0) table->named.erase(found);
    return LOCK_RELEASED;
}

void lock_release_all(LockTable* table, uint32_t connection) {
    if (table->server.connection == connection) table->server = LockHolder();
    for (auto i = table->named.begin(); i != table->named.end();) {
        if (i->second.connection == connection)
            i = table->named.erase(i);
        else
            ++i;
    }
}
