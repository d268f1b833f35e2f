// Status codes of the server API and their texts.
#pragma once

#include <stdint.h>

#include "platform/transport.h"

const uint16_t STATUS_OK = 0;
const uint16_t STATUS_NOT_FOUND = 7;
const uint16_t STATUS_OUT_OF_MEMORY = 101;
const uint16_t STATUS_TRANSPORT = TRANSPORT_FAILED;  // pipe could not be opened, or an exchange failed
const uint16_t STATUS_REQUEST_TOO_LARGE = 106;       // the request did not fit the request buffer; nothing was sent
const uint16_t STATUS_LOCK_HELD = 107;
const uint16_t STATUS_ACCESS_REFUSED = TRANSPORT_REFUSED;  // open refused: access denied or logon failure
const uint16_t STATUS_READ_AGAIN = 0x8000;
// A reply that breaks the protocol: a listing that names nothing to continue
// from, or that repeats the batch it was asked to continue after.
const uint16_t STATUS_BAD_REPLY = 0x8001;
const uint16_t STATUS_NO_SESSION = 0x8003;
const uint16_t STATUS_TOO_MANY_RECORDS = 0xFFFF;

const char* status_text(uint16_t status);
