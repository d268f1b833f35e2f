// keelinst.dll under Wine: its exports by name, the service against Wine's
// service manager with a small test service, ending processes, the dialog.
// Arguments: the DLL, then the test service program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "install/keelinst_ids.h"
#include "tests/install/service_support_win32.h"

namespace {

std::string dll_path;
std::string service_path;

struct Keelinst {
    HMODULE module = nullptr;
    int(WINAPI* is_installed)(void);
    int(WINAPI* install)(const char*, const char*, const char*);
    int(WINAPI* start)(void);
    int(WINAPI* stop)(void);
    int(WINAPI* create_user)(const char*, const char*, const char*);
    int(WINAPI* update_rights)(const char*);
    int(WINAPI* user_exists)(const char*);
    int(WINAPI* is_domain_controller)(void);
    int(WINAPI* perfmon_install)(const char*);
    void(WINAPI* kill_process)(const char*);
};

template <typename F>
void bind(HMODULE module, const char* name, F* function) {
    *function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    EXPECT_NE(nullptr, reinterpret_cast<void*>(*function)) << name;
}

Keelinst load() {
    Keelinst k;
    k.module = LoadLibraryA(dll_path.c_str());
    EXPECT_NE(nullptr, k.module) << dll_path;
    bind(k.module, "RadServiceIsInstalled", &k.is_installed);
    bind(k.module, "RadServiceInstall", &k.install);
    bind(k.module, "RadServiceStart", &k.start);
    bind(k.module, "RadServiceStop", &k.stop);
    bind(k.module, "CreateUserWithRights", &k.create_user);
    bind(k.module, "UpdateUserRights", &k.update_rights);
    bind(k.module, "DoesUserExist", &k.user_exists);
    bind(k.module, "IsDomainController", &k.is_domain_controller);
    bind(k.module, "PerfMonInstall", &k.perfmon_install);
    bind(k.module, "KillProcess", &k.kill_process);
    return k;
}

class KeelinstTest : public ::testing::Test {
protected:
    void SetUp() override {
        k = load();
        remove_service();  // a leftover from an interrupted run
    }
    void TearDown() override {
        remove_service();
        if (k.module != nullptr) FreeLibrary(k.module);
    }
    Keelinst k;
};

TEST_F(KeelinstTest, ServiceInstallStartStopRemove) {
    std::string program = full_path(service_path);
    std::string marker = directory_of(program) + "killbtrv.cfg";
    DeleteFileA(marker.c_str());

    EXPECT_EQ(0, k.is_installed());
    EXPECT_EQ(7, k.stop());
    EXPECT_EQ(4, k.start());

    ASSERT_EQ(0, k.install(program.c_str(), "UseSystemAccount", nullptr));
    EXPECT_EQ(1, k.is_installed());
    EXPECT_EQ(3, k.install(program.c_str(), "UseSystemAccount", nullptr));
    ServiceConfig config = service_config();
    EXPECT_EQ(static_cast<DWORD>(SERVICE_WIN32_OWN_PROCESS), config.type);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_AUTO_START), config.start);
    EXPECT_EQ(program, config.path);
    EXPECT_EQ("LocalSystem", config.account);
    EXPECT_TRUE(config.dependencies == "Netlogon" || config.dependencies == "LanmanWorkstation")
        << "[" << config.dependencies << "]";

    // Stopping a service that is not running is done.
    EXPECT_EQ(0, k.stop());
    EXPECT_TRUE(file_exists(marker));
    DeleteFileA(marker.c_str());

    ASSERT_EQ(0, k.start());
    EXPECT_EQ(static_cast<DWORD>(SERVICE_RUNNING), wait_for_state(SERVICE_RUNNING));
    EXPECT_EQ(2, k.start());  // already running

    // The test service takes 1.5 s to stop, so this waits through the
    // stop-pending state.
    EXPECT_EQ(0, k.stop());
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), service_state());
    EXPECT_TRUE(file_exists(marker));
    EXPECT_EQ(0, k.stop());

    remove_service();
    EXPECT_EQ(0, k.is_installed());
    DeleteFileA(marker.c_str());
}

TEST_F(KeelinstTest, LocalAccountGetsItsPrefix) {
    std::string program = full_path(service_path);
    ASSERT_EQ(0, k.install(program.c_str(), "radsvc", "secret"));
    EXPECT_EQ(".\\radsvc", service_config().account);
    remove_service();
    ASSERT_EQ(0, k.install(program.c_str(), "CORP\\radsvc", "secret"));
    EXPECT_EQ("CORP\\radsvc", service_config().account);
}

TEST_F(KeelinstTest, KillProcessEndsOthersButNotItsCaller) {
    char own[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, own, MAX_PATH), 0u);
    std::string program = full_path(service_path);
    // The sleeper lives beside this test, so the prefix matches the caller too.
    ASSERT_EQ(directory_of(own), directory_of(program));

    std::string command = "\"" + program + "\" --sleep";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION sleeper = {};
    ASSERT_TRUE(
        CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &sleeper));
    Sleep(500);
    ASSERT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(sleeper.hProcess, 0));

    std::string prefix = directory_of(own);
    CharUpperA(&prefix[0]);  // matched ignoring case
    k.kill_process(prefix.c_str());
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(sleeper.hProcess, 2000));
    DWORD code = 1;
    GetExitCodeProcess(sleeper.hProcess, &code);
    EXPECT_EQ(0u, code);
    CloseHandle(sleeper.hProcess);
    CloseHandle(sleeper.hThread);
}

TEST_F(KeelinstTest, AccountQuestions) {
    EXPECT_EQ(0, k.user_exists("keel-no-such-user"));
    int answer = k.is_domain_controller();
    EXPECT_TRUE(answer == 0 || answer == -1) << answer;  // a lone Wine prefix is no controller
}

TEST_F(KeelinstTest, ServiceLoginDialogTemplate) {
    HWND dialog = CreateDialogParamA(
        k.module, MAKEINTRESOURCEA(IDD_SERVICE_LOGIN), nullptr,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ASSERT_NE(nullptr, dialog);
    char text[64];
    GetWindowTextA(dialog, text, sizeof text);
    EXPECT_STREQ("Service login account", text);
    struct {
        int id;
        const char* text;
    } buttons[] = {{IDC_SERVICE_NEXT, "&Next >"}, {IDC_SERVICE_BACK, "< &Back"}, {IDC_SERVICE_CANCEL, "Cancel"}};
    for (const auto& b : buttons) {
        GetDlgItemTextA(dialog, b.id, text, sizeof text);
        EXPECT_STREQ(b.text, text);
    }
    for (const char* label : {"Enter User Name:", "Enter Password:", "Reenter Password:"}) {
        EXPECT_NE(nullptr, FindWindowExA(dialog, nullptr, "Static", label)) << label;
    }
    LONG_PTR style = GetWindowLongPtrA(GetDlgItem(dialog, IDC_SERVICE_PASSWORD_AGAIN), GWL_STYLE);
    EXPECT_NE(0, style & ES_PASSWORD);
    EXPECT_NE(nullptr, GetDlgItem(dialog, IDC_SERVICE_USER));
    DestroyWindow(dialog);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        fprintf(stderr, "usage: keelinst_wine_tests KEELINST_DLL TEST_SERVICE_EXE\n");
        return 2;
    }
    dll_path = argv[1];
    service_path = argv[2];
    return RUN_ALL_TESTS();
}
