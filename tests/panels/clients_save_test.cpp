// Saving a client against keelsim: the address and accounting rules, the
// secrets as stored, and a failure at each step of the save sequence
// leaving the stored client exactly as it was.
#include <string.h>

#include "panels/secret_edit.h"
#include "tests/panels/clients_fixture.h"
#include "tests/support/fake_resolver.h"

namespace {

std::string client_x() {
    return "product Standard-Radius 0\nproduct Cisco-AS5300 2101\nobject Client X\n" +
           secret_property("SharedSecret", "x-secret", 0x1234) + secret_property("AcctSharedSecret", "x-acct", 0x5678) +
           "property Product text \"Cisco-AS5300\"\nproperty IPAddress hex \"c0000201\"\n";
}

class ClientsSave : public ClientsTest {
protected:
    FakeResolver resolver;
    void SetUp() override { resolver.add("keelsrv01", 192, 0, 2, 7); }
};

TEST_F(ClientsSave, AnAddressMustBeADottedQuadOnceTheLookupFails) {
    open(client_x().c_str());
    std::string before = stored_client("X");
    for (const char* typed : {"10.1.2", "10.1.2.256"}) {
        SCOPED_TRACE(typed);
        prompt.asked.clear();
        clients_edit_address(typed);
        uint32_t before_requests = requests();
        EXPECT_FALSE(clients_save());
        EXPECT_EQ(messages(), (std::vector<std::string>{std::string("Unable to resolve host name ") + typed,
                                                        "Invalid IP address specified"}));
        EXPECT_EQ(prompt.asked[1].title, "ERROR");
        EXPECT_EQ(prompt.asked[1].icon, PROMPT_ICON_STOP);
        EXPECT_EQ(requests(), before_requests);  // nothing sent, nothing written
        EXPECT_TRUE(clients_panel().modified);
    }
    EXPECT_EQ(stored_client("X"), before);

    // A host name becomes its address; leaving the field again looks nothing up.
    clients_edit_address("keelsrv01");
    EXPECT_TRUE(clients_resolve_address());
    EXPECT_TRUE(clients_resolve_address());
    EXPECT_EQ(resolver.lookups, 3);
    EXPECT_STREQ(clients_panel().address.text, "192.0.2.7");
    ASSERT_TRUE(clients_save());
    EXPECT_EQ(stored("X", "IPAddress"), std::string("\xc0\x00\x02\x07", 4));

    // An empty field is no address at all.
    clients_edit_address("");
    ASSERT_TRUE(clients_save());
    EXPECT_EQ(stored("X", "IPAddress"), "<missing>");
    EXPECT_EQ(resolver.lookups, 3);
}

TEST_F(ClientsSave, AHostNameThatFailedOnLeavingTheFieldIsLookedUpAgainBySave) {
    open(client_x().c_str());
    clients_edit_address("laterhost");
    EXPECT_FALSE(clients_resolve_address());  // not known yet
    EXPECT_TRUE(clients_take_address_rejected());
    resolver.add("laterhost", 10, 9, 8, 7);
    prompt.asked.clear();
    ASSERT_TRUE(clients_save());
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_STREQ(clients_panel().address.text, "10.9.8.7");
    EXPECT_EQ(stored("X", "IPAddress"), std::string("\x0a\x09\x08\x07", 4));
}

TEST_F(ClientsSave, TheAccountingBoxAndItsSecret) {
    open(client_x().c_str());
    std::string secret_bytes = stored("X", "SharedSecret");
    // Unchecking clears the accounting secret at once; the save drops it.
    clients_check_accounting(false);
    EXPECT_FALSE(secret_is_set(clients_secret(CLIENT_ACCT_SECRET)));
    EXPECT_FALSE(clients_controls().acct_secret_enabled);
    EXPECT_TRUE(clients_controls().save_enabled);
    ASSERT_TRUE(clients_save());
    EXPECT_EQ(stored("X", "AcctSharedSecret"), "<missing>");
    EXPECT_EQ(stored("X", "SharedSecret"), secret_bytes);

    // Checked without a secret: refused before anything is sent.
    std::string before = stored_client("X");
    clients_check_accounting(true);
    EXPECT_TRUE(clients_controls().acct_secret_enabled);
    uint32_t before_requests = requests();
    EXPECT_FALSE(clients_save());
    EXPECT_EQ(messages(), std::vector<std::string>{"A valid accounting shared secret is required when the 'Use a "
                                                   "different shared secret for accounting' is checked."});
    EXPECT_EQ(requests(), before_requests);
    EXPECT_EQ(stored_client("X"), before);
}

TEST_F(ClientsSave, SecretsAreStoredScrambledAndValidate) {
    open(client_x().c_str());
    const char* longest = "0123456789abcdefghijklmnopqrstu";
    ScrambledSecret secret = clients_secret(CLIENT_AUTH_SECRET);
    secret_set(&secret, longest);
    clients_store_secret(CLIENT_AUTH_SECRET, secret);
    ScrambledSecret again = secret;
    secret_set(&again, longest);
    clients_store_secret(CLIENT_ACCT_SECRET, again);
    ASSERT_TRUE(clients_save());
    std::string first = stored("X", "SharedSecret"), second = stored("X", "AcctSharedSecret");
    ASSERT_EQ(first.size(), SCRAMBLED_SECRET_SIZE);
    EXPECT_NE(first, second);  // same text, other seed

    clients_reset();
    clients_activate();  // read back from the server
    EXPECT_TRUE(validate_secret(nullptr, clients_secret(CLIENT_AUTH_SECRET), longest));
    EXPECT_TRUE(validate_secret(nullptr, clients_secret(CLIENT_ACCT_SECRET), longest));
    EXPECT_FALSE(validate_secret(nullptr, clients_secret(CLIENT_AUTH_SECRET), "x-secret"));
    ASSERT_EQ(prompt.asked.size(), 3u);
    EXPECT_EQ(prompt.asked[0].title, "Validation Result");
    EXPECT_EQ(prompt.asked[0].text, "Correct shared secret specified");
    EXPECT_EQ(prompt.asked[0].icon, PROMPT_ICON_INFORMATION);
    EXPECT_EQ(prompt.asked[2].text, "Incorrect shared secret specified");
    EXPECT_EQ(prompt.asked[2].icon, PROMPT_ICON_STOP);
    EXPECT_FALSE(clients_panel().modified);  // validating changes nothing
}

struct SaveFault {
    const char* step;
    const char* fault;
};

TEST_F(ClientsSave, AFailureAtAnyStepLeavesTheStoredClientExactly) {
    const SaveFault faults[] = {
        {"lock", "10:1:1:fail=107"},
        {"create the temporary object", "1:5:1:fail=3"},
        {"SharedSecret", "1:3:1:fail=3"},
        {"AcctSharedSecret", "1:3:2:fail=3"},
        {"Product", "1:1:1:fail=3"},
        {"IPAddress", "1:3:3:fail=3"},
        {"rename", "1:9:1:fail=3"},
        {"connection lost at the first property", "1:3:1:drop"},
        {"connection lost at the rename", "1:9:1:drop"},
    };
    for (const SaveFault& f : faults) {
        SCOPED_TRACE(f.step);
        open(client_x().c_str());
        std::string before = stored_client("X");
        clients_edit_address("10.20.30.40");
        ScrambledSecret secret = clients_secret(CLIENT_AUTH_SECRET);
        secret_set(&secret, "new-secret");
        clients_store_secret(CLIENT_AUTH_SECRET, secret);
        ASSERT_EQ(sim_add_fault(server, f.fault), 0);

        EXPECT_FALSE(clients_save());
        EXPECT_EQ(stored_client("X"), before);
        const ClientsPanel& p = clients_panel();
        ASSERT_FALSE(prompt.asked.empty());
        EXPECT_EQ(prompt.asked.back().text.compare(0, 30, "Error while saving settings.\n("), 0);
        EXPECT_EQ(prompt.asked.back().title, "KEELADMIN Error");
        // The record is cleared, and can be neither saved nor edited.
        EXPECT_STREQ(p.current.name, "X");
        EXPECT_STREQ(p.address.text, "");
        EXPECT_FALSE(secret_is_set(p.current.secret) || secret_is_set(p.current.acct_secret));
        EXPECT_STREQ(p.current.product, "");
        EXPECT_FALSE(p.modified);
        EXPECT_FALSE(clients_controls().secret_enabled);
        prompt.asked.clear();
        close();
    }
}

TEST_F(ClientsSave, ALeftoverTemporaryObjectThatCannotBeDeletedDoesNotStopTheSave) {
    open(client_x().c_str());
    ASSERT_EQ(sim_add_fault(server, "1:6:1:fail=3"), 0);
    clients_edit_address("10.20.30.40");
    EXPECT_TRUE(clients_save());
    EXPECT_EQ(stored("X", "IPAddress"), std::string("\x0a\x14\x1e\x28", 4));
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_FALSE(clients_panel().modified);
}

}  // namespace
