// Runs a program to its end and collects what it printed, for the tests
// that drive the built keelcli.
#pragma once

#include <string>
#include <vector>

struct ProgramResult {
    bool started = false;
    int exit_code = -1;
    std::string out;  // line ends as "\n" on every platform
    std::string err;
};

ProgramResult run_program(const std::string& program, const std::vector<std::string>& arguments);
