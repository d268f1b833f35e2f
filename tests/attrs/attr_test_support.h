// Small builders for attribute tests: instances from readable parts and a
// dictionary held in vectors.
#pragma once

#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "api/text_field.h"
#include "attrs/attribute_list.h"
#include "attrs/dictionary.h"

inline AttributeInstance make_instance(const char* name, uint32_t type, uint16_t flags, const std::string& data,
                                       uint32_t state = 0) {
    AttributeInstance instance;
    memset(&instance, 0, sizeof instance);
    copy_text(instance.name, sizeof instance.name, name);
    instance.type = type;
    instance.stored_type = (uint16_t)type;
    instance.flags = flags;
    instance.state = state;
    instance.length = (uint16_t)(data.size() < MAX_VALUE_LENGTH ? data.size() : MAX_VALUE_LENGTH);
    memcpy(instance.data, data.data(), instance.length);
    return instance;
}

inline std::string u32_bytes(uint32_t value) {
    return std::string{(char)value, (char)(value >> 8), (char)(value >> 16), (char)(value >> 24)};
}
inline std::string text_bytes(const char* text) { return std::string(text, strlen(text) + 1); }

// A dictionary whose tables live in the vectors; `dictionary` points into them.
struct TestDictionary {
    std::vector<AttributeDefinition> attributes;
    std::vector<AttributeValueName> values;
    Dictionary dictionary = {0, nullptr, 0, nullptr};

    TestDictionary& attribute(const char* name, uint32_t number, uint32_t type, uint16_t flags,
                              bool has_values = false) {
        AttributeDefinition definition;
        memset(&definition, 0, sizeof definition);
        copy_text(definition.name, sizeof definition.name, name);
        definition.number = number;
        definition.type = type;
        definition.flags = flags;
        definition.has_values = has_values;
        attributes.push_back(definition);
        return refresh();
    }
    TestDictionary& value(const char* attribute, const char* name, uint32_t number) {
        AttributeValueName entry;
        memset(&entry, 0, sizeof entry);
        copy_text(entry.attribute, sizeof entry.attribute, attribute);
        copy_text(entry.name, sizeof entry.name, name);
        entry.value = number;
        values.push_back(entry);
        return refresh();
    }
    TestDictionary& refresh() {
        dictionary = {(uint32_t)attributes.size(), attributes.data(), (uint32_t)values.size(), values.data()};
        return *this;
    }
    const AttributeDefinition& operator[](const char* name) const { return *find_definition(&dictionary, name); }
};

// Names of a list, with a mark per instance: "Name" for own, "Name(p)" profile,
// "(s)" subtract, "(o)" overwrite, "(!)" single-valued clash.
inline std::string describe(const AttributeList& list) {
    std::string out;
    for (uint16_t i = 0; i < list.count; ++i) {
        const AttributeInstance& instance = list.items[i];
        if (!out.empty()) out += ' ';
        out += instance.name;
        if (instance.length == 4 && instance.type != AT_STRING)
            out += "=" + std::to_string(value_number(instance));
        else if (instance.type == AT_STRING) {
            char text[MAX_VALUE_LENGTH + 1];
            value_text(instance, 0, text, sizeof text);
            out += "=" + std::string(text);
        }
        if (instance.state & IS_PROFILE) out += "(p)";
        if (instance.flags & IF_SUBTRACT) out += "(s)";
        if (instance.state & IS_OVERWRITE) out += "(o)";
        if (instance.state & IS_SINGLE_VALUED) out += "(!)";
        if (instance.state & IS_NO_PROFILE_MATCH) out += "(?)";
    }
    return out;
}
