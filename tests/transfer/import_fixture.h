// Whole imports against keelsim in this process: a server holding the demo
// dictionary (and what a test adds), a ".rif" file written by the test, both
// phases run with the replace questions answered from a script, and what
// the scan listed, the log and the database afterwards.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/transfer/export_fixture.h"
#include "transfer/import_engine.h"

// The demo dictionary, for a fixture that has no other.
std::string demo_dictionary_line();

class ImportTest : public ExportTest {
protected:
    std::deque<ReplaceAnswer> answers;            // beyond them: Skip
    std::vector<std::string> asked;               // "CLASS : OBJECT" per replace question
    std::vector<std::string> importing;           // "CLASS : OBJECT" per object written
    std::vector<std::vector<std::string>> lists;  // the scan's pages, as listed
    std::string import_log;                       // what this run appended to the log
    ImportOpenResult opened = IMPORT_OPENED;
    ImportResult outcome = {};
    uint32_t scan_errors = 0, scan_warnings = 0, import_errors = 0, import_warnings = 0;

    // A server on the demo dictionary and `objects` (fixture statements).
    void open_with(const std::string& objects);
    std::string rif_path() const;
    std::string import_log_path() const;
    // Writes `text` as the file; "V" + lines: the version line, then the lines, each with CR LF.
    std::string write_rif(const std::string& text);
    std::string rif(std::initializer_list<const char*> lines);

    // Both phases over `path`, each followed by its closing messages (in
    // `prompt`). Every listed entry is selected unless `select` chooses on
    // the pages itself.
    void run_import(const std::string& path, ReplaceMode mode = REPLACE_ASK,
                    std::function<void(SelectionModel*)> select = nullptr);

    static ReplaceAnswer on_ask(void* context, const char* cls, const char* object);
    static void on_importing(void* context, const char* cls, const char* object);
};

// Every property of every object of the classes export and import walk,
// and the administrators, read through the api: "CLASS/OBJECT/PROPERTY" ->
// bytes, "admin/KIND/NAME" -> "".
std::map<std::string, std::string> database_snapshot();
// The keys missing from `got`, added to it, or holding other bytes.
std::vector<std::string> snapshot_differences(const std::map<std::string, std::string>& got,
                                              const std::map<std::string, std::string>& wanted);
