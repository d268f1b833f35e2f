// How long the console takes to show the users page of a server holding
// 100 000 native users (the demo database and the generated users, served
// by keelsim in this process): the first showing fills the list, the
// profile choice and the first user. Printed, not judged: ./run bench.
#include <windows.h>

#include <stdio.h>

#include <string>

#include "console/panel_table_win32.h"
#include "panels/users.h"
#include "panels/users_ids.h"
#include "platform/prompt.h"
#include "resources/shell_ids.h"
#include "shell/app_win32.h"
#include "shell/main_window_win32.h"
#include "shell/subdlg_win32.h"
#include "sim/sim.h"

namespace {

const int USER_COUNT = 100000;

void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) app_dispatch(&message);
}

// No box may stop the clock: every question is answered at once.
PromptAnswer answer_at_once(const PromptRequest& request) {
    fprintf(stderr, "timing: message \"%s\"\n", request.text);
    return ANSWER_OK;
}

double milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (double)(to.QuadPart - from.QuadPart) * 1000.0 / (double)frequency.QuadPart;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: users_page_timing DEMO-FIXTURE\n");
        return 2;
    }
    SimOptions options;
    options.fixture_path = argv[1];
    SimServer* server = nullptr;
    if (sim_start(options, &server) != 0) return 1;
    std::string users;
    char line[64];
    for (int i = 0; i < USER_COUNT; ++i) {
        snprintf(line, sizeof line, "object ++b-Native-User USER%06d\n", i);
        users += line;
    }
    if (sim_apply(server, users.c_str()) != 0) return 1;
    set_prompt_handler(answer_at_once);
    HWND main = nullptr;
    if (app_start(GetModuleHandleA(nullptr), SW_SHOW, CONSOLE_PANELS, &main) != APP_STARTED) return 1;
    pump();
    SendMessageA(GetDlgItem(subdlg_page(panel_host(), 1), IDC_CONNECT), BM_CLICK, 0, 0);
    pump();

    // The model's loading first, then the page drawing what it loaded.
    LARGE_INTEGER start, loaded, shown;
    QueryPerformanceCounter(&start);
    users_activate(0x0F);
    QueryPerformanceCounter(&loaded);
    SendMessageA(GetDlgItem(main, IDC_PANEL_USERS), BM_CLICK, 0, 0);
    pump();
    QueryPerformanceCounter(&shown);
    HWND list = GetDlgItem(subdlg_page(panel_host(), IDC_PANEL_USERS - 200), IDC_USER_LIST);
    const LRESULT listed = SendMessageA(list, LB_GETCOUNT, 0, 0);
    printf("users page: %ld users, model loaded in %.0f ms, page filled in %.0f ms\n", (long)listed,
           milliseconds(start, loaded), milliseconds(loaded, shown));
    DestroyWindow(main);
    sim_stop(server);
    return listed >= USER_COUNT ? 0 : 1;
}
