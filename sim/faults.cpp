#include "sim/faults.h"

#include <string.h>

#include <string>

#include "sim/lexer.h"

FaultOutcome faults_take(std::vector<ArmedFault>* armed, uint16_t service, uint16_t function) {
    FaultOutcome outcome;
    for (size_t i = 0; i < armed->size();) {
        ArmedFault& entry = (*armed)[i];
        const SimFault& fault = entry.fault;
        bool matches = fault.service == service && (fault.function == 0 || fault.function == function);
        if (!matches || ++entry.seen != fault.nth) {
            ++i;
            continue;
        }
        if (fault.kind == SIM_FAULT_DELAY) {
            outcome.delay_ms += fault.value;
        } else if (outcome.kind == 0) {
            outcome.kind = fault.kind;
            outcome.value = fault.value;
        }
        armed->erase(armed->begin() + (ptrdiff_t)i);
    }
    return outcome;
}

bool sim_parse_fault(const char* fault_text, SimFault* fault) {
    std::string text = fault_text ? fault_text : "";
    std::string parts[4];
    size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        size_t colon = i < 3 ? text.find(':', start) : text.size();
        if (colon == std::string::npos) return false;
        parts[i] = text.substr(start, colon - start);
        start = colon + 1;
    }
    uint32_t service, function, nth;
    if (!parse_number(parts[0], 0xFFFF, &service) || !parse_number(parts[1], 0xFFFF, &function) ||
        !parse_number(parts[2], 0xFFFFFFFFu, &nth) || nth == 0) {
        return false;
    }
    SimFault parsed;
    parsed.service = (uint16_t)service;
    parsed.function = (uint16_t)function;
    parsed.nth = nth;
    const std::string& action = parts[3];
    size_t equals = action.find('=');
    std::string name = action.substr(0, equals);
    bool has_value = equals != std::string::npos;
    uint32_t value = 0;
    if (has_value && !parse_number(action.substr(equals + 1), 0xFFFFFFFFu, &value)) return false;
    if (name == "drop" && !has_value) {
        parsed.kind = SIM_FAULT_DROP;
    } else if (name == "fail" && has_value && value <= 0xFFFF) {
        parsed.kind = SIM_FAULT_FAIL;
    } else if (name == "truncate" && has_value) {
        parsed.kind = SIM_FAULT_TRUNCATE;
    } else if (name == "delay" && has_value) {
        parsed.kind = SIM_FAULT_DELAY;
    } else {
        return false;
    }
    parsed.value = value;
    *fault = parsed;
    return true;
}
