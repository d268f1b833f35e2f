#include "sim/fixture.h"

#include <stdio.h>
#include <string.h>

#include "platform/hex.h"
#include "sim/generated_sessions.h"
#include "sim/lexer.h"

namespace {

struct ApplyContext {
    SimState* state;
    const std::string* base_dir;
    uint32_t now_ms;
    SimProperties* object;  // the object that `property` lines fill
    std::string problem;
};

bool has_nul(const std::string& text) { return text.find('\0') != std::string::npos; }

// Names travel as NUL-terminated text items, so they cannot hold a NUL.
bool check_names(ApplyContext* context, const std::vector<std::string>& tokens, size_t first) {
    for (size_t i = first; i < tokens.size(); ++i) {
        if (has_nul(tokens[i])) {
            context->problem = "a name or text cannot hold a NUL byte";
            return false;
        }
    }
    return true;
}

bool number_at(ApplyContext* context, const std::string& token, uint32_t max, uint32_t* value) {
    if (parse_number(token, max, value)) return true;
    context->problem = "bad number \"" + token + "\"";
    return false;
}

bool is_absolute(const std::string& path) {
    if (!path.empty() && (path[0] == '/' || path[0] == '\\')) return true;
    return path.size() >= 2 && path[1] == ':';
}

bool parse_hex_bytes(const std::string& hex, std::string* bytes) {
    std::string read(hex.size() / 2, '\0');
    uint32_t length = 0;
    if (parse_hex(hex.data(), hex.size(), HEX_BLANKS_ANYWHERE, (uint8_t*)&read[0], (uint32_t)read.size(), &length,
                  nullptr) != HEX_OK)
        return false;
    bytes->append(read, 0, length);
    return true;
}

bool apply_session(ApplyContext* context, const std::vector<std::string>& tokens) {
    SimSession session;
    bool has_time = false;
    for (size_t i = 1; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        size_t equals = token.find('=');
        if (equals == std::string::npos) {
            context->problem = "session fields are KEY=VALUE";
            return false;
        }
        std::string key = token.substr(0, equals);
        std::string value = token.substr(equals + 1);
        std::string* field = nullptr;
        if (key == "client")
            field = &session.client;
        else if (key == "user")
            field = &session.user;
        else if (key == "dn")
            field = &session.dn;
        else if (key == "session-id")
            field = &session.session_id;
        else if (key == "time")
            field = &session.time;
        else if (key == "port")
            field = &session.port;
        else if (key == "port-type")
            field = &session.port_type;
        else if (key == "ip")
            field = &session.ip;
        if (!field) {
            context->problem = "unknown session field \"" + key + "\"";
            return false;
        }
        if (key == "time") has_time = true;
        *field = value;
    }
    if (!has_time) session.time = "01/01/2000 00:00:00";
    context->state->sessions.push_back(session);
    return true;
}

bool apply_property(ApplyContext* context, const std::vector<std::string>& tokens) {
    if (!context->object) {
        context->problem = "property before any object";
        return false;
    }
    std::string value;
    if (tokens[2] == "text") {
        value = tokens[3];
        value.push_back('\0');
    } else if (tokens[2] == "hex") {
        if (!parse_hex_bytes(tokens[3], &value)) {
            context->problem = "bad hex value";
            return false;
        }
    } else {
        context->problem = "property value is text or hex";
        return false;
    }
    if (value.size() > 0xFFFF) {
        context->problem = "property value longer than 65535 bytes";
        return false;
    }
    (*context->object)[tokens[1]] = value;
    return true;
}

bool apply_dictionary(ApplyContext* context, const std::vector<std::string>& tokens) {
    SimDictionary dictionary;
    std::string path = tokens[2];
    if (!is_absolute(path)) path = *context->base_dir + path;
    std::string error;
    if (dictionary_load_file(path.c_str(), &dictionary, &error) != 0) {
        context->problem = "dictionary " + path + ": " + error;
        return false;
    }
    dictionary.file = tokens[2];
    context->state->dictionaries[tokens[1]] = dictionary;
    return true;
}

// Statement keyword and the token counts it takes, the keyword included.
struct StatementShape {
    const char* keyword;
    size_t min_tokens, max_tokens;
};

const StatementShape SHAPES[] = {
    {"service-version", 2, 2}, {"required-console-version", 2, 2},
    {"access-level", 2, 2},    {"option-mask", 2, 2},
    {"status-text", 2, 2},     {"product", 3, 3},
    {"admin", 3, 3},           {"counter", 3, 4},
    {"session", 1, 64},        {"sessions", 2, 2},
    {"dictionary", 3, 3},      {"class", 2, 2},
    {"object", 3, 3},          {"property", 4, 4},
};

bool apply_statement(ApplyContext* context, const std::vector<std::string>& tokens) {
    const std::string& keyword = tokens[0];
    const StatementShape* shape = nullptr;
    for (const StatementShape& candidate : SHAPES) {
        if (keyword == candidate.keyword) shape = &candidate;
    }
    if (!shape) {
        context->problem = "unknown statement \"" + keyword + "\"";
        return false;
    }
    if (tokens.size() < shape->min_tokens || tokens.size() > shape->max_tokens) {
        context->problem = "wrong number of tokens for " + keyword;
        return false;
    }
    SimState* state = context->state;
    uint32_t number = 0;
    if (keyword == "service-version") return number_at(context, tokens[1], 0xFFFFFFFFu, &state->service_version);
    if (keyword == "required-console-version")
        return number_at(context, tokens[1], 0xFFFFFFFFu, &state->required_console_version);
    if (keyword == "option-mask") return number_at(context, tokens[1], 0xFFFFFFFFu, &state->option_mask);
    if (keyword == "access-level") {
        if (!number_at(context, tokens[1], 0xFFFF, &number)) return false;
        state->access_level = (uint16_t)number;
        return true;
    }
    if (keyword == "sessions") {
        if (!number_at(context, tokens[1], GENERATED_SESSIONS_LIMIT, &number)) return false;
        // A bound on the whole list, not on one statement: many statements
        // must not run the server out of memory.
        if (state->sessions.size() + number > GENERATED_SESSIONS_LIMIT) {
            context->problem = "more than 100000 sessions";
            return false;
        }
        add_generated_sessions(&state->sessions, number);
        return true;
    }
    if (keyword == "status-text") {
        state->status_text = tokens[1];
        return true;
    }
    if (keyword == "property") { return check_names(context, tokens, 1) && apply_property(context, tokens); }
    if (!check_names(context, tokens, 1)) return false;
    if (keyword == "product") {
        SimProduct product;
        product.name = tokens[1];
        if (!number_at(context, tokens[2], 0xFFFFFFFFu, &product.value)) return false;
        state->products.push_back(product);
        return true;
    }
    if (keyword == "admin") {
        if (tokens[1] == "user")
            state->admin_users.insert(tokens[2]);
        else if (tokens[1] == "group")
            state->admin_groups.insert(tokens[2]);
        else {
            context->problem = "admin kind is user or group";
            return false;
        }
        return true;
    }
    if (keyword == "counter") {
        SimCounter counter;
        if (!number_at(context, tokens[1], 0xFFFF, &number)) return false;
        if (!number_at(context, tokens[2], 0xFFFFFFFFu, &counter.value)) return false;
        if (tokens.size() == 4 && !number_at(context, tokens[3], 0xFFFFFFFFu, &counter.rate)) return false;
        counter.since_ms = context->now_ms;
        state->counters[(uint16_t)number] = counter;
        return true;
    }
    if (keyword == "session") return apply_session(context, tokens);
    if (keyword == "dictionary") return apply_dictionary(context, tokens);
    if (keyword == "class") {
        state->classes[tokens[1]];
        return true;
    }
    // object: later property lines fill it; an existing object keeps what it has.
    context->object = &state->classes[tokens[1]][tokens[2]];
    return true;
}

}  // namespace

