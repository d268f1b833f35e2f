// Everything the reference server keeps: the object store and the state of
// the other services. Plain data; the server guards it with its mutex.
#pragma once

#include <stdint.h>

#include <map>
#include <set>
#include <string>
#include <vector>

const uint32_t SIM_DEFAULT_VERSION = 0x00011E00;  // 01.30.00
const uint16_t SIM_ACCESS_FULL = 2;

struct SimCounter {
    uint32_t value = 0;     // the value at `since_ms`
    uint32_t rate = 0;      // added per second while the server runs
    uint32_t since_ms = 0;  // server run time when `value` was set; not saved
};

struct SimSession {
    std::string client, user, dn, session_id, time, port, port_type, ip;
};

struct SimProduct {
    std::string name;
    uint32_t value = 0;
};

struct SimAttribute {
    std::string name;
    uint32_t number = 0, type = 0, flags = 0;
};

struct SimValueName {
    std::string attribute, name;
    uint32_t value = 0, aux = 0;
};

struct SimDictionary {
    std::string file;  // as the fixture names it, written back on save
    std::vector<SimAttribute> attributes;
    std::vector<SimValueName> values;
};

// Property name -> value bytes; object name -> properties; class name -> objects.
// std::string orders by unsigned bytes, the order enumeration promises.
typedef std::map<std::string, std::string> SimProperties;
typedef std::map<std::string, SimProperties> SimObjects;

struct SimState {
    uint32_t service_version = SIM_DEFAULT_VERSION;
    uint32_t required_console_version = SIM_DEFAULT_VERSION;
    uint32_t option_mask = 0;
    uint16_t access_level = SIM_ACCESS_FULL;
    std::string status_text;
    std::vector<SimProduct> products;
    std::set<std::string> admin_users;
    std::set<std::string> admin_groups;
    std::map<uint16_t, SimCounter> counters;
    std::vector<SimSession> sessions;                   // listing order
    std::map<std::string, SimDictionary> dictionaries;  // "" is the default dictionary
    std::map<std::string, SimObjects> classes;
};

// Counter value after `now_ms` of run time. Counter 0 is the up time and
// advances one per second whatever its rate.
uint32_t counter_value(uint16_t id, const SimCounter& counter, uint32_t now_ms);
