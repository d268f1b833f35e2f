// client, proxy and pool: the RAS clients, the proxy targets and the IP
// address pools, as their panels list, show, add, change and remove them,
// over the same record modules and rules.
#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "api/report.h"
#include "attrs/value_text.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/record_input.h"
#include "cli/table.h"
#include "panels/address_field.h"
#include "panels/client_record.h"
#include "panels/pool_record.h"
#include "panels/product_list.h"
#include "panels/proxies.h"
#include "panels/proxy_record.h"
#include "panels/secret_edit.h"
#include "platform/wipe.h"
#include "resources/strings.h"

namespace {

// --address: a dotted quad, or a host name looked up as the panels do;
// "" clears it.
bool address_from_line(const char* text, uint8_t octets[4], Output* output) {
    PromptsToOutput prompts(output);  // a host name that cannot be resolved says so
    AddressField field = {};
    address_field_edit(&field, text);
    address_field_resolve_now(&field, nullptr);
    if (address_field_octets(field, octets)) return true;
    report_error(output, std::string("\"") + text + "\": " + string_text(IDS_INVALID_IP_ADDRESS));
    return false;
}

std::string address_text(const uint8_t octets[4]) {
    if (!(octets[0] | octets[1] | octets[2] | octets[3])) return "";
    char text[16];
    snprintf(text, sizeof text, "%u.%u.%u.%u", octets[0], octets[1], octets[2], octets[3]);
    return text;
}

// The secrets standard input carries, in option order: EXIT_OK or why not.
int secrets_from_line(const CommandLine& line, ScrambledSecret* secret, ScrambledSecret* acct_secret, Output* output) {
    const struct {
        uint64_t flag;
        ScrambledSecret* target;
    } secrets[] = {{OPT_SECRET_STDIN, secret}, {OPT_ACCT_SECRET_STDIN, acct_secret}};
    for (const auto& s : secrets) {
        if (!(line.options & s.flag)) continue;
        char text[SECRET_TEXT_SIZE];
        std::string error;
        if (int refused = secret_from_stdin(text, &error)) {
            report_error(output, error);
            return refused;
        }
        secret_set(s.target, text);
        secret_wipe(text, sizeof text);
    }
    return EXIT_OK;
}

// "set" or "none"; with --show-secret the text itself, as the secret dialog
// would show it.
std::string secret_word(const CommandLine& line, const ScrambledSecret& secret) {
    if (!secret_is_set(secret)) return "none";
    if (!(line.options & OPT_SHOW_SECRET)) return "set";
    SecretDialogStart start;
    secret_dialog_start(secret, line.server_options, &start);
    std::string text = start.shown;
    secret_wipe(&start, sizeof start);
    return text;
}

// --show-secret only where the server lets the panels show stored secrets.
bool may_show_secrets(const CommandLine& line, Output* output) {
    if (!(line.options & OPT_SHOW_SECRET) || (line.server_options & OPTION_SHOW_STORED_SECRETS)) return true;
    report_error(output, "this server does not let stored secrets be shown");
    return false;
}

void print_fields(const std::vector<std::pair<std::string, std::string>>& fields, bool json, Output* output) {
    if (json) {
        JsonWriter writer;
        json_begin_object(&writer);
        for (const auto& field : fields) {
            std::string key = field.first;
            for (char& c : key) c = c == ' ' ? '_' : (char)tolower((unsigned char)c);
            json_key(&writer, key.c_str());
            json_string(&writer, field.second.c_str());
        }
        json_end_object(&writer);
        output->out += json_finish(&writer);
        return;
    }
    TextTable table;
    for (const auto& field : fields) table.rows.push_back({field.first + ":", display_text(field.second.c_str())});
    output->out += format_table(table);
}

// --- clients

int read_named_client(const char* typed, ClientRecord* record, Output* output) {
    memset(record, 0, sizeof *record);
    snprintf(record->name, sizeof record->name, "%s", stored_form(typed).c_str());
    uint16_t status = read_client(record);
    if (status != 0) return request_failed(output, "cannot read the client " + shown_form(record->name), status);
    return EXIT_OK;
}

// The options' values, checked and put in the record; nothing is written.
int stage_client(const CommandLine& line, ClientRecord* record, Output* output) {
    if (line.address && !address_from_line(line.address, record->address, output)) return EXIT_FAILED;
    if (line.address && is_any_client(record->name) && client_has_address(*record)) {
        report_error(output, "the <ANY> client has no address");
        return EXIT_FAILED;
    }
    if (line.product) {
        ProductList products = {};
        PromptsToOutput prompts(output);
        const bool held = fetch_product_list(nullptr, &products);
        const bool known = held && find_product(products, line.product) >= 0;
        product_list_free(&products);
        if (!known) {
            report_error(output, std::string("\"") + line.product + "\" is not a product the server knows");
            return EXIT_FAILED;
        }
        snprintf(record->product, sizeof record->product, "%s", line.product);
    }
    return secrets_from_line(line, &record->secret, &record->acct_secret, output);
}

int save_client(const ClientRecord& record, Output* output) {
    uint16_t status = write_client(record);
    if (status != 0) return request_failed(output, "cannot save the client " + shown_form(record.name), status);
    return EXIT_OK;
}

// --- proxies

int read_named_proxy(const char* typed, ProxyRecord* record, Output* output) {
    memset(record, 0, sizeof *record);
    snprintf(record->name, sizeof record->name, "%s", stored_form(typed).c_str());
    uint16_t status = read_proxy(record);
    if (status != 0) return request_failed(output, "cannot read the proxy " + shown_form(record->name), status);
    return EXIT_OK;
}

const char* const ACCOUNTING_WORDS[] = {"", "forward", "record", "both"};

// The options' values, checked and put in the record; nothing is written.
int stage_proxy(const CommandLine& line, ProxyRecord* record, Output* output) {
    if (line.address && is_roaming_proxy(record->name)) {
        report_error(output, "the <ROAMING> target has no address");
        return EXIT_FAILED;
    }
    if (line.address && !address_from_line(line.address, record->address, output)) return EXIT_FAILED;
    // Retry fields as the panel reads them: anything but a number is the default.
    if (line.retries) record->retry_count = retry_field_value(line.retries, DEFAULT_RETRY_COUNT);
    if (line.retry_ms) record->retry_ms = retry_field_value(line.retry_ms, DEFAULT_RETRY_MS);
    if (line.accounting) {
        uint32_t mode = 0;
        for (uint32_t m = PROXY_ACCT_FORWARD; m <= PROXY_ACCT_BOTH; ++m)
            if (strcmp(line.accounting, ACCOUNTING_WORDS[m]) == 0) mode = m;
        if (!mode) {
            report_error(output, std::string("unknown accounting \"") + line.accounting + "\" (forward, record, both)");
            return EXIT_USAGE;
        }
        record->acct_flags = mode;
    }
    return secrets_from_line(line, &record->secret, &record->acct_secret, output);
}

int save_proxy(const ProxyRecord& record, Output* output) {
    uint16_t status = write_proxy(record);
    if (status != 0) return request_failed(output, "cannot save the proxy " + shown_form(record.name), status);
    return EXIT_OK;
}

// --- pools

int read_named_pool(const char* typed, PoolRecord* record, Output* output) {
    pool_record_start(record, stored_form(typed).c_str());
    bool cut = false;
    uint16_t status = read_pool(record, &cut);
    if (status != 0) return request_failed(output, "cannot read the pool " + shown_form(record->name), status);
    if (cut) report_error(output, "the description was longer than the console keeps; it is shown cut");
    return EXIT_OK;
}

int save_pool(const PoolRecord& record, Output* output) {
    uint16_t status = write_pool(record);
    if (status != 0) return request_failed(output, "cannot save the pool " + shown_form(record.name), status);
    return EXIT_OK;
}

}  // namespace

