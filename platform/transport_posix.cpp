#include "platform/transport.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

struct TransportConnection {
    int socket;
};

static uint16_t posix_open(const char* pipe_name, TransportConnection** out) {
    sockaddr_un address;
    memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (!pipe_socket_path(pipe_name, address.sun_path, sizeof address.sun_path)) return TRANSPORT_FAILED;

    int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0) return TRANSPORT_FAILED;
    if (connect(fd, (const sockaddr*)&address, sizeof address) != 0) {
        int error = errno;
        close(fd);
        return (error == EACCES || error == EPERM) ? TRANSPORT_REFUSED : TRANSPORT_FAILED;
    }
    TransportConnection* connection = (TransportConnection*)calloc(1, sizeof(TransportConnection));
    if (!connection) {
        close(fd);
        return TRANSPORT_FAILED;
    }
    connection->socket = fd;
    *out = connection;
    return 0;
}

static uint16_t posix_transact(TransportConnection* connection, const uint8_t* request, uint32_t request_length,
                               uint8_t* response, uint32_t response_capacity, uint32_t* bytes_read) {
    *bytes_read = 0;
    ssize_t sent;
    do { sent = send(connection->socket, request, request_length, MSG_NOSIGNAL); } while (sent < 0 && errno == EINTR);
    if (sent != (ssize_t)request_length) return TRANSPORT_FAILED;

    ssize_t received;
    do {
        // MSG_TRUNC reports the whole message length, so an oversized response
        // is seen as a failure rather than silently cut.
        received = recv(connection->socket, response, response_capacity, MSG_TRUNC);
    } while (received < 0 && errno == EINTR);
    if (received < 0 || (uint32_t)received > response_capacity) return TRANSPORT_FAILED;
    *bytes_read = (uint32_t)received;
    return 0;
}

static void posix_close(TransportConnection* connection) {
    if (!connection) return;
    close(connection->socket);
    free(connection);
}

static const Transport POSIX_TRANSPORT = {posix_open, posix_transact, nullptr, posix_close};

const Transport* platform_transport() { return &POSIX_TRANSPORT; }
