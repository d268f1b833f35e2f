#include "shell/version_notes.h"

#include "api/requests.h"
#include "resources/strings.h"
#include "shell/text_fill.h"

namespace {

const uint32_t VERSION_TEXT_SIZE = 16;

void versions_note(uint16_t text_id, const uint32_t* versions, uint32_t count, char* out, uint32_t out_size) {
    char texts[3][VERSION_TEXT_SIZE];
    const char* values[3];
    for (uint32_t i = 0; i < count && i < 3; ++i) {
        format_version(versions[i], texts[i], VERSION_TEXT_SIZE);
        values[i] = texts[i];
    }
    fill_text(out, out_size, string_text(text_id), values, count < 3 ? count : 3);
}

}  // namespace

void service_out_of_date_note(uint32_t service_version, char* out, uint32_t out_size) {
    const uint32_t versions[] = {service_version, MIN_SERVICE_VERSION};
    versions_note(IDS_SERVICE_OUT_OF_DATE, versions, 2, out, out_size);
}

void console_refused_note(uint32_t service_version, uint32_t required_version, char* out, uint32_t out_size) {
    const uint32_t versions[] = {service_version, required_version, CONSOLE_VERSION};
    versions_note(IDS_CONSOLE_REFUSED, versions, 3, out, out_size);
}

void insufficient_rights_note(uint32_t service_version, char* out, uint32_t out_size) {
    versions_note(IDS_INSUFFICIENT_RIGHTS, &service_version, 1, out, out_size);
}
