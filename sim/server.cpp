// The public face of the server (sim.h) over the portable core.
#include <string.h>

#include <utility>

#include "platform/ticks.h"
#include "sim/fixture.h"
#include "sim/server.h"

uint16_t sim_start(const SimOptions& options, SimServer** out) {
    *out = nullptr;
    SimServer* server = new SimServer;
    server->save = options.save;
    server->host = options.host ? options.host : "";
    server->lock_wait_cap_ms = options.lock_wait_cap_ms;
    if (options.fixture_path) {
        server->fixture_path = options.fixture_path;
        server->base_dir = directory_of(server->fixture_path);
        uint16_t status = fixture_load_file(&server->state, options.fixture_path, options.error);
        if (status != 0) {
            delete server;
            return status;
        }
    }
    server->start_tick = tick_count();
    uint16_t status = listener_start(server, &server->listener, options.error);
    if (status != 0) {
        delete server;
        return status;
    }
    *out = server;
    return 0;
}

void sim_stop(SimServer* server) {
    if (!server) return;
    {
        std::lock_guard<std::mutex> guard(server->mutex);
        server->stopping = true;
        server->changed.notify_all();
    }
    listener_stop(server->listener);
    {
        std::lock_guard<std::mutex> guard(server->mutex);
        server_save_locked(server);
    }
    delete server;
}

const char* sim_listen_name(const SimServer* server) { return server->listen_name.c_str(); }

uint16_t sim_apply(SimServer* server, const char* fixture_text, std::string* error) {
    std::lock_guard<std::mutex> guard(server->mutex);
    SimState changed = server->state;
    uint16_t status =
        fixture_apply(&changed, fixture_text, strlen(fixture_text), server->base_dir, server_now_ms(server), error);
    if (status != 0) return status;
    server->state = std::move(changed);
    server_save_locked(server);
    return 0;
}

void sim_inject_fault(SimServer* server, const SimFault& fault) {
    std::lock_guard<std::mutex> guard(server->mutex);
    ArmedFault armed;
    armed.fault = fault;
    server->faults.push_back(armed);
}

uint16_t sim_add_fault(SimServer* server, const char* text) {
    SimFault fault;
    if (!sim_parse_fault(text, &fault)) return SIM_NOT_UNDERSTOOD;
    sim_inject_fault(server, fault);
    return 0;
}

uint32_t sim_request_count(SimServer* server, uint16_t service, uint16_t function) {
    std::lock_guard<std::mutex> guard(server->mutex);
    uint32_t total = 0;
    for (const auto& entry : server->request_counts) {
        if ((entry.first >> 16) == service && (function == 0 || (entry.first & 0xFFFF) == function))
            total += entry.second;
    }
    return total;
}

static const SimProperties* find_object(const SimState& state, const char* cls, const char* obj) {
    auto c = state.classes.find(cls);
    if (c == state.classes.end()) return nullptr;
    auto o = c->second.find(obj);
    return o == c->second.end() ? nullptr : &o->second;
}

bool sim_get_property(SimServer* server, const char* cls, const char* obj, const char* prop, std::string* value) {
    std::lock_guard<std::mutex> guard(server->mutex);
    const SimProperties* object = find_object(server->state, cls, obj);
    if (!object) return false;
    auto found = object->find(prop);
    if (found == object->end()) return false;
    *value = found->second;
    return true;
}

bool sim_object_exists(SimServer* server, const char* cls, const char* obj) {
    std::lock_guard<std::mutex> guard(server->mutex);
    return find_object(server->state, cls, obj) != nullptr;
}

std::vector<std::string> sim_object_names(SimServer* server, const char* cls) {
    std::lock_guard<std::mutex> guard(server->mutex);
    std::vector<std::string> names;
    auto c = server->state.classes.find(cls);
    if (c != server->state.classes.end()) {
        for (const auto& object : c->second) names.push_back(object.first);
    }
    return names;
}
