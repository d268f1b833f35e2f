#include "tests/panels/clients_fixture.h"

void ClientsTest::open(const char* fixture) {
    open_server(fixture);
    clients_reset();
    clients_activate();
}

void ClientsTest::TearDown() {
    clients_reset();
    PanelTest::TearDown();
}

void ClientsTest::choose(const char* name) {
    int64_t index = name_list_find(&clients_panel().names, name);
    ASSERT_GE(index, 0) << name;
    clients_select((uint32_t)index);
}