int run_client_list(const CommandLine& line, Output* output) {
    return print_names(list_clients, "clients", line, output);
}

int run_client_show(const CommandLine& line, Output* output) {
    if (!may_show_secrets(line, output)) return EXIT_FAILED;
    ClientRecord record;
    int code = read_named_client(line.operands[0], &record, output);
    if (code != EXIT_OK) return code;
    print_fields({{"Name", record.name},
                  {"Address", address_text(record.address)},
                  {"Product", record.product},
                  {"Secret", secret_word(line, record.secret)},
                  {"Accounting secret", secret_word(line, record.acct_secret)}},
                 (line.options & OPT_JSON) != 0, output);
    secret_wipe(&record, sizeof record);
    return EXIT_OK;
}

int run_client_add(const CommandLine& line, Output* output) {
    // Staged as the new client will be, so a refused value creates nothing.
    ClientRecord record;
    memset(&record, 0, sizeof record);
    snprintf(record.name, sizeof record.name, "%s", stored_form(line.operands[0]).c_str());
    {
        ProductList products = {};
        PromptsToOutput prompts(output);
        if (fetch_product_list(nullptr, &products))
            snprintf(record.product, sizeof record.product, "%s", default_product(products));
        product_list_free(&products);
    }
    int code = stage_client(line, &record, output);
    if (code == EXIT_OK) {
        uint16_t status = create_client(record.name, record.product);
        if (status != 0) code = request_failed(output, "cannot add the client " + shown_form(record.name), status);
    }
    if (code == EXIT_OK) code = save_client(record, output);
    secret_wipe(&record, sizeof record);
    return code;
}

