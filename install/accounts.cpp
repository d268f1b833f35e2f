#include "install/accounts.h"

#include <stdio.h>
#include <string.h>

#include "install/service_control.h"

static const char USER_FILE[] = "radius.usr";
static const char* const SERVICE_RIGHTS[] = {"SeServiceLogonRight", "SeTcbPrivilege"};
static const size_t PATH_SIZE = 1024;
static const size_t COMMENT_SIZE = 256;

uint32_t grant_service_rights(const InstallHost& host, const char* user) {
    if (user == nullptr || user[0] == '\0') return HOST_ERROR_INVALID_PARAMETER;
    HostHandle policy = nullptr;
    uint32_t error = host.open_policy(host.context, POLICY_ACCESS_FOR_RIGHTS, &policy);
    if (error != 0) return error;
    for (const char* right : SERVICE_RIGHTS) {
        AccountSid sid;
        error = host.lookup_account(host.context, user, &sid);
        if (error == 0) error = host.add_account_right(host.context, policy, &sid, right);
        if (error != 0) break;
    }
    host.close_policy(host.context, policy);
    return error;
}

// "radius.usr" holds the user name with its terminating NUL.
static uint32_t write_user_file(const InstallHost& host, const char* user, const char* directory) {
    if (directory == nullptr || directory[0] == '\0') return HOST_ERROR_INVALID_PARAMETER;
    size_t length = strlen(directory);
    const char* separator = directory[length - 1] == '\\' ? "" : "\\";
    char path[PATH_SIZE];
    int written = snprintf(path, sizeof path, "%s%s%s", directory, separator, USER_FILE);
    if (written < 0 || static_cast<size_t>(written) >= sizeof path) return HOST_ERROR_INVALID_PARAMETER;
    return host.replace_file(host.context, path, user, strlen(user) + 1);
}

AccountOutcome create_user_with_rights(const InstallHost& host, const char* user, const char* password,
                                       const char* directory) {
    AccountOutcome outcome = {0, 0};
    if (user == nullptr || user[0] == '\0') {
        outcome.error = HOST_ERROR_INVALID_PARAMETER;
        return outcome;
    }
    char comment[COMMENT_SIZE];
    snprintf(comment, sizeof comment, "User for %s", SERVICE_NAME);
    NewUser new_user = {user, password != nullptr ? password : "", comment, NEW_USER_FLAGS};
    uint32_t error = host.add_user(host.context, &new_user);
    if (error != 0 && error != HOST_ERROR_USER_EXISTS) {
        outcome.error = error;
        return outcome;
    }
    outcome.file_error = write_user_file(host, user, directory);
    outcome.error = grant_service_rights(host, user);
    return outcome;
}

Answer user_exists(const InstallHost& host, const char* user) {
    if (user == nullptr || user[0] == '\0') return Answer::unknown;
    uint32_t error = host.find_user(host.context, user);
    if (error == 0) return Answer::yes;
    return error == HOST_ERROR_USER_NOT_FOUND ? Answer::no : Answer::unknown;
}
