// Being admitted by the service once the pipe is open: its version checked
// against ours in both directions, then our access level and its option
// mask. The console's Servers panel and keelcli take the same steps.
#pragma once

#include <stdint.h>

enum AdmissionVerdict { ADMITTED, SERVICE_OUT_OF_DATE, CONSOLE_REFUSED, INSUFFICIENT_RIGHTS };

struct Admission {
    uint32_t service_version;  // 0 when the request failed
    bool console_checked;
    uint16_t console_status;  // nonzero: the service refuses this console's version
    bool has_required;
    uint32_t required_version;  // the console version the service asks for
    bool level_read;
    uint16_t access_level;  // 0 when the request failed
    bool has_option_mask;
    uint32_t option_mask;  // read only when admitted; 0 when the request failed
    AdmissionVerdict verdict;
};

// The steps in order, stopping at the first refusal.
void check_admission(Admission* admission);

// Why the connection gives only level 0, from the string table:
// "Radius service v01.29.255 out of date (...)", "... requires v... admin
// (this is v...)" or "Connected to Radius service v... (insufficient
// rights)"; "" when admitted.
void admission_note(const Admission& admission, char* out, uint32_t out_size);
