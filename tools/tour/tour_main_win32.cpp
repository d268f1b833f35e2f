// keeltour.exe: runs the console in this process and walks it through the
// steps of tour_steps.cpp. For each screenshot it writes NAME.want (the
// screen rectangle to take, "x y width height") into the output directory
// and waits for NAME.png, which the tour script takes from the X display.
#include <windows.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "console/panel_table_win32.h"
#include "platform/prompt.h"
#include "shell/app_win32.h"
#include "shell/main_window_win32.h"
#include "shell/panel_win32.h"
#include "tools/tour/tour_network_win32.h"
#include "tools/tour/tour_steps_win32.h"

namespace {

const UINT STEP_INTERVAL_MS = 800;
const DWORD SHOT_WAIT_MS = 30000;

struct RunStep {
    std::string shot;
    void (*act)();
    int button;  // a panel button to press, or 0
};

struct Tour {
    std::vector<RunStep> steps;
    size_t next;
    std::string directory;
    int shots;
    int failures;
};

Tour g_tour = {};

// A message box in the tour means something went wrong: say so, go on.
PromptAnswer tour_prompt(const PromptRequest& request) {
    fprintf(stderr, "tour: message box \"%s\": %s\n", request.title ? request.title : "",
            request.text ? request.text : "");
    ++g_tour.failures;
    return request.buttons == PROMPT_YES_NO ? ANSWER_NO : (request.buttons == PROMPT_OK ? ANSWER_OK : ANSWER_CANCEL);
}

void expand_steps() {
    for (unsigned i = 0; i < TOUR_STEP_COUNT; ++i) {
        const TourStep& step = TOUR_STEPS[i];
        if (!step.each_panel) {
            g_tour.steps.push_back({step.shot ? step.shot : "", step.act, 0});
            continue;
        }
        for (uint32_t p = 1; p < CONSOLE_PANELS.count; ++p) {
            const PanelEntry& entry = CONSOLE_PANELS.entries[p];
            if (entry.procedure == empty_page_proc) continue;
            g_tour.steps.push_back({"", nullptr, entry.button_id});
            g_tour.steps.push_back({std::string("panel-") + entry.name, nullptr, 0});
        }
    }
}

BOOL CALLBACK add_window(HWND window, LPARAM lparam) {
    if (!IsWindowVisible(window)) return TRUE;
    RECT* all = (RECT*)lparam;
    RECT frame;
    GetWindowRect(window, &frame);
    if (IsRectEmpty(all))
        *all = frame;
    else
        UnionRect(all, all, &frame);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    return TRUE;
}

bool file_exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void take_shot(const std::string& name) {
    char numbered[160];
    snprintf(numbered, sizeof numbered, "%02d-%s", ++g_tour.shots, name.c_str());
    std::string base = g_tour.directory + "\\" + numbered;
    RECT all = {0, 0, 0, 0};
    EnumThreadWindows(GetCurrentThreadId(), add_window, (LPARAM)&all);
    GdiFlush();
    Sleep(400);
    // A little of the desktop around the windows, within the screen.
    const int margin = 8;
    int x = all.left > margin ? all.left - margin : 0;
    int y = all.top > margin ? all.top - margin : 0;
    int width = all.right + margin - x, height = all.bottom + margin - y;
    FILE* want = fopen((base + ".want").c_str(), "w");
    if (!want) {
        fprintf(stderr, "tour: cannot write %s.want\n", base.c_str());
        ++g_tour.failures;
        return;
    }
    fprintf(want, "%d %d %d %d\n", x, y, width, height);
    fclose(want);
    DWORD start = GetTickCount();
    while (!file_exists(base + ".png") && GetTickCount() - start < SHOT_WAIT_MS) Sleep(50);
    if (!file_exists(base + ".png")) {
        fprintf(stderr, "tour: no screenshot came for %s\n", numbered);
        ++g_tour.failures;
        return;
    }
    printf("tour: %s.png\n", numbered);
    fflush(stdout);
}

// Runs on the thread's timer, also inside the modal loops the steps open.
void CALLBACK run_next_step(HWND, UINT, UINT_PTR timer, DWORD) {
    if (g_tour.next >= g_tour.steps.size()) {
        KillTimer(nullptr, timer);
        return;
    }
    RunStep step = g_tour.steps[g_tour.next++];
    if (step.button) SendMessageA(GetDlgItem(main_window(), step.button), BM_CLICK, 0, 0);
    if (step.act) step.act();
    if (!step.shot.empty()) take_shot(step.shot);
}

// Windows of their own desktop: Wine shows a named desktop with a size as
// a framed virtual screen, so the shots have title bars.
void use_own_desktop() {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Explorer\\Desktops", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
        const char size[] = "1280x800";
        RegSetValueExA(key, "keel-tour", 0, REG_SZ, (const BYTE*)size, sizeof size);
        RegCloseKey(key);
    }
    HDESK desktop = CreateDesktopA("keel-tour", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    if (desktop) SetThreadDesktop(desktop);
}

}  // namespace

HWND tour_front_dialog() {
    HWND active = GetActiveWindow();
    return active && active != main_window() ? active : nullptr;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: keeltour OUTPUT-DIRECTORY\n");
        return 2;
    }
    g_tour.directory = argv[1];
    use_own_desktop();
    set_prompt_handler(tour_prompt);
    expand_steps();
    script_tour_network();
    HWND main = nullptr;
    if (app_start(GetModuleHandleA(nullptr), SW_SHOW, CONSOLE_PANELS, &main) != APP_STARTED) {
        fprintf(stderr, "tour: the console did not start\n");
        return 1;
    }
    SetWindowPos(main, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetForegroundWindow(main);
    SetTimer(nullptr, 0, STEP_INTERVAL_MS, run_next_step);
    app_run();
    printf("tour: %d screenshots, %d problems\n", g_tour.shots, g_tour.failures);
    return g_tour.failures == 0 ? 0 : 1;
}
