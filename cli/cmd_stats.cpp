// stats: every counter of the statistics panel, by id and by the label the
// panel gives it.
#include <stdio.h>
#include <string.h>

#include "api/requests.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/table.h"
#include "cli/text_forms.h"

const CounterName COUNTER_NAMES[STAT_COUNTER_COUNT] = {
    {"", "Server up time"},
    {"Authentication", "Transactions: Total"},
    {"Authentication", "Transactions: Accepts"},
    {"Authentication", "Transactions: Rejects"},
    {"Authentication", "Reject Details: Invalid Request"},
    {"Authentication", "Reject Details: Invalid Client"},
    {"Authentication", "Reject Details: Failed Authentication"},
    {"Authentication", "Reject Details: Failed on Check List"},
    {"Authentication", "Reject Details: Insufficient Resources"},
    {"Authentication", "Retries Received: Transactions Retried"},
    {"Authentication", "Retries Received: Total Retry Packets"},
    {"Accounting", "Transactions: Starts"},
    {"Accounting", "Transactions: Stops"},
    {"Accounting", "Failure Details: Invalid Request"},
    {"Accounting", "Failure Details: Invalid Client"},
    {"Accounting", "Failure Details: Invalid Shared Secret"},
    {"Accounting", "Failure Details: Insufficient Resources"},
    {"Accounting", "Retries Received: Transactions Retried"},
    {"Accounting", "Retries Received: Total Retry Packets"},
    {"Proxy", "Transactions: Authentication"},
    {"Proxy", "Transactions: Accounting"},
    {"Proxy", "Failure Details: Timed Out"},
    {"Proxy", "Failure Details: Invalid Response"},
    {"Proxy", "Failure Details: Invalid Shared Secret"},
    {"Proxy", "Failure Details: Insufficient Resources"},
    {"Proxy", "Retries Transmitted: Transactions Retried"},
    {"Proxy", "Retries Transmitted: Total Retry Packets"},
    {"Authentication", "Reject Details: Rejected by Proxy"},
    {"Accounting", "Failure Details: Proxy Failure"},
    {"Authentication", "Reject Details: Proxy Failure"},
};

// The counter as the panel shows it; "N/A" until the server sends it.
static std::string counter_text(const StatisticsCounters& counters, uint16_t id) {
    if (!counters.present[id]) return "N/A";
    if (id == 0) return format_up_time(counters.value[id]);
    return std::to_string(counters.value[id]);
}

std::string format_statistics(const StatisticsCounters& counters, bool json) {
    if (json) {
        JsonWriter writer;
        json_begin_array(&writer);
        for (uint16_t id = 0; id < STAT_COUNTER_COUNT; ++id) {
            json_begin_object(&writer);
            json_key(&writer, "id");
            json_number(&writer, id);
            json_key(&writer, "page");
            json_string(&writer, COUNTER_NAMES[id].page);
            json_key(&writer, "name");
            json_string(&writer, COUNTER_NAMES[id].field);
            json_key(&writer, "value");
            if (counters.present[id])
                json_number(&writer, counters.value[id]);
            else
                json_null(&writer);
            json_key(&writer, "text");
            json_string(&writer, counter_text(counters, id).c_str());
            json_end_object(&writer);
        }
        json_end_array(&writer);
        return json_finish(&writer);
    }
    TextTable table;
    table.headings = {"Id", "Page", "Counter", "Value"};
    table.right_aligned = {true, false, false, true};
    for (uint16_t id = 0; id < STAT_COUNTER_COUNT; ++id)
        table.rows.push_back(
            {std::to_string(id), COUNTER_NAMES[id].page, COUNTER_NAMES[id].field, counter_text(counters, id)});
    return format_table(table);
}

int run_stats(const CommandLine& line, Output* output) {
    StatisticsCounters counters;
    uint16_t status = get_statistics(&counters);
    if (status != 0) return request_failed(output, "cannot read the statistics", status);
    output->out += format_statistics(counters, (line.options & OPT_JSON) != 0);
    return EXIT_OK;
}
