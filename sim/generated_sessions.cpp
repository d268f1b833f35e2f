#include "sim/generated_sessions.h"

#include <stdio.h>

namespace {

const char* const CLIENTS[] = {"HQ-NAS1",    "HQ-NAS2",   "HQ-ISDN",   "VPN-GW1",      "VPN-GW2",     "POP-NORTH1",
                               "POP-SOUTH1", "POP-EAST1", "POP-WEST1", "BRANCH-LEEDS", "BRANCH-YORK", "DIALUP-7"};
const char* const PORT_TYPES[] = {"Async", "ISDN", "Virtual", "Ethernet"};

std::string format(const char* pattern, uint32_t a, uint32_t b = 0, uint32_t c = 0, uint32_t d = 0, uint32_t e = 0,
                   uint32_t f = 0) {
    char text[64];
    snprintf(text, sizeof text, pattern, a, b, c, d, e, f);
    return text;
}

}  // namespace

void add_generated_sessions(std::vector<SimSession>* sessions, uint32_t count) {
    uint32_t random = 20240314;
    for (uint32_t i = 0; i < count; ++i) {
        random = random * 1103515245u + 12345u;
        uint32_t mixed = random >> 8;
        SimSession session;
        // Users numbered in an order unlike the list's; the index keeps them distinct.
        session.user = format("USER%06u", (i * 7919u) % 1000003u);
        session.dn = session.user;
        session.client = CLIENTS[mixed % (sizeof CLIENTS / sizeof CLIENTS[0])];
        session.port = format("%u", mixed % 480 + 1);
        session.port_type = PORT_TYPES[(mixed >> 9) % (sizeof PORT_TYPES / sizeof PORT_TYPES[0])];
        uint32_t minutes = mixed % (60 * 24 * 28);
        session.time = format("%02u/%02u/2024 %02u:%02u:%02u", 2 + (mixed >> 20) % 2, 1 + minutes / (60 * 24),
                              minutes / 60 % 24, minutes % 60, (mixed >> 3) % 60);
        session.session_id = format("%08X", random);
        session.ip = format("10.%u.%u.%u", (i >> 16) & 255, (i >> 8) & 255, i & 255);
        sessions->push_back(session);
    }
}
