#include "cli/table.h"

#include <stdio.h>
#include <string.h>

std::string display_text(const char* bytes, size_t length) {
    std::string shown;
    shown.reserve(length);
    for (size_t i = 0; i < length; ++i) {
        unsigned char c = (unsigned char)bytes[i];
        if (c < 0x20 || c == 0x7F) {
            char escape[5];
            snprintf(escape, sizeof escape, "\\x%02X", c);
            shown += escape;
        } else {
            shown += (char)c;
        }
    }
    return shown;
}

std::string display_text(const char* text) { return display_text(text, strlen(text)); }

std::string format_table(const TextTable& table) {
    size_t columns = table.headings.size();
    for (const std::vector<std::string>& row : table.rows) columns = row.size() > columns ? row.size() : columns;
    std::vector<size_t> width(columns, 0);
    auto measure = [&](const std::vector<std::string>& row) {
        for (size_t c = 0; c < row.size(); ++c) width[c] = row[c].size() > width[c] ? row[c].size() : width[c];
    };
    measure(table.headings);
    for (const std::vector<std::string>& row : table.rows) measure(row);

    std::string text;
    auto emit = [&](const std::vector<std::string>& row) {
        std::string line;
        size_t kept = 0;  // up to the last cell with content: empty cells at the end leave no blanks
        for (size_t c = 0; c < row.size(); ++c) {
            if (c > 0) line += "  ";
            size_t pad = width[c] - row[c].size();
            bool right = c < table.right_aligned.size() && table.right_aligned[c];
            if (right) line.append(pad, ' ');
            line += row[c];
            if (!row[c].empty()) kept = line.size();
            if (!right) line.append(pad, ' ');
        }
        line.resize(kept);
        text += line;
        text += '\n';
    };
    if (!table.headings.empty()) emit(table.headings);
    for (const std::vector<std::string>& row : table.rows) emit(row);
    return text;
}

std::string format_lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}