uint16_t fixture_apply(SimState* state, const char* text, size_t length, const std::string& base_dir, uint32_t now_ms,
                       std::string* error) {
    std::vector<FixtureLine> lines;
    if (!lex_fixture(text, length, &lines, error)) return SIM_NOT_UNDERSTOOD;
    ApplyContext context;
    context.state = state;
    context.base_dir = &base_dir;
    context.now_ms = now_ms;
    context.object = nullptr;
    for (const FixtureLine& line : lines) {
        if (!apply_statement(&context, line.tokens)) {
            if (error) {
                char prefix[32];
                snprintf(prefix, sizeof prefix, "line %u: ", (unsigned)line.number);
                *error = prefix + context.problem;
            }
            return SIM_NOT_UNDERSTOOD;
        }
    }
    return 0;
}

uint16_t fixture_load_file(SimState* state, const char* path, std::string* error) {
    std::string content;
    if (!read_file_bytes(path, &content)) {
        if (error) *error = std::string("cannot read ") + path;
        return SIM_FILE_UNREADABLE;
    }
    std::string problem;
    uint16_t status = fixture_apply(state, content.data(), content.size(), directory_of(path), 0, &problem);
    if (status != 0 && error) *error = std::string(path) + ": " + problem;
    return status;
}

std::string directory_of(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
