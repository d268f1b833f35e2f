#include "platform/md5.h"

#include <string.h>

namespace {

// The integer part of 2^32 * |sin(i)| for i = 1 to 64.
const uint32_t SINE_TABLE[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

// Left rotations of each round, repeating every four operations.
const uint32_t SHIFTS[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

uint32_t rotate_left(uint32_t value, uint32_t count) { return (value << count) | (value >> (32 - count)); }

uint32_t load_le32(const uint8_t* bytes) {
    return (uint32_t)bytes[0] | (uint32_t)bytes[1] << 8 | (uint32_t)bytes[2] << 16 | (uint32_t)bytes[3] << 24;
}

void store_le32(uint32_t value, uint8_t* bytes) {
    for (int i = 0; i < 4; ++i) bytes[i] = (uint8_t)(value >> (8 * i));
}

// One 64-byte block: four rounds of sixteen operations.
void transform(uint32_t state[4], const uint8_t block[64]) {
    uint32_t x[16];
    for (int j = 0; j < 16; ++j) x[j] = load_le32(block + 4 * j);
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (uint32_t i = 0; i < 64; ++i) {
        uint32_t round = i / 16, mixed, word;
        switch (round) {
            case 0:
                mixed = (b & c) | (~b & d);
                word = i;
                break;
            case 1:
                mixed = (b & d) | (c & ~d);
                word = (5 * i + 1) % 16;
                break;
            case 2:
                mixed = b ^ c ^ d;
                word = (3 * i + 5) % 16;
                break;
            default:
                mixed = c ^ (b | ~d);
                word = (7 * i) % 16;
                break;
        }
        uint32_t next = b + rotate_left(a + mixed + x[word] + SINE_TABLE[i], SHIFTS[round][i % 4]);
        a = d;
        d = c;
        c = b;
        b = next;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

}  // namespace

void md5_init(Md5Context* context) {
    context->state[0] = 0x67452301;
    context->state[1] = 0xefcdab89;
    context->state[2] = 0x98badcfe;
    context->state[3] = 0x10325476;
    context->length = 0;
}

void md5_update(Md5Context* context, const void* data, size_t length) {
    const uint8_t* bytes = (const uint8_t*)data;
    size_t held = (size_t)(context->length % 64);
    context->length += length;
    while (length > 0) {
        size_t take = 64 - held < length ? 64 - held : length;
        memcpy(context->block + held, bytes, take);
        held += take;
        bytes += take;
        length -= take;
        if (held == 64) {
            transform(context->state, context->block);
            held = 0;
        }
    }
}

void md5_final(Md5Context* context, uint8_t digest[MD5_DIGEST_SIZE]) {
    // A one bit, zeros up to 56 bytes into a block, then the length in bits.
    uint64_t bits = context->length * 8;
    uint8_t padding[72] = {0x80};
    size_t held = (size_t)(context->length % 64);
    size_t pad = held < 56 ? 56 - held : 120 - held;
    for (int i = 0; i < 8; ++i) padding[pad + i] = (uint8_t)(bits >> (8 * i));
    md5_update(context, padding, pad + 8);
    for (int i = 0; i < 4; ++i) store_le32(context->state[i], digest + 4 * i);
    memset(context, 0, sizeof *context);
}

void md5_digest(const void* data, size_t length, uint8_t digest[MD5_DIGEST_SIZE]) {
    Md5Context context;
    md5_init(&context);
    md5_update(&context, data, length);
    md5_final(&context, digest);
}
