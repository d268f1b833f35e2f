// How the keelsim program learns that it should stop: SIGINT/SIGTERM on
// POSIX, Ctrl+C, Ctrl+Break or closing the console on Windows.
#pragma once

// Call before any thread starts, so only the waiting thread takes the signals.
bool stop_wait_prepare();
// Blocks until a stop is asked for.
void stop_wait();
// The server has stopped and saved; the process may be ended now.
void stop_wait_done();
