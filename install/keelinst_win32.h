// keelinst.dll: what a setup program calls, by name, to install the server's
// service "Keelgate Access Control", its account and performance counters.
// All texts are ANSI. No function shows a message.
//
// Besides its result, CreateUserWithRights sets the thread's last error: 0
// when everything was done, the file error when only "radius.usr" could not
// be written (the result is still 0), the failing error with -1.
// PerfMonInstall always returns 0 and leaves the loader's error as the last
// error. Both also say what failed on the debugger output.
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

int WINAPI RadServiceIsInstalled(void);
int WINAPI RadServiceInstall(const char* executable_path, const char* account, const char* password);
int WINAPI RadServiceStart(void);
int WINAPI RadServiceStop(void);
int WINAPI CreateUserWithRights(const char* user, const char* password, const char* directory);
int WINAPI UpdateUserRights(const char* user);
int WINAPI DoesUserExist(const char* user);
int WINAPI IsDomainController(void);
int WINAPI PerfMonInstall(const char* counter_file);
void WINAPI KillProcess(const char* path_prefix);

#ifdef __cplusplus
}
#endif
