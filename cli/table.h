// Plain-text output: names made safe for a terminal, and columns aligned.
#pragma once

#include <stddef.h>

#include <string>
#include <vector>

// Names are 8-bit texts from the server: control bytes (below 0x20, and
// 0x7F) are shown as "\xHH" so a name can neither break a line nor drive
// the terminal; other bytes pass unchanged (the console's code page shows them).
std::string display_text(const char* bytes, size_t length);
std::string display_text(const char* text);

struct TextTable {
    std::vector<std::string> headings;
    std::vector<bool> right_aligned;             // per column; missing entries are left-aligned
    std::vector<std::vector<std::string>> rows;  // cells already made displayable
};

// Columns padded to their widest cell and two blanks apart; the last cell
// of a line is not padded.
std::string format_table(const TextTable& table);
// One line per name.
std::string format_lines(const std::vector<std::string>& lines);
