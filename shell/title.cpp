#include "shell/title.h"

#include <stdio.h>

#include "resources/strings.h"

void format_window_title(const char* server, char* out, uint32_t out_size) {
    if (out_size == 0) return;
    const char* product = string_text(IDS_PRODUCT_TITLE);
    if (server)
        snprintf(out, out_size, "%s (%s)", product, server);
    else
        snprintf(out, out_size, "%s", product);
}
