// The network browser library's entry points the console calls at start:
// they start the background lookups of domains and hosts.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

// 1 when the lookup thread was started.
int NetViewInitDomainLookup(void);
int NetViewInitHostLookup(void);

#ifdef __cplusplus
}
#endif
