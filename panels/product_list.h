// The server's list of RAS makes and models (service 8): fetched when a
// panel first shows it and held until the panel is reset. The clients
// panel, the configuration and the report read it.
#pragma once

#include <stdint.h>

#include "api/requests.h"

// Fetches the list. On failure shows "Not enough memory to read the product
// list" or "Failed to obtain product list from server" (title "ERROR",
// owned by `owner`) and returns false with `list` empty.
bool fetch_product_list(void* owner, ProductList* list);
// Index of the product named exactly `name`, or -1.
int64_t find_product(const ProductList& list, const char* name);
// What a new client starts with: the first product whose name begins with
// "Standard-Radius", else the first product, else "".
const char* default_product(const ProductList& list);
