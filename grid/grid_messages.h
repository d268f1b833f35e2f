// Message and notification numbers of the table control. Callers and the
// library share them; they are part of the library's binary interface.
#pragma once

#include <stdint.h>

// Queries sent as WM_USER (1024) with these values in wParam.
const uint32_t TB_QUERY_MESSAGE = 1024;
const uint32_t TBQ_STATE = 102;
const uint32_t TBQ_NOTIFY = 103;
const uint32_t TBQ_IS_TABLE = 104;
const uint32_t TBQ_DROP_ACCEPT = 105;

// Drop-acceptance query a dragging table sends to the window under the cursor.
const uint32_t TB_DROP_QUERY_MESSAGE = 105;
// Answer to the old drop-object message: the file-drop reply.
const uint32_t TB_FILE_DROP_REPLY = 0x454C4946;

enum TableMessage : uint32_t {
    TBM_SETROWCOUNT = 1134,
    TBM_SETCOLCOUNT = 1135,
    TBM_SETCOLWIDTH = 1136,
    TBM_SETCURROW = 1137,
    TBM_SETCURCOL = 1138,
    TBM_GETCURROW = 1139,
    TBM_SETHEADINGSIZING = 1140,
    TBM_SETROWSPACING = 1142,
    TBM_SETHEADING = 1143,
    TBM_GETCURCOL = 1151,
    TBM_GETCOLWIDTH = 1152,
    TBM_GETCELLRECT = 1154,
    TBM_GETCHARWIDTH = 1155,
    TBM_GETTEXTWIDTH = 1156,
    TBM_GETROWCOUNT = 1157,
    TBM_GETCOLCOUNT = 1158,
    TBM_GETHEADING = 1159,
    TBM_SETCOLCHARS = 1161,
    TBM_SETVLINES = 1164,
    TBM_GETNOTIFY = 1165,
    TBM_SETHIGHLIGHT = 1166,
    TBM_SETHLINES = 1167,
    TBM_SETROWHEIGHT = 1168,
    TBM_GETVISIBLEROWS = 1169,
    TBM_SETROWSELECT = 1170,
    TBM_SETBORDERWIDTH = 1171,
    TBM_SETTRACKING = 1172,
    TBM_SETTOPROW = 1173,
    TBM_GETTOPROW = 1174,
    TBM_SETREDRAW = 1175,
    TBM_SETMARGIN = 1176,
    TBM_SETLINEPEN = 1177,
    TBM_GETROWHEIGHT = 1178,
    TBM_SETSTRETCHLAST = 1179,
    TBM_ENABLEDROP = 1180,
    TBM_REDRAWROW = 1181,
    TBM_GETEDITWINDOW = 1184,
    TBM_REDRAWCELL = 1185,
    TBM_DRAWRAISED = 1186,
    TBM_DRAWSUNKEN = 1187,
    TBM_SETNOTIFYWINDOW = 1188,
    TBM_ADDROWS = 1189,
    TBM_SETBKCOLOR = 1190,
    TBM_SETTEXTCOLOR = 1191,
    TBM_SETMAXCOLUMNS = 1193,
    TBM_SETTRACKWIDTH = 1195,
    TBM_SETDRAGSELECT = 1196,
    TBM_CLEARCURROW = 1197,
    TBM_SETBLANKMARGIN = 1198,
    TBM_SETMULTILINE = 1199,
    TBM_SETSHADOWCOLOR = 1200,
    TBM_SETLIGHTCOLOR = 1201,
    TBM_SETHOOK = 1214,
    TBM_GETEDITWINDOW2 = 1224,
    TBM_GETEDITTEXT = 1225,
    TBM_SETEDITTEXT = 1226,
};

enum TableNotification : uint32_t {
    TBN_GETTEXT = 1144,
    TBN_ROWCHANGED = 1145,
    TBN_COLCHANGED = 1146,
    TBN_KEY = 1148,
    TBN_CLICK = 1150,
    TBN_RCLICK = 1151,
    TBN_DBLCLK = 1152,
    TBN_ENTER = 1153,
    TBN_CLICKCURRENT = 1154,
    TBN_SETFOCUS = 1155,
    TBN_KILLFOCUS = 1156,
    TBN_SELCHANGED = 1157,
    TBN_DROP = 1158,
    TBN_SIZESTART = 1159,
    TBN_COMMAND = 1160,
    TBN_TOPROWCHANGED = 1161,
    TBN_LEFTCOLCHANGED = 1162,
    TBN_COLSIZED = 1163,
    TBN_NEEDROWS = 1164,
    TBN_COLSIZING = 1166,
    TBN_DRAGSELECT = 1167,
    TBN_KEYDOWN = 1168,
    TBN_EDITKEY = 1174,
    TBN_EDITCHANGE = 1175,
    TBN_EDITEND = 1176,
    TBN_EDITFOCUS = 1177,
    TBN_MESSAGE = 1216,
};

// Messages to the in-place edit window.
enum EditMessage : uint32_t {
    TEM_SETTEMPLATE = 1124,
    TEM_GETTEMPLATE = 1125,
    TEM_GETMASK = 1126,
    TEM_SETMASK = 1127,
    TEM_GETEXITCODE = 1128,
    TEM_SETMARGIN = 1129,
    TEM_SETTEXTCOLOR = 1130,
    TEM_SETBKCOLOR = 1131,
};

// Command codes the edit window sends its table.
const uint32_t EDIT_CODE_EXIT_KEY = 100;
const uint32_t EDIT_CODE_FOCUS = 256;
const uint32_t EDIT_CODE_LOST_FOCUS = 512;
const uint32_t EDIT_CODE_CHANGED = 768;

// Exit codes of the edit's navigation keys.
enum EditExit : int32_t {
    EDIT_EXIT_NONE = 0,
    EDIT_EXIT_ENTER = 1,
    EDIT_EXIT_TAB = 2,
    EDIT_EXIT_SHIFT_TAB = 3,
    EDIT_EXIT_UP = 4,
    EDIT_EXIT_DOWN = 5,
    EDIT_EXIT_PAGE_UP = 6,
    EDIT_EXIT_PAGE_DOWN = 7,
    EDIT_EXIT_ESCAPE = 8,
    EDIT_EXIT_F1 = 11,  // F1..F9 give 11..19
};

const int32_t TABLE_EDIT_ID = 123;
const int32_t DRAG_SELECT_TIMER_ID = 143;

// Decoration flags of a cell.
const uint32_t CELL_RAISED = 0x1;
const uint32_t CELL_SUNKEN = 0x2;
const uint32_t CELL_CHECKED = 0x4;
const uint32_t CELL_UNCHECKED = 0x8;

// Text alignment of a cell.
const int32_t ALIGN_LEFT = 0;
const int32_t ALIGN_RIGHT = 2;
const int32_t ALIGN_CENTRE = 6;

// Window style bits that choose what a table-class window is.
const uint32_t TBS_HEADING = 0x10;
const uint32_t TBS_BUTTON_FACE = 0x20;
const uint32_t TBS_ROW_HEADING = 0x40;

// Edit window style options.
const uint32_t TES_WANT_ENTER = 0x100;
const uint32_t TES_WANT_TAB = 0x200;
const uint32_t TES_SELECT_ON_FOCUS = 0x400;
