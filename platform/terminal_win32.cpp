#include <windows.h>

#include <io.h>
#include <stdio.h>

#include "platform/terminal.h"

bool stdin_is_terminal() { return _isatty(_fileno(stdin)) != 0; }
bool stderr_is_terminal() { return _isatty(_fileno(stderr)) != 0; }

bool read_hidden_line(const char* prompt, char* text, uint32_t text_size) {
    fputs(prompt, stderr);
    fflush(stderr);
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD saved = 0;
    const bool console = GetConsoleMode(input, &saved) != 0;
    if (console) SetConsoleMode(input, saved & ~(DWORD)ENABLE_ECHO_INPUT);
    const bool read = read_input_line(text, text_size);
    if (console) SetConsoleMode(input, saved);
    fputs("\n", stderr);
    return read;
}
