// What import and import-users share: the replace question on the
// terminal, the replace mode the options give, the scan's offer as text,
// the outcome and the exit status.
#pragma once

#include <string>

#include "transfer/import_engine.h"

struct CommandLine;
struct Output;

// --replace: "ask" and "all" and "none"; without it the question is asked
// when standard input is a terminal and existing objects are kept otherwise.
bool check_replace_mode(const CommandLine& line, std::string* error);
ReplaceMode replace_mode(const CommandLine& line);
// import-users: --dictionary given, and --replace as above.
bool check_import_users(const CommandLine& line, std::string* error);
// One question per existing object, on the terminal.
ReplaceAnswer ask_on_terminal(void* context, const char* cls, const char* object);
// What the scan offers, page by page, as the selection dialog lists it.
std::string format_pages(const SelectionModel& pages);
// "N imported, N skipped, ..." on one line.
std::string import_summary(const ImportResult& result);
// Closes and frees the run; EXIT_OK, or EXIT_FAILED with the count of
// errors on stderr.
int finish_import(ImportRun* run, uint32_t errors, const char* what, Output* output);
