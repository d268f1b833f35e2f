#include <stdio.h>
#include <termios.h>
#include <unistd.h>

#include "platform/terminal.h"

bool stdin_is_terminal() { return isatty(STDIN_FILENO) != 0; }
bool stderr_is_terminal() { return isatty(STDERR_FILENO) != 0; }

bool read_hidden_line(const char* prompt, char* text, uint32_t text_size) {
    fputs(prompt, stderr);
    fflush(stderr);
    termios saved;
    const bool terminal = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~(tcflag_t)ECHO;
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    const bool read = read_input_line(text, text_size);
    if (terminal) tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    fputs("\n", stderr);
    return read;
}
