#include "install/processes.h"

#include <gtest/gtest.h>

#include "tests/install/fake_system.h"

namespace {

FakeProcess process(uint32_t id, const char* path, bool openable = true) {
    FakeProcess p;
    p.id = id;
    p.path = path;
    p.openable = openable;
    return p;
}

TEST(KillProcess, EndsMatchingProgramsButNeverItsCaller) {
    FakeSystem system;
    system.own_id = 10;
    system.own_path = "C:\\Keel\\setup.exe";
    system.processes = {
        process(10, "C:\\Keel\\setup.exe"),   // the caller
        process(11, "c:\\keel\\SETUP.EXE"),   // another copy of the caller's program
        process(12, "C:\\KEEL\\radius.exe"),  // matches, in another case
        process(13, "C:\\Keel\\bin\\btrv.exe"),     process(14, "C:\\Windows\\explorer.exe"),
        process(15, "C:\\Keel\\locked.exe", false), process(16, "C:\\Kee"),
    };
    kill_processes(system.host(), "C:\\Keel\\");
    std::vector<uint32_t> ended;
    for (const FakeProcess& p : system.processes) {
        if (p.terminated) ended.push_back(p.id);
    }
    EXPECT_EQ((std::vector<uint32_t>{12, 13}), ended);
    EXPECT_EQ(std::vector<uint32_t>{1500}, system.sleeps);
    EXPECT_EQ(0, system.open_handles);
}

TEST(KillProcess, PollsUntilEndedThenWaits) {
    FakeSystem system;
    system.processes = {process(2, "C:\\Keel\\radius.exe")};
    system.processes[0].polls_to_end = 3;
    kill_processes(system.host(), "C:\\Keel");
    EXPECT_EQ((std::vector<uint32_t>{50, 50, 50, 1500}), system.sleeps);
}

TEST(KillProcess, GivesUpOnAProcessThatDoesNotEnd) {
    FakeSystem system;
    system.processes = {process(2, "C:\\Keel\\radius.exe")};
    system.processes[0].polls_to_end = 1000000;
    kill_processes(system.host(), "C:\\Keel");
    EXPECT_EQ(END_POLL_LIMIT + 1, system.sleeps.size());
}

TEST(KillProcess, EmptyPrefixEndsNothing) {
    for (const char* prefix : {"", static_cast<const char*>(nullptr)}) {
        FakeSystem system;
        system.processes = {process(2, "C:\\Keel\\radius.exe")};
        kill_processes(system.host(), prefix);
        EXPECT_FALSE(system.processes[0].terminated);
    }
}

TEST(PerfMonInstall, CommandLineStartsWithABlank) {
    FakeSystem system;
    EXPECT_EQ(0u, install_counters(system.host(), "C:\\Keel\\radperf.ini"));
    system.counter_error = 2;
    EXPECT_EQ(2u, install_counters(system.host(), "C:\\Keel\\radperf.ini"));
    EXPECT_EQ((std::vector<std::string>{" C:\\Keel\\radperf.ini", " C:\\Keel\\radperf.ini"}),
              system.counter_command_lines);
    EXPECT_NE(0u, install_counters(system.host(), ""));
    EXPECT_EQ(2u, system.counter_command_lines.size());
}

}  // namespace
