// The screenshot tour: the console driven through its states, one step at
// a time. A step acts on the console, or asks for a screenshot of what is on
// the screen. Adding to the tour is adding steps to the list in
// tour_steps.cpp; every panel that is built gets its screenshot from the
// step that visits the panels.
#pragma once

#include <windows.h>

struct TourStep {
    const char* shot;  // screenshot name, or null
    void (*act)();     // may open a modal dialog: the next steps run inside it
    bool each_panel;   // visit every built panel (button, then a screenshot)
};

extern const TourStep TOUR_STEPS[];
extern const unsigned TOUR_STEP_COUNT;

// The dialog in front of the console, if any.
HWND tour_front_dialog();
