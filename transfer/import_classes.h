// The classes a ".rif" class line may name, matched by the tail rule (the
// shorter name equals the end of the longer, so "Native-User" names
// "++b-Native-User"), and the page and entry of the selection dialog that
// lists their objects.
#pragma once

#include <stdint.h>

#include "transfer/export_engine.h"

#define ACCESS_CLASS "Access"

struct ImportClass {
    const char* cls;  // the database class; "Access" for the administrators
    uint32_t page;    // ExportPage
    uint16_t group;   // the user type's row on Users, the OtherDataEntry on Other Data, else 0
    ExportPart part;
};

// The first class, in the order clients, profiles, proxies, pools,
// messages, configuration, administrators, then the user-type table, that
// `name` (`length` bytes) matches. False for an empty name or no match.
bool import_class_of(const char* name, uint32_t length, ImportClass* out);
