#include "tests/netbrowse/fake_directory.h"

#include <chrono>
#include <thread>

std::string narrow(const char16_t* text) {
    std::string out;
    for (; *text; ++text) out.push_back(*text < 0x80 ? char(*text) : '?');
    return out;
}

std::u16string widen(const std::string& text) {
    std::u16string out;
    for (char c : text) out.push_back(char16_t(static_cast<unsigned char>(c)));
    return out;
}

namespace {

const char* const CALL_NAMES[CALL_COUNT] = {"provider", "domains", "controller", "servers", "users",
                                            "groups",   "local",   "connect",    "cancel"};

FakeDirectory* of(void* context) { return static_cast<FakeDirectory*>(context); }

// Records the call, then holds it at its gate and for its delay. No lock
// is held while it waits, so the browser's own threads keep running.
std::string gate_key(FakeCall call, const std::string& target) {
    return target.empty() ? CALL_NAMES[call] : std::string(CALL_NAMES[call]) + " " + target;
}

bool is_held(FakeDirectory* fake, const std::string& key_all, const std::string& key_one) {
    for (const std::string& held : fake->held)
        if (held == key_all || held == key_one) return true;
    return false;
}

void enter(FakeDirectory* fake, FakeCall call, const char16_t* target) {
    uint32_t delay;
    {
        std::unique_lock<std::mutex> hold(fake->mutex);
        std::string key_all = CALL_NAMES[call];
        std::string key_one = gate_key(call, target ? narrow(target) : "");
        fake->calls.push_back(key_one);
        ++fake->entered[call];
        fake->changed.notify_all();
        fake->changed.wait(hold, [&] { return !is_held(fake, key_all, key_one); });
        delay = fake->delay_ms[call];
    }
    if (delay) std::this_thread::sleep_for(std::chrono::milliseconds(delay));
}

// Lists a copy, so that the sink runs outside the fake's lock.
uint32_t list(void* sink_context, NameSink sink, const std::vector<std::string>& names) {
    for (const std::string& name : names)
        if (!sink(sink_context, widen(name).c_str())) break;
    return 0;
}

ProviderStatus provider_name(void* context, NetName* provider) {
    FakeDirectory* fake = of(context);
    enter(fake, CALL_PROVIDER, nullptr);
    std::lock_guard<std::mutex> hold(fake->mutex);
    ++fake->provider_reads;
    net_name_set(provider, widen(fake->provider).c_str());
    return fake->provider_status;
}

uint32_t enumerate_domains(void* context, const char16_t* provider, NameSink sink, void* sink_context) {
    FakeDirectory* fake = of(context);
    enter(fake, CALL_DOMAINS, provider);
    std::vector<std::string> names;
    uint32_t error;
    {
        std::lock_guard<std::mutex> hold(fake->mutex);
        for (const FakeDomain& domain : fake->domains) names.push_back(domain.name);
        error = fake->domains_error;
    }
    list(sink_context, sink, names);
    return error;
}

const FakeDomain* find_domain(FakeDirectory* fake, const char16_t* name) {
    for (const FakeDomain& domain : fake->domains)
        if (domain.name == narrow(name)) return &domain;
    return nullptr;
}

uint32_t domain_controller(void* context, const char16_t* domain, NetName* controller) {
    FakeDirectory* fake = of(context);
    enter(fake, CALL_CONTROLLER, domain);
    std::lock_guard<std::mutex> hold(fake->mutex);
    const FakeDomain* found = find_domain(fake, domain);
    if (found && found->controller_error) return found->controller_error;
    if (!found || found->controller.empty()) return NET_ERROR_NO_DOMAIN_CONTROLLER;
    net_name_set(controller, widen(found->controller).c_str());
    return 0;
}

uint32_t domain_servers(void* context, const char16_t* domain, NameSink sink, void* sink_context) {
    FakeDirectory* fake = of(context);
    enter(fake, CALL_SERVERS, domain);
    std::vector<std::string> names;
    {
        std::lock_guard<std::mutex> hold(fake->mutex);
        const FakeDomain* found = find_domain(fake, domain);
        if (!found) return 53;
        if (found->servers_error) return found->servers_error;
        names = found->servers;
    }
    return list(sink_context, sink, names);
}

uint32_t accounts(void* context, FakeCall call, const char16_t* server, NameSink sink, void* sink_context) {
    FakeDirectory* fake = of(context);
    enter(fake, call, server);
    std::vector<std::string> names;
    {
        std::lock_guard<std::mutex> hold(fake->mutex);
        auto found = fake->servers.find(narrow(server));
        if (found == fake->servers.end()) return 53;
        const FakeServer& s = found->second;
        uint32_t error = call == CALL_USERS           ? s.users_error
                         : call == CALL_GLOBAL_GROUPS ? s.groups_error
                                                      : s.local_groups_error;
        if (error) return error;
        names = call == CALL_USERS ? s.users : call == CALL_GLOBAL_GROUPS ? s.groups : s.local_groups;
    }
    return list(sink_context, sink, names);
}

uint32_t users(void* context, const char16_t* server, NameSink sink, void* sink_context) {
    return accounts(context, CALL_USERS, server, sink, sink_context);
}

uint32_t global_groups(void* context, const char16_t* server, NameSink sink, void* sink_context) {
    return accounts(context, CALL_GLOBAL_GROUPS, server, sink, sink_context);
}

uint32_t local_groups(void* context, const char16_t* server, NameSink sink, void* sink_context) {
    return accounts(context, CALL_LOCAL_GROUPS, server, sink, sink_context);
}

uint32_t connect_ipc(void* context, const char16_t* server) {
    FakeDirectory* fake = of(context);
    enter(fake, CALL_CONNECT, server);
    std::lock_guard<std::mutex> hold(fake->mutex);
    auto found = fake->servers.find(narrow(server));
    return found == fake->servers.end() ? 53 : found->second.connect_error;
}

void cancel_ipc(void* context, const char16_t* server) { enter(of(context), CALL_CANCEL, server); }

bool extended_error(void* context, uint32_t* code, NetName* text, NetName* provider) {
    FakeDirectory* fake = of(context);
    std::lock_guard<std::mutex> hold(fake->mutex);
    if (!fake->has_extended_error) return false;
    *code = fake->extended_code;
    net_name_set(text, widen(fake->extended_text).c_str());
    net_name_set(provider, widen(fake->provider).c_str());
    return true;
}

}  // namespace

