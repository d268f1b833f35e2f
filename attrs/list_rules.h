// The rules that tie a user's lists to the dictionary and to its profile.
#pragma once

#include "attrs/attribute_list.h"
#include "attrs/dictionary.h"

// Marks single-valued attributes standing more than once (IS_SINGLE_VALUED)
// and settles clashes between an own and a profile instance of one. Run after
// each load and each removal of an instance.
void validate_lists(AttributeRecord* record, const Dictionary* dictionary);
// Marks the user's subtract instances that match nothing in the profile,
// then brings the profile's instances (`profile_list`, from
// load_profile_instances; null when no profile is linked) into the user's
// lists, where the user's own instances do not override them. False when
// memory ran out (1113 has been shown, owned by `owner`).
bool merge_profile(AttributeRecord* record, const AttributeList* profile_list, const Dictionary* dictionary,
                   void* owner);
// Undoes merge_profile: the profile's instances leave, the overwrite marks go.
void remove_profile_instances(AttributeRecord* record);
