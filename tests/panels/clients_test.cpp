// Browsing, adding and removing clients, and the save prompt, against
// keelsim. (Saving and its failures are in clients_save_test.cpp.)
#include <string.h>

#include "api/db.h"
#include "resources/strings.h"
#include "tests/panels/clients_fixture.h"

namespace {

std::string secret_text(ClientSecretKind kind) {
    char text[SECRET_TEXT_SIZE];
    secret_unscramble(clients_secret(kind), text);
    return text;
}

std::string product_shown() {
    const ClientsPanel& p = clients_panel();
    return p.product_choice < 0 ? "-" : clients_product_entry((uint32_t)p.product_choice);
}

struct DemoClient {
    const char* name;
    const char* address;
    const char* secret;
    const char* acct_secret;
    const char* product;
};

TEST_F(ClientsTest, DemoClientsShowTheirAddressesProductsAndSecrets) {
    open(nullptr);
    const ClientsPanel& p = clients_panel();
    ASSERT_EQ(p.names.count, 12u);
    // "<ANY>" sorts first and is shown at once, without an address field.
    EXPECT_EQ(p.selected, 0);
    EXPECT_STREQ(p.current.name, "<ANY>");
    EXPECT_FALSE(clients_controls().address_enabled);
    EXPECT_TRUE(clients_controls().secret_enabled);
    EXPECT_EQ(clients_product_entries(), 9u);  // "<none>" and the eight products

    // Most clients have no accounting secret and "<ANY>" no address: a
    // property the object lacks reads as not set, not as a failed load.
    const DemoClient demo[] = {
        {"<ANY>", "", "any-client-default", "", "Standard-Radius"},
        {"HQ-NAS1", "192.0.2.10", "r1verside-hq1", "acct-hq1-7731", "Cisco-AS5300"},
        {"HQ-NAS2", "192.0.2.11", "r1verside-hq2", "", "Cisco-AS5300"},
        {"VPN-GW1", "192.0.2.20", "vpn-gw1-SeCreT", "vpn-acct-2291", "Microsoft-RRAS"},
        {"POP-SOUTH1", "198.51.100.40", "s0uth!pop", "s0uth-acct", "Livingston-PM3"},
        {"LAB-NAS", "10.10.0.5", "labtest", "", "Standard-Radius"},
        {"WIFI-CTRL", "10.10.0.40", "wl4n-ctrl-2024", "", "<none>"},
    };
    for (const DemoClient& client : demo) {
        SCOPED_TRACE(client.name);
        choose(client.name);
        EXPECT_STREQ(p.current.name, client.name);
        EXPECT_TRUE(p.loaded);
        EXPECT_FALSE(p.modified);
        EXPECT_STREQ(p.address.text, client.address);
        EXPECT_EQ(secret_text(CLIENT_AUTH_SECRET), client.secret);
        EXPECT_EQ(secret_text(CLIENT_ACCT_SECRET), client.acct_secret);
        EXPECT_EQ(p.accounting_checked, *client.acct_secret != 0);
        EXPECT_EQ(clients_controls().acct_secret_enabled, *client.acct_secret != 0);
        EXPECT_EQ(product_shown(), client.product);
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(ClientsTest, AStoredProductTheListLacksIsReportedAndDropped) {
    open(
        "product Standard-Radius 0\nproduct Cisco-AS5300 2101\n"
        "object Client OLD\nproperty Product text \"Gone-Model\"\n");
    const ClientsPanel& p = clients_panel();
    EXPECT_EQ(messages(), std::vector<std::string>{"Invalid product name Gone-Model stored in client record"});
    EXPECT_EQ(prompt.asked[0].title, "ERROR");
    EXPECT_STREQ(p.current.product, "");
    EXPECT_EQ(product_shown(), "<none>");
    EXPECT_TRUE(p.modified);
    EXPECT_TRUE(clients_controls().save_enabled);
    EXPECT_EQ(clients_vendor_context(), 0u);  // no entry: the help file's contents
    clients_choose_product(2);
    EXPECT_EQ(clients_vendor_context(), 2101u);
}

TEST_F(ClientsTest, WithoutAProductListTheStoredProductIsKept) {
    open(nullptr);
    clients_reset();
    ASSERT_EQ(sim_add_fault(server, "8:2:1:fail=3"), 0);
    clients_activate();
    EXPECT_EQ(messages(), std::vector<std::string>{"Failed to obtain product list from server"});
    EXPECT_EQ(clients_product_entries(), 0u);
    choose("HQ-NAS2");
    // Nothing to check against: no "invalid product", nothing modified,
    // and a save writes the product back as it was.
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_FALSE(clients_panel().modified);
    EXPECT_FALSE(clients_controls().product_enabled);
    clients_edit_address("192.0.2.111");
    ASSERT_TRUE(clients_save());
    EXPECT_EQ(stored("HQ-NAS2", "Product"), std::string("Cisco-AS5300\0", 13));
}

const char PRODUCTS_AND_B[] =
    "product Acme-1 0\nproduct Standard-Radius-2 0\nobject Client B\nproperty Product text \"Acme-1\"\n";

TEST_F(ClientsTest, AddedNamesAreUpperCaseOemAndNeverAddedTwice) {
    open(PRODUCTS_AND_B);
    const ClientsPanel& p = clients_panel();
    ASSERT_TRUE(clients_begin_add());
    clients_add("nas1");
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(sim_object_exists(server, CLIENT_CLASS, "NAS1"));
    // The default product: the first whose name begins with Standard-Radius.
    EXPECT_EQ(stored("NAS1", "Product"), std::string("Standard-Radius-2\0", 18));
    EXPECT_STREQ(p.current.name, "NAS1");
    EXPECT_EQ(p.selected, 1);  // sorted after B
    EXPECT_TRUE(p.loaded);
    EXPECT_FALSE(p.modified);
    EXPECT_EQ(product_shown(), "Standard-Radius-2");

    choose("B");
    uint32_t creates = sim_request_count(server, 1, 5);
    clients_add("Nas1");
    EXPECT_EQ(messages(), std::vector<std::string>{"Client NAS1 already exists"});
    EXPECT_EQ(prompt.asked[0].title, "ERROR");
    EXPECT_EQ(sim_request_count(server, 1, 5), creates);
    EXPECT_STREQ(p.current.name, "NAS1");  // the existing client is chosen

    clients_add("caf\xe9");
    EXPECT_TRUE(sim_object_exists(server, CLIENT_CLASS, "CAF\x90"));
    char shown[CLIENT_NAME_SIZE];
    clients_list_name((uint32_t)p.selected, shown, sizeof shown);
    EXPECT_STREQ(shown, "CAF\xc9");
}

TEST_F(ClientsTest, TheAnyClientIsSavedWithoutAnAddress) {
    open(PRODUCTS_AND_B);
    clients_add("<any>");
    const ClientsPanel& p = clients_panel();
    ASSERT_STREQ(p.current.name, "<ANY>");
    EXPECT_FALSE(clients_controls().address_enabled);
    clients_edit_address("10.0.0.1");  // a disabled field cannot be typed into
    EXPECT_STREQ(p.address.text, "");
    ScrambledSecret secret = {};
    secret_set(&secret, "any-secret");
    clients_store_secret(CLIENT_AUTH_SECRET, secret);
    ASSERT_TRUE(clients_save());
    EXPECT_EQ(stored("<ANY>", "IPAddress"), "<missing>");
    EXPECT_EQ(stored("<ANY>", "SharedSecret"), std::string((const char*)secret.bytes, SCRAMBLED_SECRET_SIZE));
}

TEST_F(ClientsTest, AFailedAddLeavesTheListAndTheShownClientAsTheyWere) {
    for (const char* fault : {"1:5:1:fail=3", "1:1:1:fail=3"}) {  // create, then setting the product
        SCOPED_TRACE(fault);
        open(PRODUCTS_AND_B);
        ASSERT_EQ(sim_add_fault(server, fault), 0);
        clients_add("nas2");
        EXPECT_EQ(messages(), std::vector<std::string>{"Error while saving settings.\n(0003: i/o error)"});
        EXPECT_FALSE(sim_object_exists(server, CLIENT_CLASS, "NAS2"));
        const ClientsPanel& p = clients_panel();
        EXPECT_EQ(p.names.count, 1u);
        EXPECT_STREQ(p.current.name, "B");
        EXPECT_TRUE(p.loaded);
        EXPECT_EQ(product_shown(), "Acme-1");
        prompt.asked.clear();
        close();
    }
}

const char THREE_CLIENTS[] =
    "object Client A\nproperty IPAddress hex \"0a000001\"\nproperty Product text \"\"\n"
    "object Client B\nproperty IPAddress hex \"0a000002\"\nproperty Product text \"\"\n"
    "object Client C\nproperty IPAddress hex \"0a000003\"\nproperty Product text \"\"\n";

TEST_F(ClientsTest, RemoveAsksThenChoosesTheNextOrTheFirst) {
    open(THREE_CLIENTS);
    const ClientsPanel& p = clients_panel();
    choose("B");
    prompt.answer(ANSWER_NO);
    clients_remove();
    EXPECT_EQ(messages(), std::vector<std::string>{"Are you sure that you want delete client B ?"});
    EXPECT_EQ(prompt.asked[0].title, "WARNING");
    EXPECT_EQ(prompt.asked[0].buttons, PROMPT_YES_NO);
    EXPECT_TRUE(sim_object_exists(server, CLIENT_CLASS, "B"));

    prompt.answer(ANSWER_YES);
    clients_remove();
    EXPECT_FALSE(sim_object_exists(server, CLIENT_CLASS, "B"));
    EXPECT_STREQ(p.current.name, "C");  // the entry now at the old place
    EXPECT_STREQ(p.address.text, "10.0.0.3");

    prompt.answer(ANSWER_YES);
    clients_remove();  // the last one: back to the first
    EXPECT_EQ(p.selected, 0);
    EXPECT_STREQ(p.current.name, "A");
    EXPECT_STREQ(p.address.text, "10.0.0.1");

    prompt.answer(ANSWER_YES);
    clients_remove();
    EXPECT_EQ(p.selected, -1);
    ClientsControls none = clients_controls();
    EXPECT_FALSE(none.address_enabled || none.product_enabled || none.vendor_enabled || none.secret_enabled ||
                 none.accounting_enabled || none.acct_secret_enabled || none.remove_enabled || none.save_enabled);
}

TEST_F(ClientsTest, AFailedRemoveKeepsTheClientAndItsEntry) {
    open(THREE_CLIENTS);
    choose("B");
    ASSERT_EQ(sim_add_fault(server, "1:6:1:fail=3"), 0);
    prompt.answer(ANSWER_YES);
    clients_remove();
    const ClientsPanel& p = clients_panel();
    EXPECT_EQ(messages().back(), "Error while saving settings.\n(0003: i/o error)");
    EXPECT_TRUE(sim_object_exists(server, CLIENT_CLASS, "B"));
    EXPECT_EQ(p.names.count, 3u);
    // Cleared and read-only until chosen again, which reads it again.
    EXPECT_STREQ(p.address.text, "");
    EXPECT_FALSE(clients_controls().address_enabled);
    choose("B");
    EXPECT_STREQ(p.address.text, "10.0.0.2");
    EXPECT_TRUE(clients_controls().address_enabled);
}

TEST_F(ClientsTest, AFailedLoadClearsTheFieldsAndKeepsThemReadOnly) {
    open(THREE_CLIENTS);
    ASSERT_EQ(sim_add_fault(server, "1:4:1:fail=3"), 0);
    choose("C");
    const ClientsPanel& p = clients_panel();
    EXPECT_EQ(messages(), std::vector<std::string>{"Error while loading settings.\n(0003: i/o error)"});
    EXPECT_EQ(prompt.asked[0].title, "KEELADMIN Error");
    EXPECT_STREQ(p.current.name, "C");
    EXPECT_STREQ(p.address.text, "");
    EXPECT_FALSE(p.loaded);
    EXPECT_FALSE(clients_controls().address_enabled);
    EXPECT_TRUE(clients_controls().remove_enabled);
    clients_edit_address("10.9.9.9");  // nothing to edit: saving it would wipe C
    EXPECT_FALSE(p.modified);
}

// The three answers through the real page are in gui/clients_page_test.cpp;
// here the text of the question, and a failed save counting as Cancel.
TEST_F(ClientsTest, AFailedSaveInThePromptCountsAsCancel) {
    open(THREE_CLIENTS);
    const ClientsPanel& p = clients_panel();
    EXPECT_TRUE(clients_may_leave());  // nothing changed: no question
    EXPECT_TRUE(prompt.asked.empty());
    clients_edit_address("10.0.0.10");
    ASSERT_EQ(sim_add_fault(server, "1:9:1:fail=3"), 0);
    prompt.answer(ANSWER_YES);
    choose("B");
    EXPECT_EQ(messages(), (std::vector<std::string>{"Save settings for client A?",
                                                    "Error while saving settings.\n(0003: i/o error)"}));
    EXPECT_EQ(prompt.asked[0].title, "Keelgate Access Control Administrator");
    EXPECT_EQ(prompt.asked[0].buttons, PROMPT_YES_NO_CANCEL);
    EXPECT_STREQ(p.current.name, "A");
    EXPECT_EQ(p.selected, 0);
    EXPECT_EQ(stored("A", "IPAddress"), std::string("\x0a\x00\x00\x01", 4));
    // Cleared, so nothing is left to ask about: the page may be left.
    EXPECT_TRUE(clients_may_leave());
    EXPECT_EQ(prompt.asked.size(), 2u);
}

}  // namespace
