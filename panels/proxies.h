// The proxies panel apart from its window: the list of target servers, the
// working record and its snapshot, and every step of showing, editing,
// saving, adding and removing a target. The page hands each change of a
// control to one of the functions below and then redraws every control
// from the panel's state and proxies_controls().
#pragma once

#include <stdint.h>

#include "api/db_lists.h"
#include "panels/address_field.h"
#include "panels/proxy_record.h"

const uint32_t HELP_CONTEXT_PROXY = 1002;  // none is given; next to the clients panel's 1000
const uint32_t RETRY_FIELD_LIMIT = 10;     // an unsigned 32-bit decimal

enum ProxySecretKind { PROXY_AUTH_SECRET, PROXY_ACCT_SECRET };

// The one panel. The page reads it; only the functions below change it.
struct ProxiesPanel {
    void* owner;
    bool initialised;      // names loaded since the last reset
    NameList names;        // sorted, OEM
    int64_t selected;      // index in names, -1: none
    ProxyRecord current;   // what the controls show
    ProxyRecord snapshot;  // the record as last read or saved
    bool modified;
    // Read (or saved) and editable; see the clients panel for why a record
    // that could not be read stays read-only.
    bool loaded;
    AddressField address;
    char retry_count_text[RETRY_FIELD_LIMIT + 1];
    char retry_ms_text[RETRY_FIELD_LIMIT + 1];
    uint32_t acct_mode;       // PROXY_ACCT_FORWARD, _RECORD or _BOTH: the radio button
    bool accounting_checked;  // "Use different shared secret for accounting"
    uint32_t lists_version;   // changes whenever the names change
};

ProxiesPanel& proxies_panel();
void proxies_set_owner(void* owner);

// Page commands.
void proxies_activate();
bool proxies_may_leave();
void proxies_reset();

// The controls.
void proxies_select(uint32_t index);
void proxies_edit_address(const char* text);
bool proxies_resolve_address();
void proxies_edit_retry_count(const char* text);
void proxies_edit_retry_ms(const char* text);
void proxies_choose_accounting(uint32_t mode);
void proxies_check_accounting(bool checked);
const ScrambledSecret& proxies_secret(ProxySecretKind kind);
void proxies_store_secret(ProxySecretKind kind, const ScrambledSecret& secret);
bool proxies_begin_add();
void proxies_add(const char* typed);
void proxies_remove();
bool proxies_save();
void proxies_revert();
bool proxies_take_address_rejected();
void proxies_list_name(uint32_t index, char* text, uint32_t text_size);

// A retry field's text as the number saved: an unsigned decimal, or
// `fallback` for anything else (empty, letters, too large).
uint32_t retry_field_value(const char* text, uint32_t fallback);

struct ProxiesControls {
    bool address_enabled;
    bool secret_enabled;
    bool retries_enabled;          // both retry fields
    bool accounting_mode_enabled;  // the three radio buttons
    bool accounting_enabled;       // the check box
    bool acct_secret_enabled;
    bool remove_enabled;
    bool save_enabled;  // Save and Reset: exactly while modified
};
ProxiesControls proxies_controls();
