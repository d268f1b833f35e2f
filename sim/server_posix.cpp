// The listener over a SOCK_SEQPACKET Unix socket: one message per request and
// per answer, the way the named pipe keeps message boundaries.
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <stdio.h>
#include <string.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <thread>

#include "api/codec.h"
#include "platform/transport.h"
#include "sim/connection_list.h"
#include "sim/server.h"

namespace {

struct PosixConnection {
    int fd = -1;
    uint32_t id = 0;
    std::thread thread;
    bool finished = false;  // guarded by the listener's mutex
};

}  // namespace

struct SimListener {
    SimServer* server = nullptr;
    int listen_fd = -1;
    int wake[2] = {-1, -1};  // written once to end the accept loop
    std::string path;
    std::thread accept_thread;
    std::mutex mutex;  // guards the fields below
    bool stopping = false;
    std::vector<PosixConnection*> connections;
};

namespace {

void serve_connection(SimListener* listener, PosixConnection* connection) {
    SimServer* server = listener->server;
    std::vector<uint8_t> request(MSG_BUFFER_SIZE);
    std::vector<uint8_t> reply;
    for (;;) {
        // MSG_TRUNC gives the whole message length, so an oversized request is
        // recognised (its excess is discarded by the socket).
        ssize_t got = recv(connection->fd, request.data(), request.size(), MSG_TRUNC);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        bool oversized = (size_t)got > request.size();
        uint32_t kept = oversized ? (uint32_t)request.size() : (uint32_t)got;
        if (serve_request(server, connection->id, request.data(), kept, oversized, &reply) == SERVE_DROP) break;
        ssize_t sent;
        do {
            sent = send(connection->fd, reply.data(), reply.size(), MSG_NOSIGNAL);
        } while (sent < 0 && errno == EINTR);
        if (sent != (ssize_t)reply.size()) break;
    }
    connection_closed(server, connection->id);
    // The client sees the end at once; the descriptor itself is closed after
    // the join, so its number cannot be reused while the stop path still uses it.
    shutdown(connection->fd, SHUT_RDWR);
    std::lock_guard<std::mutex> guard(listener->mutex);
    connection->finished = true;
}

void close_connection(PosixConnection* connection) { close(connection->fd); }

void join_and_close(std::vector<PosixConnection*>* connections) { ::join_and_close(connections, close_connection); }

void reap_finished(SimListener* listener) {
    ::reap_finished(listener->mutex, &listener->connections, close_connection);
}

void accept_loop(SimListener* listener) {
    for (;;) {
        pollfd fds[2];
        fds[0].fd = listener->listen_fd;
        fds[0].events = POLLIN;
        fds[1].fd = listener->wake[0];
        fds[1].events = POLLIN;
        fds[0].revents = fds[1].revents = 0;
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (fds[1].revents) break;
        if (!(fds[0].revents & POLLIN)) continue;
        int fd = accept4(listener->listen_fd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        reap_finished(listener);
        uint32_t id = connection_opened(listener->server);
        std::lock_guard<std::mutex> guard(listener->mutex);
        if (listener->stopping) {
            close(fd);
            break;
        }
        PosixConnection* connection = new PosixConnection;
        connection->fd = fd;
        connection->id = id;
        listener->connections.push_back(connection);
        connection->thread = std::thread(serve_connection, listener, connection);
    }
}

// True when a server already answers on the path; a stale file is fair game.
bool someone_listens(const sockaddr_un& address) {
    int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    bool live = connect(fd, (const sockaddr*)&address, sizeof address) == 0;
    close(fd);
    return live;
}

void set_error(std::string* error, const std::string& text) {
    if (error) *error = text;
}

}  // namespace

uint16_t listener_start(SimServer* server, SimListener** out, std::string* error) {
    std::string pipe_name =
        "\\\\" + (server->host.empty() ? std::string(".") : server->host) + "\\pipe\\RADIUS Server API";
    sockaddr_un address;
    memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (!pipe_socket_path(pipe_name.c_str(), address.sun_path, sizeof address.sun_path)) {
        set_error(error, "cannot form the socket path for " + pipe_name);
        return SIM_CANNOT_LISTEN;
    }
    if (someone_listens(address)) {
        set_error(error, std::string("another server listens on ") + address.sun_path);
        return SIM_CANNOT_LISTEN;
    }
    unlink(address.sun_path);

    SimListener* listener = new SimListener;
    listener->server = server;
    listener->path = address.sun_path;
    listener->listen_fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    bool ok = listener->listen_fd >= 0 && bind(listener->listen_fd, (const sockaddr*)&address, sizeof address) == 0 &&
              listen(listener->listen_fd, 64) == 0 && pipe2(listener->wake, O_CLOEXEC) == 0;
    if (!ok) {
        set_error(error, std::string("cannot listen on ") + address.sun_path + ": " + strerror(errno));
        if (listener->listen_fd >= 0) {
            close(listener->listen_fd);
            unlink(address.sun_path);
        }
        delete listener;
        return SIM_CANNOT_LISTEN;
    }
    server->listen_name = listener->path;
    listener->accept_thread = std::thread(accept_loop, listener);
    *out = listener;
    return 0;
}

void listener_stop(SimListener* listener) {
    if (!listener) return;
    {
        std::lock_guard<std::mutex> guard(listener->mutex);
        listener->stopping = true;
        for (PosixConnection* connection : listener->connections) shutdown(connection->fd, SHUT_RDWR);
    }
    ssize_t written;
    do { written = write(listener->wake[1], "x", 1); } while (written < 0 && errno == EINTR);
    listener->accept_thread.join();
    join_and_close(&listener->connections);
    close(listener->listen_fd);
    unlink(listener->path.c_str());
    close(listener->wake[0]);
    close(listener->wake[1]);
    delete listener;
}
