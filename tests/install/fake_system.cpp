#include "tests/install/fake_system.h"

#include <string.h>

namespace {

FakeSystem& sys(void* context) { return *static_cast<FakeSystem*>(context); }

// Handles are tokens: a name for services and keys, an id for processes.
struct Token {
    std::string name;
    uint32_t id = 0;
};

HostHandle open_token(FakeSystem& s, const std::string& name, uint32_t id = 0) {
    ++s.open_handles;
    return new Token{name, id};
}

void close_token(FakeSystem& s, HostHandle handle) {
    if (handle == nullptr) return;
    --s.open_handles;
    delete static_cast<Token*>(handle);
}

const std::string& token_name(HostHandle handle) { return static_cast<Token*>(handle)->name; }

uint32_t copy_text(const std::string& from, char* to, size_t size) {
    if (from.size() + 1 > size) return 122;  // insufficient buffer
    memcpy(to, from.c_str(), from.size() + 1);
    return 0;
}

uint32_t open_manager(void* c, HostHandle* manager) {
    FakeSystem& s = sys(c);
    if (s.open_manager_error != 0) return s.open_manager_error;
    *manager = open_token(s, "manager");
    return 0;
}

uint32_t open_service(void* c, HostHandle, const char* name, HostHandle* service) {
    FakeSystem& s = sys(c);
    if (s.open_service_error != 0) return s.open_service_error;
    if (s.services.count(name) == 0) return HOST_ERROR_SERVICE_DOES_NOT_EXIST;
    *service = open_token(s, name);
    return 0;
}

uint32_t create_service(void* c, HostHandle, const ServiceDefinition* d, HostHandle* service) {
    FakeSystem& s = sys(c);
    if (s.create_error != 0) return s.create_error;
    if (s.services.count(d->name) != 0) return 1073;  // exists
    FakeService created;
    created.binary_path = d->binary_path;
    for (const char* p = d->dependencies; *p != '\0'; p += strlen(p) + 1) {
        if (!created.dependencies.empty()) created.dependencies += '|';
        created.dependencies += p;
    }
    created.system_account = d->account == nullptr;
    created.account = d->account != nullptr ? d->account : "";
    created.password = d->password != nullptr ? d->password : "";
    s.services[d->name] = created;
    *service = open_token(s, d->name);
    return 0;
}

uint32_t start_service(void* c, HostHandle service) {
    FakeSystem& s = sys(c);
    if (s.start_error != 0) return s.start_error;
    s.started.push_back(token_name(service));
    s.services[token_name(service)].state = 4;  // running
    return 0;
}

uint32_t stop_service(void* c, HostHandle service, uint32_t* state) {
    FakeSystem& s = sys(c);
    ++s.stop_controls;
    FakeService& svc = s.services[token_name(service)];
    if (svc.state == SERVICE_STATE_STOPPED) return HOST_ERROR_SERVICE_NOT_ACTIVE;
    *state = SERVICE_STATE_STOP_PENDING;
    svc.state = svc.state_after_stop;
    return 0;
}

uint32_t query_service(void* c, HostHandle service, uint32_t* state) {
    FakeSystem& s = sys(c);
    ++s.queries;
    FakeService& svc = s.services[token_name(service)];
    if (!svc.states_after_stop.empty()) {
        *state = svc.states_after_stop.front();
        svc.states_after_stop.erase(svc.states_after_stop.begin());
    } else {
        *state = svc.state;
    }
    return 0;
}

void close_service_handle(void* c, HostHandle handle) { close_token(sys(c), handle); }

uint32_t list_domain_controllers(void* c, VisitName visit, void* arg) {
    FakeSystem& s = sys(c);
    if (s.controllers_error != 0) return s.controllers_error;
    for (const std::string& name : s.controllers) {
        if (!visit(arg, name.c_str())) break;
    }
    return 0;
}

uint32_t computer_name(void* c, char* name, size_t size) {
    FakeSystem& s = sys(c);
    return s.computer_name_error != 0 ? s.computer_name_error : copy_text(s.computer, name, size);
}

uint32_t add_user(void* c, const NewUser* user) {
    FakeSystem& s = sys(c);
    if (s.add_user_error != 0) return s.add_user_error;
    if (!s.users.insert(user->name).second) return HOST_ERROR_USER_EXISTS;
    s.comments[user->name] = user->comment;
    return 0;
}

uint32_t find_user(void* c, const char* name) {
    FakeSystem& s = sys(c);
    if (s.find_user_error != 0) return s.find_user_error;
    return s.users.count(name) != 0 ? 0 : HOST_ERROR_USER_NOT_FOUND;
}

uint32_t open_policy(void* c, uint32_t access, HostHandle* policy) {
    FakeSystem& s = sys(c);
    s.policy_access = access;
    if (s.policy_error != 0) return s.policy_error;
    *policy = open_token(s, "policy");
    return 0;
}

uint32_t lookup_account(void* c, const char* name, AccountSid* sid) {
    FakeSystem& s = sys(c);
    if (s.users.count(name) == 0) return 1332;  // none mapped
    size_t length = strlen(name) < ACCOUNT_SID_SIZE ? strlen(name) : ACCOUNT_SID_SIZE;
    memcpy(sid->bytes, name, length);
    sid->length = static_cast<uint32_t>(length);
    return 0;
}

uint32_t add_account_right(void* c, HostHandle, const AccountSid* sid, const char* right) {
    FakeSystem& s = sys(c);
    auto error = s.right_errors.find(right);
    if (error != s.right_errors.end()) return error->second;
    s.granted.emplace_back(std::string(reinterpret_cast<const char*>(sid->bytes), sid->length), right);
    return 0;
}

void close_policy(void* c, HostHandle policy) { close_token(sys(c), policy); }

uint32_t load_counter_texts(void* c, const char* command_line) {
    FakeSystem& s = sys(c);
    s.counter_command_lines.push_back(command_line);
    return s.counter_error;
}

uint32_t list_processes(void* c, uint32_t* ids, size_t capacity, size_t* count) {
    FakeSystem& s = sys(c);
    *count = 0;
    for (const FakeProcess& p : s.processes) {
        if (*count == capacity) break;
        ids[(*count)++] = p.id;
    }
    return 0;
}

uint32_t current_process(void* c, uint32_t* id, char* path, size_t size) {
    FakeSystem& s = sys(c);
    *id = s.own_id;
    return copy_text(s.own_path, path, size);
}

uint32_t open_process(void* c, uint32_t id, HostHandle* process) {
    FakeSystem& s = sys(c);
    FakeProcess* p = s.process(id);
    if (p == nullptr || !p->openable) return 5;  // access denied
    *process = open_token(s, p->path, id);
    return 0;
}

FakeProcess& token_process(FakeSystem& s, HostHandle process) { return *s.process(static_cast<Token*>(process)->id); }

uint32_t process_path(void* c, HostHandle process, char* path, size_t size) {
    FakeSystem& s = sys(c);
    return copy_text(token_process(s, process).path, path, size);
}

uint32_t terminate_process(void* c, HostHandle process, uint32_t) {
    token_process(sys(c), process).terminated = true;
    return 0;
}

bool process_ended(void* c, HostHandle process) {
    FakeProcess& p = token_process(sys(c), process);
    if (!p.terminated) return false;
    if (p.polls_to_end == 0) return true;
    --p.polls_to_end;
    return false;
}

void close_process(void* c, HostHandle process) { close_token(sys(c), process); }

uint32_t open_key(void* c, const char* path, HostHandle* key) {
    FakeSystem& s = sys(c);
    std::string prefix = std::string(path) + "|";
    auto found = s.registry.lower_bound(prefix);
    if (found == s.registry.end() || found->first.compare(0, prefix.size(), prefix) != 0) {
        return HOST_ERROR_FILE_NOT_FOUND;
    }
    *key = open_token(s, path);
    return 0;
}

uint32_t read_string(void* c, HostHandle key, const char* value, char* text, size_t size) {
    FakeSystem& s = sys(c);
    auto found = s.registry.find(token_name(key) + "|" + value);
    if (found == s.registry.end()) return HOST_ERROR_FILE_NOT_FOUND;
    return copy_text(found->second, text, size);
}

void close_key(void* c, HostHandle key) { close_token(sys(c), key); }

uint32_t replace_file(void* c, const char* path, const void* data, size_t length) {
    FakeSystem& s = sys(c);
    if (s.unwritable_paths.count(path) != 0) return 5;
    s.files[path] = std::string(static_cast<const char*>(data), length);
    return 0;
}

uint32_t ensure_file(void* c, const char* path) {
    FakeSystem& s = sys(c);
    if (s.unwritable_paths.count(path) != 0) return 5;
    s.files.emplace(path, std::string());
    return 0;
}

void sleep_ms(void* c, uint32_t milliseconds) { sys(c).sleeps.push_back(milliseconds); }

}  // namespace

