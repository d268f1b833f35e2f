// The account the service runs under: creating it, granting it the rights a
// service needs, and asking whether it exists.
#pragma once

#include <stdint.h>

#include "install/domain.h"
#include "install/install_host.h"

// The policy access that creating accounts and looking up names needs.
constexpr uint32_t POLICY_ACCESS_FOR_RIGHTS = 0x0810;
// Logon script runs, normal account.
constexpr uint32_t NEW_USER_FLAGS = 0x0201;

struct AccountOutcome {
    // 0 when the user exists with both rights; else the platform error that stopped it.
    uint32_t error;
    // Nonzero when "radius.usr" could not be written. This does not stop the
    // rights from being granted: the service can run without the file, not
    // without the rights. The caller reports it.
    uint32_t file_error;
};

// "SeServiceLogonRight" then "SeTcbPrivilege"; the first failure ends it.
uint32_t grant_service_rights(const InstallHost& host, const char* user);
// Adds the local user (an existing one is kept), writes the user name into
// "radius.usr" in `directory`, then grants the rights.
AccountOutcome create_user_with_rights(const InstallHost& host, const char* user, const char* password,
                                       const char* directory);
Answer user_exists(const InstallHost& host, const char* user);
