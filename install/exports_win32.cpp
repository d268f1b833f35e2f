// The library's exports: each runs the logic over the real system and turns
// its answer into the number the setup program expects.
#include <stdio.h>

#include "install/accounts.h"
#include "install/host_win32.h"
#include "install/keelinst_win32.h"
#include "install/processes.h"
#include "install/service_control.h"

static int answer_number(Answer answer) {
    switch (answer) {
        case Answer::yes: return 1;
        case Answer::no: return 0;
        case Answer::unknown: break;
    }
    return -1;
}

// A failure the result cannot carry goes to the debugger output, and stays
// the thread's last error for the caller to read.
static void report_failure(const char* what, const char* subject, uint32_t error) {
    char text[512];
    snprintf(text, sizeof text, "keelinst: %s %s failed (error %lu)\n", what, subject != nullptr ? subject : "",
             static_cast<unsigned long>(error));
    OutputDebugStringA(text);
    SetLastError(error);
}

int WINAPI RadServiceIsInstalled(void) { return service_is_installed(win32_install_host()) ? 1 : 0; }

int WINAPI RadServiceInstall(const char* executable_path, const char* account, const char* password) {
    return service_install(win32_install_host(), executable_path, account, password);
}

int WINAPI RadServiceStart(void) { return service_start(win32_install_host()); }

int WINAPI RadServiceStop(void) { return service_stop(win32_install_host()); }

int WINAPI CreateUserWithRights(const char* user, const char* password, const char* directory) {
    AccountOutcome outcome = create_user_with_rights(win32_install_host(), user, password, directory);
    if (outcome.error != 0) {
        report_failure("creating the account with its rights:", user, outcome.error);
        return -1;
    }
    if (outcome.file_error != 0) {
        report_failure("writing radius.usr in", directory, outcome.file_error);
    } else {
        SetLastError(0);
    }
    return 0;
}

int WINAPI UpdateUserRights(const char* user) {
    uint32_t error = grant_service_rights(win32_install_host(), user);
    if (error == 0) return 0;
    report_failure("granting the service rights to", user, error);
    return -1;
}

int WINAPI DoesUserExist(const char* user) { return answer_number(user_exists(win32_install_host(), user)); }

int WINAPI IsDomainController(void) { return answer_number(is_domain_controller(win32_install_host())); }

int WINAPI PerfMonInstall(const char* counter_file) {
    uint32_t error = install_counters(win32_install_host(), counter_file);
    if (error != 0) {
        report_failure("loading the counter texts of", counter_file, error);
    } else {
        SetLastError(0);
    }
    return 0;
}

void WINAPI KillProcess(const char* path_prefix) { kill_processes(win32_install_host(), path_prefix); }
