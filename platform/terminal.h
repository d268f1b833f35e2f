// Reading a secret where the person types it: from the terminal without
// echo, or a line of standard input when that is not a terminal.
#pragma once

#include <stdint.h>

bool stdin_is_terminal();
bool stderr_is_terminal();
// Writes `prompt` to the terminal (standard error), reads one line with
// echo off and restores the echo. The line end is dropped; the text is cut
// to text_size - 1. False at end of input.
bool read_hidden_line(const char* prompt, char* text, uint32_t text_size);
// One line of standard input, its line end (LF or CR LF) dropped.
bool read_input_line(char* text, uint32_t text_size);
