// keelcli's commands run in this process against keelsim on the demo
// database, with a text as their standard input.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/sim/sim_test_support.h"

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

class CliTest : public SimServerTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // One keelcli invocation; `input` becomes its standard input.
    Outcome run(std::vector<std::string> arguments, const char* input = "");
    // A property as stored, or "<missing>".
    std::string stored(const char* cls, const char* object, const char* property);
};
