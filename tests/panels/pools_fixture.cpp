#include "tests/panels/pools_fixture.h"

#include <stdio.h>
#include <stdlib.h>

#include "attrs/value_text.h"

std::string pool_object(const char* name, const char* description, const std::vector<std::string>& ranges) {
    std::string text = std::string("object IP-Addr-Pool ") + name + "\n";
    if (description) text += std::string("property Addr-Pool-Desc text \"") + description + "\"\n";
    text += "property Addr-Pool-Ranges hex \"";
    for (const std::string& range : ranges) {
        size_t colon = range.find(':');
        uint32_t start = 0;
        EXPECT_TRUE(parse_dotted_quad(range.substr(0, colon).c_str(), &start)) << range;
        uint32_t count = (uint32_t)strtoul(range.c_str() + colon + 1, nullptr, 10);
        char entry[24];
        snprintf(entry, sizeof entry, "%02x%02x%02x%02x%02x%02x%02x%02x ", start & 0xFF, start >> 8 & 0xFF,
                 start >> 16 & 0xFF, start >> 24, count & 0xFF, count >> 8 & 0xFF, count >> 16 & 0xFF, count >> 24);
        text += entry;
    }
    return text + "\"\n";
}

void PoolsTest::open(const char* fixture) {
    open_session(fixture);
    pools_reset();
    pools_activate();
}

void PoolsTest::close() {
    pools_reset();
    close_session();
}

void PoolsTest::choose(const char* name) {
    int64_t index = name_list_find(&pools_panel().names, name);
    ASSERT_GE(index, 0) << name;
    pools_select((uint32_t)index);
}

std::string PoolsTest::stored_pool(const char* pool) {
    if (!sim_object_exists(server, POOL_CLASS, pool)) return "<no object>";
    std::string all;
    for (const char* property : {"Addr-Pool-Desc", "Addr-Pool-Ranges"})
        all += std::string(property) + "=" + stored_property(POOL_CLASS, pool, property) + ";";
    return all;
}

std::vector<std::string> PoolsTest::shown_ranges() {
    std::vector<std::string> shown;
    char text[RANGE_TEXT_SIZE];
    for (uint32_t i = 0; i < pools_panel().current.ranges.count; ++i) {
        pools_range_text(i, text, sizeof text);
        shown.push_back(text);
    }
    return shown;
}

std::vector<std::string> PoolsTest::shown_names() {
    std::vector<std::string> shown;
    char text[POOL_NAME_SIZE];
    for (uint32_t i = 0; i < pools_panel().names.count; ++i) {
        pools_list_name(i, text, sizeof text);
        shown.push_back(text);
    }
    return shown;
}
