// Host-name lookups for tests, which must never depend on the network:
// installed for its lifetime, it knows the hosts it is given and counts and
// records every lookup.
#pragma once

#include <stdint.h>

#include <map>
#include <string>

struct FakeResolver {
    std::map<std::string, uint32_t> hosts;  // name -> address, first octet most significant
    int lookups = 0;
    std::string last_name;

    FakeResolver();
    ~FakeResolver();
    FakeResolver& add(const char* name, uint8_t a, uint8_t b, uint8_t c, uint8_t d);
};
