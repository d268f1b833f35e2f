// Any bytes as a keelsim dictionary file: attribute and value statements.
#include <stdint.h>

#include <string>

#include "sim/fixture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 65536) return 0;
    SimDictionary dictionary;
    std::string error;
    uint16_t status = dictionary_parse((const char*)data, size, &dictionary, &error);
    // A refusal always says why.
    if (status != 0 && error.empty()) __builtin_trap();
    return 0;
}
