// keeladmnt-setup.exe under Wine: a silent install puts every file in place,
// the installed console starts and shows its main window, keelcli runs, and
// the silent uninstall takes it all away again; with /SERVICE it registers
// and starts the service through keelinst.dll.
// Arguments: the setup program, then the test service program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/install/service_support_win32.h"

namespace {

std::string setup_path;
std::string service_program;

const DWORD SETUP_TIMEOUT_MS = 120000;

std::string install_directory() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "keeladmnt setup test";
}

// Runs a command line and waits; returns its exit code, or ~0u when it could
// not be started or did not end in time.
DWORD run(std::string command_line, DWORD timeout_ms) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command_line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return ~0u;
    }
    DWORD code = ~0u;
    if (WaitForSingleObject(process.hProcess, timeout_ms) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

struct WindowSearch {
    DWORD process_id;
    HWND found;
};

BOOL CALLBACK find_main_window(HWND window, LPARAM arg) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(arg);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char class_name[32];
    if (owner == search->process_id && GetClassNameA(window, class_name, sizeof class_name) > 0 &&
        lstrcmpA(class_name, "KLADMIN") == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Starts the console and waits for its main window (null when none showed).
HWND start_console(const std::string& program, PROCESS_INFORMATION* process) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string command = "\"" + program + "\"";
    if (!CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        process)) {
        return nullptr;
    }
    WindowSearch search = {process->dwProcessId, nullptr};
    for (int i = 0; i < 300 && search.found == nullptr; ++i) {
        if (WaitForSingleObject(process->hProcess, 100) == WAIT_OBJECT_0) break;
        EnumWindows(find_main_window, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

void end_console(PROCESS_INFORMATION* process) {
    TerminateProcess(process->hProcess, 1);
    CloseHandle(process->hProcess);
    CloseHandle(process->hThread);
}

void console_starts_and_closes(const std::string& program) {
    PROCESS_INFORMATION process = {};
    HWND window = start_console(program, &process);
    ASSERT_NE(nullptr, process.hProcess);
    EXPECT_NE(nullptr, window) << "the installed console showed no main window";
    if (window != nullptr) PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(process.hProcess, 10000))
        << "the console did not close";
    end_console(&process);
}

void uninstall(const std::string& directory) {
    // "_?=" runs the uninstaller in place, so it is waited for.
    run("\"" + directory + "\\uninstall.exe\" /S _?=" + directory, SETUP_TIMEOUT_MS);
    DeleteFileA((directory + "\\uninstall.exe").c_str());
    RemoveDirectoryA(directory.c_str());
}

TEST(Setup, SilentInstallThenTheConsoleStartsThenSilentUninstall) {
    std::string directory = install_directory();
    uninstall(directory);  // a leftover from an interrupted run

    ASSERT_EQ(0u, run("\"" + setup_path + "\" /S /D=" + directory, SETUP_TIMEOUT_MS));
    const char* installed[] = {"keeladmnt.exe", "keelntbrs.dll", "keelinst.dll", "keelcli.exe", "uninstall.exe"};
    for (const char* name : installed) EXPECT_TRUE(file_exists(directory + "\\" + name)) << name;
#ifdef KEEL_SETUP_HAS_GRID
    EXPECT_TRUE(file_exists(directory + "\\keelgrid32.dll"));
#endif

    console_starts_and_closes(directory + "\\keeladmnt.exe");
    EXPECT_EQ(0u, run("\"" + directory + "\\keelcli.exe\" --help", 30000));

    EXPECT_EQ(0u, run("\"" + directory + "\\uninstall.exe\" /S _?=" + directory, SETUP_TIMEOUT_MS));
    for (const char* name : installed) {
        if (lstrcmpA(name, "uninstall.exe") != 0) { EXPECT_FALSE(file_exists(directory + "\\" + name)) << name; }
    }
    uninstall(directory);
}

TEST(Setup, RegistersTheServiceAndEndsRunningConsolesBeforeReplacingThem) {
    std::string directory = install_directory();
    uninstall(directory);
    remove_service();

    ASSERT_EQ(0u, run("\"" + setup_path + "\" /S /SERVICE=" + service_program + " /D=" + directory, SETUP_TIMEOUT_MS));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_RUNNING), wait_for_state(SERVICE_RUNNING));
    EXPECT_EQ(service_program, service_config().path);

    // Installing again over a running console ends it first.
    PROCESS_INFORMATION console = {};
    HWND window = start_console(directory + "\\keeladmnt.exe", &console);
    ASSERT_NE(nullptr, console.hProcess);
    EXPECT_NE(nullptr, window);
    EXPECT_EQ(0u, run("\"" + setup_path + "\" /S /D=" + directory, SETUP_TIMEOUT_MS));
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(console.hProcess, 0));
    end_console(&console);

    remove_service();
    uninstall(directory);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        fprintf(stderr, "usage: setup_wine_tests KEELADMNT_SETUP_EXE TEST_SERVICE_EXE\n");
        return 2;
    }
    setup_path = full_path(argv[1]);
    service_program = full_path(argv[2]);
    return RUN_ALL_TESTS();
}
