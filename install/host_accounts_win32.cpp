// Local users and the rights of the local security policy.
#include "install/host_win32.h"
// After <windows.h>, which the host header brings.
#include <lm.h>
#include <ntsecapi.h>

namespace {

const int NAME_COUNT = 257;
const int PASSWORD_COUNT = 257;
const int COMMENT_COUNT = 257;

uint32_t add_user(void*, const NewUser* user) {
    wchar_t name[NAME_COUNT];
    wchar_t password[PASSWORD_COUNT];
    wchar_t comment[COMMENT_COUNT];
    wchar_t empty[1] = {L'\0'};
    if (!to_wide(user->name, name, NAME_COUNT) || !to_wide(user->password, password, PASSWORD_COUNT) ||
        !to_wide(user->comment, comment, COMMENT_COUNT)) {
        return ERROR_INVALID_PARAMETER;
    }
    USER_INFO_1 info = {};
    info.usri1_name = name;
    info.usri1_password = password;
    info.usri1_priv = USER_PRIV_USER;
    info.usri1_home_dir = empty;
    info.usri1_comment = comment;
    info.usri1_flags = user->flags;
    info.usri1_script_path = empty;
    DWORD bad_field = 0;
    uint32_t status = NetUserAdd(nullptr, 1, reinterpret_cast<BYTE*>(&info), &bad_field);
    SecureZeroMemory(password, sizeof password);
    return status;
}

uint32_t find_user(void*, const char* name) {
    wchar_t wide[NAME_COUNT];
    if (!to_wide(name, wide, NAME_COUNT)) return ERROR_INVALID_PARAMETER;
    BYTE* info = nullptr;
    NET_API_STATUS status = NetUserGetInfo(nullptr, wide, 0, &info);
    if (info != nullptr) NetApiBufferFree(info);
    return status;
}

uint32_t open_policy(void*, uint32_t access, HostHandle* policy) {
    LSA_OBJECT_ATTRIBUTES attributes = {};
    LSA_HANDLE handle = nullptr;
    NTSTATUS status = LsaOpenPolicy(nullptr, &attributes, access, &handle);
    if (status != 0) return LsaNtStatusToWinError(status);
    *policy = handle;
    return 0;
}

uint32_t lookup_account(void*, const char* name, AccountSid* sid) {
    wchar_t wide[NAME_COUNT];
    if (!to_wide(name, wide, NAME_COUNT)) return ERROR_INVALID_PARAMETER;
    DWORD sid_size = sizeof sid->bytes;
    wchar_t domain[NAME_COUNT];
    DWORD domain_count = NAME_COUNT;
    SID_NAME_USE use;
    if (!LookupAccountNameW(nullptr, wide, sid->bytes, &sid_size, domain, &domain_count, &use)) {
        return GetLastError();
    }
    sid->length = sid_size;
    return 0;
}

uint32_t add_account_right(void*, HostHandle policy, const AccountSid* sid, const char* right) {
    wchar_t name[64];
    if (!to_wide(right, name, 64)) return ERROR_INVALID_PARAMETER;
    LSA_UNICODE_STRING text;
    text.Buffer = name;
    text.Length = static_cast<USHORT>(wcslen(name) * sizeof(wchar_t));
    text.MaximumLength = static_cast<USHORT>(text.Length + sizeof(wchar_t));
    PSID account = const_cast<uint8_t*>(sid->bytes);
    NTSTATUS status = LsaAddAccountRights(static_cast<LSA_HANDLE>(policy), account, &text, 1);
    return status == 0 ? 0 : LsaNtStatusToWinError(status);
}

void close_policy(void*, HostHandle policy) {
    if (policy != nullptr) LsaClose(static_cast<LSA_HANDLE>(policy));
}

}  // namespace

void add_account_functions(InstallHost* host) {
    host->add_user = add_user;
    host->find_user = find_user;
    host->open_policy = open_policy;
    host->lookup_account = lookup_account;
    host->add_account_right = add_account_right;
    host->close_policy = close_policy;
}
