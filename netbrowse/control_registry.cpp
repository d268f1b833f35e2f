#include "netbrowse/control_registry.h"

#include <stddef.h>

bool control_registry_add(ControlRegistry* registry, void* list, void* notify) {
    if (control_registry_find(registry, list)) return false;
    registry->controls.push_back(RegisteredControl{list, notify, nullptr});
    return true;
}

RegisteredControl* control_registry_find(ControlRegistry* registry, void* list) {
    for (RegisteredControl& control : registry->controls)
        if (control.list == list) return &control;
    return nullptr;
}

bool control_registry_remove(ControlRegistry* registry, void* list) {
    for (size_t i = 0; i < registry->controls.size(); ++i) {
        if (registry->controls[i].list != list) continue;
        registry->controls.erase(registry->controls.begin() + long(i));
        return true;
    }
    return false;
}
