#include <stdlib.h>
#include <string.h>

#include "api/requests.h"
#include "api/response.h"
#include "api/status.h"
#include "api/text_field.h"

// The smallest product a response can carry: a one-byte name item and an end item.
static const uint32_t SMALLEST_PRODUCT = 4 + 1 + 4;

uint16_t parse_product_list(MessageBuffer* response, ProductList* list, bool* has_list) {
    list->count = 0;
    list->products = nullptr;
    *has_list = false;
    uint16_t status = read_header_status(response);
    if (status != 0) return status;

    ResponseItem item = {0, 0, nullptr};
    uint32_t announced = 0;
    for (;;) {
        msg_get_item(response, &item.tag, &item.value, &item.length);
        if (item.tag == 0) return 0;  // no count: no product list
        if (item.tag == PRODUCT_TAG_COUNT && item_u32(item, &announced)) break;
    }
    // The count is the server's word; the response cannot hold more products than this.
    uint32_t room = announced < MSG_BUFFER_SIZE / SMALLEST_PRODUCT ? announced : MSG_BUFFER_SIZE / SMALLEST_PRODUCT;
    list->products = (Product*)calloc(room ? room : 1, sizeof(Product));
    if (!list->products) return STATUS_OUT_OF_MEMORY;
    *has_list = true;

    Product current;
    memset(&current, 0, sizeof current);
    bool named = false;
    while (list->count < room) {
        msg_get_item(response, &item.tag, &item.value, &item.length);
        if (item.tag == 0) break;
        if (item.tag == PRODUCT_TAG_NAME) {
            copy_text_field(current.name, sizeof current.name, item.value, item.length);
            named = true;
        } else if (item.tag == PRODUCT_TAG_VALUE) {
            item_u32(item, &current.value);
        } else if (item.tag == PRODUCT_TAG_END) {
            if (named) list->products[list->count++] = current;
            memset(&current, 0, sizeof current);
            named = false;
        }
    }
    return 0;
}

uint16_t get_product_list(ProductList* list, bool* has_list) {
    api_begin(SERVICE_PRODUCTS, PRODUCTS_GET);
    MessageBuffer* response;
    uint16_t status = api_exchange(&response);
    if (status != 0) {
        list->count = 0;
        list->products = nullptr;
        *has_list = false;
        return status;
    }
    return parse_product_list(response, list, has_list);
}

void product_list_free(ProductList* list) {
    free(list->products);
    list->products = nullptr;
    list->count = 0;
}
