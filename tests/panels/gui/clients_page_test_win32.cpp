// The RAS clients page driven through the console's own windows and loop,
// with keelsim in this process: selecting, editing, saving, resetting,
// adding, removing, the save prompt when switching clients and when leaving
// the panel, the two dialogs, help and the keyboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "panels/clients.h"
#include "panels/clients_ids.h"
#include "panels/dialog_ids.h"
#include "platform/resolver.h"
#include "resources/shell_ids.h"
#include "shell/main_window_win32.h"
#include "shell/subdlg_win32.h"
#include "tests/panels/clients_fixture.h"
#include "tests/shell/gui/console_fixture_win32.h"
#include "tests/support/dialog_driver_win32.h"

namespace {

const char FIXTURE[] =
    "option-mask 0x0F\nproduct Standard-Radius 0\nproduct Cisco-AS5300 2101\n"
    "object Client A\nproperty IPAddress hex \"0a000001\"\nproperty Product text \"Cisco-AS5300\"\n"
    "object Client B\nproperty IPAddress hex \"0a000002\"\nproperty Product text \"\"\n"
    "object Client C\nproperty IPAddress hex \"0a000003\"\nproperty Product text \"Standard-Radius\"\n";

class ClientsPage : public ConsoleTest {
protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        std::string fixture = FIXTURE;
        fixture += "object Client A\n" + secret_property("SharedSecret", "a-secret", 77);
        start_server(fixture.c_str());
        connect();
        show_clients();
    }
    void TearDown() override {
        ConsoleTest::TearDown();
        forget_dialog_action();
    }

    HWND clients() { return page(2); }
    HWND control(int id) { return GetDlgItem(clients(), id); }
    bool enabled(int id) { return IsWindowEnabled(control(id)) != FALSE; }
    void show_clients() { click(GetDlgItem(main, IDC_PANEL_RAS_CLIENTS)); }
    LRESULT list_selection() { return SendMessageA(control(IDC_CLIENT_LIST), LB_GETCURSEL, 0, 0); }
    // The next client, chosen with the arrow key as the administrator would.
    void next_client() {
        SetFocus(control(IDC_CLIENT_LIST));
        press_key(VK_DOWN);
    }
    void type_address(const char* text) { SetWindowTextA(control(IDC_CLIENT_ADDRESS), text); }
    std::string stored(const char* client, const char* property) {
        std::string value;
        return sim_get_property(server, CLIENT_CLASS, client, property, &value) ? value : "<missing>";
    }
};

