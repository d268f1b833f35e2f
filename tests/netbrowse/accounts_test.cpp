#include <gmock/gmock.h>

#include "netbrowse/accounts.h"
#include "netbrowse/control_registry.h"
#include "tests/netbrowse/engine_fixture.h"

using ::testing::ElementsAre;

namespace {

struct Shown {
    NoticeTitle title;
    std::string text;
};

void record(void* context, NoticeTitle title, const char16_t* text) {
    static_cast<std::vector<Shown>*>(context)->push_back(Shown{title, narrow(text)});
}

const char* const RIGHTS_DOMAIN = "You have insufficient rights to view objects in the selected domain";
const char* const RIGHTS_HOST = "You have insufficient rights to view objects on the selected host";

class AccountsTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        FakeServer* host = fake_server(&fake, "\\\\HOST");
        host->users = {"alice", "bob"};
        host->groups = {"Admins", "Staff"};
        fake_add_domain(&fake, "SALES", "\\\\SALESDC");
        fake_server(&fake, "\\\\SALESDC")->users = {"carol"};
        fake_server(&fake, "\\\\SALESDC")->groups = {"Domain Users"};
    }

    uint16_t list(int kind, const char16_t* target) {
        refused.text[0] = 0;
        return list_accounts(&engine, kind, target, Notices{&shown, record}, &items, &refused);
    }

    void expect_one_notice(NoticeTitle title, const char* text) {
        ASSERT_EQ(1u, shown.size());
        EXPECT_EQ(title, shown[0].title);
        EXPECT_EQ(text, shown[0].text);
    }

    // "alice/2" for a user, "Admins/3" for a group.
    std::vector<std::string> listed() {
        std::vector<std::string> out;
        for (const ListItem& item : items) out.push_back(narrow(item.name.text) + "/" + std::to_string(item.kind));
        return out;
    }

    std::vector<ListItem> items;
    NetName refused;
    std::vector<Shown> shown;
};

TEST_F(AccountsTest, HostGetsBackslashesUnlessItHasThem) {
    for (const char16_t* target : {u"HOST", u"\\\\HOST"}) {
        ASSERT_EQ(ACCOUNTS_DONE, list(TARGET_HOST, target));
        EXPECT_THAT(listed(), ElementsAre("alice/2", "bob/2", "Admins/3", "Staff/3"));
    }
    EXPECT_THAT(fake_calls(&fake),
                ElementsAre("provider", "connect \\\\HOST", "users \\\\HOST", "groups \\\\HOST", "cancel \\\\HOST",
                            "connect \\\\HOST", "users \\\\HOST", "groups \\\\HOST", "cancel \\\\HOST"));
    EXPECT_TRUE(shown.empty());
}

TEST_F(AccountsTest, ALongHostNameIsCutButKeepsItsPrefix) {
    std::u16string long_host(300, u'H');
    NetName server;
    server_of_host(long_host.c_str(), &server);
    EXPECT_EQ(256u, net_text_length(server.text));
    EXPECT_EQ(u'\\', server.text[0]);
    EXPECT_EQ(u'\\', server.text[1]);
}

TEST_F(AccountsTest, DomainUsesTheCachedControllerElseAsks) {
    ASSERT_EQ(ACCOUNTS_DONE, list(TARGET_DOMAIN, u"SALES"));
    EXPECT_THAT(listed(), ElementsAre("carol/2", "Domain Users/3"));
    EXPECT_EQ(1u, fake.entered[CALL_CONTROLLER]);

    domain_cache_store(&engine.domains, u"SALES", u"\\\\HOST");
    ASSERT_EQ(ACCOUNTS_DONE, list(TARGET_DOMAIN, u"SALES"));
    EXPECT_THAT(listed(), ElementsAre("alice/2", "bob/2", "Admins/3", "Staff/3"));
    EXPECT_EQ(1u, fake.entered[CALL_CONTROLLER]);
}

TEST_F(AccountsTest, AServerWhoseOnlyGroupIsNoneShowsItsLocalGroups) {
    FakeServer* workstation = fake_server(&fake, "\\\\WS");
    workstation->users = {"dave"};
    workstation->groups = {"None"};
    workstation->local_groups = {"Administrators", "Users"};
    ASSERT_EQ(ACCOUNTS_DONE, list(TARGET_HOST, u"WS"));
    EXPECT_THAT(listed(), ElementsAre("dave/2", "Administrators/3", "Users/3"));

    workstation->groups = {"None", "Other"};
    ASSERT_EQ(ACCOUNTS_DONE, list(TARGET_HOST, u"WS"));
    EXPECT_THAT(listed(), ElementsAre("dave/2", "None/3", "Other/3"));
}

TEST_F(AccountsTest, AnyOtherKindDoesNothing) {
    for (int kind : {0, 1, 2, 3, 6}) EXPECT_EQ(ACCOUNTS_DONE, list(kind, u"HOST"));
    EXPECT_TRUE(fake_calls(&fake).empty());
}

