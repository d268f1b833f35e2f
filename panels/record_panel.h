// Steps every record panel takes alike.
#pragma once

#include <stdint.h>

#include "platform/prompt.h"

// What the save prompt's answer means: Yes saves (a failed save counts as
// Cancel), No reverts; true when the panel may go on.
bool follow_save_answer(PromptAnswer answer, bool (*save)(), void (*revert)());
// The entry to show after entry `removed` left a list now `count` long: the
// same position, or the first when it was the last; -1 for an empty list.
int64_t entry_after_removal(uint32_t removed, uint32_t count);

struct NameList;
struct AddressField;
struct ScrambledSecret;

// Before a client or proxy target is saved: the typed address resolved now
// into `octets` (4 bytes), and the accounting secret a checked box asks
// for. False, the reason shown (owned by `owner`), when either is missing.
bool address_and_accounting_ready(AddressField* address, void* owner, uint8_t* octets, bool accounting_checked,
                                  const ScrambledSecret& acct_secret);

enum ListedFailure { LISTED_LIST_FAILED, LISTED_CREATE_FAILED, LISTED_LIST_FULL, LISTED_DELETE_FAILED };

// The list side of a record panel and what differs between panels when a
// record is added or removed.
struct ListedRecords {
    void* owner;
    NameList* names;                    // sorted, OEM
    uint32_t* lists_version;            // bumped whenever the names change
    uint16_t exists_text_id;            // "... %s already exists"
    uint16_t confirm_delete_text_id;    // "Are you sure that you want delete ... %s ?"
    uint16_t (*list)(NameList* names);  // sorted, under the server lock
    uint16_t (*create)(const char* name);
    uint16_t (*destroy)(const char* name);
    void (*choose)(uint32_t index);  // an existing entry, through the save prompt
    void (*show)(int64_t index);     // reads and shows entry `index` (-1: none)
    void (*report_failure)(ListedFailure failure, uint16_t status);
};

// Page shown: the names are read once after each reset and the first is
// shown. A failure is reported and leaves *initialised false, so showing the
// page again tries again.
void load_listed_records(const ListedRecords& records, bool* initialised);
// A name chosen in the list: the record already read and shown reads
// nothing; another is shown once the save prompt lets the current one go.
void choose_listed_record(const ListedRecords& records, uint32_t index, int64_t* selected, bool loaded,
                          const char* current_name, bool (*save_prompt)());
// Add dialog's OK: an existing name is reported and chosen; otherwise the
// record is created (nothing changes when that fails) and shown.
void add_listed_record(const ListedRecords& records, const char* typed, uint32_t name_size);
// Remove: after the confirmation the record is deleted, leaves the list and
// the entry now at its place (or the first) is shown. A failed delete
// leaves it listed.
void remove_listed_record(const ListedRecords& records, int64_t selected, const char* name);
