// The statistics panel's page, the Current Users window, its delete
// confirmation and the request-rate graph.
#pragma once

#include <windows.h>

#include "api/current_users.h"
#include "stats/rate_history.h"
#include "stats/session_list.h"

// Page 9, for the program's panel table.
INT_PTR CALLBACK statistics_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);

// The modal Current Users window over `owner`.
void current_users_run(HWND owner);

// The modal confirmation for one session.
DeleteAnswer delete_confirm_run(HWND owner, const CurrentUserRecord& record);

// Draws the rates of the window that ends at `now` into an owner-drawn static.
void rate_graph_draw(const DRAWITEMSTRUCT& item, const RateHistory& history, uint32_t now);
