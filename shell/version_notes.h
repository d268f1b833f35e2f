// The notes the Servers panel shows when a connection gives only level 0:
// a service too old, a console the service refuses, or no rights.
#pragma once

#include <stdint.h>

// "Radius service v01.29.255 out of date (service required to be v01.30.00 or later)"
void service_out_of_date_note(uint32_t service_version, char* out, uint32_t out_size);
// "Radius service v01.30.00 requires v01.31.00 admin (this is v01.30.00)"
void console_refused_note(uint32_t service_version, uint32_t required_version, char* out, uint32_t out_size);
// "Connected to Radius service v01.30.00 (insufficient rights)"
void insufficient_rights_note(uint32_t service_version, char* out, uint32_t out_size);
