// The keyboard across nested pages: the navigation rules of navigation.cpp
// answered with real windows, and the default-button look kept right.
#include <windows.h>

#include "resources/shell_ids.h"
#include "shell/navigation.h"
#include "shell/subdlg_win32.h"

namespace {

const char DEFAULT_BUTTON_PROPERTY[] = "SubdlgDefPushbutton";

HWND parent_of(HWND window) {
    HWND parent = GetAncestor(window, GA_PARENT);
    return parent == GetDesktopWindow() ? nullptr : parent;
}

LRESULT dialog_code(HWND window) { return window ? SendMessageA(window, WM_GETDLGCODE, 0, 0) : 0; }

bool is_push_button(HWND window) { return (dialog_code(window) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0; }

bool labelled_by_mnemonic(HWND window, char upper) {
    LRESULT code = dialog_code(window);
    if (!(code & (DLGC_BUTTON | DLGC_STATIC))) return false;  // edits hold data, not labels
    if ((code & DLGC_STATIC) && (GetWindowLongA(window, GWL_STYLE) & SS_NOPREFIX)) return false;
    char text[256];
    GetWindowTextA(window, text, sizeof text);
    return text_has_mnemonic(text, upper);
}

NavTree win32_tree() {
    NavTree tree;
    tree.context = nullptr;
    tree.parent = [](void*, NavWindow w) -> NavWindow { return parent_of((HWND)w); };
    tree.is_subdlg = [](void*, NavWindow w) { return is_subdlg_control((HWND)w); };
    tree.is_anchor = [](void*, NavWindow w) {
        return is_subdlg_control((HWND)w) && GetDlgCtrlID((HWND)w) == SUBDLG_ANCHOR_ID;
    };
    tree.visible_page = [](void*, NavWindow w) -> NavWindow {
        HWND page = subdlg_current_page((HWND)w);
        return page && IsWindowVisible(page) ? page : nullptr;
    };
    tree.anchor_of = [](void*, NavWindow page) -> NavWindow { return GetDlgItem((HWND)page, SUBDLG_ANCHOR_ID); };
    tree.next_tab_stop = [](void*, NavWindow dialog, NavWindow from, bool backwards) -> NavWindow {
        return GetNextDlgTabItem((HWND)dialog, (HWND)from, backwards ? TRUE : FALSE);
    };
    tree.first_child = [](void*, NavWindow w) -> NavWindow { return GetWindow((HWND)w, GW_CHILD); };
    tree.next_sibling = [](void*, NavWindow w) -> NavWindow { return GetWindow((HWND)w, GW_HWNDNEXT); };
    tree.usable = [](void*, NavWindow w) { return IsWindowVisible((HWND)w) && IsWindowEnabled((HWND)w); };
    tree.has_mnemonic = [](void*, NavWindow w, char upper) { return labelled_by_mnemonic((HWND)w, upper); };
    return tree;
}

HWND owning_dialog(HWND top, HWND window) { return (HWND)nav_owning_dialog(win32_tree(), top, window); }

// The button Enter presses when the focus is not on one: the window's stored
// default, else the default of the dialog that owns `window`.
HWND stored_default(HWND top, HWND window) {
    HWND stored = (HWND)GetPropA(GetAncestor(window, GA_ROOT), DEFAULT_BUTTON_PROPERTY);
    if (stored) return stored;
    HWND dialog = owning_dialog(top, window);
    if (!dialog) return nullptr;
    LRESULT id = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    return HIWORD(id) == DC_HASDEFID ? GetDlgItem(dialog, LOWORD(id)) : nullptr;
}

void set_button_look(HWND button, bool as_default) {
    if (button && is_push_button(button))
        SendMessageA(button, BM_SETSTYLE, as_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

// A push button with the focus is the default one; when the focus leaves
// the buttons, the stored default looks like it again.
void keep_default_look(HWND top, HWND before, HWND after) {
    if (before == after) return;
    if (is_push_button(before)) set_button_look(before, false);
    if (!after) return;
    HWND stored = stored_default(top, after);
    if (is_push_button(after)) {
        set_button_look(after, true);
        if (stored && stored != after) set_button_look(stored, false);
    } else if (stored) {
        set_button_look(stored, true);
    }
}

void focus_control(HWND top, HWND control) {
    HWND dialog = owning_dialog(top, control);
    if (dialog) SendMessageA(dialog, WM_NEXTDLGCTL, (WPARAM)control, TRUE);
}

// What a dialog does with Alt+mnemonic: a label moves the focus to the
// control after it, a button is pressed, anything else takes the focus.
void activate_mnemonic(HWND top, HWND control) {
    LRESULT code = dialog_code(control);
    if (code & DLGC_STATIC) {
        for (HWND next = GetWindow(control, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT)) {
            if (!IsWindowVisible(next) || !IsWindowEnabled(next) || (dialog_code(next) & DLGC_STATIC)) continue;
            focus_control(top, next);
            return;
        }
        return;
    }
    if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
        SendMessageA(control, BM_CLICK, 0, 0);
        return;
    }
    focus_control(top, control);
    if (code & DLGC_BUTTON) SendMessageA(control, BM_CLICK, 0, 0);
}

bool press_default(HWND top, HWND focus) {
    HWND button = (dialog_code(focus) & DLGC_DEFPUSHBUTTON)
                      ? focus
                      : (HWND)GetPropA(GetAncestor(focus, GA_ROOT), DEFAULT_BUTTON_PROPERTY);
    if (!button || !IsWindowEnabled(button)) return false;
    HWND dialog = owning_dialog(top, button);
    if (!dialog) return false;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), (LPARAM)button);
    return true;
}

}  // namespace

BOOL subdlg_translate_message(HWND top, MSG* message) {
    HWND target = message->hwnd;
    if (!target || (target != top && !IsChild(top, target))) return FALSE;
    NavTree tree = win32_tree();
    HWND before = GetFocus();
    BOOL handled = FALSE;
    bool key = message->message == WM_KEYDOWN || message->message == WM_SYSCHAR;

    if (message->message == WM_KEYDOWN && message->wParam == VK_TAB) {
        bool backwards = GetKeyState(VK_SHIFT) < 0;
        HWND next = (HWND)nav_tab_target(tree, top, target, backwards);
        if (next) focus_control(top, next);
        handled = TRUE;
    } else if (message->message == WM_KEYDOWN && message->wParam == VK_RETURN && press_default(top, before)) {
        handled = TRUE;
    } else if (message->message == WM_KEYDOWN && message->wParam == VK_ESCAPE) {
        SendMessageA(top, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)GetDlgItem(top, IDCANCEL));
        handled = TRUE;
    } else if (message->message == WM_SYSCHAR) {
        HWND control = (HWND)nav_find_mnemonic(tree, top, (char)message->wParam);
        if (!control) return FALSE;  // perhaps the menu's
        activate_mnemonic(top, control);
        handled = TRUE;
    } else {
        HWND dialog = owning_dialog(top, target);
        handled = dialog ? IsDialogMessageA(dialog, message) : FALSE;
    }
    if (handled && key) keep_default_look(top, before, GetFocus());
    return handled;
}
