#include <netdb.h>
#include <netinet/in.h>
#include <string.h>
#include <sys/socket.h>

bool system_resolve_host(const char* name, uint8_t octets[4]) {
    addrinfo hints;
    memset(&hints, 0, sizeof hints);
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (getaddrinfo(name, nullptr, &hints, &found) != 0 || !found) return false;
    const sockaddr_in* address = (const sockaddr_in*)found->ai_addr;
    memcpy(octets, &address->sin_addr.s_addr, 4);
    freeaddrinfo(found);
    return true;
}
