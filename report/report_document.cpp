#include "report/report_document.h"

#include <stdio.h>
#include <string.h>

#include "api/current_users.h"
#include "api/db.h"
#include "api/db_lists.h"
#include "api/report.h"
#include "api/requests.h"
#include "attrs/dictionary.h"
#include "attrs/list_rules.h"
#include "attrs/list_store.h"
#include "attrs/value_forms.h"
#include "panels/client_record.h"
#include "panels/config_record.h"
#include "panels/pool_record.h"
#include "panels/profile_link.h"
#include "panels/proxy_record.h"
#include "panels/user_types.h"
#include "platform/charset.h"
#include "platform/local_time.h"
#include "resources/strings.h"
#include "stats/statistics_panel.h"

namespace {

const uint32_t HEADING_SIZE = 12;
const uint32_t LINE_SIZE = 10;
const uint32_t SECTION_STYLE = REPORT_BOLD | REPORT_UNDERLINE | REPORT_CENTRED;

bool raw(ReportWriter* writer, const char* text) { return write_report_line(writer, text, 0, 0); }

// Sections of the last report that a failed read ended early.
uint32_t g_sections_cut = 0;

// A database read that failed: reported, and the section ends.
bool read_failed(uint16_t status) {
    if (status == 0) return false;
    report_status(IDS_TITLE_ERROR_DB, IDS_LOAD_FAILED, status);
    ++g_sections_cut;
    return true;
}

// The names of a class, listed under the server lock.
bool list_class(const char* cls, NameList* names) {
    return !read_failed(under_server_lock([&] { return db_list_sorted(cls, names); }));
}

// Record names are stored in the OEM set; the report shows them as the
// panels do, in the ANSI set its RTF declares.
struct ShownName {
    char text[REPORT_TEXT_LIMIT + 1];
    explicit ShownName(const char* stored) { oem_to_ansi(stored, text, sizeof text); }
};

void write_address(ReportWriter* writer, const char* pattern, const uint8_t octets[4]) {
    if (!(octets[0] | octets[1] | octets[2] | octets[3])) return;
    char text[16];
    snprintf(text, sizeof text, "%lu.%lu.%lu.%lu", (unsigned long)octets[0], (unsigned long)octets[1],
             (unsigned long)octets[2], (unsigned long)octets[3]);
    write_report_raw(writer, pattern, text);
}

void write_clients(ReportWriter* writer, const ReportHeading&) {
    NameList names = {};
    if (!list_class(CLIENT_CLASS, &names)) return;
    for (uint32_t i = 0; i < names.count && !writer->failed; ++i) {
        ClientRecord record = {};
        snprintf(record.name, sizeof record.name, "%s", name_list_at(&names, i));
        if (read_failed(read_client(&record))) break;
        write_report_raw(writer, "\\par\\pard\\plain \\fs20\\b RAS Client: \\plain \\fs20   %s",
                         ShownName(record.name).text);
        write_address(writer, "\\par \\plain \\fs20\\b \tIP Address: \\plain \\fs20 \t%s", record.address);
        write_report_raw(writer, "\\par \\plain \\fs20\\b \tMake/Model: \\plain \\fs20 \t%s", record.product);
    }
    name_list_free(&names);
}

const char* accounting_text(uint32_t flags) {
    if ((flags & 3) == 3) return "Forward and record locally";
    return (flags & 2) ? "Record locally" : "Forward";
}

void write_proxies(ReportWriter* writer, const ReportHeading&) {
    NameList names = {};
    if (!list_class(PROXY_CLASS, &names)) return;
    for (uint32_t i = 0; i < names.count && !writer->failed; ++i) {
        ProxyRecord record = {};
        snprintf(record.name, sizeof record.name, "%s", name_list_at(&names, i));
        if (read_failed(read_proxy(&record))) break;
        write_report_raw(writer, "\\par\\pard\\plain \\fs20\\b Proxy: \\plain \\fs20   %s",
                         ShownName(record.name).text);
        write_address(writer, "\\par \\plain \\fs20\\b \tIP Address: \\plain \\fs20 \t\t\t\t%s", record.address);
        write_report_raw(writer, "\\par\\pard\\plain\\fs20\\b \tNumber of retries: \\plain \\fs20 \t\t\t%lu",
                         (unsigned long)record.retry_count);
        write_report_raw(writer, "\\par\\pard\\plain\\fs20\\b \tMilliseconds between retries: \\plain \\fs20 \t%lu",
                         (unsigned long)record.retry_ms);
        write_report_raw(writer, "\\par\\pard\\plain\\fs20\\b \tProxy accounting: \\plain \\fs20 \t\t\t%s",
                         accounting_text(record.acct_flags));
    }
    name_list_free(&names);
}

// The value line's states: subtracted, echo, default, error, in that order.
void state_suffix(const AttributeInstance& instance, char* text, uint32_t size) {
    const bool states[4] = {(instance.flags & IF_SUBTRACT) != 0, (instance.flags & IF_ECHO) != 0,
                            (instance.flags & IF_DEFAULT) != 0, (instance.state & IS_ERROR_BITS) != 0};
    const char* const words[4] = {"SUBTRACTED", "ECHO", "DEFAULT", "ERROR"};
    int used = 0;
    text[0] = '\0';
    for (int i = 0; i < 4; ++i) {
        if (!states[i]) continue;
        used += snprintf(text + used, size - used, "%s%s", used ? ", " : "        (", words[i]);
    }
    if (used) snprintf(text + used, size - used, ")");
}

void write_list(ReportWriter* writer, const AttributeList& list, uint16_t heading_id) {
    write_report_line(writer, string_text(heading_id), LINE_SIZE, REPORT_BOLD);
    for (uint16_t i = 0; i < list.count; ++i) {
        const AttributeInstance& instance = list.items[i];
        char line[REPORT_LINE_SIZE], value[VALUE_TEXT_SIZE], states[64];
        snprintf(line, sizeof line, "\t\t%s", instance.name);
        write_report_line(writer, line, LINE_SIZE, 0);
        format_list_text(instance, value, sizeof value);
        state_suffix(instance, states, sizeof states);
        snprintf(line, sizeof line, "\t\t\t%s%s", value, states);
        write_report_line(writer, line, LINE_SIZE, 0);
    }
}

// Reads and writes the lists of (cls, object); false when the read failed.
bool write_lists(ReportWriter* writer, const char* cls, const char* object) {
    AttributeRecord record = {};
    snprintf(record.class_name, sizeof record.class_name, "%s", cls);
    snprintf(record.object_name, sizeof record.object_name, "%s", object);
    const uint16_t status = load_attribute_lists(&record, program_dictionary(), nullptr);
    if (status == 0) {
        validate_lists(&record, program_dictionary());
        write_list(writer, record.check_list, IDS_CHECK_LIST_TAB);
        write_list(writer, record.return_list, IDS_RETURN_LIST_TAB);
    }
    attribute_record_free(&record);
    return !read_failed(status);
}

void write_users(ReportWriter* writer, const ReportHeading&) {
    for (uint8_t kind = 0; kind < USER_KIND_COUNT && !writer->failed; ++kind) {
        const char* cls = user_kind_info(static_cast<UserKind>(kind)).class_name;
        NameList names = {};
        if (!list_class(cls, &names)) return;
        bool read = true;
        for (uint32_t i = 0; i < names.count && read && !writer->failed; ++i) {
            const char* name = name_list_at(&names, i);
            write_report_raw(writer, "\\par\\pard\\plain \\fs20\\b %s: \\plain \\fs20   %s", cls + 4,
                             ShownName(name).text);
            char profile[PROFILE_NAME_SIZE];
            read = !read_failed(read_profile_link(cls, name, PROFILE_SCAN_READ_LIMIT, profile, sizeof profile));
            if (read && profile[0]) {
                char line[REPORT_LINE_SIZE];
                snprintf(line, sizeof line, "\t\t%s", ShownName(profile).text);
                write_report_line(writer, "Profile", LINE_SIZE, REPORT_BOLD);
                write_report_line(writer, line, LINE_SIZE, 0);
            }
            read = read && write_lists(writer, cls, name);
        }
        name_list_free(&names);
        if (!read) return;
    }
}

void write_profiles(ReportWriter* writer, const ReportHeading&) {
    NameList names = {};
    if (!list_class(PROFILE_CLASS, &names)) return;
    for (uint32_t i = 0; i < names.count && !writer->failed; ++i) {
        const char* name = name_list_at(&names, i);
        write_report_raw(writer, "\\par\\pard\\plain \\fs20\\b Profile: \\plain \\fs20   %s", ShownName(name).text);
        if (!write_lists(writer, PROFILE_CLASS, name)) break;
    }
    name_list_free(&names);
}

void write_pools(ReportWriter* writer, const ReportHeading&) {
    NameList names = {};
    if (!list_class(POOL_CLASS, &names)) return;
    for (uint32_t i = 0; i < names.count && !writer->failed; ++i) {
        PoolRecord record;
        pool_record_start(&record, name_list_at(&names, i));
        bool cut = false;
        if (read_failed(read_pool(&record, &cut))) break;
        write_report_raw(writer, "\\par\\pard\\plain \\fs20\\b IP Address Pool: \\plain \\fs20   %s",
                         ShownName(record.name).text);
        write_report_raw(writer, "\\par \\plain \\fs20\\b \tPool Description: \\plain \\fs20  %s", record.description);
        for (uint32_t r = 0; r < record.ranges.count; ++r) {
            const PoolRange& range = record.ranges.items[r];
            char text[40];
            snprintf(text, sizeof text, "%u.%u.%u.%u(%lu)", range.start >> 24, (range.start >> 16) & 0xFF,
                     (range.start >> 8) & 0xFF, range.start & 0xFF, (unsigned long)range.count);
            write_report_raw(writer, "\\par \\plain \\fs20\\b \tPool Range: \\plain \\fs20  %s", text);
        }
    }
    name_list_free(&names);
}

// Each batch the server returns gets the kind's heading before it.
void write_access(ReportWriter* writer, const ReportHeading&) {
    const struct {
        uint16_t kind;
        const char* heading;
    } kinds[] = {{ADMIN_USER, "Users"}, {ADMIN_GROUP, "Groups"}};
    static uint8_t area[ADMIN_NAMES_CAPACITY];
    for (const auto& k : kinds) {
        char after[256] = "";
        bool more = true;
        while (more && !writer->failed) {
            uint16_t length = 0;
            if (read_failed(admin_enumerate(after, k.kind, 2, area, sizeof area, &length, &more))) return;
            if (length == 0 || area[0] == 0) break;
            area[length < sizeof area ? length : sizeof area - 1] = 0;
            write_report_line(writer, k.heading, LINE_SIZE, REPORT_BOLD);
            const char* last = nullptr;
            for (uint32_t at = 0; at < length && area[at];) {
                const char* name = (const char*)area + at;
                char line[REPORT_LINE_SIZE];
                snprintf(line, sizeof line, "\t%s", name);
                write_report_line(writer, line, LINE_SIZE, 0);
                last = name;
                at += (uint32_t)strlen(name) + 1;
            }
            // A batch that names nothing new cannot be continued from.
            if (!last || strcmp(last, after) == 0) break;
            snprintf(after, sizeof after, "%s", last);
        }
    }
}

// The rejection messages in the report's order, each with its line.
const struct {
    RejectionMessage message;
    const char* pattern;
} MESSAGE_LINES[MESSAGE_COUNT] = {
    {MESSAGE_DEFAULT, "\\par\\pard\\plain\\fs20\\b Default message: \\plain \\fs20 \t\t\t%s"},
    {MESSAGE_UNKNOWN_USER, "\\par\\pard\\plain\\fs20\\b Unknown user message: \\plain \\fs20 \t\t%s"},
    {MESSAGE_UNKNOWN_CLIENT, "\\par\\pard\\plain\\fs20\\b Unknown client message: \\plain \\fs20 \t%s"},
    {MESSAGE_LISTS_MISMATCH, "\\par\\pard\\plain\\fs20\\b Check list mismatch message: \\plain \\fs20 \t%s"},
    {MESSAGE_INVALID_LIST, "\\par\\pard\\plain\\fs20\\b Invalid list message: \\plain \\fs20 \t\t%s"},
};

void write_configuration(ReportWriter* writer, const ReportHeading& heading) {
    static ConfigRecord record;  // five 1 KB messages: kept off the stack
    if (read_failed(read_config(&record, heading.platform_mask, heading.option_mask))) return;
    write_report_raw(writer, "\\par\\pard\\plain\\fs20\\b Number of days to keep log files: \\plain \\fs20 \t%lu",
                     (unsigned long)record.log_days);
    for (const auto& line : MESSAGE_LINES) {
        // Line breaks as the panel's field shows them: an RTF reader would
        // drop them and run the lines together.
        char shown[MESSAGE_FIELD_SIZE];
        escape_message(record.messages[line.message], shown, sizeof shown);
        write_report_raw(writer, line.pattern, shown);
    }
    raw(writer, "\\par ");
    // A stored order lists its active methods under the heading; without
    // one (or with nothing in it) every method the server offers is listed,
    // and the list holds exactly those. Prefixes and suffixes are never
    // methods of their own.
    const bool ordered = record.order_stored && active_method_count(record.methods) > 0;
    if (ordered) write_report_line(writer, "Authentication methods", LINE_SIZE, REPORT_BOLD);
    for (uint32_t i = 0; i < record.methods.count; ++i) {
        if (ordered && !record.methods.entries[i].active) break;
        char text[REPORT_LINE_SIZE];
        snprintf(text, sizeof text, "\t%s", method_name(record.methods.entries[i].code));
        write_report_line(writer, text, LINE_SIZE, 0);
    }
}

struct CounterLine {
    uint16_t id;
    const char* pattern;
};

const char AUTHENTICATION_TOTAL[] = "\\par\\pard\\plain\\fs20\\b \tTotal transactions: \\plain \\fs20 \t\t%s";

const CounterLine COUNTER_LINES[] = {
    {1, AUTHENTICATION_TOTAL},
    {2, "\\par\\pard\\plain\\fs20\\b \tAccepted transactions: \\plain \\fs20 \t\t%s"},
    {3, "\\par\\pard\\plain\\fs20\\b \tRejected transactions: \\plain \\fs20 \t\t%s"},
    {4, "\\par\\pard\\plain\\fs20\\b \tInvalid requests: \\plain \\fs20\t \t%s"},
    {5, "\\par\\pard\\plain\\fs20\\b \tInvalid clients: \\plain \\fs20 \t\t\t%s"},
    {6, "\\par\\pard\\plain\\fs20\\b \tFailed authentications: \\plain \\fs20 \t%s"},
    {7, "\\par\\pard\\plain\\fs20\\b \tFailed on check list: \\plain \\fs20 \t\t%s"},
    {8, "\\par\\pard\\plain\\fs20\\b \tInsufficient resources: \\plain \\fs20 \t%s"},
    {29, "\\par\\pard\\plain\\fs20\\b \tProxy Failure: \\plain \\fs20 \t\t\t%s"},
    {27, "\\par\\pard\\plain\\fs20\\b \tRejected by Proxy: \\plain \\fs20 \t\t%s"},
    {9, "\\par\\pard\\plain\\fs20\\b \tTransactions retried: \\plain \\fs20 \t\t%s"},
    {10, "\\par\\pard\\plain\\fs20\\b \tTotal retry packets: \\plain \\fs20 \t\t%s"},
    {11, "\\par\\pard\\plain\\fs20\\b \tStarted transactions: \\plain \\fs20 \t\t%s"},
    {12, "\\par\\pard\\plain\\fs20\\b \tStopped transactions: \\plain \\fs20 \t\t%s"},
    {13, "\\par\\pard\\plain\\fs20\\b \tInvalid requests: \\plain \\fs20\t \t%s"},
    {14, "\\par\\pard\\plain\\fs20\\b \tInvalid clients: \\plain \\fs20 \t\t\t%s"},
    {15, "\\par\\pard\\plain\\fs20\\b \tInvalid shared secrets: \\plain \\fs20 \t%s"},
    {16, "\\par\\pard\\plain\\fs20\\b \tInsufficient resources: \\plain \\fs20 \t%s"},
    {28, "\\par\\pard\\plain\\fs20\\b \tProxy Failure: \\plain \\fs20 \t\t\t%s"},
    {17, "\\par\\pard\\plain\\fs20\\b \tTransactions retried: \\plain \\fs20 \t\t%s"},
    {18, "\\par\\pard\\plain\\fs20\\b \tTotal retry packets: \\plain \\fs20 \t\t%s"},
    {19, "\\par\\pard\\plain\\fs20\\b \tAuthentication transactions: \\plain \\fs20 \t%s"},
    {20, "\\par\\pard\\plain\\fs20\\b \tAccounting transactions: \\plain \\fs20 \t%s"},
    {21, "\\par\\pard\\plain\\fs20\\b \tTimed out: \\plain \\fs20 \t\t\t\t%s"},
    {22, "\\par\\pard\\plain\\fs20\\b \tInvalid response: \\plain \\fs20 \t\t%s"},
    {23, "\\par\\pard\\plain\\fs20\\b \tInvalid shared secrets: \\plain \\fs20 \t%s"},
    {24, "\\par\\pard\\plain\\fs20\\b \tInsufficient resources: \\plain \\fs20 \t%s"},
    {25, "\\par\\pard\\plain\\fs20\\b \tTransactions retried: \\plain \\fs20 \t\t%s"},
    {26, "\\par\\pard\\plain\\fs20\\b \tTotal retry packets: \\plain \\fs20 \t\t%s"},
};

// 64 bits: a total of two 32-bit counters may pass 2^32.
void write_number(ReportWriter* writer, const char* pattern, uint64_t value) {
    char text[24];
    snprintf(text, sizeof text, "%llu", (unsigned long long)value);
    write_report_raw(writer, pattern, text);
}

void write_statistics(ReportWriter* writer, const ReportHeading&) {
    StatisticsCounters counters = {};
    if (read_failed(get_statistics(&counters))) return;
    if (counters.present[0]) {
        char text[64];
        format_up_time_separated(counters.value[0], '\t', text, sizeof text);
        write_report_raw(writer, "\\par\\pard\\plain\\fs20\\b Server up time: \\plain \\fs20 \t%s", text);
    }
    write_report_line(writer, "Authentication", LINE_SIZE, REPORT_BOLD);
    bool accounting = false, proxy = false;
    for (const CounterLine& line : COUNTER_LINES) {
        if (!counters.present[line.id]) continue;
        const bool accounting_id = (line.id >= 11 && line.id <= 18) || line.id == 28;
        if (accounting_id && !accounting) write_report_line(writer, "Accounting", LINE_SIZE, REPORT_BOLD);
        accounting = accounting || accounting_id;
        if (line.id >= 19 && line.id <= 26 && !proxy) write_report_line(writer, "Proxy", LINE_SIZE, REPORT_BOLD);
        proxy = proxy || (line.id >= 19 && line.id <= 26);
        write_number(writer, line.pattern, counters.value[line.id]);
        // The totals follow their second part.
        if (line.id == 12 || line.id == 20) {
            const uint16_t first = (uint16_t)(line.id - 1);
            write_number(writer, AUTHENTICATION_TOTAL, (uint64_t)counters.value[first] + counters.value[line.id]);
        }
    }
}

void write_session(void* context, const CurrentUserRecord& record) {
    ReportWriter* writer = (ReportWriter*)context;
    write_report_raw(writer, "\\par\\pard\\plain \\fs20\\b Distinguished name: \\plain \\fs20   \t%s",
                     record.user_name);
    write_report_raw(writer, "\\par\\pard\\plain \\fs20\\b \tRAS client: \\plain\\fs20 \t%s", record.ras_client);
    write_report_raw(writer, "\\par\\pard\\plain \\fs20\\b \tRAS port: \\plain\\fs20 \t\t%s", record.port_text);
    write_report_raw(writer, "\\par\\pard\\plain \\fs20\\b \tTime: \\plain\\fs20 \t\t%s", record.time_text);
    write_report_raw(writer, "\\par\\pard\\plain \\fs20\\b \tSession ID: \\plain\\fs20 \t%s", record.session_id);
}

void write_current_users(ReportWriter* writer, const ReportHeading&) {
    read_failed(fetch_current_users(write_session, writer));
}

typedef void (*SectionBody)(ReportWriter* writer, const ReportHeading& heading);

const SectionBody BODIES[SECTION_COUNT] = {write_clients,       write_proxies,    write_users,
                                           write_profiles,      write_pools,      write_access,
                                           write_configuration, write_statistics, write_current_users};

}  // namespace