int run_client_set(const CommandLine& line, Output* output) {
    ClientRecord record;
    int code = read_named_client(line.operands[0], &record, output);
    if (code == EXIT_OK) code = stage_client(line, &record, output);
    if (code == EXIT_OK) code = save_client(record, output);
    secret_wipe(&record, sizeof record);
    return code;
}

int run_client_remove(const CommandLine& line, Output* output) {
    const std::string name = stored_form(line.operands[0]);
    uint16_t status = delete_client(name.c_str());
    if (status != 0) return request_failed(output, "cannot remove the client " + shown_form(name.c_str()), status);
    return EXIT_OK;
}

int run_proxy_list(const CommandLine& line, Output* output) {
    return print_names(list_proxies, "proxies", line, output);
}

int run_proxy_show(const CommandLine& line, Output* output) {
    if (!may_show_secrets(line, output)) return EXIT_FAILED;
    ProxyRecord record;
    int code = read_named_proxy(line.operands[0], &record, output);
    if (code != EXIT_OK) return code;
    const uint32_t mode = record.acct_flags <= PROXY_ACCT_BOTH ? record.acct_flags : 0;
    print_fields({{"Name", record.name},
                  {"Address", address_text(record.address)},
                  {"Retries", std::to_string(record.retry_count)},
                  {"Retry ms", std::to_string(record.retry_ms)},
                  {"Accounting", ACCOUNTING_WORDS[mode]},
                  {"Secret", secret_word(line, record.secret)},
                  {"Accounting secret", secret_word(line, record.acct_secret)}},
                 (line.options & OPT_JSON) != 0, output);
    secret_wipe(&record, sizeof record);
    return EXIT_OK;
}

int run_proxy_add(const CommandLine& line, Output* output) {
    // Staged as the new target will be, so a refused value creates nothing.
    ProxyRecord record;
    memset(&record, 0, sizeof record);
    snprintf(record.name, sizeof record.name, "%s", stored_form(line.operands[0]).c_str());
    record.retry_count = DEFAULT_RETRY_COUNT;
    record.retry_ms = DEFAULT_RETRY_MS;
    record.acct_flags = PROXY_ACCT_FORWARD;
    int code = stage_proxy(line, &record, output);
    if (code == EXIT_OK) {
        uint16_t status = create_proxy(record.name);
        if (status != 0) code = request_failed(output, "cannot add the proxy " + shown_form(record.name), status);
    }
    if (code == EXIT_OK) code = save_proxy(record, output);
    secret_wipe(&record, sizeof record);
    return code;
}

