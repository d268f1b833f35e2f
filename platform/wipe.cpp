#include "platform/wipe.h"

void secret_wipe(void* text, uint32_t size) {
    // Through a volatile pointer, so the compiler cannot drop the stores.
    volatile uint8_t* bytes = (volatile uint8_t*)text;
    for (uint32_t i = 0; i < size; ++i) bytes[i] = 0;
}
