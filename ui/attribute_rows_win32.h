// How an attribute list page is drawn: rows of marker, name, default mark
// and value in columns, subtract rows grey and struck out; the arrow buttons.
#pragma once

#include <windows.h>

#include "attrs/attribute_list.h"
#include "attrs/dictionary.h"

struct RowPainter {
    HFONT font;          // the list font
    HFONT struck_font;   // the same, struck out, for subtract rows
    HBITMAP markers[5];  // by RowMarker; [0] unused
    int widest_name;     // grows with every list shown
    int star_width;      // the default column: "*" and 3 pixels
    int row_height;
};

// Fonts from the dialog font of `list`'s parent, the marker bitmaps.
void row_painter_init(RowPainter* painter, HWND list);
void row_painter_free(RowPainter* painter);
// Widens the name column for the dictionary's names and the list's.
void row_painter_measure(RowPainter* painter, HWND list, const Dictionary* dictionary, const AttributeList* rows);
void paint_row(const RowPainter& painter, const DRAWITEMSTRUCT& item, const AttributeInstance* instance);
// An arrow button: its bitmap (light grey is the face) on a push button,
// greyed while the button is disabled.
void paint_arrow_button(const DRAWITEMSTRUCT& item, HBITMAP arrow);
