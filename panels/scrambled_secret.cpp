#include "panels/scrambled_secret.h"

#include <string.h>

#include "platform/md5.h"
#include "platform/ticks.h"

namespace {

const uint32_t SEED_SIZE = 4;
const uint32_t SCRAMBLED_TEXT_SIZE = SCRAMBLED_SECRET_SIZE - SEED_SIZE;

uint32_t (*g_ticks)() = nullptr;

// XORs the 32 text bytes with the digest of the seed bytes: scrambling and
// unscrambling are the same step.
void apply_digest(const uint8_t seed[SEED_SIZE], const uint8_t* in, uint8_t* out) {
    uint8_t digest[MD5_DIGEST_SIZE];
    md5_digest(seed, SEED_SIZE, digest);
    for (uint32_t i = 0; i < SCRAMBLED_TEXT_SIZE; ++i) out[i] = in[i] ^ digest[i % MD5_DIGEST_SIZE];
    secret_wipe(digest, sizeof digest);
}

}  // namespace

uint32_t secret_seed(const ScrambledSecret& secret) {
    const uint8_t* b = secret.bytes;
    return (uint32_t)b[0] | (uint32_t)b[1] << 8 | (uint32_t)b[2] << 16 | (uint32_t)b[3] << 24;
}

bool secret_is_set(const ScrambledSecret& secret) { return secret_seed(secret) != 0; }

void secret_clear(ScrambledSecret* secret) { memset(secret->bytes, 0, sizeof secret->bytes); }

void secret_scramble(ScrambledSecret* secret, const char* text, uint32_t seed) {
    uint8_t plain[SCRAMBLED_TEXT_SIZE] = {};
    size_t length = strlen(text);
    memcpy(plain, text, length < SECRET_TEXT_LIMIT ? length : SECRET_TEXT_LIMIT);
    for (uint32_t i = 0; i < SEED_SIZE; ++i) secret->bytes[i] = (uint8_t)(seed >> (8 * i));
    apply_digest(secret->bytes, plain, secret->bytes + SEED_SIZE);
    secret_wipe(plain, sizeof plain);
}

void secret_set(ScrambledSecret* secret, const char* text) {
    uint32_t seed = g_ticks ? g_ticks() : tick_count();
    // GetTickCount moves in steps of 10 to 16 ms: a second Set soon after
    // the first would otherwise repeat the seed and the bytes.
    if (seed == 0) seed = 1;
    if (seed == secret_seed(*secret) && ++seed == 0) seed = 1;
    secret_scramble(secret, text, seed);
}

void secret_unscramble(const ScrambledSecret& secret, char text[SECRET_TEXT_SIZE]) {
    memset(text, 0, SECRET_TEXT_SIZE);
    if (!secret_is_set(secret)) return;
    apply_digest(secret.bytes, secret.bytes + SEED_SIZE, (uint8_t*)text);
}

bool secret_matches(const ScrambledSecret& secret, const char* text) {
    char stored[SECRET_TEXT_SIZE];
    secret_unscramble(secret, stored);
    bool equal = strncmp(stored, text, SCRAMBLED_TEXT_SIZE) == 0;
    secret_wipe(stored, sizeof stored);
    return equal;
}

void secret_set_tick_source(uint32_t (*ticks)()) { g_ticks = ticks; }
