#include <stdio.h>

#include "platform/hex.h"
#include "sim/fixture.h"
#include "sim/lexer.h"
#include "sim/os.h"

static void append_number(std::string* out, uint32_t value, bool hex) {
    char text[16];
    snprintf(text, sizeof text, hex ? "0x%08X" : "%u", (unsigned)value);
    out->append(text);
}

static void append_line(std::string* out, const char* keyword, const std::string* a = nullptr,
                        const std::string* b = nullptr) {
    out->append(keyword);
    if (a) {
        out->push_back(' ');
        append_quoted(out, *a);
    }
    if (b) {
        out->push_back(' ');
        append_quoted(out, *b);
    }
}

// Text form only for what a person would read as text: printable ASCII ending
// in its one NUL. Anything else is hex, which round-trips every byte.
static bool reads_as_text(const std::string& value) {
    if (value.empty() || value.back() != '\0') return false;
    for (size_t i = 0; i + 1 < value.size(); ++i) {
        unsigned char c = (unsigned char)value[i];
        if (c < 0x20 || c > 0x7E) return false;
    }
    return true;
}

static void append_property(std::string* out, const std::string& name, const std::string& value) {
    out->append("property ");
    append_quoted(out, name);
    if (reads_as_text(value)) {
        out->append(" text ");
        append_quoted(out, value.substr(0, value.size() - 1));
    } else {
        // A blank after every 32 bytes keeps long values readable.
        uint32_t size = format_hex_size((uint32_t)value.size(), 32);
        std::string hex(size, '\0');
        format_hex((const uint8_t*)value.data(), (uint32_t)value.size(), 32, &hex[0], size);
        hex.resize(size - 1);
        out->append(" hex \"");
        out->append(hex);
        out->push_back('"');
    }
    out->push_back('\n');
}

static void append_session(std::string* out, const SimSession& session) {
    const std::pair<const char*, const std::string*> fields[] = {
        {"client", &session.client},         {"user", &session.user}, {"dn", &session.dn},
        {"session-id", &session.session_id}, {"time", &session.time}, {"port", &session.port},
        {"port-type", &session.port_type},   {"ip", &session.ip},
    };
    out->append("session");
    for (const auto& field : fields) {
        out->push_back(' ');
        out->append(field.first);
        out->push_back('=');
        append_quoted(out, *field.second);
    }
    out->push_back('\n');
}

std::string fixture_text(const SimState& state, uint32_t now_ms) {
    std::string out = "# keelsim state\n";
    out.append("service-version ");
    append_number(&out, state.service_version, true);
    out.append("\nrequired-console-version ");
    append_number(&out, state.required_console_version, true);
    out.append("\naccess-level ");
    append_number(&out, state.access_level, false);
    out.append("\noption-mask ");
    append_number(&out, state.option_mask, true);
    out.push_back('\n');
    append_line(&out, "status-text", &state.status_text);
    out.push_back('\n');
    for (const SimProduct& product : state.products) {
        append_line(&out, "product", &product.name);
        out.push_back(' ');
        append_number(&out, product.value, false);
        out.push_back('\n');
    }
    for (const std::string& name : state.admin_users) {
        append_line(&out, "admin user", &name);
        out.push_back('\n');
    }
    for (const std::string& name : state.admin_groups) {
        append_line(&out, "admin group", &name);
        out.push_back('\n');
    }
    for (const auto& entry : state.counters) {
        out.append("counter ");
        append_number(&out, entry.first, false);
        out.push_back(' ');
        append_number(&out, counter_value(entry.first, entry.second, now_ms), false);
        if (entry.first != 0 && entry.second.rate != 0) {
            out.push_back(' ');
            append_number(&out, entry.second.rate, false);
        }
        out.push_back('\n');
    }
    for (const SimSession& session : state.sessions) append_session(&out, session);
    for (const auto& entry : state.dictionaries) {
        append_line(&out, "dictionary", &entry.first, &entry.second.file);
        out.push_back('\n');
    }
    for (const auto& cls : state.classes) {
        if (cls.second.empty()) {
            append_line(&out, "class", &cls.first);
            out.push_back('\n');
        }
        for (const auto& object : cls.second) {
            append_line(&out, "object", &cls.first, &object.first);
            out.push_back('\n');
            for (const auto& property : object.second) append_property(&out, property.first, property.second);
        }
    }
    return out;
}

uint16_t fixture_save_file(const SimState& state, uint32_t now_ms, const char* path, std::string* error) {
    std::string text = fixture_text(state, now_ms);
    std::string temporary = std::string(path) + ".keelsim-tmp";
    FILE* file = fopen(temporary.c_str(), "wb");
    bool ok = file != nullptr;
    if (ok) {
        ok = fwrite(text.data(), 1, text.size(), file) == text.size();
        ok = fclose(file) == 0 && ok;
    }
    if (ok) ok = os_replace_file(temporary.c_str(), path);
    if (!ok) {
        remove(temporary.c_str());
        if (error) *error = std::string("cannot save ") + path;
        return SIM_CANNOT_SAVE;
    }
    return 0;
}
