// The named-pipe transport under the real Win32 API: against keelsim.exe in
// its own process, and against pipe servers made here for the odd cases.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdio.h>
#include <string.h>

#include <string>
#include <thread>

#include "api/db.h"
#include "api/requests.h"
#include "api/session.h"
#include "api/status.h"
#include "platform/computer_name.h"
#include "platform/transport.h"

namespace {

std::string g_keelsim;  // path of keelsim.exe, from the command line

// Wine runs Windows programs with Unix paths on drive Z:.
std::string windows_path(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string converted = "Z:" + path;
    for (char& c : converted)
        if (c == '/') c = '\\';
    return converted;
}

struct KeelsimProcess {
    PROCESS_INFORMATION process = {};
    std::string fixture;

    bool start(const char* fixture_text) {
        char directory[MAX_PATH];
        GetTempPathA(sizeof directory, directory);
        fixture = std::string(directory) + "keel-transport-test.fixture";
        FILE* file = fopen(fixture.c_str(), "wb");
        if (!file) return false;
        fputs(fixture_text, file);
        fclose(file);
        std::string command = "\"" + windows_path(g_keelsim) + "\" \"" + fixture + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string mutable_command = command;
        if (!CreateProcessA(nullptr, &mutable_command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process))
            return false;
        // Listening once the pipe can be opened.
        for (int i = 0; i < 200; ++i) {
            PipeSession* session = nullptr;
            if (session_open(nullptr, &session) == 0) {
                session_close(session);
                return true;
            }
            Sleep(50);
        }
        return false;
    }

    ~KeelsimProcess() {
        if (process.hProcess) {
            TerminateProcess(process.hProcess, 0);
            WaitForSingleObject(process.hProcess, 5000);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
        if (!fixture.empty()) DeleteFileA(fixture.c_str());
    }
};

class AgainstKeelsim : public ::testing::Test {
protected:
    KeelsimProcess keelsim;
    void SetUp() override {
        session_reset();
        ASSERT_FALSE(g_keelsim.empty()) << "pass the path of keelsim.exe";
        ASSERT_TRUE(
            keelsim.start("service-version 0x00011E00\nobject Client NAS1\n"
                          "property IPAddress hex \"0a000001\"\n"));
    }
    void TearDown() override { session_reset(); }
};

TEST_F(AgainstKeelsim, ThisComputerByNameReachesTheLocalPipe) {
    char name[256];
    ASSERT_TRUE(computer_name(name, sizeof name));
    PipeSession* session = nullptr;
    ASSERT_EQ(session_open(name, &session), 0) << "\\\\" << name << "\\pipe\\...";
    set_current_session(session);
    uint8_t area[16];
    uint16_t length = sizeof area;
    ASSERT_EQ(db_get("Client", "NAS1", "IPAddress", area, &length), 0);
    EXPECT_EQ(length, 4);
    EXPECT_EQ(memcmp(area, "\x0a\x00\x00\x01", 4), 0);
    uint32_t version = 0;
    EXPECT_EQ(get_service_version(&version), 0);
    EXPECT_EQ(version, 0x00011E00u);
}

TEST_F(AgainstKeelsim, AnUnknownServerIs104) {
    PipeSession* session = nullptr;
    EXPECT_EQ(session_open("NO-SUCH-HOST-KEEL", &session), STATUS_TRANSPORT);
}

TEST_F(AgainstKeelsim, WritesSurviveAndTheServerGoingAwayIs104) {
    PipeSession* session = nullptr;
    ASSERT_EQ(session_open(nullptr, &session), 0);
    set_current_session(session);
    ASSERT_EQ(lock_server(), 0);
    ASSERT_EQ(db_create("Client", "NAS2"), 0);
    ASSERT_EQ(db_set_text("Client", "NAS2", "Product", "Generic"), 0);
    ASSERT_EQ(unlock_server(), 0);
    char text[16];
    uint16_t length = sizeof text;
    ASSERT_EQ(db_get("Client", "NAS2", "Product", text, &length), 0);
    EXPECT_STREQ(text, "Generic");

    TerminateProcess(keelsim.process.hProcess, 0);
    WaitForSingleObject(keelsim.process.hProcess, 5000);
    bool exists;
    EXPECT_EQ(db_exists("Client", "NAS1", nullptr, &exists), STATUS_TRANSPORT);
}

// A one-connection message-mode pipe server answering each request with
// the next of `answers` sizes (filled with a valid header).
void serve(const char* name, HANDLE ready, std::vector<size_t> answers) {
    HANDLE pipe = CreateNamedPipeA(name, PIPE_ACCESS_DUPLEX, PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1,
                                   65536, 65536, 0, nullptr);
    SetEvent(ready);
    if (pipe == INVALID_HANDLE_VALUE) return;
    if (ConnectNamedPipe(pipe, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED) {
        for (size_t size : answers) {
            uint8_t request[MSG_BUFFER_SIZE];
            DWORD read = 0;
            if (!ReadFile(pipe, request, sizeof request, &read, nullptr)) break;
            std::vector<uint8_t> answer(size, 0);
            memcpy(answer.data(), request, 6);
            answer[0] = answer[1] = 0;
            DWORD written = 0;
            WriteFile(pipe, answer.data(), (DWORD)answer.size(), &written, nullptr);
        }
        FlushFileBuffers(pipe);
    }
    CloseHandle(pipe);
}

TEST(Win32Transport, OversizedResponseIs104AndTheNextExchangeIsClean) {
    const char* name = "\\\\.\\pipe\\keel-oversize-test";
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread server(serve, name, ready, std::vector<size_t>{40000, 8});
    WaitForSingleObject(ready, 5000);
    const Transport* transport = platform_transport();
    TransportConnection* connection = nullptr;
    ASSERT_EQ(transport->open(name, &connection), 0);
    uint8_t request[8] = {0, 0, 9, 0, 1, 0, 0, 0};
    static uint8_t response[MSG_BUFFER_SIZE];
    uint32_t read = 0;
    EXPECT_EQ(transport->transact(connection, request, sizeof request, response, MSG_BUFFER_SIZE, &read), 104);
    EXPECT_EQ(transport->transact(connection, request, sizeof request, response, MSG_BUFFER_SIZE, &read), 0);
    EXPECT_EQ(read, 8u) << "the rest of the oversized message was drained";
    transport->close(connection);
    server.join();
    CloseHandle(ready);
}

TEST(Win32Transport, MissingPipeIs104) {
    TransportConnection* connection = nullptr;
    EXPECT_EQ(platform_transport()->open("\\\\.\\pipe\\keel-nobody-listens", &connection), 104);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) g_keelsim = argv[1];
    return RUN_ALL_TESTS();
}
