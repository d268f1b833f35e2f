// Tables of keelgrid32.dll in a window of the test program, whose owner
// answers every cell and records every other notification it receives.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/keelgrid32_win32.h"

const int ID_TABLE = 301;
const int ID_HEADING = 302;
const int ID_OTHER_TABLE = 303;
const int CHECK_COLUMN = 3;

struct Recorded {
    uint32_t code;
    int32_t column, row;
    intptr_t value, extra;
    std::string text;
    HWND sender;
    std::vector<std::string> items;  // the texts a drop carried
    int32_t record_code;             // the record's own code field
};

struct OwnerLog {
    std::vector<Recorded> events;
    int cells_asked = 0;
    int32_t lowest_row_asked = INT32_MAX, highest_row_asked = -1;
    int cached_answers = 0;
    void clear_cells() {
        cells_asked = 0, cached_answers = 0;
        lowest_row_asked = INT32_MAX, highest_row_asked = -1;
    }
};
extern OwnerLog g_log;

void pump(DWORD ms = 0);

class GridTest : public ::testing::Test {
protected:
    HWND owner = nullptr, table = nullptr, heading = nullptr;
    void SetUp() override;
    void TearDown() override;

    HWND make_table(int id, int x, int y, int width, int height, DWORD style);
    std::vector<Recorded> events(uint32_t code, HWND sender = nullptr) const;
    const Recorded* last(uint32_t code) const;
    // Client point at the middle of a visible cell.
    POINT cell_middle(HWND of, int32_t column, int32_t row) const;
    void click(HWND of, POINT at, WPARAM keys = 0);
    LRESULT send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
        return SendMessageA(table, message, wparam, lparam);
    }
};
