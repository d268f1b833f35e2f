// The clients panel's model against keelsim in this process.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panels/clients.h"
#include "tests/panels/panel_fixture.h"

class ClientsTest : public PanelTest {
protected:
    // Starts the server on `fixture` (null: the demo database), opens the
    // session and shows the panel.
    void open(const char* fixture);
    // Undoes open, so that a table of cases can open afresh for each.
    void close();
    void TearDown() override { close(); }

    void choose(const char* name);
    std::string stored(const char* client, const char* property);
    // Every property of a client as stored, for comparing before and after.
    std::string stored_client(const char* client);
};
