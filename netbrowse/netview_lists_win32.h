// keelntbrs.dll: the exports that fill and watch the caller's list views.
// Item texts are ANSI, at most 256 bytes.
#pragma once

#include <windows.h>

// Item kinds: the image index of an item and the wParam of the messages.
enum NetViewItemKind { NETVIEW_DOMAIN = 0, NETVIEW_HOST = 1, NETVIEW_USER = 2, NETVIEW_GROUP = 3 };
// NetViewDisplayNetObjects: targets and results.
enum NetViewTarget { NETVIEW_TARGET_DOMAIN = 4, NETVIEW_TARGET_HOST = 5 };
enum NetViewObjectsResult { NETVIEW_OBJECTS_DONE = 0, NETVIEW_OBJECTS_FAILED = 1, NETVIEW_OBJECTS_LOGON_REFUSED = 2 };
// Sent to the notification window: wParam the item kind, lParam its text.
const UINT NETVIEW_SELECTED = WM_USER + 1;        // the current item moved
const UINT NETVIEW_DOUBLE_CLICKED = WM_USER + 2;  // a user or group
const UINT NETVIEW_FOCUSED = WM_USER + 3;         // the list got the focus (item 0)
const int NETVIEW_NAME_SIZE = 256;

#ifdef __cplusplus
extern "C" {
#endif

int NetViewInitControl(HWND list, HWND notify);
int NetViewDeInitControl(HWND list);
int NetViewDisplayNetObjects(HWND list, int kind, const char* name, char* out_name);
int NetViewSelectItem(HWND list, const char* text);
int NetViewDeselectItem(HWND list, const char* text);
int NetViewClearControl(HWND list);
int NetViewSelectFirstItem(HWND list);
int NetViewDisplayDomainObjects(HWND list);
int NetViewDisplayHostObjects(HWND list);

#ifdef __cplusplus
}
#endif
