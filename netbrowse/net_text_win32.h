// Names between the caller's ANSI texts (at most 256 bytes) and the
// library's UTF-16.
#pragma once

#include <stdint.h>

#include "netbrowse/net_name.h"

void net_name_from_ansi(const char* text, NetName* name);
// Always terminated; cut where it does not fit.
void net_name_to_ansi(const char16_t* name, char* text, uint32_t size);

const uint32_t ANSI_NAME_SIZE = 257;
