// Texts of the string table for building messages.
#pragma once

#include <stdint.h>

const uint32_t LOAD_TEXT_BUFFERS = 8;
const uint32_t LOAD_TEXT_SIZE = 256;

// The text of `id` in one of eight rotating 256-byte buffers ("" for an id
// the table lacks). A text stays valid for the next seven calls: enough for
// one message built from several texts.
const char* load_text(uint16_t id);
// Starts the rotation again at the first buffer (tests).
void load_text_reset();
