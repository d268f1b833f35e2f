// Keyboard navigation across dialogs nested in SubdlgControls, as if they
// were one dialog: where Tab and Shift+Tab go, and which control an
// Alt+mnemonic names. The rules work on an abstract window tree; the Win32
// side answers its questions with real windows, tests with a made-up tree.
#pragma once

typedef void* NavWindow;

struct NavTree {
    void* context;
    NavWindow (*parent)(void* context, NavWindow window);
    // A SubdlgControl: a page host, or the anchor that ends a page.
    bool (*is_subdlg)(void* context, NavWindow window);
    bool (*is_anchor)(void* context, NavWindow window);
    // The visible page of a SubdlgControl, or null.
    NavWindow (*visible_page)(void* context, NavWindow subdlg);
    // The anchor of a page (its last control).
    NavWindow (*anchor_of)(void* context, NavWindow page);
    // The next (or previous) tab stop after `from` among the dialog's own
    // controls, wrapping around; null when it has none.
    NavWindow (*next_tab_stop)(void* context, NavWindow dialog, NavWindow from, bool backwards);
    // Children in z-order.
    NavWindow (*first_child)(void* context, NavWindow window);
    NavWindow (*next_sibling)(void* context, NavWindow window);
    // Visible and enabled: a control the keyboard may reach.
    bool (*usable)(void* context, NavWindow window);
    // Whether the window's text has "&" followed by the character (both
    // compared upper-cased).
    bool (*has_mnemonic)(void* context, NavWindow window, char upper);
};

// The dialog a window belongs to: the nearest ancestor that is `top` or
// whose parent is a SubdlgControl.
NavWindow nav_owning_dialog(const NavTree& tree, NavWindow top, NavWindow window);

// Where Tab (or Shift+Tab) from `from` leads: leaving a page at its anchor
// continues after the page's host in the enclosing dialog, reaching a host
// with a visible page continues inside that page, a host without one is
// passed over. Null when there is nowhere to go.
NavWindow nav_tab_target(const NavTree& tree, NavWindow top, NavWindow from, bool backwards);

// The first usable control of `top` in z-order whose text has the mnemonic,
// the visible page's controls counting at the place of their host; hidden
// pages are never searched. Null when none.
NavWindow nav_find_mnemonic(const NavTree& tree, NavWindow top, char character);

// Whether `text` has "&" followed by `upper` ("&&" is a literal ampersand).
bool text_has_mnemonic(const char* text, char upper);
