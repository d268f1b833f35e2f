#include "api/admission.h"

#include <string.h>

#include "api/requests.h"
#include "api/text_fill.h"
#include "resources/strings.h"

void check_admission(Admission* admission) {
    memset(admission, 0, sizeof *admission);
    if (get_service_version(&admission->service_version) != 0) admission->service_version = 0;
    if (admission->service_version < MIN_SERVICE_VERSION) {
        admission->verdict = SERVICE_OUT_OF_DATE;
        return;
    }
    admission->console_checked = true;
    // Versions keep bits 24-31 zero, so this value cannot come from the service.
    const uint32_t NOT_SENT = 0xFFFFFFFFu;
    uint32_t required = NOT_SENT;
    admission->console_status = check_console_version(CONSOLE_VERSION, &required);
    admission->has_required = required != NOT_SENT;
    admission->required_version = admission->has_required ? required : 0;
    if (admission->console_status != 0) {
        admission->verdict = CONSOLE_REFUSED;
        return;
    }
    admission->level_read = true;
    if (get_access_level(&admission->access_level) != 0) admission->access_level = 0;
    if (admission->access_level == ACCESS_NONE) {
        admission->verdict = INSUFFICIENT_RIGHTS;
        return;
    }
    admission->verdict = ADMITTED;
    admission->has_option_mask = get_option_mask(&admission->option_mask) == 0;
    if (!admission->has_option_mask) admission->option_mask = 0;
}

void admission_note(const Admission& admission, char* out, uint32_t out_size) {
    if (out_size == 0) return;
    const uint32_t VERSION_SIZE = 16;
    char service[VERSION_SIZE], minimum[VERSION_SIZE], required[VERSION_SIZE], console[VERSION_SIZE];
    format_version(admission.service_version, service, VERSION_SIZE);
    format_version(MIN_SERVICE_VERSION, minimum, VERSION_SIZE);
    format_version(admission.required_version, required, VERSION_SIZE);
    format_version(CONSOLE_VERSION, console, VERSION_SIZE);
    switch (admission.verdict) {
        case SERVICE_OUT_OF_DATE: {
            const char* values[] = {service, minimum};
            fill_text(out, out_size, string_text(IDS_SERVICE_OUT_OF_DATE), values, 2);
            break;
        }
        case CONSOLE_REFUSED: {
            const char* values[] = {service, required, console};
            fill_text(out, out_size, string_text(IDS_CONSOLE_REFUSED), values, 3);
            break;
        }
        case INSUFFICIENT_RIGHTS: {
            const char* values[] = {service};
            fill_text(out, out_size, string_text(IDS_INSUFFICIENT_RIGHTS), values, 1);
            break;
        }
        case ADMITTED: out[0] = 0; break;
    }
}
