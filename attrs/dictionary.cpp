#include "attrs/dictionary.h"

#include <stdlib.h>
#include <string.h>

static Dictionary g_program_dictionary;

void dictionary_free(Dictionary* dictionary) {
    free(dictionary->attributes);
    free(dictionary->values);
    memset(dictionary, 0, sizeof *dictionary);
}

Dictionary* program_dictionary() { return &g_program_dictionary; }

bool dictionary_loaded(const Dictionary* dictionary) { return dictionary->attributes != nullptr; }

int32_t find_attribute(const Dictionary* dictionary, const char* name) {
    for (uint32_t i = 0; i < dictionary->attribute_count; ++i) {
        if (strcmp(dictionary->attributes[i].name, name) == 0) return (int32_t)i;
    }
    return -1;
}

const AttributeDefinition* find_definition(const Dictionary* dictionary, const char* name) {
    int32_t index = find_attribute(dictionary, name);
    return index < 0 ? nullptr : &dictionary->attributes[index];
}

const char* attribute_name_for_number(const Dictionary* dictionary, uint32_t number) {
    for (uint32_t i = 0; i < dictionary->attribute_count; ++i) {
        if (dictionary->attributes[i].number == number) return dictionary->attributes[i].name;
    }
    return nullptr;
}

int32_t first_value_index(const Dictionary* dictionary, const char* attribute) {
    for (uint32_t i = 0; i < dictionary->value_count; ++i) {
        if (strcmp(dictionary->values[i].attribute, attribute) == 0) return (int32_t)i;
    }
    return -1;
}

const char* value_name_for(const Dictionary* dictionary, const char* attribute, uint32_t value) {
    int32_t first = first_value_index(dictionary, attribute);
    if (first < 0) return "";
    for (uint32_t i = (uint32_t)first; i < dictionary->value_count; ++i) {
        const AttributeValueName& entry = dictionary->values[i];
        if (strcmp(entry.attribute, attribute) != 0) break;
        if (entry.value == value) return entry.name;
    }
    return "";
}

bool value_for_name(const Dictionary* dictionary, const char* attribute, const char* name, uint32_t* value) {
    for (uint32_t i = 0; i < dictionary->value_count; ++i) {
        const AttributeValueName& entry = dictionary->values[i];
        if (strcmp(entry.attribute, attribute) == 0 && strcmp(entry.name, name) == 0) {
            *value = entry.value;
            return true;
        }
    }
    return false;
}
