// keelsim run as a program of its own, for the benchmarks of whole
// transfers: its directory and socket, its start and stop, and the
// requests a run sends, recorded to be replayed bare over the transport.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// A fresh directory for the server's socket and files, holding a copy of
// the demo dictionary as "default.dict"; KEEL_PIPE_DIR points at it.
std::string make_bench_directory(const char* prefix);
void copy_file(const char* from, const std::string& to);

// Starts keelsim on `fixture` and waits until it listens; aborts when it
// cannot. Stopping ends the session first.
pid_t start_sim_program(const std::string& dir, const std::string& fixture);
void stop_sim_program(pid_t* server);
// Opens the session to the server; aborts when it cannot.
void open_bench_session();

// Every request sent from now on is appended to `requests`; null stops
// recording. The session is opened again over the recording transport.
void record_requests(std::vector<std::string>* requests);
// Sends the requests over a connection of their own; aborts on a failure.
void replay_requests(const std::vector<std::string>& requests);

// A fixture of `users` native users USER000000 on: each with a PAP-only
// password, a profile link, a check list and a return list.
void write_users_fixture(const std::string& path, uint32_t users);

long peak_rss_kb();
