// The list views handed to the library, each with the window it notifies
// and the window procedure it had before the library took it over.
#pragma once

#include <vector>

struct RegisteredControl {
    void* list;
    void* notify;
    void* original_procedure;
};

struct ControlRegistry {
    std::vector<RegisteredControl> controls;
};

// False, changing nothing, when the list is registered already.
bool control_registry_add(ControlRegistry* registry, void* list, void* notify);
// Null when the list is not registered. Valid until the next change.
RegisteredControl* control_registry_find(ControlRegistry* registry, void* list);
bool control_registry_remove(ControlRegistry* registry, void* list);
