// A "--Password" line read back whole. The stored password holds 4 bytes
// after the L its record counts (L = 16 for a PAP-only digest, 32 for a
// PAP-or-CHAP ScrambledSecret), which the file does not carry: they are
// 4 zero bytes after a digest, and after a scrambled password the NUL
// padding scrambled under the password's seed, so a password of up to 28
// characters comes back byte for byte.
#pragma once

#include "transfer/rif_attribute_read.h"

// Whether `attribute` is a password line the file can carry whole; when so,
// its 4 missing bytes are put in attribute->tail. False for a password line
// of any other length (stored as it is); true for every other line.
bool mend_password_line(AttributeLine* attribute);
