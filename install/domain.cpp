#include "install/domain.h"

#include "install/text_compare.h"

static const size_t COMPUTER_NAME_SIZE = 33;

static bool stop_at_first(void* arg, const char*) {
    *static_cast<bool*>(arg) = true;
    return false;
}

bool domain_has_controllers(const InstallHost& host) {
    bool found = false;
    // A listing that fails after naming one has still named one.
    host.list_domain_controllers(host.context, stop_at_first, &found);
    return found;
}

struct NameSearch {
    const char* name;
    bool found;
};

static bool stop_at_name(void* arg, const char* name) {
    NameSearch* search = static_cast<NameSearch*>(arg);
    search->found = same_text_ignoring_case(name, search->name);
    return !search->found;
}

Answer is_domain_controller(const InstallHost& host) {
    char name[COMPUTER_NAME_SIZE];
    if (host.computer_name(host.context, name, sizeof name) != 0) return Answer::unknown;
    NameSearch search = {name, false};
    if (host.list_domain_controllers(host.context, stop_at_name, &search) != 0) return Answer::unknown;
    return search.found ? Answer::yes : Answer::no;
}
