#include "platform/computer_name.h"
#include "platform/transport.h"

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

struct TransportConnection {
    HANDLE pipe;
};

static bool is_logon_refusal(DWORD error) {
    return error == ERROR_ACCESS_DENIED || (error >= ERROR_LOGON_FAILURE && error <= ERROR_ACCOUNT_DISABLED);
}

// "\\HOST\pipe\NAME" names this computer when HOST is its own name.
static bool names_this_computer(const char* pipe_name, const char** pipe_part) {
    if (strncmp(pipe_name, "\\\\", 2) != 0) return false;
    const char* host = pipe_name + 2;
    const char* end = strchr(host, '\\');
    char own[MAX_COMPUTERNAME_LENGTH + 1];
    if (!end || !computer_name(own, sizeof own)) return false;
    size_t length = (size_t)(end - host);
    if (length != strlen(own) || _strnicmp(host, own, length) != 0) return false;
    *pipe_part = end;  // "\pipe\NAME"
    return true;
}

// Every instance busy means the server is between two clients (another
// console, or its own re-arming): wait for an instance for up to 2 s.
static HANDLE open_pipe(const char* name, DWORD* error) {
    const DWORD patience_ms = 2000;
    DWORD start = GetTickCount();
    for (;;) {
        HANDLE pipe = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (pipe != INVALID_HANDLE_VALUE) return pipe;
        *error = GetLastError();
        DWORD waited = GetTickCount() - start;
        if (*error != ERROR_PIPE_BUSY || waited >= patience_ms) return INVALID_HANDLE_VALUE;
        if (!WaitNamedPipeA(name, patience_ms - waited)) Sleep(10);
    }
}

static uint16_t win32_open(const char* pipe_name, TransportConnection** out) {
    DWORD error = 0;
    HANDLE pipe = open_pipe(pipe_name, &error);
    const char* pipe_part = nullptr;
    // The UNC form of our own name fails where file sharing is off (and under
    // Wine); the local form reaches the same pipe.
    if (pipe == INVALID_HANDLE_VALUE && (error == ERROR_PATH_NOT_FOUND || error == ERROR_BAD_NETPATH) &&
        names_this_computer(pipe_name, &pipe_part)) {
        char local[512];
        int written = snprintf(local, sizeof local, "\\\\.%s", pipe_part);
        if (written > 0 && (size_t)written < sizeof local) pipe = open_pipe(local, &error);
    }
    if (pipe == INVALID_HANDLE_VALUE) return is_logon_refusal(error) ? TRANSPORT_REFUSED : TRANSPORT_FAILED;

    DWORD mode = PIPE_READMODE_MESSAGE;
    if (!SetNamedPipeHandleState(pipe, &mode, nullptr, nullptr)) {
        CloseHandle(pipe);
        return TRANSPORT_FAILED;
    }
    TransportConnection* connection = (TransportConnection*)calloc(1, sizeof(TransportConnection));
    if (!connection) {
        CloseHandle(pipe);
        return TRANSPORT_FAILED;
    }
    connection->pipe = pipe;
    *out = connection;
    return 0;
}

static uint16_t win32_transact(TransportConnection* connection, const uint8_t* request, uint32_t request_length,
                               uint8_t* response, uint32_t response_capacity, uint32_t* bytes_read) {
    *bytes_read = 0;
    DWORD read = 0;
    if (TransactNamedPipe(connection->pipe, (void*)request, request_length, response, response_capacity, &read,
                          nullptr)) {
        *bytes_read = read;
        return 0;
    }
    if (GetLastError() == ERROR_MORE_DATA) {
        // Drain the rest of the oversized message so the next exchange starts clean.
        uint8_t scrap[4096];
        DWORD more = 0;
        while (!ReadFile(connection->pipe, scrap, sizeof scrap, &more, nullptr) && GetLastError() == ERROR_MORE_DATA) {}
    }
    return TRANSPORT_FAILED;
}

static void win32_close(TransportConnection* connection) {
    if (!connection) return;
    CloseHandle(connection->pipe);
    free(connection);
}

static const Transport WIN32_TRANSPORT = {win32_open, win32_transact, nullptr, win32_close};

const Transport* platform_transport() { return &WIN32_TRANSPORT; }