FakeProcess* FakeSystem::process(uint32_t id) {
    for (FakeProcess& p : processes) {
        if (p.id == id) return &p;
    }
    return nullptr;
}

InstallHost FakeSystem::host() {
    InstallHost h;
    h.context = this;
    h.open_manager = open_manager;
    h.open_service = open_service;
    h.create_service = create_service;
    h.start_service = start_service;
    h.stop_service = stop_service;
    h.query_service = query_service;
    h.close_service_handle = close_service_handle;
    h.list_domain_controllers = list_domain_controllers;
    h.computer_name = computer_name;
    h.add_user = add_user;
    h.find_user = find_user;
    h.open_policy = open_policy;
    h.lookup_account = lookup_account;
    h.add_account_right = add_account_right;
    h.close_policy = close_policy;
    h.load_counter_texts = load_counter_texts;
    h.list_processes = list_processes;
    h.current_process = current_process;
    h.open_process = open_process;
    h.process_path = process_path;
    h.terminate_process = terminate_process;
    h.process_ended = process_ended;
    h.close_process = close_process;
    h.open_key = open_key;
    h.read_string = read_string;
    h.close_key = close_key;
    h.replace_file = replace_file;
    h.ensure_file = ensure_file;
    h.sleep_ms = sleep_ms;
    return h;
}
