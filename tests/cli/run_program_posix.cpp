#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/cli/run_program.h"
#include "tests/sim/sim_test_support.h"

extern char** environ;

ProgramResult run_program(const std::string& program, const std::vector<std::string>& arguments) {
    ProgramResult result;
    // Files rather than pipes: nothing to drain while waiting.
    std::string out_path = test_directory() + "/program.out";
    std::string err_path = test_directory() + "/program.err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid;
    int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return result;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {}
    result.started = true;
    result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = read_test_file(out_path);
    result.err = read_test_file(err_path);
    return result;
}
