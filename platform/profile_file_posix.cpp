// The settings file as a text file beside the program's working directory:
// read whole, changed line by line, written back through a temporary file
// so that a failed write leaves the old settings.
#include <stdio.h>
#include <string.h>
#include <strings.h>

#include <string>
#include <vector>

#include "platform/profile_file.h"

namespace {

std::vector<std::string> read_lines(const char* file) {
    std::vector<std::string> lines;
    FILE* in = fopen(file, "rb");
    if (!in) return lines;
    std::string line;
    int c;
    while ((c = fgetc(in)) != EOF) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += (char)c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    fclose(in);
    return lines;
}

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "[name]": the section's name; else false.
bool section_of(const std::string& line, std::string* name) {
    const std::string text = trimmed(line);
    if (text.size() < 2 || text.front() != '[' || text.back() != ']') return false;
    *name = trimmed(text.substr(1, text.size() - 2));
    return true;
}

// "key=value": both parts trimmed; else false.
bool entry_of(const std::string& line, std::string* key, std::string* value) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    *key = trimmed(line.substr(0, equals));
    *value = trimmed(line.substr(equals + 1));
    return true;
}

bool same_name(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

// Where the section's lines are: [begin, end) after its heading; begin is
// lines.size() + 1 when the section is absent.
void find_section(const std::vector<std::string>& lines, const char* section, size_t* begin, size_t* end) {
    *begin = *end = lines.size() + 1;
    std::string name;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!section_of(lines[i], &name)) continue;
        if (*begin <= lines.size()) {
            *end = i;
            return;
        }
        if (same_name(name, section)) *begin = i + 1;
    }
    if (*begin <= lines.size()) *end = lines.size();
}

}  // namespace

bool profile_read(const char* file, const char* section, const char* key, char* value, uint32_t value_size) {
    if (value_size > 0) value[0] = '\0';
    const std::vector<std::string> lines = read_lines(file);
    size_t begin, end;
    find_section(lines, section, &begin, &end);
    std::string name, text;
    for (size_t i = begin; i < end; ++i) {
        if (!entry_of(lines[i], &name, &text) || !same_name(name, key)) continue;
        if (value_size > 0) snprintf(value, value_size, "%s", text.c_str());
        return true;
    }
    return false;
}

bool profile_write(const char* file, const char* section, const char* key, const char* value) {
    std::vector<std::string> lines = read_lines(file);
    size_t begin, end;
    find_section(lines, section, &begin, &end);
    const std::string entry = value ? std::string(key) + "=" + value : "";
    if (begin > lines.size()) {
        if (!value) return true;
        lines.push_back(std::string("[") + section + "]");
        lines.push_back(entry);
    } else {
        std::string name, text;
        size_t at = end;
        for (size_t i = begin; i < end; ++i)
            if (entry_of(lines[i], &name, &text) && same_name(name, key)) at = i;
        if (at < end && value)
            lines[at] = entry;
        else if (at < end)
            lines.erase(lines.begin() + (long)at);
        else if (value)
            lines.insert(lines.begin() + (long)end, entry);
    }
    const std::string temporary = std::string(file) + ".new";
    FILE* out = fopen(temporary.c_str(), "wb");
    if (!out) return false;
    bool written = true;
    for (const std::string& line : lines) written = written && fprintf(out, "%s\r\n", line.c_str()) >= 0;
    written = fclose(out) == 0 && written;
    if (!written || rename(temporary.c_str(), file) != 0) {
        remove(temporary.c_str());
        return false;
    }
    return true;
}
