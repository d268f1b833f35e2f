// The steps of an export and the walk over one class.
#include "transfer/export_engine.h"

#include <stdlib.h>
#include <string.h>

#include "api/codec.h"
#include "api/db_lists.h"
#include "api/requests.h"
#include "attrs/list_store.h"
#include "panels/client_record.h"
#include "panels/pool_record.h"
#include "panels/proxy_record.h"
#include "panels/user_types.h"
#include "resources/strings.h"
#include "transfer/export_run.h"

namespace {

// One step, and the part that chooses its objects. The users step walks
// every class of the user-type table; the administrators are no class.
struct ExportStep {
    uint16_t text_id;
    ExportPart part;
    const char* cls;
    ObjectWriter writer;
};

const ExportStep STEPS[] = {
    {IDS_EXPORT_STEP_CLIENTS, EXPORT_CLIENTS, CLIENT_CLASS, write_plain_object},
    {IDS_EXPORT_STEP_USERS, EXPORT_USERS, nullptr, write_attribute_object},
    {IDS_EXPORT_STEP_PROFILES, EXPORT_PROFILES, PROFILE_CLASS, write_attribute_object},
    {IDS_EXPORT_STEP_PROXIES, EXPORT_PROXIES, PROXY_CLASS, write_plain_object},
    {IDS_EXPORT_STEP_OTHER, EXPORT_MESSAGES, MESSAGES_CLASS, write_plain_object},
    {IDS_EXPORT_STEP_OTHER, EXPORT_CONFIGURATION, POLICY_CLASS, write_plain_object},
    {IDS_EXPORT_STEP_OTHER, EXPORT_ACCESS, nullptr, nullptr},
    {IDS_EXPORT_STEP_POOLS, EXPORT_POOLS, POOL_CLASS, write_pool_object},
};

template <class Visit>
void for_each_class(const ExportStep& step, Visit visit) {
    if (step.part != EXPORT_USERS) {
        visit(step.cls);
        return;
    }
    for (uint32_t i = 0; i < USER_TYPE_COUNT; ++i) visit(USER_TYPE_TABLE[i].class_name);
}

bool object_chosen(const ExportRun* run, ExportPart part, const char* cls, const char* object) {
    const ExportSelection* selection = run->selection;
    return !selection->object_selected || selection->object_selected(selection->context, part, cls, object);
}

// The objects the steps will take, for the progress bar. A class that
// cannot be listed counts 0 here and is logged when its step comes.
uint32_t count_chosen(const ExportRun* run) {
    uint32_t total = 0;
    for (const ExportStep& step : STEPS) {
        if (!run->selection->parts[step.part] || !step.writer) continue;
        for_each_class(step, [&](const char* cls) {
            NameList names = {};
            if (list_class_objects(cls, &names) == 0) {
                for (uint32_t i = 0; i < names.count; ++i)
                    if (object_chosen(run, step.part, cls, name_list_at(&names, i))) ++total;
            }
            name_list_free(&names);
        });
    }
    return total;
}

// The chosen objects of one class: its class line before the first of them,
// then each object that was read whole.
void export_class(ExportRun* run, ExportPart part, const char* cls, ObjectWriter writer) {
    NameList names = {};
    if (list_class_objects(cls, &names) != 0) {
        transfer_log_error(run->log, "DataBase Error: Unable to export Class %s\r\n", cls);
        name_list_free(&names);
        return;
    }
    bool class_written = false;
    for (uint32_t i = 0; i < names.count && !run->output->failed; ++i) {
        const char* object = name_list_at(&names, i);
        if (!object_chosen(run, part, cls, object)) continue;
        report_progress(run, object);
        object_text_clear(&run->lines);
        bool whole = writer(run, cls, object);
        ++run->progress.done;
        if (!whole) continue;
        if (!class_written) {
            const char* text = rif_class_text(cls);
            rif_output_line(run->output, text, (uint32_t)strlen(text));
            class_written = true;
        }
        snprintf(run->line, sizeof run->line, "  %s", object);
        rif_output_line(run->output, run->line, (uint32_t)strlen(run->line));
        rif_output_bytes(run->output, run->lines.bytes, run->lines.used);
        ++run->result->objects;
    }
    name_list_free(&names);
}

}  // namespace

uint16_t list_class_objects(const char* cls, NameList* names) {
    return under_server_lock([&] { return db_list_sorted(cls, names); });
}

void report_progress(ExportRun* run, const char* object) {
    run->progress.object = object;
    if (run->callbacks->progress) run->callbacks->progress(run->callbacks->context, run->progress);
}

void export_database(const ExportSelection& selection, const Dictionary* dictionary, RifOutput* output,
                     TransferLog* log, const ExportCallbacks& callbacks, ExportResult* result) {
    result->objects = 0;
    result->write_failed = false;
    ExportRun run = {};
    run.selection = &selection;
    run.dictionary = dictionary;
    run.output = output;
    run.log = log;
    run.callbacks = &callbacks;
    run.result = result;
    run.value_size = MSG_BUFFER_SIZE;
    run.value = (uint8_t*)malloc(run.value_size);
    if (!run.value) {
        transfer_log_error(log, "Memory error occurred during export of class '%s' object '%s'\r\n", "", "");
        return;
    }
    if (callbacks.progress) run.progress.total = count_chosen(&run);
    for (const ExportStep& step : STEPS) {
        if (output->failed) break;
        if (!selection.parts[step.part]) continue;
        run.progress.step = string_text(step.text_id);
        if (!step.writer) {
            export_access(&run);
            continue;
        }
        for_each_class(step, [&](const char* cls) {
            if (!output->failed) export_class(&run, step.part, cls, step.writer);
        });
    }
    object_text_free(&run.lines);
    free(run.value);
    if (output->failed) {
        transfer_log_error(log, "Error: Unable to write to file\r\n");
        result->write_failed = true;
    }
}

void export_to_file(const char* path, const ExportSelection& selection, const Dictionary* dictionary,
                    const char* log_path, const ExportCallbacks& callbacks, ExportResult* result, uint32_t* errors) {
    TransferLog log = {};
    transfer_log_open(&log, log_path, EXPORT_LOG_HEADING, path);
    RifOutput output = {};
    result->objects = 0;
    result->write_failed = false;
    if (rif_output_create(&output, path)) {
        export_database(selection, dictionary, &output, &log, callbacks, result);
        // The last lines leave the buffer only now: a full disk may show here.
        if (!rif_output_close(&output) && !result->write_failed) {
            transfer_log_error(&log, "Error: Unable to write to file\r\n");
            result->write_failed = true;
        }
    } else {
        rif_output_close(&output);
        transfer_log_error(&log, "Error: Unable to write to file\r\n");
        result->write_failed = true;
    }
    *errors = log.errors;
    transfer_log_close(&log, EXPORT_LOG_COUNT);
}
