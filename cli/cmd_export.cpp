// export: the database to a ".rif" file, through the console's own engine.
#include <stdio.h>

#include "api/requests.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "platform/terminal.h"
#include "platform/prompt.h"
#include "platform/ticks.h"
#include "transfer/export_engine.h"

namespace {

// Messages the dictionary reading would show in a box go to stderr.
std::string* g_prompt_texts = nullptr;

PromptAnswer collect_prompt(const PromptRequest& request) {
    if (g_prompt_texts) *g_prompt_texts += std::string("keelcli: ") + request.text + "\n";
    return ANSWER_OK;
}

struct TerminalProgress {
    uint32_t last_tick;
    bool drawn;
};

// One line, redrawn in place at most ten times a second.
void draw_progress(void* context, const ExportProgress& progress) {
    TerminalProgress* terminal = (TerminalProgress*)context;
    uint32_t now = tick_count();
    if (terminal->drawn && now - terminal->last_tick < 100) return;
    terminal->last_tick = now;
    terminal->drawn = true;
    fprintf(stderr, "\r%u/%u %s - %-40.40s", (unsigned)progress.done, (unsigned)progress.total, progress.step,
            progress.object);
    fflush(stderr);
}

}  // namespace

int run_export(const CommandLine& line, Output* output) {
    const char* path = line.operands[0];
    ExportSelection selection = {};
    uint64_t chosen = line.options & OPT_EXPORT_PARTS;
    for (uint32_t part = 0; part < EXPORT_PART_COUNT; ++part)
        selection.parts[part] = chosen == 0 || (chosen & (OPT_EXPORT_CLIENTS << part)) != 0;

    // Only attribute lists need the dictionary, for their value names.
    Dictionary dictionary = {};
    if (selection.parts[EXPORT_USERS] || selection.parts[EXPORT_PROFILES]) {
        std::string dictionary_texts;
        g_prompt_texts = &dictionary_texts;
        set_prompt_handler(collect_prompt);
        bool has_dictionary = load_dictionary_into(&dictionary, nullptr, nullptr);
        set_prompt_handler(nullptr);
        g_prompt_texts = nullptr;
        if (!has_dictionary)
            output->err +=
                dictionary_texts + "keelcli: no dictionary: attribute values are written without their names\n";
    }

    TerminalProgress terminal = {0, false};
    ExportCallbacks callbacks = {nullptr, nullptr};
    if (stderr_is_terminal()) callbacks = {draw_progress, &terminal};
    ExportResult result = {};
    uint32_t errors = 0;
    export_to_file(path, selection, &dictionary, EXPORT_LOG_NAME, callbacks, &result, &errors);
    dictionary_free(&dictionary);
    if (terminal.drawn) fputs("\n", stderr);

    if (result.write_failed) output->err += std::string("keelcli: Error: Unable to write to file ") + path + "\n";
    if (errors == 0) return EXIT_OK;
    char count[96];
    snprintf(count, sizeof count, "keelcli: %u export errors logged in %s\n", (unsigned)errors, EXPORT_LOG_NAME);
    output->err += count;
    return EXIT_FAILED;
}
