#include "tests/transfer/export_fixture.h"

#include <stdio.h>

ExportSelection all_parts() {
    ExportSelection selection = {};
    for (bool& part : selection.parts) part = true;
    return selection;
}

std::vector<std::string> rif_lines(const std::string& file) {
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < file.size()) {
        size_t end = file.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(file.substr(at));
            break;
        }
        lines.push_back(file.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

void ExportTest::open(const char* fixture) {
    open_session(fixture);
    dictionary_free(&dictionary);
    // A fixture without a dictionary exports with none: every attribute
    // then goes out by its stored type.
    if (!load_dictionary_into(&dictionary, nullptr, nullptr)) prompt.asked.clear();
    remove(log_path().c_str());
}

void ExportTest::TearDown() {
    dictionary_free(&dictionary);
    PanelTest::TearDown();
}

std::string ExportTest::file_path() const { return test_directory() + "/export.rif"; }
std::string ExportTest::log_path() const { return test_directory() + "/export.log"; }

void ExportTest::on_progress(void* context, const ExportProgress& progress) {
    ExportTest* test = (ExportTest*)context;
    test->steps.push_back(std::string(progress.step) + " - " + progress.object);
    test->done.push_back(progress.done);
    test->total = progress.total;
}

std::string ExportTest::run_export(const ExportSelection& selection, const char* path) {
    std::string target = path ? path : file_path();
    remove(file_path().c_str());
    std::string before = read_test_file(log_path());
    if (before == "<missing>") before.clear();
    steps.clear();
    done.clear();
    ExportCallbacks callbacks = {on_progress, this};
    export_to_file(target.c_str(), selection, &dictionary, log_path().c_str(), callbacks, &result, &errors);
    std::string after = read_test_file(log_path());
    log_text = after.substr(before.size() <= after.size() ? before.size() : 0);
    if (target.compare(0, 5, "/dev/") == 0) return "<not read>";
    std::string file = read_test_file(target);
    return file == "<missing>" ? "<no file>" : file;
}

std::string ExportTest::export_parts(std::initializer_list<ExportPart> parts) {
    ExportSelection selection = {};
    for (ExportPart part : parts) selection.parts[part] = true;
    return run_export(selection);
}

std::string ExportTest::export_everything() { return run_export(all_parts()); }
