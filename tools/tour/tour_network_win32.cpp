#include "tools/tour/tour_network_win32.h"

#include <string>

namespace {

// The scripting functions of the browser library's test copy, by name.
template <typename Function>
Function scripting(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

void script_tour_network() {
    HMODULE library = GetModuleHandleA("keelntbrs.dll");
    auto reset = scripting<void (*)()>(library, "fake_net_reset");
    auto add_domain = scripting<void (*)(const char*, const char*, const char*)>(library, "fake_net_add_domain");
    auto add_account = scripting<void (*)(const char*, int, const char*)>(library, "fake_net_add_account");
    if (!library || !reset || !add_domain || !add_account) return;  // the shipped library: the real network
    reset();
    add_domain("RIVERNET", "\\\\RIVERDC", "RIVERDC,RADIUS1");
    add_domain("LABNET", "\\\\LABDC", "LABDC");
    for (const char* user : {"aguerra", "jlee", "mpatel", "svc-radius"}) add_account("\\\\RIVERDC", 0, user);
    for (const char* group : {"Domain Admins", "Domain Users", "NOC Operators"}) add_account("\\\\RIVERDC", 1, group);
    add_account("\\\\LABDC", 0, "labadmin");
    char name[MAX_COMPUTERNAME_LENGTH + 1] = "";
    DWORD size = sizeof name;
    if (!GetComputerNameA(name, &size)) return;
    std::string host = std::string("\\\\") + name;
    for (const char* user : {"Administrator", "Guest", "operator"}) add_account(host.c_str(), 0, user);
    for (const char* group : {"Administrators", "Users"}) add_account(host.c_str(), 1, group);
}
