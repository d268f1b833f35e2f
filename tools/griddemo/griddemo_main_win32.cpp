// griddemo.exe: the grid demo window, or with --measure the time to paint
// the million-row table and to page down through it.
#include <stdio.h>
#include <string.h>

#include "grid/keelgrid32_win32.h"
#include "tools/griddemo/demo_window_win32.h"

namespace {

const int PAINT_ROUNDS = 50;
const int PAGE_ROUNDS = 1000;

void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

double elapsed_ms(const LARGE_INTEGER& start, const LARGE_INTEGER& frequency) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (double)(now.QuadPart - start.QuadPart) * 1000.0 / (double)frequency.QuadPart;
}

int measure(HWND demo) {
    HWND users = griddemo_users(demo);
    pump();
    LARGE_INTEGER frequency, start;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < PAINT_ROUNDS; ++i) RedrawWindow(users, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    double paint = elapsed_ms(start, frequency) / PAINT_ROUNDS;
    SetFocus(users);
    QueryPerformanceCounter(&start);
    // Each page key paints before it returns.
    for (int i = 0; i < PAGE_ROUNDS; ++i) SendMessageA(users, WM_KEYDOWN, VK_NEXT, 0);
    double pages = elapsed_ms(start, frequency);
    long visible = (long)SendMessageA(users, TBM_GETVISIBLEROWS, 0, 0);
    printf("rows %ld, visible rows %ld, columns %ld\n", (long)SendMessageA(users, TBM_GETROWCOUNT, 0, 0), visible,
           (long)SendMessageA(users, TBM_GETCOLCOUNT, 0, 0));
    printf("full paint of the table: %.2f ms (mean of %d)\n", paint, PAINT_ROUNDS);
    printf("%d page downs: %.1f ms in all, %.2f ms each; current row %ld, top row %ld\n", PAGE_ROUNDS, pages,
           pages / PAGE_ROUNDS, (long)SendMessageA(users, TBM_GETCURROW, 0, 0),
           (long)SendMessageA(users, TBM_GETTOPROW, 0, 0));
    DestroyWindow(demo);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    HWND demo = griddemo_open(GetModuleHandleA(nullptr), 40, 40);
    if (!demo) {
        fprintf(stderr, "griddemo: the window did not open\n");
        return 1;
    }
    if (argc > 1 && strcmp(argv[1], "--measure") == 0) return measure(demo);
    MSG message;
    while (IsWindow(demo) && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(demo, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return 0;
}
