#include "tests/transfer/import_fixture.h"

#include <stdio.h>
#include <stdlib.h>

#include "api/db.h"
#include "api/db_lists.h"
#include "api/names_block.h"
#include "api/requests.h"
#include "attrs/list_store.h"
#include "panels/client_record.h"
#include "panels/pool_record.h"
#include "panels/proxy_record.h"
#include "panels/user_types.h"

std::string demo_dictionary_line() { return "dictionary \"\" \"" KEEL_DEMO_DIR "/default.dict\"\n"; }

void ImportTest::open_with(const std::string& objects) { open((demo_dictionary_line() + objects).c_str()); }

std::string ImportTest::rif_path() const { return test_directory() + "/import.rif"; }
std::string ImportTest::import_log_path() const { return test_directory() + "/import.log"; }

std::string ImportTest::write_rif(const std::string& text) { return write_test_file("import.rif", text); }

std::string ImportTest::rif(std::initializer_list<const char*> lines) {
    std::string text = "Radius Import Export Version 1.0\r\n";
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return write_rif(text);
}

ReplaceAnswer ImportTest::on_ask(void* context, const char* cls, const char* object) {
    ImportTest* test = (ImportTest*)context;
    test->asked.push_back(std::string(cls) + " : " + object);
    if (test->answers.empty()) return ANSWER_SKIP;
    ReplaceAnswer answer = test->answers.front();
    test->answers.pop_front();
    return answer;
}

void ImportTest::on_importing(void* context, const char* cls, const char* object) {
    ((ImportTest*)context)->importing.push_back(std::string(cls) + " : " + object);
}

void ImportTest::run_import(const std::string& path, ReplaceMode mode, std::function<void(SelectionModel*)> select) {
    std::string before = read_test_file(import_log_path());
    if (before == "<missing>") before.clear();
    asked.clear();
    importing.clear();
    lists.clear();
    ImportRun* run = (ImportRun*)calloc(1, sizeof(ImportRun));
    opened = import_open(run, path.c_str(), import_log_path().c_str());
    if (opened == IMPORT_OPENED) {
        import_scan(run, &dictionary);
        scan_errors = run->scan_errors;
        scan_warnings = run->scan_warnings;
        import_tell_scan(run, nullptr);
        for (uint32_t page = 0; page < run->pages.page_count; ++page) {
            std::vector<std::string> texts;
            for (uint32_t i = 0; i < run->pages.pages[page].count; ++i)
                texts.push_back(selection_text(run->pages.pages[page], i));
            lists.push_back(texts);
        }
        if (select)
            select(&run->pages);
        else
            selection_set_all(&run->pages, true);
        ImportCallbacks callbacks = {on_ask, on_importing, this};
        import_selected(run, mode, callbacks);
        outcome = run->result;
        import_errors = run->log.errors;
        import_warnings = run->log.warnings;
        import_tell_outcome(run, nullptr);
        import_close(run);
    }
    free(run);
    std::string after = read_test_file(import_log_path());
    if (after == "<missing>") after.clear();
    import_log = after.substr(before.size() <= after.size() ? before.size() : 0);
}

namespace {

void snapshot_class(const char* cls, std::map<std::string, std::string>* snapshot) {
    NameList objects = {};
    ASSERT_EQ(under_server_lock([&] { return db_list_sorted(cls, &objects); }), 0) << cls;
    std::vector<uint8_t> value(MSG_BUFFER_SIZE);
    for (uint32_t i = 0; i < objects.count; ++i) {
        const char* object = name_list_at(&objects, i);
        char* names = nullptr;
        uint32_t size = 0;
        ASSERT_EQ(db_list_all(cls, object, &names, &size), 0);
        walk_names((const uint8_t*)names, size, [&](const char* name, uint32_t) {
            uint16_t length = (uint16_t)value.size();
            EXPECT_EQ(db_get(cls, object, name, value.data(), &length), 0);
            (*snapshot)[std::string(cls) + "/" + object + "/" + name] = std::string((const char*)value.data(), length);
        });
        free(names);
    }
    name_list_free(&objects);
}

void add_admin(void* context, const char* name) {
    std::pair<std::map<std::string, std::string>*, const char*>* target =
        (std::pair<std::map<std::string, std::string>*, const char*>*)context;
    (*target->first)[std::string("admin/") + target->second + "/" + name] = "";
}

}  // namespace

std::map<std::string, std::string> database_snapshot() {
    std::map<std::string, std::string> snapshot;
    for (const char* cls : {CLIENT_CLASS, PROFILE_CLASS, PROXY_CLASS, POOL_CLASS, "Messages", "Policy"})
        snapshot_class(cls, &snapshot);
    for (const UserType& type : USER_TYPE_TABLE) snapshot_class(type.class_name, &snapshot);
    std::pair<std::map<std::string, std::string>*, const char*> users = {&snapshot, "user"};
    std::pair<std::map<std::string, std::string>*, const char*> groups = {&snapshot, "group"};
    EXPECT_EQ(admin_list(ADMIN_USER, add_admin, &users), 0);
    EXPECT_EQ(admin_list(ADMIN_GROUP, add_admin, &groups), 0);
    return snapshot;
}

std::vector<std::string> snapshot_differences(const std::map<std::string, std::string>& got,
                                              const std::map<std::string, std::string>& wanted) {
    std::vector<std::string> keys;
    for (const auto& entry : wanted) {
        auto found = got.find(entry.first);
        if (found == got.end())
            keys.push_back("missing " + entry.first);
        else if (found->second != entry.second)
            keys.push_back("differs " + entry.first);
    }
    for (const auto& entry : got)
        if (!wanted.count(entry.first)) keys.push_back("extra " + entry.first);
    return keys;
}
