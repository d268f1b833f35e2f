// GUI tests run their windows on a desktop of their own: under Wine a named
// desktop with a size is a virtual one, whose windows close without waiting
// on a window manager that Xvfb does not have.
#pragma once

// Creates the desktop `name` and makes it this thread's.
void enter_own_desktop(const char* name);
