// The address pools panel's model against keelsim in this process.
#pragma once

#include <string>
#include <vector>

#include "panels/pools.h"
#include "tests/panels/panel_fixture.h"

// A fixture's pool: its description and its ranges as stored bytes, each
// range "a.b.c.d:count" (the bytes are written as the server keeps them).
std::string pool_object(const char* name, const char* description, const std::vector<std::string>& ranges);

class PoolsTest : public PanelTest {
protected:
    // Starts the server on `fixture` (null: the demo database), opens the
    // session and shows the panel.
    void open(const char* fixture);
    void close();
    void TearDown() override { close(); }

    void choose(const char* name);
    // Every property of a pool as stored, for comparing before and after.
    std::string stored_pool(const char* pool);
    // The ranges as the list shows them.
    std::vector<std::string> shown_ranges();
    std::vector<std::string> shown_names();
};
