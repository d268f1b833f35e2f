// The library's one engine, its image list and where its messages go,
// shared by the exports.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "netbrowse/browser.h"
#include "netbrowse/notices.h"

BrowserEngine* library_engine();
HIMAGELIST library_images();
const Notices& library_notices();
// Tests of the library route its messages elsewhere; null restores the
// message boxes.
void library_set_notices(const Notices* notices);

// The network the library browses; the shipped library's is the Windows
// network, the test copy's a scripted one.
NetworkDirectory library_directory();
