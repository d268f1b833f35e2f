// The listener's list of live connections, shared by the POSIX and Win32
// servers: a connection's thread marks it finished; the accept loop joins
// finished threads and closes their handles outside the listener's lock.
#pragma once

#include <mutex>
#include <vector>

template <class Connection, class CloseHandle>
void join_and_close(std::vector<Connection*>* connections, CloseHandle close_handle) {
    for (Connection* connection : *connections) {
        connection->thread.join();
        close_handle(connection);
        delete connection;
    }
    connections->clear();
}

template <class Connection, class CloseHandle>
void reap_finished(std::mutex& mutex, std::vector<Connection*>* live, CloseHandle close_handle) {
    std::vector<Connection*> done;
    {
        std::lock_guard<std::mutex> guard(mutex);
        for (size_t i = 0; i < live->size();) {
            if ((*live)[i]->finished) {
                done.push_back((*live)[i]);
                live->erase(live->begin() + (ptrdiff_t)i);
            } else {
                ++i;
            }
        }
    }
    join_and_close(&done, close_handle);
}
