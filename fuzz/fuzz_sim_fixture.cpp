// Any bytes as a keelsim fixture. What is accepted must save to a text that
// reads back to the same state: a demo database that keelsim writes must
// load again unchanged.
#include <stdint.h>

#include <string>

#include "sim/fixture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 65536) return 0;
    // Dictionary files named in the input are looked for in a directory that
    // does not exist, so every run reads the same nothing.
    const std::string base_dir = "/nonexistent-keel-fuzz/";
    SimState state;
    std::string error;
    if (fixture_apply(&state, (const char*)data, size, base_dir, 0, &error) != 0) return 0;
    std::string saved = fixture_text(state, 0);
    SimState again;
    if (fixture_apply(&again, saved.data(), saved.size(), base_dir, 0, &error) != 0) __builtin_trap();
    if (fixture_text(again, 0) != saved) __builtin_trap();
    return 0;
}
