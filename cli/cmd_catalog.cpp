// products and dictionaries: the server's product list and its named
// dictionaries.
#include <stdlib.h>
#include <string.h>

#include "api/dictionary_wire.h"
#include "api/requests.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/table.h"

std::string format_products(const ProductList& list, bool json) {
    if (json) {
        JsonWriter writer;
        json_begin_array(&writer);
        for (uint32_t i = 0; i < list.count; ++i) {
            json_begin_object(&writer);
            json_key(&writer, "name");
            json_string(&writer, list.products[i].name);
            json_key(&writer, "value");
            json_number(&writer, list.products[i].value);
            json_end_object(&writer);
        }
        json_end_array(&writer);
        return json_finish(&writer);
    }
    TextTable table;
    table.headings = {"Product", "Value"};
    table.right_aligned = {false, true};
    for (uint32_t i = 0; i < list.count; ++i)
        table.rows.push_back({display_text(list.products[i].name), std::to_string(list.products[i].value)});
    return format_table(table);
}

int run_products(const CommandLine& line, Output* output) {
    ProductList list;
    bool has_list = false;
    uint16_t status = get_product_list(&list, &has_list);
    if (status != 0) return request_failed(output, "cannot read the product list", status);
    // A server without a product list answers as one with no products.
    output->out += format_products(list, (line.options & OPT_JSON) != 0);
    product_list_free(&list);
    return EXIT_OK;
}

int run_dictionaries(const CommandLine& line, Output* output) {
    char* names = nullptr;
    uint32_t count = 0;
    uint16_t status = list_dictionaries(&names, &count);
    if (status != 0) return request_failed(output, "cannot list the dictionaries", status);
    std::vector<std::string> list;
    for (const char* name = names; *name; name += strlen(name) + 1) list.push_back(name);
    free(names);
    output->out += format_name_list(list, (line.options & OPT_JSON) != 0);
    return EXIT_OK;
}
