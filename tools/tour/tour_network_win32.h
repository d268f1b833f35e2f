// The tour runs with the browser library's test copy, which browses a
// scripted network: this writes the script, before the console starts its
// lookups. With the shipped library it does nothing.
#pragma once

#include <windows.h>

void script_tour_network();
