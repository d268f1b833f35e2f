// The exported interface of keelgrid32.dll for the programs that use it.
#pragma once

#include <windows.h>

#include "grid/grid_messages.h"
#include "grid/table_notify.h"
#include "grid/table_state.h"

#define TABLE_CLASS_NAME "TBLGR3220"
#define EDIT_CLASS_NAME "TBL_Edit"

// Called after each measured row with (rows done, end row): 1 cancels,
// 2 stops measuring and applies, anything else goes on.
typedef int(CALLBACK* TableProgressProc)(int rows_done, int end_row);

extern "C" {
LRESULT CALLBACK MainTableProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
int WINAPI TB_InitTable(HINSTANCE instance);
int WINAPI TB_SetupTable(HWND table, HWND column_heading, HWND row_heading, int rows, int columns, const int* widths,
                         int row_spacing, int heading_sizing);
int WINAPI TB_ExtendText(TableNotify* record, int alignment, COLORREF text_colour, COLORREF background_colour);
int WINAPI TB_FitToWindow(HWND table, int columns);
int WINAPI TB_BestFit(HWND table, int extra, int rows, TableProgressProc progress);
int WINAPI TB_RedrawTable(HWND table);
// The buffers hold at least 64 bytes.
int WINAPI TB_CurrencyToString(char* buffer, double value, int commas, const char* symbol);
int WINAPI TB_DateToString(char* buffer, int day, int month, int year, const char* separator, int style);
int WINAPI TB_FitHeadingToTable(HWND table, int which, int gap);
int WINAPI TB_StartEdit(HWND table, const char* text, const char* mask, const char* text_template, int first_char);
int WINAPI TB_StartEditEx(HWND table, const char* text, const char* mask, const char* text_template, int first_char,
                          int column, int row);
int WINAPI TB_EndEdit(HWND table);
int WINAPI TB_DragStart(HWND source, HCURSOR cursor, char** data, int value);
int WINAPI TB_StartCache(HWND table, int kilobytes);
int WINAPI TB_RefreshCache(HWND table);
int WINAPI TB_SetEditClass(HWND table, const char* class_name);
int WINAPI TB_SetEditClassEx(HWND table, const char* class_name, DWORD style);
}

// TBM_GETCELLRECT's request record.
struct TableCellRequest {
    int32_t column, row;
    int32_t left, top, right, bottom;
    int32_t visibility;
};
