#include <atomic>
#include <thread>

#include <gmock/gmock.h>

#include "tests/netbrowse/engine_fixture.h"

using ::testing::ElementsAre;

namespace {

TEST_F(EngineTest, BothStatesAreNotReadyBeforeAnyLookup) {
    EXPECT_EQ(LOOKUP_NOT_READY, browser_state(&engine, LOOKUP_DOMAINS));
    EXPECT_EQ(LOOKUP_NOT_READY, browser_state(&engine, LOOKUP_HOSTS));
    EXPECT_FALSE(browser_wait(&engine, LOOKUP_DOMAINS, 0));
    EXPECT_FALSE(browser_wait(&engine, LOOKUP_HOSTS, 0));
}

TEST_F(EngineTest, DomainWithoutControllerIsCachedUnreachableAndNotShown) {
    fake_add_domain(&fake, "SALES", "\\\\SALESDC");
    fake_add_domain(&fake, "LAB", "");
    ASSERT_EQ(LOOKUP_READY, run_lookup(LOOKUP_DOMAINS));

    std::vector<DomainEntry> cached = domain_cache_copy(&engine.domains);
    ASSERT_EQ(2u, cached.size());
    for (const DomainEntry& entry : cached) {
        if (narrow(entry.name.text) == "LAB") {
            EXPECT_FALSE(entry.reachable);
            EXPECT_EQ("", narrow(entry.controller.text));
        } else {
            EXPECT_TRUE(entry.reachable);
            EXPECT_EQ("\\\\SALESDC", narrow(entry.controller.text));
        }
    }
    EXPECT_THAT(reachable(), ElementsAre("SALES"));
}

TEST_F(EngineTest, LaterControllerCompletesAnUnreachableEntryAndAFailureKeepsIt) {
    domain_cache_store(&engine.domains, u"LAB", nullptr);
    domain_cache_store(&engine.domains, u"LAB", u"\\\\LABDC");
    domain_cache_store(&engine.domains, u"LAB", nullptr);
    NetName controller;
    ASSERT_TRUE(domain_cache_controller(&engine.domains, u"lab", &controller));
    EXPECT_EQ("\\\\LABDC", narrow(controller.text));
    EXPECT_EQ(1u, domain_cache_copy(&engine.domains).size());
}

TEST_F(EngineTest, HostsAreNeverDuplicated) {
    fake_add_domain(&fake, "SALES", "\\\\SALESDC", {"ALPHA", "BETA"});
    fake_add_domain(&fake, "LAB", "", {"beta", "GAMMA", "ALPHA"});
    ASSERT_EQ(LOOKUP_READY, run_lookup(LOOKUP_HOSTS));
    EXPECT_THAT(hosts(), ElementsAre("ALPHA", "BETA", "GAMMA"));
    // A second lookup over a filled cache adds nothing.
    ASSERT_EQ(LOOKUP_READY, run_lookup(LOOKUP_HOSTS));
    EXPECT_THAT(hosts(), ElementsAre("ALPHA", "BETA", "GAMMA"));
}

TEST_F(EngineTest, OneDomainsServerFailureLeavesTheOthersAndEndsReady) {
    fake_add_domain(&fake, "SALES", "", {"ALPHA"});
    fake_add_domain(&fake, "LAB", "", {"GAMMA"});
    fake.domains[0].servers_error = 6118;
    ASSERT_EQ(LOOKUP_READY, run_lookup(LOOKUP_HOSTS));
    EXPECT_THAT(hosts(), ElementsAre("GAMMA"));
}

// How each lookup ends when the network cannot be read.
TEST_F(EngineTest, LookupsFailWithoutProviderOrDomainList) {
    struct Case {
        ProviderStatus provider;
        uint32_t domains_error;
    } cases[] = {{PROVIDER_ABSENT, 0}, {PROVIDER_OPEN_FAILED, 0}, {PROVIDER_READ_FAILED, 0}, {PROVIDER_FOUND, 1222}};
    fake_add_domain(&fake, "SALES", "\\\\SALESDC", {"ALPHA"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.domains_error);
        fake.provider_status = c.provider;
        fake.domains_error = c.domains_error;
        EXPECT_EQ(LOOKUP_FAILED, run_lookup(LOOKUP_DOMAINS));
        EXPECT_EQ(LOOKUP_FAILED, run_lookup(LOOKUP_HOSTS));
    }
}

TEST_F(EngineTest, ProviderNameIsReadOnceFound) {
    fake.provider_status = PROVIDER_ABSENT;
    run_lookup(LOOKUP_DOMAINS);
    fake.provider_status = PROVIDER_FOUND;
    run_lookup(LOOKUP_DOMAINS);
    run_lookup(LOOKUP_HOSTS);
    EXPECT_EQ(2u, fake.provider_reads);
    EXPECT_EQ("domains Microsoft Windows Network", fake_calls(&fake).back().substr(0, 33));
}

TEST_F(EngineTest, FiftyDomainsAreAllWaitedFor) {
    for (int i = 0; i < 50; ++i)
        fake_add_domain(&fake, "D" + std::to_string(i), i % 5 ? "\\\\DC" + std::to_string(i) : "");
    fake.delay_ms[CALL_CONTROLLER] = 20;
    ASSERT_TRUE(browser_start_lookup(&engine, LOOKUP_DOMAINS));
    EXPECT_EQ(LOOKUP_NOT_READY, browser_state(&engine, LOOKUP_DOMAINS));
    ASSERT_TRUE(browser_wait(&engine, LOOKUP_DOMAINS, 10000));
    // Ready only once every worker has stored its domain.
    EXPECT_EQ(LOOKUP_READY, browser_state(&engine, LOOKUP_DOMAINS));
    EXPECT_EQ(50u, domain_cache_copy(&engine.domains).size());
    EXPECT_EQ(40u, reachable().size());
    EXPECT_EQ(50u, fake.entered[CALL_CONTROLLER]);
}

// A thread starter that refuses after a number of starts.
std::atomic<int> g_starts_left;
bool limited_start(ThreadBody body, void* argument) {
    if (g_starts_left.fetch_sub(1) <= 0) return false;
    return start_system_thread(body, argument);
}

TEST_F(EngineTest, AWorkerThatCannotStartFailsTheLookupAfterTheOthersEnd) {
    for (int i = 0; i < 50; ++i) fake_add_domain(&fake, "D" + std::to_string(i), "\\\\DC");
    fake.delay_ms[CALL_CONTROLLER] = 10;
    engine.start_thread = limited_start;
    g_starts_left = 1 + 10;  // the lookup thread and ten workers
    EXPECT_EQ(LOOKUP_FAILED, run_lookup(LOOKUP_DOMAINS));
    // The ten started workers finished before the state was set.
    EXPECT_EQ(10u, domain_cache_copy(&engine.domains).size());

    g_starts_left = 0;
    EXPECT_FALSE(browser_start_lookup(&engine, LOOKUP_HOSTS));
    EXPECT_EQ(LOOKUP_FAILED, browser_state(&engine, LOOKUP_HOSTS));
    EXPECT_TRUE(browser_wait(&engine, LOOKUP_HOSTS, 0));
}

// While the directory keeps a lookup waiting, the caller's thread reads
// and changes the caches and states without blocking.
TEST_F(EngineTest, NoLockIsHeldWhileTheDirectoryIsAsked) {
    struct Case {
        FakeCall held;
        LookupKind kind;
    } cases[] = {{CALL_PROVIDER, LOOKUP_DOMAINS},
                 {CALL_DOMAINS, LOOKUP_DOMAINS},
                 {CALL_CONTROLLER, LOOKUP_DOMAINS},
                 {CALL_DOMAINS, LOOKUP_HOSTS},
                 {CALL_SERVERS, LOOKUP_HOSTS}};
    fake_add_domain(&fake, "SALES", "\\\\SALESDC", {"ALPHA"});
    fake_add_domain(&fake, "LAB", "", {"GAMMA"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.held);
        browser_init(&engine, fake_directory(&fake), start_system_thread);
        domain_cache_store(&engine.domains, u"KNOWN", u"\\\\KNOWNDC");
        host_cache_add(&engine.hosts, u"KNOWNHOST");
        uint32_t entered = fake.entered[c.held];
        fake_hold(&fake, c.held);
        ASSERT_TRUE(browser_start_lookup(&engine, c.kind));
        ASSERT_TRUE(fake_wait_entered(&fake, c.held, entered + 1, 5000));

        std::atomic<bool> finished{false};
        std::thread reader([&] {
            NetName controller;
            EXPECT_TRUE(domain_cache_controller(&engine.domains, u"KNOWN", &controller));
            EXPECT_EQ(1u, host_cache_copy(&engine.hosts).size());
            EXPECT_EQ(LOOKUP_NOT_READY, browser_state(&engine, c.kind));
            EXPECT_FALSE(browser_wait(&engine, c.kind, 0));
            browser_reset_event(&engine, c.kind);
            browser_flush(&engine, c.kind == LOOKUP_DOMAINS ? LOOKUP_HOSTS : LOOKUP_DOMAINS);
            finished = true;
        });
        for (int i = 0; i < 200 && !finished; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_TRUE(finished) << "a cache or state stayed locked while the directory was asked";
        fake_release(&fake, c.held);
        reader.join();
        EXPECT_TRUE(browser_wait(&engine, c.kind, 10000));
        browser_shutdown(&engine);
    }
}

TEST_F(EngineTest, ARestartOvertakesTheRunningLookup) {
    fake_add_domain(&fake, "OLD", "\\\\OLDDC");
    fake.domains_error = 59;  // the first run would end failed
    fake_hold(&fake, CALL_CONTROLLER, "OLD");
    ASSERT_TRUE(browser_start_lookup(&engine, LOOKUP_DOMAINS));
    ASSERT_TRUE(fake_wait_entered(&fake, CALL_CONTROLLER, 1, 5000));

    // Refresh, as the console does: flush, reset, start again.
    {
        std::lock_guard<std::mutex> hold(fake.mutex);
        fake.domains.clear();
        fake.domains_error = 0;
    }
    fake_add_domain(&fake, "NEW", "\\\\NEWDC");
    browser_flush(&engine, LOOKUP_DOMAINS);
    browser_reset_event(&engine, LOOKUP_DOMAINS);
    ASSERT_TRUE(browser_start_lookup(&engine, LOOKUP_DOMAINS));
    ASSERT_TRUE(browser_wait(&engine, LOOKUP_DOMAINS, 10000));
    EXPECT_EQ(LOOKUP_READY, browser_state(&engine, LOOKUP_DOMAINS));

    // The overtaken run ends now: it neither fails the state nor adds its domain.
    fake_release(&fake, CALL_CONTROLLER, "OLD");
    browser_join(&engine);
    EXPECT_EQ(LOOKUP_READY, browser_state(&engine, LOOKUP_DOMAINS));
    EXPECT_TRUE(browser_wait(&engine, LOOKUP_DOMAINS, 0));
    EXPECT_EQ(1u, domain_cache_copy(&engine.domains).size());
    EXPECT_THAT(reachable(), ElementsAre("NEW"));
}

TEST_F(EngineTest, FlushEmptiesTheCacheAndMakesTheStateNotReady) {
    fake_add_domain(&fake, "SALES", "\\\\SALESDC", {"ALPHA"});
    ASSERT_EQ(LOOKUP_READY, run_lookup(LOOKUP_DOMAINS));
    ASSERT_EQ(LOOKUP_READY, run_lookup(LOOKUP_HOSTS));
    browser_flush(&engine, LOOKUP_HOSTS);
    EXPECT_EQ(LOOKUP_NOT_READY, browser_state(&engine, LOOKUP_HOSTS));
    EXPECT_TRUE(hosts().empty());
    EXPECT_EQ(LOOKUP_READY, browser_state(&engine, LOOKUP_DOMAINS));
    EXPECT_THAT(reachable(), ElementsAre("SALES"));
    browser_flush(&engine, LOOKUP_DOMAINS);
    EXPECT_TRUE(reachable().empty());
}

}  // namespace
