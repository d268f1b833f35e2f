#include "transfer/rif_output.h"

#include <string.h>

bool rif_output_create(RifOutput* output, const char* path) {
    output->failed = false;
    output->file = fopen(path, "wb");
    if (!output->file) {
        output->failed = true;
        return false;
    }
    // Large writes: one object's lines usually go out in one call.
    setvbuf(output->file, nullptr, _IOFBF, 1 << 16);
    rif_output_line(output, RIF_VERSION_LINE, (uint32_t)strlen(RIF_VERSION_LINE));
    return !output->failed;
}

void rif_output_bytes(RifOutput* output, const char* bytes, uint32_t length) {
    if (output->failed || !output->file) return;
    if (fwrite(bytes, 1, length, output->file) != length) output->failed = true;
}

void rif_output_line(RifOutput* output, const char* text, uint32_t length) {
    rif_output_bytes(output, text, length);
    rif_output_bytes(output, "\r\n", 2);
}

bool rif_output_close(RifOutput* output) {
    if (!output->file) return false;
    if (fflush(output->file) != 0 || ferror(output->file)) output->failed = true;
    if (fclose(output->file) != 0) output->failed = true;
    output->file = nullptr;
    return !output->failed;
}
