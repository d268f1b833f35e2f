#include <pthread.h>
#include <new>

#include "netbrowse/thread_start.h"

bool start_system_thread(ThreadBody body, void* argument) {
    // Without exceptions a failed std::thread start would end the program,
    // so threads are made through pthreads, which reports the failure.
    pthread_t thread;
    struct Start {
        ThreadBody body;
        void* argument;
    };
    Start* start = new (std::nothrow) Start{body, argument};
    if (!start) return false;
    auto run = [](void* raw) -> void* {
        Start* s = static_cast<Start*>(raw);
        ThreadBody b = s->body;
        void* a = s->argument;
        delete s;
        b(a);
        return nullptr;
    };
    if (pthread_create(&thread, nullptr, run, start) != 0) {
        delete start;
        return false;
    }
    pthread_detach(thread);
    return true;
}
