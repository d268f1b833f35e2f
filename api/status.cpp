#include "api/status.h"

namespace {

struct StatusEntry {
    uint16_t status;
    const char* text;
};

const char UNANTICIPATED[] = "unanticipated error";
const char ACCESS_DENIED[] = "access denied";
const char IO_ERROR[] = "i/o error";
const char OUT_OF_MEMORY[] = "out of memory";
const char UNABLE[] = "unable to execute";

const StatusEntry STATUS_TABLE[] = {
    {0x8001, UNANTICIPATED},
    {0x8002, UNANTICIPATED},
    {0x8003, UNANTICIPATED},
    {0x8004, ACCESS_DENIED},
    {1, "file not found"},
    {2, ACCESS_DENIED},
    {3, IO_ERROR},
    {4, UNANTICIPATED},
    {5, UNANTICIPATED},
    {6, IO_ERROR},
    {7, "record not found"},
    {101, OUT_OF_MEMORY},
    {102, UNANTICIPATED},
    {103, UNANTICIPATED},
    {104, UNABLE},
    {105, UNANTICIPATED},
    {106, UNABLE},
    {107, "timeout"},
    {108, "network communications failure"},
    {109, UNANTICIPATED},
    {110, IO_ERROR},
    {200, "String was too long for buffer and was truncated"},
    {201, UNANTICIPATED},
    {202, UNANTICIPATED},
    {203, UNANTICIPATED},
    {204, OUT_OF_MEMORY},
    {205, UNANTICIPATED},
    {206, UNANTICIPATED},
    {207, "Pool Range already exists"},
    {208, "Pool range overlaps an existing pool range in this pool definition"},
};

}  // namespace

const char* status_text(uint16_t status) {
    for (const StatusEntry& entry : STATUS_TABLE) {
        if (entry.status == status) return entry.text;
    }
    return "unknown error";
}
