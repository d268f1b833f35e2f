// Attribute lists in the database: every attribute property of a user or
// profile object read into the lists, and written back. Each operation takes
// the server lock for its whole run; statuses are returned, not reported.
#pragma once

#include <stdint.h>

#include "api/create_object.h"
#include "attrs/attribute_list.h"
#include "attrs/dictionary.h"

#define PROFILE_CLASS "++a-Profile"
// Properties of a user object that are not attributes.
#define PASSWORD_PROPERTY "--Password"
#define PROFILE_LINK_PROPERTY "--User-Profile"

// Sets an instance's number, type, value name and the error bits the
// dictionary decides, as every reading of a stored instance does.
void check_against_dictionary(AttributeInstance* instance, const Dictionary* dictionary);

// Replaces the record's lists with the attribute properties of
// (record->class_name, record->object_name), in stored order, each instance
// checked against `dictionary`. Properties without instances are skipped; a
// property that cannot be read fails the load (it would otherwise vanish at
// the next save). An instance that finds no memory ends the reading of its
// property; 1113 is then shown once (owned by `owner`) after the lock is released.
uint16_t load_attribute_lists(AttributeRecord* record, const Dictionary* dictionary, void* owner);
// The instances of both lists of a profile, in one list, each marked IS_PROFILE.
uint16_t load_profile_instances(const char* profile_name, const Dictionary* dictionary, void* owner,
                                AttributeList* profile_list);

// Rewrites the object (record->class_name, record->object_name) from the
// record's lists: built under the temporary name, then renamed over the
// stored object, which stays untouched by any failure. Profile instances are
// not written. Fails with 106 when a property would exceed 35840 bytes, and
// with 7 when a long stored value is no longer in the stored object.
// Where a failed save stopped: the step, and for a write the property.
struct SaveFailure {
    BuildStep step;
    char property[32];
};
uint16_t save_attribute_lists(AttributeRecord* record, SaveFailure* failure = nullptr);
