// A RAS client as the database holds it: an object of class "Client" named
// by the client, with the properties "IPAddress", "SharedSecret",
// "AcctSharedSecret" and "Product". These are the server sequences on one
// record; they show nothing and return the first failing status.
#pragma once

#include <stdint.h>

#include "api/db_lists.h"
#include "panels/scrambled_secret.h"

#define CLIENT_CLASS "Client"
// The entry that matches any RAS client; it has no address.
#define ANY_CLIENT_NAME "<ANY>"

const uint32_t CLIENT_NAME_SIZE = 80;   // 79 characters, OEM, upper case
const uint32_t PRODUCT_NAME_SIZE = 32;  // 31 characters
const uint32_t CLIENT_ADDRESS_SIZE = 4;

struct ClientRecord {
    char name[CLIENT_NAME_SIZE];
    uint8_t address[CLIENT_ADDRESS_SIZE];  // first octet first; all zero: none
    ScrambledSecret secret;
    ScrambledSecret acct_secret;
    char product[PRODUCT_NAME_SIZE];  // "": none
};

// Every field but the name to zero.
void clear_client_fields(ClientRecord* record);
bool client_has_address(const ClientRecord& record);
bool is_any_client(const char* name);

// The client names, sorted, under the server lock.
uint16_t list_clients(NameList* names);
// Reads the client `record->name` under the server lock; the other fields
// are cleared first. A property the object does not have reads as not set
// (a save writes only what is set); a missing object fails with the
// server's status.
uint16_t read_client(ClientRecord* record);
// Writes the whole client under the temporary name and renames it over the
// stored one, under the server lock: a failure at any step leaves the
// stored client as it was.
uint16_t write_client(const ClientRecord& record);
// A new client holding only its product, created without the lock; it is
// deleted again when the product cannot be set.
uint16_t create_client(const char* name, const char* product);
uint16_t delete_client(const char* name);
