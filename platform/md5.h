// The MD5 message digest of RFC 1321: stored passwords keep it, and shared
// secrets are scrambled with the digest of their seed.
#pragma once

#include <stddef.h>
#include <stdint.h>

const uint32_t MD5_DIGEST_SIZE = 16;

// A digest in progress, for input that arrives in pieces.
struct Md5Context {
    uint32_t state[4];  // A, B, C, D
    uint64_t length;    // bytes taken so far
    uint8_t block[64];  // the part of the current block taken so far
};

void md5_init(Md5Context* context);
void md5_update(Md5Context* context, const void* data, size_t length);
// Writes the digest and leaves the context unusable until md5_init.
void md5_final(Md5Context* context, uint8_t digest[MD5_DIGEST_SIZE]);

// The digest of one piece of memory.
void md5_digest(const void* data, size_t length, uint8_t digest[MD5_DIGEST_SIZE]);
