#include "shell/navigation.h"

#include <ctype.h>

namespace {

// Deep enough for any real nesting; a malformed tree cannot loop forever.
const int NAV_STEP_LIMIT = 256;

bool is_host(const NavTree& tree, NavWindow window) {
    return tree.is_subdlg(tree.context, window) && !tree.is_anchor(tree.context, window);
}

NavWindow find_in(const NavTree& tree, NavWindow window, char upper, int depth) {
    if (depth > NAV_STEP_LIMIT) return nullptr;
    for (NavWindow child = tree.first_child(tree.context, window); child;
         child = tree.next_sibling(tree.context, child)) {
        if (tree.is_subdlg(tree.context, child)) {
            NavWindow page = tree.visible_page(tree.context, child);
            if (!page) continue;
            NavWindow found = find_in(tree, page, upper, depth + 1);
            if (found) return found;
            continue;
        }
        if (tree.usable(tree.context, child) && tree.has_mnemonic(tree.context, child, upper)) return child;
    }
    return nullptr;
}

}  // namespace

NavWindow nav_owning_dialog(const NavTree& tree, NavWindow top, NavWindow window) {
    if (window == top) return top;
    NavWindow at = tree.parent(tree.context, window);
    for (int steps = 0; at && steps < NAV_STEP_LIMIT; ++steps) {
        if (at == top) return top;
        NavWindow above = tree.parent(tree.context, at);
        if (above && tree.is_subdlg(tree.context, above)) return at;
        at = above;
    }
    return nullptr;
}

NavWindow nav_tab_target(const NavTree& tree, NavWindow top, NavWindow from, bool backwards) {
    NavWindow dialog = nav_owning_dialog(tree, top, from);
    NavWindow current = from;
    for (int steps = 0; dialog && steps < NAV_STEP_LIMIT; ++steps) {
        NavWindow next = tree.next_tab_stop(tree.context, dialog, current, backwards);
        if (!next) return nullptr;
        if (tree.is_anchor(tree.context, next) && dialog != top) {
            // Leaving the page: go on after its host in the enclosing dialog.
            NavWindow host = tree.parent(tree.context, dialog);
            if (!host) return nullptr;
            current = host;
            dialog = nav_owning_dialog(tree, top, host);
            continue;
        }
        if (is_host(tree, next)) {
            NavWindow page = tree.visible_page(tree.context, next);
            NavWindow anchor = page ? tree.anchor_of(tree.context, page) : nullptr;
            if (anchor) {
                // Entering the page: its tab cycle starts after the anchor.
                dialog = page;
                current = anchor;
            } else {
                current = next;  // passed over
            }
            continue;
        }
        return next;
    }
    return nullptr;
}

NavWindow nav_find_mnemonic(const NavTree& tree, NavWindow top, char character) {
    char upper = (char)toupper((unsigned char)character);
    return find_in(tree, top, upper, 0);
}

bool text_has_mnemonic(const char* text, char upper) {
    for (const char* at = text; *at; ++at) {
        if (*at != '&') continue;
        ++at;
        if (*at == 0) return false;
        if (*at == '&') continue;
        if (toupper((unsigned char)*at) == (unsigned char)upper) return true;
    }
    return false;
}
