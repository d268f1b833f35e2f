// keelntbrs.dll, the network browser: the exports that take no window.
// The console binds them by ordinal (keelntbrs.def); those that fill list
// views are in netview_lists_win32.h.
#pragma once

#include <stdint.h>

// NetViewGetDomainState, NetViewGetHostState.
enum NetViewState { NETVIEW_FAILED = 0, NETVIEW_NOT_READY = 1, NETVIEW_READY = 2 };
// NetViewFlushCache.
enum NetViewCache { NETVIEW_CACHE_DOMAINS = 0, NETVIEW_CACHE_HOSTS = 1 };
// What the wait exports return when the lookup did not end in time.
const uint32_t NETVIEW_WAIT_TIMEOUT = 258;
// How long the console waits for a lookup. When the wait runs out with the
// state still 1, the lookup goes on in the background: the console draws
// what the cache holds so far and warns with these texts (title "WARNING"),
// rather than report a failure that has not happened.
const uint32_t NETVIEW_LOOKUP_WAIT_MS = 20000;
#define NETVIEW_DOMAIN_WAIT_TEXT                                                                 \
    "The network is slow to answer: the search for domains has not finished after 20 seconds.\n" \
    "The list shows the domains found so far. Press Refresh to search again."
#define NETVIEW_HOST_WAIT_TEXT                                                                 \
    "The network is slow to answer: the search for hosts has not finished after 20 seconds.\n" \
    "The list shows the hosts found so far. Press Refresh to search again."

#ifdef __cplusplus
extern "C" {
#endif

int NetViewFlushCache(int which);
// 1 when the lookup thread was started.
int NetViewInitDomainLookup(void);
int NetViewInitHostLookup(void);
uint16_t NetViewGetDomainState(void);
uint16_t NetViewGetHostState(void);
// 0 when the lookup's event is signalled, NETVIEW_WAIT_TIMEOUT when the time
// ran out; the wait cursor shows meanwhile.
uint32_t NetViewWaitOnGetDomainEvent(uint32_t milliseconds);
int NetViewResetGetDomainEvent(void);
uint32_t NetViewWaitOnGetHostEvent(uint32_t milliseconds);
int NetViewResetGetHostEvent(void);

#ifdef __cplusplus
}
#endif
