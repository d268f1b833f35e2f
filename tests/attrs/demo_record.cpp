#include "tests/attrs/demo_record.h"

#include <string.h>

#include "api/db.h"
#include "api/session.h"
#include "api/text_field.h"
#include "attrs/list_rules.h"
#include "attrs/list_store.h"

void DemoServerTest::SetUp() {
    SimOptions options;
    options.fixture_path = KEEL_DEMO_DIR "/server.fixture";
    start(nullptr, options);
    session_reset();
    PipeSession* session = nullptr;
    ASSERT_EQ(session_open(nullptr, &session), 0);
    set_current_session(session);
}

void DemoServerTest::TearDown() {
    session_reset();
    SimServerTest::TearDown();
}

bool load_shown_record(const char* cls, const char* name, const Dictionary* dictionary, AttributeRecord* record) {
    copy_text(record->class_name, sizeof record->class_name, cls);
    copy_text(record->object_name, sizeof record->object_name, name);
    if (load_attribute_lists(record, dictionary, nullptr) != 0) return false;
    validate_lists(record, dictionary);
    // The profile link: five words, then the name and its NUL.
    uint8_t link[174] = {};
    uint16_t length = sizeof link - 1;
    bool linked =
        strcmp(cls, PROFILE_CLASS) != 0 && db_get(cls, name, PROFILE_LINK_PROPERTY, link, &length) == 0 && length > 11;
    AttributeList profile = {0, 0, nullptr};
    if (linked && load_profile_instances((const char*)link + 10, dictionary, nullptr, &profile) != 0) return false;
    bool merged = merge_profile(record, linked ? &profile : nullptr, dictionary, nullptr);
    attribute_list_free(&profile);
    return merged;
}
