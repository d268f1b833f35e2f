// The user classes and their listed forms, and the stored profile link.
#include <gtest/gtest.h>

#include <stdint.h>
#include <string.h>

#include <string>

#include "panels/profile_link.h"
#include "panels/user_types.h"

namespace {

TEST(UserTypes, AvailabilityFollowsPlatformAndOptionBits) {
    struct Case {
        const char* cls;
        uint16_t platform;
        uint32_t options;
        bool available;
    } cases[] = {
        {"++b-Native-User", 4, 0, true},       {"++e-NDS-User", 4, 0xFF, false},        // NetWare only
        {"++c-Bindery-User", 1, 0, true},      {"++h-NT-Domain-User", 4, 0x02, false},  // needs the domain bit
        {"++h-NT-Domain-User", 4, 0x01, true}, {"++k-NT-Host-Group", 4, 0x03, true},
        {"++k-NT-Host-Group", 3, 0x03, false},
    };
    for (const Case& c : cases) {
        const UserType* type = user_type_of_class(c.cls);
        ASSERT_NE(type, nullptr) << c.cls;
        EXPECT_EQ(user_type_available(*type, c.platform, c.options), c.available) << c.cls << " " << c.platform;
    }
    EXPECT_EQ(user_type_of_class("++a-Profile"), nullptr);
}

TEST(UserTypes, KindsAreTheirClassesInTheTable) {
    for (uint8_t kind = 0; kind < USER_KIND_COUNT; ++kind) {
        const UserKindInfo& info = user_kind_info(static_cast<UserKind>(kind));
        EXPECT_EQ(user_kind_of_class(info.class_name), kind);
        const UserType* type = user_type_of_class(info.class_name);
        ASSERT_NE(type, nullptr) << info.class_name;
        EXPECT_EQ(type->display_id, info.display_id);
    }
    EXPECT_EQ(user_kind_of_class("++e-NDS-User"), USER_KIND_UNKNOWN);
}

TEST(UserTypes, MarkedFormsRoundTrip) {
    struct Case {
        UserKind kind;
        const char* object;
        const char* listed;
    } cases[] = {
        {USER_SECURID_PREFIX, "AB", "AB<USERNAME>"},
        {USER_SECURID_SUFFIX, "CORP", "<USERNAME>CORP"},
        {USER_NATIVE, "SMITH", "SMITH"},
        {USER_DOMAIN_USER, "\\\\SALES\\JANE", "\\\\SALES\\JANE"},
    };
    for (const Case& c : cases) {
        char listed[64];
        ASSERT_TRUE(user_listed_name(c.kind, c.object, listed, sizeof listed));
        EXPECT_STREQ(listed, c.listed);
        char object[64];
        const UserKind marked = user_marked_object(listed, object, sizeof object);
        if (c.kind == USER_SECURID_PREFIX || c.kind == USER_SECURID_SUFFIX) {
            EXPECT_EQ(marked, c.kind) << c.listed;
            EXPECT_STREQ(object, c.object);
        } else {
            EXPECT_EQ(marked, USER_KIND_UNKNOWN) << c.listed;
        }
    }
    char small[8];
    EXPECT_FALSE(user_listed_name(USER_SECURID_PREFIX, "AB", small, sizeof small));
}

TEST(ProfileLink, EncodesTheStoredFormAndDecodesDamagedBytes) {
    uint8_t bytes[300];
    const uint32_t length = profile_link_encode("STAFF-VPN", bytes, sizeof bytes);
    const uint8_t expected[] = {1, 0, 0, 0, 0, 0, 10, 0, 1, 0, 'S', 'T', 'A', 'F', 'F', '-', 'V', 'P', 'N', 0};
    ASSERT_EQ(length, sizeof expected);
    EXPECT_EQ(memcmp(bytes, expected, sizeof expected), 0);

    char name[PROFILE_NAME_SIZE];
    profile_link_decode(bytes, length, name, sizeof name);
    EXPECT_STREQ(name, "STAFF-VPN");
    profile_link_decode(bytes, length - 3, name, sizeof name);  // record runs past the end
    EXPECT_STREQ(name, "");
    bytes[length - 1] = 'X';  // no NUL: the name stops at the record's end
    profile_link_decode(bytes, length, name, sizeof name);
    EXPECT_STREQ(name, "STAFF-VPNX");

    EXPECT_EQ(profile_link_encode("", bytes, sizeof bytes), PROFILE_LINK_HEADER + 1);
    EXPECT_EQ(profile_link_encode(std::string(255, 'A').c_str(), bytes, sizeof bytes), 0u);
}

}  // namespace
