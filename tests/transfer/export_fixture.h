// Whole exports against keelsim in this process: the server on a fixture
// (or the demo database), a session, the server's dictionary, and the
// file and log an export wrote.
#pragma once

#include <string>
#include <vector>

#include "tests/panels/panel_fixture.h"
#include "transfer/export_engine.h"

class ExportTest : public PanelTest {
protected:
    Dictionary dictionary = {};
    ExportResult result = {};
    uint32_t errors = 0;
    std::string log_text;            // what this run appended to the log
    std::vector<std::string> steps;  // progress: "STEP - OBJECT" per call
    std::vector<uint32_t> done;      // progress: the count at each call
    uint32_t total = 0;

    // Starts the server on `fixture` (null: the demo database), opens the
    // session and loads the server's dictionary when it has one.
    void open(const char* fixture);
    void TearDown() override;

    // Exports `selection` to a file in the test directory (or to `path`)
    // and returns the file's bytes ("<no file>" when there is none).
    std::string run_export(const ExportSelection& selection, const char* path = nullptr);
    std::string export_parts(std::initializer_list<ExportPart> parts);
    std::string export_everything();
    std::string file_path() const;
    std::string log_path() const;

    static void on_progress(void* context, const ExportProgress& progress);
};

// Every part chosen, every object of each.
ExportSelection all_parts();
// The lines of a file without their CR LF (a line without one is kept as is).
std::vector<std::string> rif_lines(const std::string& file);
