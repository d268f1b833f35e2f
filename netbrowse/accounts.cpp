#include "netbrowse/accounts.h"

namespace {

struct Collected {
    std::vector<ListItem>* items;
    uint16_t kind;
};

bool collect(void* context, const char16_t* name) {
    Collected* collected = static_cast<Collected*>(context);
    collected->items->push_back(ListItem{{}, collected->kind});
    net_name_set(&collected->items->back().name, name);
    return true;
}

// The server whose accounts are read: a domain's controller, known from the
// cache or asked for; a host's own name.
bool target_server(BrowserEngine* engine, TargetKind kind, const char16_t* target, const Notices& notices,
                   NetName* server) {
    if (kind == TARGET_HOST) {
        server_of_host(target, server);
        return true;
    }
    if (domain_cache_controller(&engine->domains, target, server)) return true;
    uint32_t error = engine->directory.domain_controller(engine->directory.context, target, server);
    if (!error) return true;
    notices.show(notices.context, NOTICE_NETWORK_ERROR, network_error_text(engine->directory, error, kind).c_str());
    return false;
}

// Users, then global groups; a server whose only group is "None" (a
// workstation) has its local groups listed instead.
uint32_t read_accounts(const NetworkDirectory& directory, const char16_t* server, std::vector<ListItem>* items) {
    Collected users{items, ITEM_USER};
    uint32_t error = directory.users(directory.context, server, collect, &users);
    if (error) return error;
    std::vector<ListItem> groups;
    Collected global{&groups, ITEM_GROUP};
    error = directory.global_groups(directory.context, server, collect, &global);
    if (error) return error;
    if (groups.size() == 1 && net_names_equal(groups[0].name.text, u"None")) {
        groups.clear();
        error = directory.local_groups(directory.context, server, collect, &global);
        if (error) return error;
    }
    items->insert(items->end(), groups.begin(), groups.end());
    return 0;
}

}  // namespace

uint16_t list_accounts(BrowserEngine* engine, int kind, const char16_t* target, const Notices& notices,
                       std::vector<ListItem>* items, NetName* refused_server) {
    items->clear();
    if (kind != TARGET_DOMAIN && kind != TARGET_HOST) return ACCOUNTS_DONE;
    TargetKind target_kind = TargetKind(kind);
    NetName provider;
    ProviderStatus provider_status = browser_provider(engine, &provider);
    if (provider_status != PROVIDER_FOUND) {
        show_notice(notices, NOTICE_ERROR, provider_failure_text(provider_status));
        return ACCOUNTS_FAILED;
    }
    NetName server;
    if (!target_server(engine, target_kind, target, notices, &server)) return ACCOUNTS_FAILED;

    const NetworkDirectory& directory = engine->directory;
    bool connected = directory.connect_ipc(directory.context, server.text) == 0;
    uint32_t error = read_accounts(directory, server.text, items);
    if (connected) directory.cancel_ipc(directory.context, server.text);
    if (!error) return ACCOUNTS_DONE;

    items->clear();
    if (error == NET_ERROR_LOGON_FAILURE) {
        *refused_server = server;
        return ACCOUNTS_LOGON_REFUSED;
    }
    if (error == NET_ERROR_NOT_ENOUGH_MEMORY)
        show_notice(notices, NOTICE_ERROR, TEXT_NO_MEMORY);
    else
        show_notice(notices, NOTICE_NETWORK_ERROR,
                    target_kind == TARGET_DOMAIN ? TEXT_RIGHTS_DOMAIN : TEXT_RIGHTS_HOST);
    return ACCOUNTS_FAILED;
}
