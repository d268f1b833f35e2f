// The administrators: the class line "Access", then one line per account,
// users before groups, as "    User=NAME" or "    Group=NAME".
#include <stdio.h>
#include <string.h>

#include "api/requests.h"
#include "resources/strings.h"
#include "transfer/export_run.h"

namespace {

struct AccessKind {
    uint16_t code;
    const char* word;
};
const AccessKind ACCESS_KINDS[] = {{ADMIN_USER, "User"}, {ADMIN_GROUP, "Group"}};

struct KindLines {
    ExportRun* run;
    const char* word;
    bool added;
};

void add_account(void* context, const char* name) {
    KindLines* kind = (KindLines*)context;
    if (!kind->added) return;
    snprintf(kind->run->line, sizeof kind->run->line, "    %s=%s", kind->word, name);
    kind->added = add_line(kind->run, "Access", name);
}

}  // namespace

void export_access(ExportRun* run) {
    rif_output_line(run->output, "Access", 6);
    const char* other_data = run->progress.step;
    char step[64];
    for (const AccessKind& kind : ACCESS_KINDS) {
        snprintf(step, sizeof step, string_text(IDS_EXPORT_STEP_ACCESS), kind.word);
        run->progress.step = step;
        report_progress(run, "");
        object_text_clear(&run->lines);
        KindLines lines = {run, kind.word, true};
        // Each kind goes out whole: a list that broke off halfway would
        // read back as the complete list.
        if (admin_list(kind.code, add_account, &lines) != 0) {
            transfer_log_error(run->log, "DataBase Error: Unable to export Class %s\r\n", "Access");
        } else if (lines.added) {
            rif_output_bytes(run->output, run->lines.bytes, run->lines.used);
        }
    }
    run->progress.step = other_data;
}
