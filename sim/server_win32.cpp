// The listener over the named pipe itself, in message mode. All pipe I/O is
// overlapped so that one stop event can end every wait.
#include <windows.h>

#include <thread>

#include "api/codec.h"
#include "sim/connection_list.h"
#include "sim/server.h"

namespace {

const char PIPE_NAME[] = "\\\\.\\pipe\\RADIUS Server API";

struct PipeConnection {
    HANDLE pipe = INVALID_HANDLE_VALUE;
    uint32_t id = 0;
    std::thread thread;
    bool finished = false;  // guarded by the listener's mutex
};

}  // namespace

struct SimListener {
    SimServer* server = nullptr;
    HANDLE stop_event = nullptr;  // manual reset, set once at stop
    HANDLE first_instance = INVALID_HANDLE_VALUE;
    std::thread accept_thread;
    std::mutex mutex;  // guards the fields below
    bool stopping = false;
    std::vector<PipeConnection*> connections;
};

namespace {

enum IoResult { IO_DONE, IO_MORE_DATA, IO_FAILED, IO_STOPPED };

// Finishes an overlapped operation that returned `started`, unless the stop
// event comes first, in which case the operation is cancelled.
IoResult complete_io(HANDLE pipe, OVERLAPPED* overlapped, BOOL started, HANDLE stop_event, DWORD* transferred) {
    *transferred = 0;
    if (!started) {
        DWORD error = GetLastError();
        if (error == ERROR_MORE_DATA) return IO_MORE_DATA;
        if (error != ERROR_IO_PENDING) return IO_FAILED;
        HANDLE waits[2] = {overlapped->hEvent, stop_event};
        if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) {
            CancelIoEx(pipe, overlapped);
            GetOverlappedResult(pipe, overlapped, transferred, TRUE);
            return IO_STOPPED;
        }
    }
    if (GetOverlappedResult(pipe, overlapped, transferred, FALSE)) return IO_DONE;
    return GetLastError() == ERROR_MORE_DATA ? IO_MORE_DATA : IO_FAILED;
}

// Reads one whole message. A message larger than the buffer is read to its
// end and reported as oversized, with the buffer holding its beginning.
IoResult read_message(HANDLE pipe, HANDLE event, HANDLE stop_event, std::vector<uint8_t>* buffer, DWORD* length,
                      bool* oversized) {
    OVERLAPPED overlapped = {};
    overlapped.hEvent = event;
    *oversized = false;
    BOOL started = ReadFile(pipe, buffer->data(), (DWORD)buffer->size(), nullptr, &overlapped);
    IoResult result = complete_io(pipe, &overlapped, started, stop_event, length);
    if (result != IO_MORE_DATA) return result;
    *oversized = true;
    *length = (DWORD)buffer->size();
    uint8_t scrap[4096];
    do {
        DWORD ignored;
        overlapped = OVERLAPPED();
        overlapped.hEvent = event;
        started = ReadFile(pipe, scrap, sizeof scrap, nullptr, &overlapped);
        result = complete_io(pipe, &overlapped, started, stop_event, &ignored);
    } while (result == IO_MORE_DATA);
    return result;
}

bool write_message(HANDLE pipe, HANDLE event, HANDLE stop_event, const std::vector<uint8_t>& message) {
    OVERLAPPED overlapped = {};
    overlapped.hEvent = event;
    DWORD written;
    BOOL started = WriteFile(pipe, message.data(), (DWORD)message.size(), nullptr, &overlapped);
    return complete_io(pipe, &overlapped, started, stop_event, &written) == IO_DONE && written == message.size();
}

void serve_connection(SimListener* listener, PipeConnection* connection) {
    SimServer* server = listener->server;
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::vector<uint8_t> request(MSG_BUFFER_SIZE);
    std::vector<uint8_t> reply;
    while (event) {
        DWORD length;
        bool oversized;
        if (read_message(connection->pipe, event, listener->stop_event, &request, &length, &oversized) != IO_DONE)
            break;
        if (serve_request(server, connection->id, request.data(), length, oversized, &reply) == SERVE_DROP) break;
        if (!write_message(connection->pipe, event, listener->stop_event, reply)) break;
    }
    if (event) CloseHandle(event);
    connection_closed(server, connection->id);
    // The client sees the end at once; the handle is closed after the join.
    DisconnectNamedPipe(connection->pipe);
    std::lock_guard<std::mutex> guard(listener->mutex);
    connection->finished = true;
}