// Each failure: the result, what the person is told, and the IPC$ connection
// released whenever one was made.
TEST_F(AccountsTest, FailuresAreReportedOnceAndReleaseTheConnection) {
    struct Case {
        const char* name;
        int kind;
        const char16_t* target;
        uint32_t FakeServer::*error;
        uint32_t code;
        uint16_t result;
        NoticeTitle title;
        const char* text;
    } cases[] = {
        {"host refuses logon", TARGET_HOST, u"HOST", &FakeServer::users_error, 1326, ACCOUNTS_LOGON_REFUSED,
         NOTICE_ERROR, nullptr},
        {"groups refuse logon", TARGET_HOST, u"HOST", &FakeServer::groups_error, 1326, ACCOUNTS_LOGON_REFUSED,
         NOTICE_ERROR, nullptr},
        {"host denies users", TARGET_HOST, u"HOST", &FakeServer::users_error, 5, ACCOUNTS_FAILED, NOTICE_NETWORK_ERROR,
         RIGHTS_HOST},
        {"domain denies groups", TARGET_DOMAIN, u"SALES", &FakeServer::groups_error, 5, ACCOUNTS_FAILED,
         NOTICE_NETWORK_ERROR, RIGHTS_DOMAIN},
        {"local groups fail", TARGET_HOST, u"HOST", &FakeServer::local_groups_error, 53, ACCOUNTS_FAILED,
         NOTICE_NETWORK_ERROR, RIGHTS_HOST},
        {"server out of memory", TARGET_HOST, u"HOST", &FakeServer::users_error, 8, ACCOUNTS_FAILED, NOTICE_ERROR,
         "Insufficient memory for buffer allocation"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string server = c.kind == TARGET_HOST ? "\\\\HOST" : "\\\\SALESDC";
        FakeServer* s = fake_server(&fake, server);
        FakeServer saved = *s;
        if (c.error == &FakeServer::local_groups_error) s->groups = {"None"};
        s->*c.error = c.code;
        shown.clear();
        fake.calls.clear();
        EXPECT_EQ(c.result, list(c.kind, c.target));
        EXPECT_TRUE(items.empty());
        if (c.text) {
            expect_one_notice(c.title, c.text);
        } else {
            EXPECT_TRUE(shown.empty());
            EXPECT_EQ(server, narrow(refused.text));
        }
        EXPECT_EQ("cancel " + server, fake_calls(&fake).back());
        *s = saved;
    }
}

TEST_F(AccountsTest, AFailedAnonymousConnectionIsNotCancelled) {
    fake_server(&fake, "\\\\HOST")->connect_error = 1219;
    ASSERT_EQ(ACCOUNTS_DONE, list(TARGET_HOST, u"HOST"));
    EXPECT_EQ(0u, fake.entered[CALL_CANCEL]);
    EXPECT_EQ(4u, items.size());
}

TEST_F(AccountsTest, ControllerFailuresShowTheNetworkError) {
    struct Case {
        uint32_t code;
        bool extended;
        const char* text;
    } cases[] = {
        {2453, false, RIGHTS_HOST},
        {1326, false, RIGHTS_DOMAIN},
        {59, false, "Network error 59"},
        {59, true, "Provider: Microsoft Windows Network\nError code: 1203\nError:No network provider accepted"},
    };
    fake_add_domain(&fake, "LAB", "\\\\LABDC");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        fake.domains.back().controller_error = c.code;
        fake.has_extended_error = c.extended;
        fake.extended_code = 1203;
        fake.extended_text = "No network provider accepted";
        shown.clear();
        EXPECT_EQ(ACCOUNTS_FAILED, list(TARGET_DOMAIN, u"LAB"));
        expect_one_notice(NOTICE_NETWORK_ERROR, c.text);
    }
    EXPECT_EQ(0u, fake.entered[CALL_CONNECT]);
}

TEST_F(AccountsTest, WithoutProviderNameNothingIsAsked) {
    struct Case {
        ProviderStatus status;
        const char* text;
    } cases[] = {
        {PROVIDER_ABSENT, "Client for Microsoft Network is not present"},
        {PROVIDER_OPEN_FAILED, "Cannot open the registry key needed to obtain network provider names"},
        {PROVIDER_READ_FAILED, "Cannot read the registry key needed to obtain network provider names"},
    };
    for (const Case& c : cases) {
        fake.provider_status = c.status;
        shown.clear();
        EXPECT_EQ(ACCOUNTS_FAILED, list(TARGET_HOST, u"HOST"));
        expect_one_notice(NOTICE_ERROR, c.text);
    }
    EXPECT_EQ(0u, fake.entered[CALL_CONNECT]);
}

TEST(ControlRegistryTest, ASecondRegistrationIsRefusedAndChangesNothing) {
    ControlRegistry registry;
    int list = 0, owner = 0, other = 0;
    ASSERT_TRUE(control_registry_add(&registry, &list, &owner));
    control_registry_find(&registry, &list)->original_procedure = &owner;
    EXPECT_FALSE(control_registry_add(&registry, &list, &other));
    ASSERT_EQ(1u, registry.controls.size());
    EXPECT_EQ(&owner, registry.controls[0].notify);
    EXPECT_EQ(&owner, registry.controls[0].original_procedure);
    EXPECT_TRUE(control_registry_remove(&registry, &list));
    EXPECT_FALSE(control_registry_remove(&registry, &list));
    EXPECT_TRUE(control_registry_add(&registry, &list, &other));
}

TEST(NetNameTest, NamesAreCutAt256UnitsAndComparedWithoutCase) {
    std::u16string long_name(300, u'a');
    NetName name;
    net_name_set(&name, long_name.c_str());
    EXPECT_EQ(256u, net_text_length(name.text));
    EXPECT_TRUE(net_names_equal(name.text, std::u16string(256, u'A').c_str()));
    EXPECT_FALSE(net_names_equal(u"SALES", u"SALES2"));
    EXPECT_FALSE(net_names_equal(u"SALES2", u"SALES"));
    net_name_set(&name, nullptr);
    EXPECT_EQ(0u, net_text_length(name.text));
}

}  // namespace
