// The demo database served in the test, and a user or profile of the
// connected server as the panels show it: its
// lists checked against the dictionary and merged with its profile's.
#pragma once

#include "attrs/attribute_list.h"
#include "attrs/dictionary.h"
#include "tests/sim/sim_test_support.h"

// keelsim in this process on the demo database, the session connected to it.
class DemoServerTest : public SimServerTest {
protected:
    void SetUp() override;
    void TearDown() override;
};

// False when the lists or the profile's could not be read.
bool load_shown_record(const char* cls, const char* name, const Dictionary* dictionary, AttributeRecord* record);