void close_connection(PipeConnection* connection) { CloseHandle(connection->pipe); }

void join_and_close(std::vector<PipeConnection*>* connections) { ::join_and_close(connections, close_connection); }

void reap_finished(SimListener* listener) {
    ::reap_finished(listener->mutex, &listener->connections, close_connection);
}

HANDLE create_instance(bool first) {
    DWORD open_mode = PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | (first ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0);
    return CreateNamedPipeA(PIPE_NAME, open_mode, PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT,
                            PIPE_UNLIMITED_INSTANCES, MSG_BUFFER_SIZE, MSG_BUFFER_SIZE, 0, nullptr);
}

// Waits for a client on `instance`; false when none came (stop, or failure).
bool wait_for_client(HANDLE instance, HANDLE event, HANDLE stop_event) {
    OVERLAPPED overlapped = {};
    overlapped.hEvent = event;
    if (ConnectNamedPipe(instance, &overlapped)) return true;
    DWORD error = GetLastError();
    if (error == ERROR_PIPE_CONNECTED) return true;
    DWORD ignored;
    return error == ERROR_IO_PENDING && complete_io(instance, &overlapped, FALSE, stop_event, &ignored) == IO_DONE;
}

void accept_loop(SimListener* listener) {
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE instance = listener->first_instance;
    listener->first_instance = INVALID_HANDLE_VALUE;
    while (event && WaitForSingleObject(listener->stop_event, 0) != WAIT_OBJECT_0) {
        if (instance == INVALID_HANDLE_VALUE) {
            instance = create_instance(false);
            if (instance == INVALID_HANDLE_VALUE) {
                // Out of instances or handles: try again shortly.
                WaitForSingleObject(listener->stop_event, 100);
                continue;
            }
        }
        if (!wait_for_client(instance, event, listener->stop_event)) {
            CloseHandle(instance);
            instance = INVALID_HANDLE_VALUE;
            continue;
        }
        // The next instance waits before this one is handed over, so a client
        // arriving meanwhile finds the pipe busy (and waits) rather than missing.
        HANDLE connected = instance;
        instance = create_instance(false);
        reap_finished(listener);
        uint32_t id = connection_opened(listener->server);
        std::lock_guard<std::mutex> guard(listener->mutex);
        if (listener->stopping) {
            DisconnectNamedPipe(connected);
            CloseHandle(connected);
            break;
        }
        PipeConnection* connection = new PipeConnection;
        connection->pipe = connected;
        connection->id = id;
        listener->connections.push_back(connection);
        connection->thread = std::thread(serve_connection, listener, connection);
    }
    if (instance != INVALID_HANDLE_VALUE) CloseHandle(instance);
    if (event) CloseHandle(event);
}

}  // namespace

uint16_t listener_start(SimServer* server, SimListener** out, std::string* error) {
    // The first instance is made here, so the pipe exists when this returns,
    // and made exclusively, so a second server fails instead of sharing it.
    HANDLE first = create_instance(true);
    if (first == INVALID_HANDLE_VALUE) {
        if (error) *error = std::string("cannot create ") + PIPE_NAME + " (another server may be running)";
        return SIM_CANNOT_LISTEN;
    }
    SimListener* listener = new SimListener;
    listener->server = server;
    listener->first_instance = first;
    listener->stop_event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!listener->stop_event) {
        CloseHandle(first);
        delete listener;
        if (error) *error = "cannot create an event";
        return SIM_CANNOT_LISTEN;
    }
    server->listen_name = PIPE_NAME;
    listener->accept_thread = std::thread(accept_loop, listener);
    *out = listener;
    return 0;
}

void listener_stop(SimListener* listener) {
    if (!listener) return;
    {
        std::lock_guard<std::mutex> guard(listener->mutex);
        listener->stopping = true;
    }
    SetEvent(listener->stop_event);
    listener->accept_thread.join();
    join_and_close(&listener->connections);
    CloseHandle(listener->stop_event);
    delete listener;
}
