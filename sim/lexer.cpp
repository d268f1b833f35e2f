#include "sim/lexer.h"

#include <stdio.h>

static int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

static bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

static void line_error(std::string* error, uint32_t line, const char* what) {
    if (!error) return;
    char text[128];
    snprintf(text, sizeof text, "line %u: %s", (unsigned)line, what);
    *error = text;
}

// Reads one quoted part starting after its opening quote; `at` ends after the
// closing quote.
static bool lex_quoted(const char* text, size_t end, size_t* at, std::string* token, const char** problem) {
    size_t i = *at;
    while (i < end && text[i] != '"') {
        char c = text[i++];
        if (c != '\\') {
            token->push_back(c);
            continue;
        }
        if (i >= end) break;
        char e = text[i++];
        switch (e) {
        case '\\': token->push_back('\\'); break;
        case '"': token->push_back('"'); break;
        case 'n': token->push_back('\n'); break;
        case 'r': token->push_back('\r'); break;
        case 't': token->push_back('\t'); break;
        case 'x': {
            int high = i < end ? hex_digit(text[i]) : -1;
            int low = i + 1 < end ? hex_digit(text[i + 1]) : -1;
            if (high < 0 || low < 0) {
                *problem = "\\x needs two hex digits";
                return false;
            }
            token->push_back((char)(high * 16 + low));
            i += 2;
            break;
        }
        default:
            *problem = "unknown escape";
            return false;
        }
    }
    if (i >= end) {
        *problem = "unterminated quote";
        return false;
    }
    *at = i + 1;
    return true;
}

bool lex_fixture(const char* text, size_t length, std::vector<FixtureLine>* lines, std::string* error) {
    size_t start = 0;
    uint32_t number = 0;
    while (start < length) {
        size_t end = start;
        while (end < length && text[end] != '\n') ++end;
        ++number;
        FixtureLine line;
        line.number = number;
        size_t i = start;
        while (i < end && is_blank(text[i])) ++i;
        bool comment = i < end && text[i] == '#';
        while (!comment && i < end) {
            std::string token;
            while (i < end && !is_blank(text[i])) {
                if (text[i] == '"') {
                    ++i;
                    const char* problem = nullptr;
                    if (!lex_quoted(text, end, &i, &token, &problem)) {
                        line_error(error, number, problem);
                        return false;
                    }
                } else {
                    token.push_back(text[i++]);
                }
            }
            line.tokens.push_back(token);
            while (i < end && is_blank(text[i])) ++i;
        }
        if (!line.tokens.empty()) lines->push_back(line);
        start = end + 1;
    }
    return true;
}

bool parse_number(const std::string& token, uint32_t max, uint32_t* value) {
    size_t i = 0;
    uint32_t base = 10;
    if (token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X')) {
        base = 16;
        i = 2;
    }
    if (i >= token.size()) return false;
    uint64_t result = 0;
    for (; i < token.size(); ++i) {
        int digit = hex_digit(token[i]);
        if (digit < 0 || (uint32_t)digit >= base) return false;
        result = result * base + (uint32_t)digit;
        if (result > max) return false;
    }
    *value = (uint32_t)result;
    return true;
}

void append_quoted(std::string* out, const std::string& bytes) {
    static const char DIGITS[] = "0123456789abcdef";
    out->push_back('"');
    for (unsigned char c : bytes) {
        switch (c) {
        case '\\': out->append("\\\\"); break;
        case '"': out->append("\\\""); break;
        case '\n': out->append("\\n"); break;
        case '\r': out->append("\\r"); break;
        case '\t': out->append("\\t"); break;
        default:
            if (c >= 0x20 && c < 0x7F) {
                out->push_back((char)c);
            } else {
                out->append("\\x");
                out->push_back(DIGITS[c >> 4]);
                out->push_back(DIGITS[c & 15]);
            }
        }
    }
    out->push_back('"');
}

bool read_file_bytes(const char* path, std::string* content) {
    FILE* file = fopen(path, "rb");
    if (!file) return false;
    content->clear();
    char chunk[4096];
    size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, file)) > 0) content->append(chunk, got);
    bool ok = !ferror(file);
    fclose(file);
    return ok;
}