NetworkDirectory fake_directory(FakeDirectory* fake) {
    return NetworkDirectory{fake,          provider_name, enumerate_domains, domain_controller, domain_servers, users,
                            global_groups, local_groups,  connect_ipc,       cancel_ipc,        extended_error};
}

void fake_add_domain(FakeDirectory* fake, const std::string& name, const std::string& controller,
                     const std::vector<std::string>& servers) {
    std::lock_guard<std::mutex> hold(fake->mutex);
    fake->domains.push_back(FakeDomain{name, controller, 0, servers, 0});
}

FakeServer* fake_server(FakeDirectory* fake, const std::string& name) {
    std::lock_guard<std::mutex> hold(fake->mutex);
    return &fake->servers[name];
}

void fake_hold(FakeDirectory* fake, FakeCall call, const std::string& target) {
    std::lock_guard<std::mutex> hold(fake->mutex);
    fake->held.push_back(gate_key(call, target));
}

void fake_release(FakeDirectory* fake, FakeCall call, const std::string& target) {
    std::lock_guard<std::mutex> hold(fake->mutex);
    std::string key = gate_key(call, target);
    for (size_t i = fake->held.size(); i-- > 0;)
        if (fake->held[i] == key) fake->held.erase(fake->held.begin() + long(i));
    fake->changed.notify_all();
}

bool fake_wait_entered(FakeDirectory* fake, FakeCall call, uint32_t count, uint32_t milliseconds) {
    std::unique_lock<std::mutex> hold(fake->mutex);
    return fake->changed.wait_for(hold, std::chrono::milliseconds(milliseconds),
                                  [fake, call, count] { return fake->entered[call] >= count; });
}

std::vector<std::string> fake_calls(FakeDirectory* fake) {
    std::lock_guard<std::mutex> hold(fake->mutex);
    return fake->calls;
}
