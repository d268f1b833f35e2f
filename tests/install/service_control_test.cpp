#include "install/service_control.h"

#include <gtest/gtest.h>

#include "tests/install/fake_system.h"

namespace {

const char KEY[] = "SYSTEM\\CurrentControlSet\\Services\\Keelgate Access Control";

struct AccountCase {
    const char* account;
    bool system_account;
    const char* installed_as;
    const char* password;
};

TEST(ServiceInstall, AccountFormsAndPassword) {
    const AccountCase cases[] = {
        {"UseSystemAccount", true, "", ""},
        {"USESYSTEMACCOUNT", true, "", ""},
        {nullptr, true, "", ""},
        {"", true, "", ""},
        {"radsvc", false, ".\\radsvc", "pw"},
        {"CORP\\radsvc", false, "CORP\\radsvc", "pw"},
        {".\\radsvc", false, ".\\radsvc", "pw"},
    };
    for (const AccountCase& c : cases) {
        SCOPED_TRACE(c.account != nullptr ? c.account : "(null)");
        FakeSystem system;
        ASSERT_EQ(SERVICE_OK, service_install(system.host(), "C:\\Keel\\radius.exe", c.account, "pw"));
        const FakeService& created = system.services.at(SERVICE_NAME);
        EXPECT_EQ(c.system_account, created.system_account);
        EXPECT_EQ(c.installed_as, created.account);
        EXPECT_EQ(c.password, created.password);
        EXPECT_EQ("C:\\Keel\\radius.exe", created.binary_path);
        EXPECT_EQ(0, system.open_handles);
    }
}

TEST(ServiceInstall, DependsOnNetlogonOnlyWhereTheDomainHasControllers) {
    struct {
        std::vector<std::string> controllers;
        uint32_t list_error;
        const char* dependency;
    } cases[] = {
        {{"DC1", "DC2"}, 0, "Netlogon"},
        {{}, 0, "LanmanWorkstation"},
        {{"DC1"}, 6118, "LanmanWorkstation"},
    };
    for (const auto& c : cases) {
        FakeSystem system;
        system.controllers = c.controllers;
        system.controllers_error = c.list_error;
        ASSERT_EQ(SERVICE_OK, service_install(system.host(), "C:\\radius.exe", nullptr, nullptr));
        EXPECT_EQ(c.dependency, system.services.at(SERVICE_NAME).dependencies);
    }
}

TEST(ServiceInstall, Failures) {
    FakeSystem no_manager;
    no_manager.open_manager_error = 5;
    EXPECT_EQ(SERVICE_NO_MANAGER, service_install(no_manager.host(), "C:\\radius.exe", nullptr, nullptr));

    FakeSystem refused;
    refused.create_error = 5;
    EXPECT_EQ(SERVICE_NOT_CREATED, service_install(refused.host(), "C:\\radius.exe", nullptr, nullptr));
    EXPECT_EQ(0, refused.open_handles);

    FakeSystem twice;
    ASSERT_EQ(SERVICE_OK, service_install(twice.host(), "C:\\radius.exe", nullptr, nullptr));
    EXPECT_EQ(SERVICE_NOT_CREATED, service_install(twice.host(), "C:\\other.exe", nullptr, nullptr));
    EXPECT_EQ("C:\\radius.exe", twice.services.at(SERVICE_NAME).binary_path);

    std::string long_account(2000, 'a');
    FakeSystem too_long;
    EXPECT_EQ(SERVICE_NOT_CREATED, service_install(too_long.host(), "C:\\radius.exe", long_account.c_str(), "pw"));
    EXPECT_TRUE(too_long.services.empty());
}

TEST(ServiceStart, ResultCodes) {
    FakeSystem system;
    EXPECT_FALSE(service_is_installed(system.host()));
    EXPECT_EQ(SERVICE_NOT_OPENED, service_start(system.host()));

    system.services[SERVICE_NAME] = FakeService();
    EXPECT_TRUE(service_is_installed(system.host()));
    EXPECT_EQ(SERVICE_OK, service_start(system.host()));
    EXPECT_EQ(std::vector<std::string>{SERVICE_NAME}, system.started);

    system.start_error = 1056;
    EXPECT_EQ(SERVICE_START_REFUSED, service_start(system.host()));
    system.open_service_error = 5;
    EXPECT_EQ(SERVICE_NOT_OPENED, service_start(system.host()));
    system.open_manager_error = 5;
    EXPECT_EQ(SERVICE_NO_MANAGER, service_start(system.host()));
    EXPECT_FALSE(service_is_installed(system.host()));
    EXPECT_EQ(0, system.open_handles);
}

// A system with the service installed from `image_path`, in `state`.
FakeSystem with_service(const char* image_path, uint32_t state) {
    FakeSystem system;
    FakeService service;
    service.state = state;
    system.services[SERVICE_NAME] = service;
    system.registry[std::string(KEY) + "|ImagePath"] = image_path;
    return system;
}

const uint32_t RUNNING = 4;
const uint32_t PENDING = SERVICE_STATE_STOP_PENDING;
const uint32_t STOPPED = SERVICE_STATE_STOPPED;

TEST(ServiceStop, WaitsUpToFifteenQueriesOneSecondApart) {
    struct {
        const char* name;
        std::vector<uint32_t> states;  // reported by the queries after the stop
        uint32_t final_state;
        uint16_t result;
        uint32_t queries;
    } cases[] = {
        {"stops at once", {}, STOPPED, SERVICE_OK, 1},
        {"pending twice", {PENDING, PENDING}, STOPPED, SERVICE_OK, 3},
        {"stops at the fifteenth", std::vector<uint32_t>(14, PENDING), STOPPED, SERVICE_OK, 15},
        {"never stops", {}, PENDING, SERVICE_STOP_TIMED_OUT, 15},
        {"stops too late", std::vector<uint32_t>(15, PENDING), STOPPED, SERVICE_STOP_TIMED_OUT, 15},
        {"runs again", {PENDING}, RUNNING, SERVICE_STOP_TIMED_OUT, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSystem system = with_service("C:\\Keel\\radius.exe", RUNNING);
        FakeService& service = system.services.at(SERVICE_NAME);
        service.states_after_stop = c.states;
        service.state_after_stop = c.final_state;
        EXPECT_EQ(c.result, service_stop(system.host()));
        EXPECT_EQ(c.queries, system.queries);
        EXPECT_EQ(std::vector<uint32_t>(c.queries, 1000), system.sleeps);
        EXPECT_EQ(0, system.open_handles);
    }
}

TEST(ServiceStop, AlreadyStoppedIsDoneWithoutWaiting) {
    FakeSystem system = with_service("C:\\Keel\\radius.exe", STOPPED);
    EXPECT_EQ(SERVICE_OK, service_stop(system.host()));
    EXPECT_EQ(1u, system.stop_controls);
    EXPECT_TRUE(system.sleeps.empty());
    EXPECT_EQ(1u, system.files.count("C:\\Keel\\killbtrv.cfg"));
}

TEST(ServiceStop, MarkerFileBesideTheProgram) {
    struct {
        const char* image_path;
        const char* marker;
    } cases[] = {
        {"C:\\Keel\\radius.exe", "C:\\Keel\\killbtrv.cfg"},
        {"\"C:\\Program Files\\Keel\\radius.exe\" -service", "C:\\Program Files\\Keel\\killbtrv.cfg"},
        {"C:\\radius.exe", "C:\\killbtrv.cfg"},
    };
    for (const auto& c : cases) {
        FakeSystem system = with_service(c.image_path, STOPPED);
        EXPECT_EQ(SERVICE_OK, service_stop(system.host()));
        EXPECT_EQ(1u, system.files.count(c.marker)) << c.image_path;
    }

    // An existing marker is left as it is.
    FakeSystem kept = with_service("C:\\Keel\\radius.exe", STOPPED);
    kept.files["C:\\Keel\\killbtrv.cfg"] = "x";
    EXPECT_EQ(SERVICE_OK, service_stop(kept.host()));
    EXPECT_EQ("x", kept.files["C:\\Keel\\killbtrv.cfg"]);
}

TEST(ServiceStop, FailuresComeBeforeTheStopControl) {
    FakeSystem missing;
    EXPECT_EQ(SERVICE_NOT_INSTALLED, service_stop(missing.host()));

    FakeSystem no_manager = with_service("C:\\Keel\\radius.exe", RUNNING);
    no_manager.open_manager_error = 5;
    EXPECT_EQ(SERVICE_NO_MANAGER, service_stop(no_manager.host()));

    FakeSystem not_opened = with_service("C:\\Keel\\radius.exe", RUNNING);
    not_opened.open_service_error = 5;
    EXPECT_EQ(SERVICE_NOT_OPENED, service_stop(not_opened.host()));

    FakeSystem no_key = with_service("C:\\Keel\\radius.exe", RUNNING);
    no_key.registry.clear();
    EXPECT_EQ(SERVICE_NO_REGISTRY_KEY, service_stop(no_key.host()));

    FakeSystem no_value = with_service("C:\\Keel\\radius.exe", RUNNING);
    no_value.registry.clear();
    no_value.registry[std::string(KEY) + "|DisplayName"] = "x";
    EXPECT_EQ(SERVICE_NO_MARKER, service_stop(no_value.host()));

    FakeSystem bare_name = with_service("radius.exe", RUNNING);
    EXPECT_EQ(SERVICE_NO_MARKER, service_stop(bare_name.host()));

    FakeSystem read_only = with_service("C:\\Keel\\radius.exe", RUNNING);
    read_only.unwritable_paths.insert("C:\\Keel\\killbtrv.cfg");
    EXPECT_EQ(SERVICE_NO_MARKER, service_stop(read_only.host()));

    for (FakeSystem* s : {&missing, &no_manager, &not_opened, &no_key, &no_value, &bare_name, &read_only}) {
        EXPECT_EQ(0u, s->stop_controls);
        EXPECT_EQ(0, s->open_handles);
    }
}

}  // namespace
