#include "cli/list_output.h"

#include <vector>

#include "attrs/editor.h"
#include "attrs/list_rules.h"
#include "attrs/value_forms.h"
#include "cli/cli.h"
#include "cli/command_line.h"
#include "cli/json.h"
#include "cli/record_input.h"
#include "cli/table.h"

namespace {

const char* marker_word(const AttributeInstance& instance) {
    switch (row_marker(instance)) {
        case MARK_ERROR: return "error";
        case MARK_SUBTRACT: return "subtracted";
        case MARK_PROFILE: return "profile";
        case MARK_OVERWRITE: return "overrides profile";
        default: return "";
    }
}

}  // namespace

bool load_program_dictionary(Output* output) {
    if (dictionary_loaded(program_dictionary()) || load_dictionary(nullptr, nullptr)) return true;
    report_error(output, "the server's dictionary could not be loaded");
    return false;
}

void list_lines(const AttributeList& list, std::string* out) {
    char value[VALUE_TEXT_SIZE];
    for (uint16_t i = 0; i < list.count; ++i) {
        const AttributeInstance& instance = list.items[i];
        format_list_text(instance, value, sizeof value);
        *out += "  " + display_text(instance.name) + " = " + display_text(value);
        const char* marker = marker_word(instance);
        if (*marker) *out += std::string("  [") + marker + "]";
        *out += "\n";
    }
}

void list_json(JsonWriter* writer, const char* key, const AttributeList& list) {
    char value[VALUE_TEXT_SIZE];
    json_key(writer, key);
    json_begin_array(writer);
    for (uint16_t i = 0; i < list.count; ++i) {
        const AttributeInstance& instance = list.items[i];
        format_list_text(instance, value, sizeof value);
        json_begin_object(writer);
        json_key(writer, "attribute");
        json_string(writer, instance.name);
        json_key(writer, "value");
        json_string(writer, value);
        json_key(writer, "mark");
        json_string(writer, marker_word(instance));
        json_end_object(writer);
    }
    json_end_array(writer);
}

int replace_given_lists(const CommandLine& line, AttributeRecord* record, Output* output) {
    const struct {
        ListKind kind;
        const std::vector<const char*>* items;
    } lists[] = {{CHECK_LIST, &line.check_items}, {RETURN_LIST, &line.reply_items}};
    for (const auto& list : lists) {
        if (list.items->empty()) continue;
        attribute_list_free(&list_of(record, list.kind));
        std::string error;
        if (!add_list_items(record, list.kind, program_dictionary(), *list.items, &error)) {
            report_error(output, error);
            return EXIT_FAILED;
        }
    }
    return EXIT_OK;
}
