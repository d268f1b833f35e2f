// What the user and profile commands print and take alike: the program's
// dictionary, a record's lists as "Attribute = value" lines or JSON with
// the rows' marks, and the lists the --check and --reply options replace.
#pragma once

#include <string>

#include "attrs/attribute_list.h"

struct CommandLine;
struct JsonWriter;
struct Output;

// Loads the server's default dictionary once; reported when it cannot be.
bool load_program_dictionary(Output* output);
void list_lines(const AttributeList& list, std::string* out);
void list_json(JsonWriter* writer, const char* key, const AttributeList& list);
// Each list given by --check or --reply replaces the record's, item by item
// through the editor's rules; the others stay. EXIT_OK, or EXIT_FAILED at the
// first item the rules refuse.
int replace_given_lists(const CommandLine& line, AttributeRecord* record, Output* output);
