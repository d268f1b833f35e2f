#include "netbrowse/net_name.h"

size_t net_text_length(const char16_t* text, size_t limit) {
    size_t length = 0;
    if (!text) return 0;
    while (length < limit && text[length]) ++length;
    return length;
}

void net_name_set(NetName* name, const char16_t* text) {
    size_t length = net_text_length(text);
    for (size_t i = 0; i < length; ++i) name->text[i] = text[i];
    name->text[length] = 0;
}

static char16_t fold(char16_t unit) { return unit >= u'a' && unit <= u'z' ? char16_t(unit - u'a' + u'A') : unit; }

bool net_names_equal(const char16_t* a, const char16_t* b) {
    size_t i = 0;
    for (; i < NET_NAME_MAX && a[i] && b[i]; ++i)
        if (fold(a[i]) != fold(b[i])) return false;
    // Both names end here, or both reach the longest name there is.
    return i == NET_NAME_MAX || (!a[i] && !b[i]);
}

void server_of_host(const char16_t* host, NetName* server) {
    if (host[0] == u'\\' && host[1] == u'\\') {
        net_name_set(server, host);
        return;
    }
    NetName bare;
    net_name_set(&bare, host);
    server->text[0] = u'\\';
    server->text[1] = u'\\';
    size_t length = net_text_length(bare.text, NET_NAME_MAX - 2);
    for (size_t i = 0; i < length; ++i) server->text[2 + i] = bare.text[i];
    server->text[2 + length] = 0;
}
