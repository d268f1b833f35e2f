// The RAS clients panel apart from its window: the list of clients, the
// working record and its snapshot, and every step of showing, editing,
// saving, adding and removing a client. The page hands each change of a
// control to one of the functions below and then redraws every control
// from the panel's state and clients_controls(); the model talks to the
// administrator only through show_prompt.
#pragma once

#include <stdint.h>

#include "api/db_lists.h"
#include "api/requests.h"
#include "panels/address_field.h"
#include "panels/client_record.h"

const uint32_t HELP_CONTEXT_RAS_CLIENTS = 1000;

enum ClientSecretKind { CLIENT_AUTH_SECRET, CLIENT_ACCT_SECRET };

// The one panel. The page reads it; only the functions below change it.
struct ClientsPanel {
    void* owner;         // window that owns the panel's messages
    bool initialised;    // names loaded since the last reset
    bool products_held;  // the product list was fetched
    ProductList products;
    NameList names;         // sorted, OEM
    int64_t selected;       // index in names, -1: none
    ClientRecord current;   // what the controls show
    ClientRecord snapshot;  // the record as last read or saved
    bool modified;
    // The record was read (or saved) and may be edited. A record that could
    // not be read, or was cleared by a failed save, stays read-only until it
    // is chosen again: saving its empty fields would wipe the stored client.
    bool loaded;
    AddressField address;  // the IP address field
    bool accounting_checked;
    int64_t product_choice;  // make/model entry: 0 "<none>", n the product n - 1; -1 without a product list
    uint32_t lists_version;  // changes whenever the names or the make/model entries change
};

ClientsPanel& clients_panel();
// The window that owns the panel's messages (none in tests).
void clients_set_owner(void* owner);

// Page commands. Activation loads what was not loaded since the last
// reset; leaving runs the save prompt (false: stay); reset forgets it all.
void clients_activate();
bool clients_may_leave();
void clients_reset();

// The controls.
void clients_select(uint32_t index);  // name list selection
void clients_edit_address(const char* text);
bool clients_resolve_address();  // leaving the address field, or Enter in it
void clients_choose_product(int64_t choice);
void clients_check_accounting(bool checked);
const ScrambledSecret& clients_secret(ClientSecretKind kind);
void clients_store_secret(ClientSecretKind kind, const ScrambledSecret& secret);  // Set in the secret dialog
bool clients_begin_add();             // Add: true when the Add New RAS Client dialog may open
void clients_add(const char* typed);  // its OK, with the typed name
void clients_remove();
bool clients_save();
void clients_revert();  // Reset
// The help context of the current product's vendor information in
// "RasInfo.hlp"; 0 for the file's contents.
uint32_t clients_vendor_context();
// The page selects the address text when a lookup failed; asking clears it.
bool clients_take_address_rejected();

// The make/model entries: "<none>" and then the products.
uint32_t clients_product_entries();
const char* clients_product_entry(uint32_t choice);
// A name of the list as shown (converted from the OEM character set).
void clients_list_name(uint32_t index, char* text, uint32_t text_size);

struct ClientsControls {
    bool address_enabled;
    bool product_enabled;
    bool vendor_enabled;
    bool secret_enabled;
    bool accounting_enabled;
    bool acct_secret_enabled;
    bool remove_enabled;
    bool save_enabled;  // Save and Reset: exactly while modified
};
ClientsControls clients_controls();
