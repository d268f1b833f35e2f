#include <stdio.h>

#include "sim/fixture.h"
#include "sim/lexer.h"

static bool numbers(const std::vector<std::string>& tokens, size_t first, uint32_t* const* out, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if (first + i >= tokens.size()) return true;  // optional trailing numbers keep their defaults
        if (!parse_number(tokens[first + i], 0xFFFFFFFFu, out[i])) return false;
    }
    return true;
}

static bool texts_ok(const std::vector<std::string>& tokens, size_t count) {
    for (size_t i = 1; i <= count; ++i) {
        if (tokens[i].find('\0') != std::string::npos) return false;
    }
    return true;
}

uint16_t dictionary_load_file(const char* path, SimDictionary* dictionary, std::string* error) {
    std::string content;
    if (!read_file_bytes(path, &content)) {
        if (error) *error = "cannot read the file";
        return SIM_FILE_UNREADABLE;
    }
    return dictionary_parse(content.data(), content.size(), dictionary, error);
}

uint16_t dictionary_parse(const char* text, size_t length, SimDictionary* dictionary, std::string* error) {
    std::vector<FixtureLine> lines;
    if (!lex_fixture(text, length, &lines, error)) return SIM_NOT_UNDERSTOOD;
    for (const FixtureLine& line : lines) {
        const std::vector<std::string>& t = line.tokens;
        bool ok = false;
        if (t[0] == "attribute" && t.size() == 5 && texts_ok(t, 1)) {
            SimAttribute attribute;
            attribute.name = t[1];
            uint32_t* out[] = {&attribute.number, &attribute.type, &attribute.flags};
            ok = numbers(t, 2, out, 3);
            if (ok) dictionary->attributes.push_back(attribute);
        } else if (t[0] == "value" && (t.size() == 4 || t.size() == 5) && texts_ok(t, 2)) {
            SimValueName value;
            value.attribute = t[1];
            value.name = t[2];
            uint32_t* out[] = {&value.value, &value.aux};
            ok = numbers(t, 3, out, 2);
            if (ok) dictionary->values.push_back(value);
        }
        if (!ok) {
            if (error) {
                char text[64];
                snprintf(text, sizeof text, "line %u: not understood", (unsigned)line.number);
                *error = text;
            }
            return SIM_NOT_UNDERSTOOD;
        }
    }
    return 0;
}
