// An engine over the scripted network, shut down (every thread ended)
// before the script goes away.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "netbrowse/browser.h"
#include "tests/netbrowse/fake_directory.h"

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override { browser_init(&engine, fake_directory(&fake), start_system_thread); }
    void TearDown() override {
        {
            std::lock_guard<std::mutex> hold(fake.mutex);
            fake.held.clear();
            fake.changed.notify_all();
        }
        browser_shutdown(&engine);
    }

    // Starts the lookup and waits for its end (generously, for slow runners).
    uint16_t run_lookup(LookupKind kind) {
        EXPECT_TRUE(browser_start_lookup(&engine, kind));
        EXPECT_TRUE(browser_wait(&engine, kind, 10000));
        return browser_state(&engine, kind);
    }

    std::vector<std::string> reachable() {
        std::vector<std::string> names;
        for (const NetName& name : domain_cache_reachable(&engine.domains)) names.push_back(narrow(name.text));
        return names;
    }

    std::vector<std::string> hosts() {
        std::vector<std::string> names;
        for (const NetName& name : host_cache_copy(&engine.hosts)) names.push_back(narrow(name.text));
        return names;
    }

    FakeDirectory fake;
    BrowserEngine engine;
};
