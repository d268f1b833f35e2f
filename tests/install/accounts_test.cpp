#include "install/accounts.h"

#include <gtest/gtest.h>

#include "tests/install/fake_system.h"

namespace {

using Grants = std::vector<std::pair<std::string, std::string>>;

const Grants BOTH_RIGHTS = {{"radsvc", "SeServiceLogonRight"}, {"radsvc", "SeTcbPrivilege"}};

TEST(CreateUserWithRights, NewUserGetsFileAndBothRights) {
    FakeSystem system;
    AccountOutcome outcome = create_user_with_rights(system.host(), "radsvc", "pw", "C:\\Keel");
    EXPECT_EQ(0u, outcome.error);
    EXPECT_EQ(0u, outcome.file_error);
    EXPECT_EQ(1u, system.users.count("radsvc"));
    EXPECT_EQ("User for Keelgate Access Control", system.comments["radsvc"]);
    EXPECT_EQ(std::string("radsvc", 7), system.files.at("C:\\Keel\\radius.usr"));
    EXPECT_EQ(BOTH_RIGHTS, system.granted);
    EXPECT_EQ(0x0810u, system.policy_access);
    EXPECT_EQ(0, system.open_handles);
}

TEST(CreateUserWithRights, ExistingUserStillWritesTheFileAndGrantsBothRights) {
    FakeSystem system;
    system.users.insert("radsvc");
    system.files["C:\\Keel\\radius.usr"] = "someone-else-before";
    AccountOutcome outcome = create_user_with_rights(system.host(), "radsvc", "pw", "C:\\Keel\\");
    EXPECT_EQ(0u, outcome.error);
    EXPECT_EQ(std::string("radsvc", 7), system.files.at("C:\\Keel\\radius.usr"));
    EXPECT_EQ(BOTH_RIGHTS, system.granted);
}

TEST(CreateUserWithRights, UnwritableUserFileIsReportedAndTheRightsAreStillGranted) {
    FakeSystem system;
    system.unwritable_paths.insert("C:\\Keel\\radius.usr");
    AccountOutcome outcome = create_user_with_rights(system.host(), "radsvc", "pw", "C:\\Keel");
    EXPECT_EQ(0u, outcome.error);
    EXPECT_EQ(5u, outcome.file_error);
    EXPECT_EQ(BOTH_RIGHTS, system.granted);

    FakeSystem no_directory;
    outcome = create_user_with_rights(no_directory.host(), "radsvc", "pw", nullptr);
    EXPECT_EQ(0u, outcome.error);
    EXPECT_NE(0u, outcome.file_error);
    EXPECT_TRUE(no_directory.files.empty());
    EXPECT_EQ(BOTH_RIGHTS, no_directory.granted);
}

TEST(CreateUserWithRights, FailuresThatStopIt) {
    FakeSystem add_refused;
    add_refused.add_user_error = 5;
    AccountOutcome outcome = create_user_with_rights(add_refused.host(), "radsvc", "pw", "C:\\Keel");
    EXPECT_EQ(5u, outcome.error);
    EXPECT_TRUE(add_refused.files.empty());
    EXPECT_TRUE(add_refused.granted.empty());

    FakeSystem rights_refused;
    rights_refused.right_errors["SeTcbPrivilege"] = 0xC0000022;
    outcome = create_user_with_rights(rights_refused.host(), "radsvc", "pw", "C:\\Keel");
    EXPECT_EQ(0xC0000022u, outcome.error);
    EXPECT_EQ(1u, rights_refused.files.count("C:\\Keel\\radius.usr"));
    EXPECT_EQ(0, rights_refused.open_handles);

    FakeSystem no_name;
    EXPECT_NE(0u, create_user_with_rights(no_name.host(), "", "pw", "C:\\Keel").error);
    EXPECT_TRUE(no_name.users.empty());
}

TEST(UpdateUserRights, FirstFailureEndsIt) {
    struct {
        const char* name;
        uint32_t policy_error;
        const char* refused_right;
        bool known_user;
        uint32_t expected;
        Grants granted;
    } cases[] = {
        {"both", 0, nullptr, true, 0, BOTH_RIGHTS},
        {"no policy", 0xC0000022, nullptr, true, 0xC0000022, {}},
        {"unknown user", 0, nullptr, false, 1332, {}},
        {"logon right refused", 0, "SeServiceLogonRight", true, 87, {}},
        {"tcb refused", 0, "SeTcbPrivilege", true, 87, {{"radsvc", "SeServiceLogonRight"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSystem system;
        system.policy_error = c.policy_error;
        if (c.refused_right != nullptr) system.right_errors[c.refused_right] = 87;
        if (c.known_user) system.users.insert("radsvc");
        EXPECT_EQ(c.expected, grant_service_rights(system.host(), "radsvc"));
        EXPECT_EQ(c.granted, system.granted);
        EXPECT_EQ(0, system.open_handles);
    }
}

TEST(DoesUserExist, ThreeAnswers) {
    FakeSystem system;
    system.users.insert("radsvc");
    EXPECT_EQ(Answer::yes, user_exists(system.host(), "radsvc"));
    EXPECT_EQ(Answer::no, user_exists(system.host(), "nobody"));
    system.find_user_error = 53;
    EXPECT_EQ(Answer::unknown, user_exists(system.host(), "radsvc"));
}

TEST(IsDomainController, ThisComputerAmongTheControllers) {
    FakeSystem system;
    system.computer = "RADIUS1";
    EXPECT_EQ(Answer::no, is_domain_controller(system.host()));
    system.controllers = {"DC1", "radius1"};
    EXPECT_EQ(Answer::yes, is_domain_controller(system.host()));
    system.controllers = {"DC1", "RADIUS10"};
    EXPECT_EQ(Answer::no, is_domain_controller(system.host()));
    system.controllers_error = 6118;
    EXPECT_EQ(Answer::unknown, is_domain_controller(system.host()));
    system.controllers_error = 0;
    system.computer_name_error = 5;
    EXPECT_EQ(Answer::unknown, is_domain_controller(system.host()));
}

}  // namespace
