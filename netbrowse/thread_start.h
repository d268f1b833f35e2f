// Starting the browser's background threads: the lookup threads and the
// per-domain workers. Each runs `body(argument)` once and ends.
#pragma once

typedef void (*ThreadBody)(void* argument);
// False when no thread could be started; `body` then never runs.
typedef bool (*ThreadStart)(ThreadBody body, void* argument);

// The system's way: on Windows a suspended thread with a minimal stack,
// resumed once made, that keeps the library loaded until it ends.
bool start_system_thread(ThreadBody body, void* argument);
