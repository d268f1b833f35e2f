// Tab, Shift+Tab and Alt+mnemonic across nested pages, on a made-up window
// tree; and the page slots of a SubdlgControl.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "shell/navigation.h"
#include "shell/subdlg_slots.h"

namespace {

struct Node {
    std::string name;
    Node* parent = nullptr;
    std::vector<Node*> children;
    bool subdlg = false;
    bool anchor = false;
    bool tab_stop = false;
    bool usable = true;
    std::string text;
    Node* visible_page = nullptr;
};

struct Tree {
    std::deque<Node> nodes;
    NavTree nav;

    Tree() {
        nav.context = this;
        nav.parent = [](void*, NavWindow w) -> NavWindow { return ((Node*)w)->parent; };
        nav.is_subdlg = [](void*, NavWindow w) { return ((Node*)w)->subdlg; };
        nav.is_anchor = [](void*, NavWindow w) { return ((Node*)w)->anchor; };
        nav.visible_page = [](void*, NavWindow w) -> NavWindow { return ((Node*)w)->visible_page; };
        nav.anchor_of = [](void*, NavWindow page) -> NavWindow {
            for (Node* child : ((Node*)page)->children)
                if (child->anchor) return child;
            return nullptr;
        };
        // Like GetNextDlgTabItem: the dialog's own usable tab stops, wrapping.
        nav.next_tab_stop = [](void*, NavWindow dialog, NavWindow from, bool backwards) -> NavWindow {
            std::vector<Node*> stops;
            for (Node* child : ((Node*)dialog)->children)
                if (child->tab_stop && child->usable) stops.push_back(child);
            if (stops.empty()) return nullptr;
            int count = (int)stops.size();
            int at = -1;
            for (int i = 0; i < count; ++i)
                if (stops[i] == from) at = i;
            if (at < 0) return backwards ? stops[count - 1] : stops[0];
            return stops[(at + (backwards ? count - 1 : 1)) % count];
        };
        nav.first_child = [](void*, NavWindow w) -> NavWindow {
            Node* node = (Node*)w;
            return node->children.empty() ? nullptr : node->children[0];
        };
        nav.next_sibling = [](void*, NavWindow w) -> NavWindow {
            Node* node = (Node*)w;
            std::vector<Node*>& siblings = node->parent->children;
            for (size_t i = 0; i + 1 < siblings.size(); ++i)
                if (siblings[i] == node) return siblings[i + 1];
            return nullptr;
        };
        nav.usable = [](void*, NavWindow w) { return ((Node*)w)->usable; };
        nav.has_mnemonic = [](void*, NavWindow w, char upper) {
            return text_has_mnemonic(((Node*)w)->text.c_str(), upper);
        };
    }

    Node* add(Node* parent, const std::string& name, bool tab_stop, const std::string& text = "") {
        nodes.push_back(Node());
        Node* node = &nodes.back();
        node->name = name;
        node->parent = parent;
        node->tab_stop = tab_stop;
        node->text = text;
        if (parent) parent->children.push_back(node);
        return node;
    }
    Node* host(Node* parent, const std::string& name) {
        Node* node = add(parent, name, true);
        node->subdlg = true;
        return node;
    }
    Node* page(Node* host_node, const std::string& name) {
        Node* node = add(host_node, name, false);
        return node;
    }
    Node* anchor(Node* page_node) {
        Node* node = add(page_node, page_node->name + ".anchor", true);
        node->subdlg = true;
        node->anchor = true;
        return node;
    }
};

// The main window: a radio group, the page host with the Servers page and a
// hidden page, and a control after the host. The Servers page nests a host
// of its own with one visible page.
class Navigation : public ::testing::Test {
protected:
    Tree t;
    Node *main_window, *radio, *host, *servers, *local, *inner_host, *inner, *inner_button, *connect, *hidden, *zulu,
        *after;

