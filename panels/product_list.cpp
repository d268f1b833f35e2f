#include "panels/product_list.h"

#include <string.h>

#include "api/status.h"
#include "attrs/error_box.h"
#include "resources/strings.h"
#include "ui/wait_cursor.h"

namespace {

const char STANDARD_PRODUCT_PREFIX[] = "Standard-Radius";

}  // namespace

bool fetch_product_list(void* owner, ProductList* list) {
    bool has_list = false;
    uint16_t status = while_waiting([&] { return get_product_list(list, &has_list); });
    if (status == 0 && has_list) return true;
    product_list_free(list);
    // A reply without a count is as malformed as a failed one.
    show_error(owner, status == STATUS_OUT_OF_MEMORY ? IDS_PRODUCT_LIST_NO_MEMORY : IDS_PRODUCT_LIST_FAILED);
    return false;
}

int64_t find_product(const ProductList& list, const char* name) {
    for (uint32_t i = 0; i < list.count; ++i)
        if (strcmp(list.products[i].name, name) == 0) return i;
    return -1;
}

const char* default_product(const ProductList& list) {
    for (uint32_t i = 0; i < list.count; ++i)
        if (strncmp(list.products[i].name, STANDARD_PRODUCT_PREFIX, sizeof STANDARD_PRODUCT_PREFIX - 1) == 0)
            return list.products[i].name;
    return list.count > 0 ? list.products[0].name : "";
}
