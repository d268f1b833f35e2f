// Service 5: the default dictionary and the named ones. A table too large for
// one answer overflows the reply, which the dispatcher turns into status 101.
#include "sim/handlers.h"

namespace {

const SimDictionary* requested_dictionary(const SimState& state, const Request& request) {
    std::string name;  // absent or empty: the default dictionary
    read_text(find_item(request, DICT_TAG_DICTIONARY), &name);
    auto found = state.dictionaries.find(name);
    return found == state.dictionaries.end() ? nullptr : &found->second;
}

void put_text(MessageBuffer* reply, uint16_t tag, const std::string& text) {
    msg_put_bytes(reply, tag, text.c_str(), (uint32_t)text.size() + 1);
}

uint16_t attribute_table(const SimDictionary& dictionary, MessageBuffer* reply) {
    msg_put_u32(reply, DICT_TAG_COUNT, (uint32_t)dictionary.attributes.size());
    for (const SimAttribute& attribute : dictionary.attributes) {
        put_text(reply, DICT_TAG_NAME, attribute.name);
        msg_put_u32(reply, DICT_TAG_NUMBER, attribute.number);
        msg_put_u32(reply, DICT_TAG_TYPE, attribute.type);
        msg_put_u32(reply, DICT_TAG_FLAGS, attribute.flags);
        msg_put_bytes(reply, DICT_TAG_END, "", 0);
    }
    return SIM_STATUS_OK;
}

uint16_t value_table(const SimDictionary& dictionary, MessageBuffer* reply) {
    msg_put_u32(reply, DICT_TAG_COUNT, (uint32_t)dictionary.values.size());
    for (const SimValueName& value : dictionary.values) {
        put_text(reply, DICT_TAG_NAME, value.attribute);
        put_text(reply, DICT_TAG_VALUE_NAME, value.name);
        msg_put_u32(reply, DICT_TAG_NUMBER, value.value);
        msg_put_u32(reply, DICT_TAG_FLAGS, value.aux);
        msg_put_bytes(reply, DICT_TAG_END, "", 0);
    }
    return SIM_STATUS_OK;
}

uint16_t list_dictionaries(const SimState& state, MessageBuffer* reply) {
    for (const auto& entry : state.dictionaries) {
        if (!entry.first.empty()) put_text(reply, DICT_TAG_DICTIONARY, entry.first);
    }
    msg_put_u16(reply, DICT_TAG_LIST_STATUS, 0);
    return SIM_STATUS_OK;
}

}  // namespace

uint16_t handle_dictionary(HandlerContext* context, const Request& request, MessageBuffer* reply) {
    const SimState& state = context->server->state;
    if (request.function == DICTIONARY_LIST) return list_dictionaries(state, reply);
    if (request.function != DICTIONARY_ATTRIBUTES && request.function != DICTIONARY_VALUE_NAMES)
        return SIM_STATUS_UNKNOWN_REQUEST;
    const SimDictionary* dictionary = requested_dictionary(state, request);
    if (!dictionary) return SIM_STATUS_NOT_FOUND;
    return request.function == DICTIONARY_ATTRIBUTES ? attribute_table(*dictionary, reply)
                                                     : value_table(*dictionary, reply);
}