    void SetUp() override {
        main_window = t.add(nullptr, "main", false);
        radio = t.add(main_window, "radio", true, "Servers");
        t.add(main_window, "radio2", false, "RAS Clients");
        host = t.host(main_window, "host");
        servers = t.page(host, "servers");
        local = t.add(servers, "local", true, "Local");
        inner_host = t.host(servers, "inner_host");
        inner = t.page(inner_host, "inner");
        inner_button = t.add(inner, "inner_button", true, "&Apply");
        t.anchor(inner);
        inner_host->visible_page = inner;
        connect = t.add(servers, "connect", true, "&Connect");
        t.anchor(servers);
        hidden = t.page(host, "hidden");
        zulu = t.add(hidden, "zulu", true, "&Zulu");
        t.anchor(hidden);
        host->visible_page = servers;
        after = t.add(main_window, "after", true, "&After");
    }
    Node* tab(Node* from, bool backwards = false) { return (Node*)nav_tab_target(t.nav, main_window, from, backwards); }
    Node* alt(char c) { return (Node*)nav_find_mnemonic(t.nav, main_window, c); }
};

TEST_F(Navigation, OwningDialogIsTheNearestPageOrTheTop) {
    EXPECT_EQ(nav_owning_dialog(t.nav, main_window, inner_button), inner);
    EXPECT_EQ(nav_owning_dialog(t.nav, main_window, inner_host), servers);
    EXPECT_EQ(nav_owning_dialog(t.nav, main_window, radio), main_window);
    EXPECT_EQ(nav_owning_dialog(t.nav, main_window, main_window), main_window);
}

TEST_F(Navigation, TabEntersTheVisiblePageAndLeavesAfterItsHost) {
    EXPECT_EQ(tab(radio), local);
    EXPECT_EQ(tab(local), inner_button);    // into the nested page
    EXPECT_EQ(tab(inner_button), connect);  // out of it, on in the Servers page
    EXPECT_EQ(tab(connect), after);         // out of the Servers page
    EXPECT_EQ(tab(after), radio);           // the main window wraps
}

TEST_F(Navigation, ShiftTabWalksTheSameWayBack) {
    EXPECT_EQ(tab(after, true), connect);
    EXPECT_EQ(tab(connect, true), inner_button);
    EXPECT_EQ(tab(inner_button, true), local);
    EXPECT_EQ(tab(local, true), radio);
}

TEST_F(Navigation, HostWithoutVisiblePageIsPassedOver) {
    host->visible_page = nullptr;
    EXPECT_EQ(tab(radio), after);
    EXPECT_EQ(tab(after, true), radio);
}

TEST_F(Navigation, PageWithNoTabStopOfItsOwnIsPassedOver) {
    Node* empty = t.page(host, "empty");
    t.anchor(empty);
    host->visible_page = empty;
    EXPECT_EQ(tab(radio), after);
}

TEST_F(Navigation, DisabledControlsAreSkipped) {
    connect->usable = false;
    EXPECT_EQ(tab(inner_button), after);
}

TEST_F(Navigation, LoopingTreeEndsWithoutTarget) {
    // Only the host, whose page has nothing: there is nowhere to go.
    Tree lonely;
    Node* top = lonely.add(nullptr, "top", false);
    Node* only_host = lonely.host(top, "host");
    Node* page = lonely.page(only_host, "page");
    lonely.anchor(page);
    only_host->visible_page = page;
    EXPECT_EQ(nav_tab_target(lonely.nav, top, only_host, false), nullptr);
}

TEST_F(Navigation, MnemonicsOnHiddenPagesAreNeverFound) {
    EXPECT_EQ(alt('z'), nullptr);
    host->visible_page = hidden;
    EXPECT_EQ(alt('z'), zulu);
    EXPECT_EQ(alt('c'), nullptr);  // the Servers page is hidden now
}

TEST_F(Navigation, MnemonicSearchFollowsZOrderWithPagesAtTheirHost) {
    after->text = "&Apply later";
    EXPECT_EQ(alt('a'), inner_button);  // the nested page comes before "after"
    inner_host->visible_page = nullptr;
    EXPECT_EQ(alt('a'), after);
    EXPECT_EQ(alt('C'), connect);
    connect->usable = false;
    EXPECT_EQ(alt('c'), nullptr);
}

TEST(Mnemonic, AmpersandRules) {
    EXPECT_TRUE(text_has_mnemonic("&Connect", 'C'));
    EXPECT_TRUE(text_has_mnemonic("Dis&connect", 'C'));
    EXPECT_FALSE(text_has_mnemonic("&&Connect", 'C'));
    EXPECT_TRUE(text_has_mnemonic("Save && &Close", 'C'));
    EXPECT_FALSE(text_has_mnemonic("Close&", 'C'));
    EXPECT_FALSE(text_has_mnemonic("Connect", 'C'));
}

TEST(SubdlgSlots, PagesCountFromOneUpTo255) {
    SubdlgSlots slots;
    subdlg_slots_init(&slots);
    std::vector<int> pages(256);
    EXPECT_EQ(subdlg_slots_page(&slots, 0), nullptr);
    EXPECT_EQ(subdlg_slots_add(&slots, nullptr), 0u);
    for (uint32_t i = 1; i <= 3; ++i) EXPECT_EQ(subdlg_slots_add(&slots, &pages[i]), i);
    EXPECT_EQ(subdlg_slots_page(&slots, 0), nullptr);
    EXPECT_EQ(subdlg_slots_page(&slots, 3), &pages[3]);
    EXPECT_EQ(subdlg_slots_page(&slots, 4), nullptr);
    EXPECT_EQ(subdlg_slots_current(&slots), nullptr);
    for (uint32_t i = 4; i <= 255; ++i) ASSERT_EQ(subdlg_slots_add(&slots, &pages[i % 256]), i);
    EXPECT_EQ(subdlg_slots_add(&slots, &pages[0]), 0u);
    EXPECT_EQ(slots.count, 256u);
}

}  // namespace
