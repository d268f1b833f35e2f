#include "sim/lexer.h"

#include <stdio.h>

#include "platform/hex.h"

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
                uint8_t high, low;
                if (i + 1 >= end || !hex_digit_value(text[i], &high) || !hex_digit_value(text[i + 1], &low)) {
                    *problem = "\\x needs two hex digits";
                    return false;
                }
                token->push_back((char)(high * 16 + low));
                i += 2;
                break;
            }
            default: *problem = "unknown escape"; return false;
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
        uint8_t digit;
        if (!hex_digit_value(token[i], &digit) || digit >= base) return false;
        result = result * base + (uint32_t)digit;
        if (result > max) return false;
    }
    *value = (uint32_t)result;
    return true;
}

void append_quoted(std::string* out, const std::string& bytes) {
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
                    char pair[2];
                    put_hex_byte(c, pair);
                    out->append("\\x");
                    out->append(pair, 2);
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
