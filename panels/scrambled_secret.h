// The stored form of shared secrets (clients, proxies) and of PAP-or-CHAP
// passwords: a 4-byte seed, little-endian, then the text NUL-padded to 32
// bytes and XORed with the MD5 digest of the seed bytes. A seed of 0 means
// that nothing is set.
#pragma once

#include <stdint.h>

#include "platform/wipe.h"

const uint32_t SCRAMBLED_SECRET_SIZE = 36;
const uint32_t SECRET_TEXT_LIMIT = 31;                    // characters a secret may have
const uint32_t SECRET_TEXT_SIZE = SECRET_TEXT_LIMIT + 2;  // the 32 stored bytes and a terminator

struct ScrambledSecret {
    uint8_t bytes[SCRAMBLED_SECRET_SIZE];
};

uint32_t secret_seed(const ScrambledSecret& secret);
bool secret_is_set(const ScrambledSecret& secret);
void secret_clear(ScrambledSecret* secret);

// The stored form of `text` (cut to 31 characters) under `seed`, which must
// not be 0. Deterministic: the fixtures and the tests use it.
void secret_scramble(ScrambledSecret* secret, const char* text, uint32_t seed);
// Sets `text` with the tick count as seed. The seed is never 0 (a tick count
// of 0 gives 1) and never the secret's previous seed (that one plus 1), so
// setting a secret always changes its stored bytes.
void secret_set(ScrambledSecret* secret, const char* text);
// The text of a set secret; an unset one gives 32 zero bytes, that is "".
// `text` holds SECRET_TEXT_SIZE bytes and is always terminated.
void secret_unscramble(const ScrambledSecret& secret, char text[SECRET_TEXT_SIZE]);
// Whether `text` is the stored secret, compared over at most 32 bytes.
bool secret_matches(const ScrambledSecret& secret, const char* text);

// Tests fix the tick count the seeds come from; null restores tick_count.
void secret_set_tick_source(uint32_t (*ticks)());