int run_proxy_set(const CommandLine& line, Output* output) {
    ProxyRecord record;
    int code = read_named_proxy(line.operands[0], &record, output);
    if (code == EXIT_OK) code = stage_proxy(line, &record, output);
    if (code == EXIT_OK) code = save_proxy(record, output);
    secret_wipe(&record, sizeof record);
    return code;
}

int run_proxy_remove(const CommandLine& line, Output* output) {
    const std::string name = stored_form(line.operands[0]);
    uint16_t status = delete_proxy(name.c_str());
    if (status != 0) return request_failed(output, "cannot remove the proxy " + shown_form(name.c_str()), status);
    return EXIT_OK;
}

int run_pool_list(const CommandLine& line, Output* output) { return print_names(list_pools, "pools", line, output); }

int run_pool_show(const CommandLine& line, Output* output) {
    PoolRecord record;
    int code = read_named_pool(line.operands[0], &record, output);
    if (code != EXIT_OK) return code;
    if (line.options & OPT_JSON) {
        JsonWriter writer;
        json_begin_object(&writer);
        json_key(&writer, "name");
        json_string(&writer, record.name);
        json_key(&writer, "description");
        json_string(&writer, record.description);
        json_key(&writer, "ranges");
        json_begin_array(&writer);
        char start[16];
        for (uint32_t i = 0; i < record.ranges.count; ++i) {
            json_begin_object(&writer);
            format_dotted_address(record.ranges.items[i].start, start, sizeof start);
            json_key(&writer, "start");
            json_string(&writer, start);
            json_key(&writer, "count");
            json_number(&writer, record.ranges.items[i].count);
            json_end_object(&writer);
        }
        json_end_array(&writer);
        json_end_object(&writer);
        output->out += json_finish(&writer);
        return EXIT_OK;
    }
    TextTable table;
    table.rows = {{"Name:", shown_form(record.name)}, {"Description:", display_text(record.description)}};
    output->out += format_table(table) + "Ranges:\n";
    char text[64];
    for (uint32_t i = 0; i < record.ranges.count; ++i) {
        format_pool_range(record.ranges.items[i], text, sizeof text);
        output->out += std::string("  ") + text + "\n";
    }
    return EXIT_OK;
}

int run_pool_add(const CommandLine& line, Output* output) {
    const std::string name = stored_form(line.operands[0]);
    if (name.size() > POOL_NAME_LIMIT) {
        report_error(output, "a pool name has at most 63 characters");
        return EXIT_FAILED;
    }
    uint16_t status = create_pool(name.c_str());
    if (status != 0) return request_failed(output, "cannot add the pool " + shown_form(name.c_str()), status);
    if (!line.description) return EXIT_OK;
    PoolRecord record;
    pool_record_start(&record, name.c_str());
    snprintf(record.description, sizeof record.description, "%s", line.description);
    return save_pool(record, output);
}

int run_pool_remove(const CommandLine& line, Output* output) {
    const std::string name = stored_form(line.operands[0]);
    uint16_t status = delete_pool(name.c_str());
    if (status != 0) return request_failed(output, "cannot remove the pool " + shown_form(name.c_str()), status);
    return EXIT_OK;
}

int run_pool_add_range(const CommandLine& line, Output* output) {
    PoolRecord record;
    int code = read_named_pool(line.operands[0], &record, output);
    if (code != EXIT_OK) return code;
    const TypedRangeResult result = pool_add_typed_range(&record.ranges, line.operands[1], line.operands[2]);
    if (result.message_id != 0) {
        report_error(output, string_text(result.message_id));
        return EXIT_FAILED;
    }
    if (result.status != 0) return request_failed(output, "the pool cannot take the range", result.status);
    return save_pool(record, output);
}

int run_pool_remove_range(const CommandLine& line, Output* output) {
    PoolRecord record;
    int code = read_named_pool(line.operands[0], &record, output);
    if (code != EXIT_OK) return code;
    uint32_t start = 0;
    if (!parse_dotted_quad(line.operands[1], &start) || !pool_remove_range(&record.ranges, start)) {
        report_error(output, std::string("the pool has no range starting at ") + line.operands[1]);
        return EXIT_FAILED;
    }
    return save_pool(record, output);
}