TEST_F(ClientsPage, ShowingThePageListsTheClientsAndShowsTheFirst) {
    EXPECT_EQ(subdlg_current_index(panel_host()), 2u);
    EXPECT_EQ(SendMessageA(control(IDC_CLIENT_LIST), LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(list_selection(), 0);
    EXPECT_EQ(window_text(control(IDC_CLIENT_ADDRESS)), "10.0.0.1");
    EXPECT_EQ(window_text(control(IDC_CLIENT_PRODUCT)), "Cisco-AS5300");
    EXPECT_EQ(SendMessageA(control(IDC_CLIENT_PRODUCT), CB_GETCOUNT, 0, 0), 3);  // "<none>" and two products
    EXPECT_FALSE(enabled(IDC_CLIENT_SAVE));
    EXPECT_FALSE(enabled(IDC_CLIENT_RESET));
    EXPECT_FALSE(enabled(IDC_CLIENT_ACCT_SECRET));
    EXPECT_TRUE(prompt.asked.empty());

    // Help: F1 opens the panel's topic, Vendor Info the product's.
    SetFocus(control(IDC_CLIENT_LIST));
    press_key(VK_F1);
    pump();
    ASSERT_FALSE(g_help_calls.empty());
    EXPECT_EQ(g_help_calls.back().data, (ULONG_PTR)HELP_CONTEXT_RAS_CLIENTS);
    click(control(IDC_CLIENT_VENDOR_INFO));
    EXPECT_EQ(g_help_calls.back().file, "RasInfo.hlp");
    EXPECT_EQ(g_help_calls.back().command, (UINT)HELP_CONTEXT);
    EXPECT_EQ(g_help_calls.back().data, 2101u);
    next_client();  // B has no product: the file's contents
    click(control(IDC_CLIENT_VENDOR_INFO));
    EXPECT_EQ(g_help_calls.back().command, (UINT)HELP_FINDER);
}

TEST_F(ClientsPage, EditResetAndSave) {
    next_client();
    EXPECT_EQ(window_text(control(IDC_CLIENT_ADDRESS)), "10.0.0.2");
    EXPECT_EQ(window_text(control(IDC_CLIENT_PRODUCT)), "<none>");
    type_address("10.0.0.22");
    EXPECT_TRUE(enabled(IDC_CLIENT_SAVE));
    EXPECT_TRUE(enabled(IDC_CLIENT_RESET));

    // Reset brings back the stored values and, losing its own button, the
    // keyboard goes to the client list.
    SetFocus(control(IDC_CLIENT_RESET));
    click(control(IDC_CLIENT_RESET));
    EXPECT_EQ(window_text(control(IDC_CLIENT_ADDRESS)), "10.0.0.2");
    EXPECT_FALSE(enabled(IDC_CLIENT_RESET));
    EXPECT_EQ(GetFocus(), control(IDC_CLIENT_LIST));

    type_address("10.0.0.22");
    SendMessageA(control(IDC_CLIENT_PRODUCT), CB_SETCURSEL, 1, 0);  // "<none>", then the products
    SendMessageA(clients(), WM_COMMAND, MAKEWPARAM(IDC_CLIENT_PRODUCT, CBN_SELCHANGE),
                 (LPARAM)control(IDC_CLIENT_PRODUCT));
    click(control(IDC_CLIENT_ACCOUNTING));
    EXPECT_TRUE(enabled(IDC_CLIENT_ACCT_SECRET));
    click(control(IDC_CLIENT_SAVE));  // checked without an accounting secret
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text.compare(0, 36, "A valid accounting shared secret is "), 0);
    EXPECT_EQ(stored("B", "IPAddress"), std::string("\x0a\x00\x00\x02", 4));

    click(control(IDC_CLIENT_ACCOUNTING));
    click(control(IDC_CLIENT_SAVE));
    EXPECT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(stored("B", "IPAddress"), std::string("\x0a\x00\x00\x16", 4));
    EXPECT_EQ(stored("B", "Product"), std::string("Standard-Radius\0", 16));
    EXPECT_FALSE(enabled(IDC_CLIENT_SAVE));
}

TEST_F(ClientsPage, SavePromptWhenSwitchingClients) {
    type_address("10.0.0.11");
    prompt.answer(ANSWER_CANCEL);
    next_client();
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Save settings for client A?");
    EXPECT_EQ(list_selection(), 0);  // the old selection stays
    EXPECT_EQ(window_text(control(IDC_CLIENT_ADDRESS)), "10.0.0.11");

    prompt.answer(ANSWER_NO);
    next_client();
    EXPECT_EQ(list_selection(), 1);
    EXPECT_EQ(window_text(control(IDC_CLIENT_ADDRESS)), "10.0.0.2");
    EXPECT_EQ(stored("A", "IPAddress"), std::string("\x0a\x00\x00\x01", 4));

    type_address("10.0.0.12");
    prompt.answer(ANSWER_YES);
    next_client();
    EXPECT_EQ(list_selection(), 2);
    EXPECT_EQ(stored("B", "IPAddress"), std::string("\x0a\x00\x00\x0c", 4));
    EXPECT_EQ(prompt.asked.size(), 3u);
}

TEST_F(ClientsPage, SavePromptWhenLeavingThePanel) {
    HWND servers_button = GetDlgItem(main, IDC_PANEL_SERVERS);
    type_address("10.0.0.31");
    prompt.answer(ANSWER_CANCEL);
    click(servers_button);
    EXPECT_EQ(subdlg_current_index(panel_host()), 2u);
    EXPECT_EQ(IsDlgButtonChecked(main, IDC_PANEL_RAS_CLIENTS), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(main, IDC_PANEL_SERVERS), BST_UNCHECKED);

    prompt.answer(ANSWER_NO);
    click(servers_button);
    EXPECT_EQ(subdlg_current_index(panel_host()), 1u);
    EXPECT_EQ(stored("A", "IPAddress"), std::string("\x0a\x00\x00\x01", 4));

    show_clients();
    EXPECT_EQ(window_text(control(IDC_CLIENT_ADDRESS)), "10.0.0.1");  // what No put back
    type_address("10.0.0.31");
    prompt.answer(ANSWER_YES);
    click(servers_button);
    EXPECT_EQ(subdlg_current_index(panel_host()), 1u);
    EXPECT_EQ(stored("A", "IPAddress"), std::string("\x0a\x00\x00\x1f", 4));
    EXPECT_EQ(prompt.asked.size(), 3u);
}

TEST_F(ClientsPage, AddNewRasClient) {
    bool ok_at_start = true, ok_after_typing = false, field_after_any = true, ok_after_any = false;
    std::string any_text;
    when_dialog_opens([&](HWND dialog) {
        HWND ok = GetDlgItem(dialog, IDOK), field = GetDlgItem(dialog, IDC_ADD_NAME);
        ok_at_start = IsWindowEnabled(ok) != FALSE;
        SendMessageA(GetDlgItem(dialog, IDC_ADD_ANY), BM_CLICK, 0, 0);
        any_text = window_text(field);
        field_after_any = IsWindowEnabled(field) != FALSE;
        ok_after_any = IsWindowEnabled(ok) != FALSE;
        SendMessageA(GetDlgItem(dialog, IDC_ADD_ANY), BM_CLICK, 0, 0);  // unchecked: empty again
        SetWindowTextA(field, "nas9");
        ok_after_typing = IsWindowEnabled(ok) != FALSE;
        SendMessageA(ok, BM_CLICK, 0, 0);
    });
    click(control(IDC_CLIENT_ADD));
    EXPECT_FALSE(ok_at_start);
    EXPECT_EQ(any_text, "<ANY>");
    EXPECT_FALSE(field_after_any);
    EXPECT_TRUE(ok_after_any);
    EXPECT_TRUE(ok_after_typing);
    EXPECT_TRUE(sim_object_exists(server, CLIENT_CLASS, "NAS9"));
    EXPECT_EQ(SendMessageA(control(IDC_CLIENT_LIST), LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(list_selection(), 3);
    EXPECT_EQ(window_text(control(IDC_CLIENT_PRODUCT)), "Standard-Radius");
    EXPECT_TRUE(enabled(IDC_CLIENT_ADDRESS));
    EXPECT_FALSE(enabled(IDC_CLIENT_SAVE));

    // Cancel adds nothing.
    when_dialog_opens([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    click(control(IDC_CLIENT_ADD));
    EXPECT_EQ(SendMessageA(control(IDC_CLIENT_LIST), LB_GETCOUNT, 0, 0), 4);
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(ClientsPage, RemoveTheLastClientChoosesTheFirst) {
    next_client();
    next_client();
    prompt.answer(ANSWER_YES);
    click(control(IDC_CLIENT_REMOVE));
    EXPECT_EQ(prompt.asked.at(0).text, "Are you sure that you want delete client C ?");
    EXPECT_FALSE(sim_object_exists(server, CLIENT_CLASS, "C"));
    EXPECT_EQ(SendMessageA(control(IDC_CLIENT_LIST), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(list_selection(), 0);
    EXPECT_EQ(window_text(control(IDC_CLIENT_ADDRESS)), "10.0.0.1");
}

TEST_F(ClientsPage, SharedSecretDialogShowsSetsAndValidates) {
    std::string shown, unmasked;
    bool plain_visible = false, masked_hidden = false;
    when_dialog_opens([&](HWND dialog) {
        shown = window_text(GetDlgItem(dialog, IDC_SECRET_MASKED));  // the server allows it (0x04)
        SendMessageA(GetDlgItem(dialog, IDC_SECRET_UNMASK), BM_CLICK, 0, 0);
        unmasked = window_text(GetDlgItem(dialog, IDC_SECRET_PLAIN));
        plain_visible = IsWindowVisible(GetDlgItem(dialog, IDC_SECRET_PLAIN)) != FALSE;
        masked_hidden = !IsWindowVisible(GetDlgItem(dialog, IDC_SECRET_MASKED));
        SetWindowTextA(GetDlgItem(dialog, IDC_SECRET_PLAIN), "b-new-secret");
        SendMessageA(GetDlgItem(dialog, IDC_SECRET_SET), BM_CLICK, 0, 0);
    });
    click(control(IDC_CLIENT_SECRET));
    EXPECT_EQ(shown, "a-secret");
    EXPECT_EQ(unmasked, "a-secret");
    EXPECT_TRUE(plain_visible);
    EXPECT_TRUE(masked_hidden);
    EXPECT_TRUE(enabled(IDC_CLIENT_SAVE));
    click(control(IDC_CLIENT_SAVE));
    std::string stored_secret = stored("A", "SharedSecret");
    ASSERT_EQ(stored_secret.size(), SCRAMBLED_SECRET_SIZE);
    ScrambledSecret secret;
    memcpy(secret.bytes, stored_secret.data(), SCRAMBLED_SECRET_SIZE);
    EXPECT_TRUE(secret_matches(secret, "b-new-secret"));

    // Validate says what it found and changes nothing.
    when_dialog_opens([](HWND dialog) {
        SetWindowTextA(GetDlgItem(dialog, IDC_SECRET_MASKED), "wrong");
        SendMessageA(GetDlgItem(dialog, IDC_SECRET_VALIDATE), BM_CLICK, 0, 0);
    });
    click(control(IDC_CLIENT_SECRET));
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Incorrect shared secret specified");
    EXPECT_EQ(prompt.asked[0].title, "Validation Result");
    EXPECT_FALSE(enabled(IDC_CLIENT_SAVE));

    // No accounting secret yet: nothing to validate.
    bool validate_enabled = true;
    when_dialog_opens([&](HWND dialog) {
        validate_enabled = IsWindowEnabled(GetDlgItem(dialog, IDC_SECRET_VALIDATE)) != FALSE;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    click(control(IDC_CLIENT_ACCOUNTING));
    click(control(IDC_CLIENT_ACCT_SECRET));
    EXPECT_FALSE(validate_enabled);
}

TEST_F(ClientsPage, ClientsAddedElsewhereAppearAfterTheConnectionIsReset) {
    ASSERT_EQ(sim_apply(server, "object Client D\nproperty Product text \"\""), 0);
    click(GetDlgItem(main, IDC_PANEL_SERVERS));
    show_clients();  // shown again: what it loaded is kept
    EXPECT_EQ(SendMessageA(control(IDC_CLIENT_LIST), LB_GETCOUNT, 0, 0), 3);
    click(GetDlgItem(main, IDC_PANEL_SERVERS));
    disconnect();
    connect();
    show_clients();
    EXPECT_EQ(SendMessageA(control(IDC_CLIENT_LIST), LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(list_selection(), 0);
}

bool no_host(const char*, uint8_t*) { return false; }

TEST_F(ClientsPage, MnemonicsReachTheControlsAndAHostNameIsResolvedOnEnter) {
    set_host_resolver(no_host);
    SetFocus(control(IDC_CLIENT_LIST));
    press_alt('i');
    EXPECT_EQ(GetFocus(), control(IDC_CLIENT_ADDRESS));
    press_alt('m');
    EXPECT_EQ(GetFocus(), control(IDC_CLIENT_PRODUCT));
    press_alt('c');
    EXPECT_EQ(GetFocus(), control(IDC_CLIENT_LIST));

    // Enter in the field looks the name up; a name nobody knows stays selected.
    SetFocus(control(IDC_CLIENT_ADDRESS));
    type_address("no-such-host.invalid");
    press_key(VK_RETURN);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Unable to resolve host name no-such-host.invalid");
    DWORD start = 1, end = 0;
    SendMessageA(control(IDC_CLIENT_ADDRESS), EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 20u);
    EXPECT_EQ(GetFocus(), control(IDC_CLIENT_ADDRESS));
    set_host_resolver(nullptr);
}

}  // namespace
