// MD5 against the test suite of RFC 1321, the scrambled form of secrets
// against the demo database's stored bytes, and the character sets of
// typed names.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <string>

#include "panels/scrambled_secret.h"
#include "panels/secret_edit.h"
#include "platform/charset.h"
#include "platform/md5.h"

namespace {

std::string hex(const uint8_t* bytes, size_t length) {
    std::string text;
    char pair[3];
    for (size_t i = 0; i < length; ++i) {
        snprintf(pair, sizeof pair, "%02x", bytes[i]);
        text += pair;
    }
    return text;
}

std::string md5_hex(const std::string& message) {
    uint8_t digest[MD5_DIGEST_SIZE];
    md5_digest(message.data(), message.size(), digest);
    return hex(digest, sizeof digest);
}

TEST(Md5, TheTestSuiteOfTheRfc) {
    EXPECT_EQ(md5_hex(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(md5_hex("a"), "0cc175b9c0f1b6a831c399e269772661");
    EXPECT_EQ(md5_hex("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(md5_hex("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
    EXPECT_EQ(md5_hex("abcdefghijklmnopqrstuvwxyz"), "c3fcd3d76192e4007dfb496cca67e13b");
    EXPECT_EQ(md5_hex("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"),
              "d174ab98d277d9f5a5611c2c9f419d9f");
    EXPECT_EQ(md5_hex("12345678901234567890123456789012345678901234567890123456789012345678901234567890"),
              "57edf4a22be3c955ac49da2e2107b67a");
}

TEST(Md5, InputInPiecesAcrossBlockEdgesGivesTheSameDigest) {
    // Lengths around the 56-byte padding limit and the 64-byte block.
    for (size_t length : {55u, 56u, 57u, 63u, 64u, 65u, 119u, 120u, 200u}) {
        std::string message;
        for (size_t i = 0; i < length; ++i) message += (char)('a' + i % 26);
        for (size_t piece : {1u, 7u, 64u}) {
            Md5Context context;
            md5_init(&context);
            for (size_t at = 0; at < length; at += piece)
                md5_update(&context, message.data() + at, at + piece < length ? piece : length - at);
            uint8_t digest[MD5_DIGEST_SIZE];
            md5_final(&context, digest);
            EXPECT_EQ(hex(digest, sizeof digest), md5_hex(message)) << length << " in pieces of " << piece;
        }
    }
    // A million 'a', from the usual extension of the suite.
    Md5Context context;
    md5_init(&context);
    std::string block(1000, 'a');
    for (int i = 0; i < 1000; ++i) md5_update(&context, block.data(), block.size());
    uint8_t digest[MD5_DIGEST_SIZE];
    md5_final(&context, digest);
    EXPECT_EQ(hex(digest, sizeof digest), "7707d6ae4e027c70eea2a935c2296f21");
}

ScrambledSecret from_hex(const char* text) {
    ScrambledSecret secret = {};
    for (uint32_t i = 0; i < SCRAMBLED_SECRET_SIZE; ++i) {
        while (*text == ' ') ++text;
        unsigned byte = 0;
        sscanf(text, "%2x", &byte);
        secret.bytes[i] = (uint8_t)byte;
        text += 2;
    }
    return secret;
}

TEST(ScrambledSecret, DemoSecretsReadBackAndScrambleToTheSameBytes) {
    // HQ-NAS1's two secrets as the demo database stores them.
    ScrambledSecret secret = from_hex("f3cd 9d58  2f8abf8751720f38f4a5d7551947f5f85dbbc9e22301665c9188bf242847f5f8");
    ScrambledSecret acct = from_hex("7c99 3616  c1a32e447f7328c05aa67e44595c6ec9a0c04d30521b59f177914977685c6ec9");
    char text[SECRET_TEXT_SIZE];
    secret_unscramble(secret, text);
    EXPECT_STREQ(text, "r1verside-hq1");
    secret_unscramble(acct, text);
    EXPECT_STREQ(text, "acct-hq1-7731");
    EXPECT_EQ(secret_seed(secret), 0x589dcdf3u);  // little-endian

    ScrambledSecret again;
    secret_scramble(&again, "r1verside-hq1", secret_seed(secret));
    EXPECT_EQ(memcmp(again.bytes, secret.bytes, SCRAMBLED_SECRET_SIZE), 0);
    EXPECT_TRUE(secret_matches(secret, "r1verside-hq1"));
    EXPECT_FALSE(secret_matches(secret, "r1verside-hq"));
    EXPECT_FALSE(secret_matches(secret, "r1verside-hq1x"));
}

uint32_t g_tick = 0;
uint32_t fixed_tick() { return g_tick; }

class Seeds : public ::testing::Test {
protected:
    void SetUp() override { secret_set_tick_source(fixed_tick); }
    void TearDown() override { secret_set_tick_source(nullptr); }
};

TEST_F(Seeds, ThirtyOneCharactersSurviveAndLongerInputIsCut) {
    const char* longest = "0123456789abcdefghijklmnopqrstu";  // 31
    ASSERT_EQ(strlen(longest), SECRET_TEXT_LIMIT);
    g_tick = 5000;
    ScrambledSecret secret = {};
    secret_set(&secret, longest);
    char text[SECRET_TEXT_SIZE];
    secret_unscramble(secret, text);
    EXPECT_STREQ(text, longest);
    EXPECT_TRUE(secret_matches(secret, longest));
    // The 32nd stored byte stays the padding NUL: a text never fills all 32.
    secret_set(&secret, "0123456789abcdefghijklmnopqrstuvwxyz");
    secret_unscramble(secret, text);
    EXPECT_STREQ(text, longest);
}

TEST_F(Seeds, EverySetChangesTheBytesAndNoSeedIsZero) {
    ScrambledSecret first = {}, second;
    g_tick = 0;  // the tick count just wrapped
    secret_set(&first, "same text");
    EXPECT_TRUE(secret_is_set(first));
    EXPECT_EQ(secret_seed(first), 1u);

    // The same tick again, as within one step of GetTickCount.
    second = first;
    secret_set(&second, "same text");
    EXPECT_NE(memcmp(first.bytes, second.bytes, SCRAMBLED_SECRET_SIZE), 0);
    EXPECT_TRUE(secret_matches(first, "same text"));
    EXPECT_TRUE(secret_matches(second, "same text"));

    ScrambledSecret top = {};
    secret_scramble(&top, "x", 0xFFFFFFFFu);
    g_tick = 0xFFFFFFFFu;
    secret_set(&top, "x");
    EXPECT_EQ(secret_seed(top), 1u);  // past the top, around 0
}

TEST(SecretDialogRules, TheStoredSecretIsShownOnlyWhenTheServerAllowsIt) {
    ScrambledSecret secret;
    secret_scramble(&secret, "n0rth-pop-1", 1234);
    SecretDialogStart start;
    secret_dialog_start(secret, 0x0B, &start);  // every bit but 0x04
    EXPECT_STREQ(start.shown, "");
    EXPECT_TRUE(start.validate_enabled);
    secret_dialog_start(secret, OPTION_SHOW_STORED_SECRETS, &start);
    EXPECT_STREQ(start.shown, "n0rth-pop-1");

    ScrambledSecret unset = {};
    secret_dialog_start(unset, 0xFF, &start);
    EXPECT_STREQ(start.shown, "");
    EXPECT_FALSE(start.validate_enabled);
}

TEST(Charset, NamesAreUpperCasedAndConvertedBothWays) {
    char text[16] = "nas-1 caf\xe9";  // é in Windows-1252
    upper_case_ansi(text);
    EXPECT_STREQ(text, "NAS-1 CAF\xc9");
    char oem[16], back[16];
    ansi_to_oem(text, oem, sizeof oem);
    EXPECT_STREQ(oem, "NAS-1 CAF\x90");  // É in the OEM set
    oem_to_ansi(oem, back, sizeof back);
    EXPECT_STREQ(back, text);

    char small[4];
    ansi_to_oem("ABCDEF", small, sizeof small);  // cut, always terminated
    EXPECT_STREQ(small, "ABC");
}

}  // namespace