bool write_report(ReportWriter* writer, const ReportHeading& heading, const ReportSelection& selection) {
    g_sections_cut = 0;
    raw(writer,
        "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fmodern Courier New;}}\n{\\colortbl\\red0\\green0\\blue0;}\n"
        "\\deflang1033\\pard\\qc\\plain\\f0\\fs28\\b\\ul ");
    char line[REPORT_LINE_SIZE];
    snprintf(line, sizeof line, "Report for server %s", heading.server_name);
    write_report_line(writer, line, 14, SECTION_STYLE);
    snprintf(line, sizeof line, "Created at %s %s ", heading.date_text, heading.time_text);
    write_report_line(writer, line, 14, SECTION_STYLE);
    raw(writer, "\\par \\par \\par ");
    const bool lists = selection.sections[SECTION_USERS] || selection.sections[SECTION_PROFILES];
    if (lists && !dictionary_loaded(program_dictionary())) load_dictionary(nullptr, nullptr);
    bool written = false;
    for (int i = 0; i < SECTION_COUNT && !writer->failed; ++i) {
        const ReportSection section = static_cast<ReportSection>(i);
        if (!selection.sections[i]) continue;
        // A new page for each section after the first, but the current users
        // follow the statistics on theirs.
        if (written && section != SECTION_CURRENT_USERS) raw(writer, "\\page");
        written = true;
        write_report_line(writer, section_key(section), HEADING_SIZE, SECTION_STYLE);
        raw(writer, "\\par ");
        BODIES[i](writer, heading);
        raw(writer, "\\par \\par ");
    }
    raw(writer, "\\par \\par }\n");
    return !writer->failed;
}

uint32_t report_sections_cut() { return g_sections_cut; }

bool report_moment_texts(uint32_t seconds, char date[16], char time[16]) {
    CivilTime local;
    if (!utc_to_local(seconds, &local)) return false;
    snprintf(date, 16, "%02d/%02d/%02d", (int)local.month, (int)local.day, (int)(local.year % 100));
    snprintf(time, 16, "%02d:%02d:%02d", (int)local.hour, (int)local.minute, (int)local.second);
    return true;
}

static bool write_to_file(void* file, const char* bytes, uint32_t length) {
    return fwrite(bytes, 1, length, (FILE*)file) == length;
}

ReportFileResult write_report_file(const char* path, const ReportHeading& heading, const ReportSelection& selection) {
    FILE* file = fopen(path, "wb");
    if (!file) return REPORT_CREATE_FAILED;
    ReportWriter writer;
    report_writer_start(&writer, write_to_file, file);
    bool written = write_report(&writer, heading, selection);
    written = fclose(file) == 0 && written;
    return written ? REPORT_WRITTEN : REPORT_WRITE_FAILED;
}
