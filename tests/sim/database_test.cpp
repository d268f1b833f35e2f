// Service 1 against a running server, through the real transport.
#include <set>

#include "sim_test_support.h"

namespace {

const char CLASS[] = "Client";

class DatabaseTest : public SimServerTest {
protected:
    Client client;

    void SetUp() override {
        start(
            "object \"Client\" \"ALPHA\"\n"
            "property \"Secret\" text \"s3cret\"\n"
            "property \"Blob\" hex \"00 01 fe ff\"\n"
            "object \"Client\" \"BETA\"\n");
        ASSERT_TRUE(client.open());
    }

    Reply get(const std::string& object, const std::string& property, uint16_t capacity) {
        RequestBuilder request(1, 4);
        request.text(2, CLASS).text(3, object).text(4, property).u16(7, capacity);
        return client.call(request);
    }

    Reply exists(const std::string& object, const char* property = nullptr) {
        RequestBuilder request(1, 7);
        request.text(2, CLASS).text(3, object);
        if (property) request.text(4, property);
        return client.call(request);
    }

    uint16_t simple(uint16_t function, const std::string& object, const char* value = nullptr) {
        RequestBuilder request(1, function);
        request.text(2, CLASS).text(3, object);
        if (value) request.text(5, value);
        return client.call(request).status;
    }

    // Every object name of the class, fetched in batches of `capacity`.
    std::vector<std::string> list_all(const std::string& cls, uint16_t capacity, int* batches) {
        std::vector<std::string> names;
        std::string after;
        bool more = true;
        *batches = 0;
        while (more && *batches < 1000) {
            RequestBuilder request(1, 8);
            request.text(2, cls);
            if (*batches > 0) request.text(5, after);
            request.u16(7, capacity);
            Reply reply = client.call(request);
            ++*batches;
            EXPECT_EQ(0, reply.status);
            std::string block = reply.find(5) ? reply.find(5)->value : std::string();
            EXPECT_LE(block.size(), capacity);
            EXPECT_EQ(block.size(), reply.u16(6));
            if (!block.empty()) { EXPECT_EQ('\0', block.back()) << "block ends with the final NUL"; }
            std::vector<std::string> batch = split_names(block);
            more = reply.u16(8) == 1;
            if (batch.empty()) break;
            names.insert(names.end(), batch.begin(), batch.end());
            after = batch.back();
        }
        return names;
    }
};

TEST_F(DatabaseTest, AnswerHeaderEchoesServiceAndFunction) {
    Reply reply = get("ALPHA", "Secret", 100);
    EXPECT_EQ(0, reply.status);
    EXPECT_EQ(1, reply.service);
    EXPECT_EQ(4, reply.function);
    EXPECT_TRUE(reply.terminated);
    EXPECT_EQ(nullptr, reply.find(1)) << "status travels in the header only";
}

TEST_F(DatabaseTest, GetCutsToCapacityAndReportsLengthOfWhatWasSent) {
    Reply whole = get("ALPHA", "Secret", 100);
    EXPECT_EQ(std::string("s3cret\0", 7), whole.find(5)->value);
    EXPECT_EQ(7, whole.u16(6));

    Reply cut = get("ALPHA", "Secret", 3);
    EXPECT_EQ(0, cut.status);
    EXPECT_EQ("s3c", cut.find(5)->value);
    EXPECT_EQ(3, cut.u16(6));

    Reply binary = get("ALPHA", "Blob", 100);
    EXPECT_EQ(std::string("\x00\x01\xfe\xff", 4), binary.find(5)->value);
}

TEST_F(DatabaseTest, MissingObjectOrPropertyIsNotFound) {
    EXPECT_EQ(7, get("GAMMA", "Secret", 100).status);
    EXPECT_EQ(7, get("ALPHA", "Nothing", 100).status);
    RequestBuilder other_class(1, 4);
    other_class.text(2, "Proxy").text(3, "ALPHA").text(4, "Secret").u16(7, 100);
    EXPECT_EQ(7, client.call(other_class).status);
}

TEST_F(DatabaseTest, ExistsAnswersFlagWithStatusZero) {
    EXPECT_EQ(1, exists("ALPHA").u16(8));
    EXPECT_EQ(1, exists("ALPHA", "Blob").u16(8));
    Reply missing_property = exists("ALPHA", "Nothing");
    EXPECT_EQ(0, missing_property.status);
    EXPECT_EQ(0, missing_property.u16(8));
    Reply missing_object = exists("GAMMA");
    EXPECT_EQ(0, missing_object.status);
    EXPECT_EQ(0, missing_object.u16(8));
}

TEST_F(DatabaseTest, SetChecksLengthAndNeedsTheObject) {
    RequestBuilder set(1, 3);
    set.text(2, CLASS).text(3, "BETA").text(4, "Raw").bytes(5, std::string("a\0b", 3)).u16(6, 3);
    EXPECT_EQ(0, client.call(set).status);
    std::string value;
    ASSERT_TRUE(sim_get_property(server, CLASS, "BETA", "Raw", &value));
    EXPECT_EQ(std::string("a\0b", 3), value);

    RequestBuilder mismatch(1, 3);
    mismatch.text(2, CLASS).text(3, "BETA").text(4, "Raw").bytes(5, "xyz").u16(6, 2);
    EXPECT_EQ(3, client.call(mismatch).status);
    ASSERT_TRUE(sim_get_property(server, CLASS, "BETA", "Raw", &value));
    EXPECT_EQ(std::string("a\0b", 3), value) << "a refused set changes nothing";

    RequestBuilder missing(1, 3);
    missing.text(2, CLASS).text(3, "GAMMA").text(4, "Raw").bytes(5, "x").u16(6, 1);
    EXPECT_EQ(7, client.call(missing).status);
    EXPECT_FALSE(sim_object_exists(server, CLASS, "GAMMA"));
}

TEST_F(DatabaseTest, SetTextStoresTheNul) {
    RequestBuilder set(1, 1);
    set.text(2, CLASS).text(3, "BETA").text(4, "Product").text(5, "PortMaster");
    EXPECT_EQ(0, client.call(set).status);
    std::string value;
    ASSERT_TRUE(sim_get_property(server, CLASS, "BETA", "Product", &value));
    EXPECT_EQ(std::string("PortMaster\0", 11), value);
}

TEST_F(DatabaseTest, CreateRefusesExistingAndMakesNewClasses) {
    EXPECT_EQ(5, simple(5, "ALPHA"));
    std::string value;
    EXPECT_TRUE(sim_get_property(server, CLASS, "ALPHA", "Secret", &value)) << "the existing object is untouched";

    RequestBuilder create(1, 5);
    create.text(2, "IP-Addr-Pool").text(3, "POOL1");
    EXPECT_EQ(0, client.call(create).status);
    EXPECT_EQ(std::vector<std::string>{"POOL1"}, sim_object_names(server, "IP-Addr-Pool"));
}

TEST_F(DatabaseTest, DeleteOfMissingThingsSucceeds) {
    EXPECT_EQ(0, simple(6, "abcdefghijklmnopqrstuvwxyz"));
    RequestBuilder other_class(1, 6);
    other_class.text(2, "NoSuchClass").text(3, "X");
    EXPECT_EQ(0, client.call(other_class).status);

    RequestBuilder one_property(1, 6);
    one_property.text(2, CLASS).text(3, "ALPHA").text(4, "Secret");
    EXPECT_EQ(0, client.call(one_property).status);
    EXPECT_EQ(0, exists("ALPHA", "Secret").u16(8));
    EXPECT_EQ(1, exists("ALPHA", "Blob").u16(8)) << "only the named property goes";

    EXPECT_EQ(0, simple(6, "ALPHA"));
    EXPECT_FALSE(sim_object_exists(server, CLASS, "ALPHA"));
}

TEST_F(DatabaseTest, RenameReplacesAnExistingTarget) {
    EXPECT_EQ(0, simple(5, "abcdefghijklmnopqrstuvwxyz"));
    RequestBuilder set(1, 3);
    set.text(2, CLASS).text(3, "abcdefghijklmnopqrstuvwxyz").text(4, "Secret").bytes(5, "new").u16(6, 3);
    EXPECT_EQ(0, client.call(set).status);

    EXPECT_EQ(0, simple(9, "abcdefghijklmnopqrstuvwxyz", "ALPHA"));
    EXPECT_EQ((std::vector<std::string>{"ALPHA", "BETA"}), sim_object_names(server, CLASS));
    std::string value;
    ASSERT_TRUE(sim_get_property(server, CLASS, "ALPHA", "Secret", &value));
    EXPECT_EQ("new", value);
    EXPECT_FALSE(sim_get_property(server, CLASS, "ALPHA", "Blob", &value)) << "the old ALPHA was replaced whole";

    EXPECT_EQ(7, simple(9, "GAMMA", "DELTA"));
    EXPECT_FALSE(sim_object_exists(server, CLASS, "DELTA"));
}

TEST_F(DatabaseTest, EnumerateInSmallBatchesGivesEveryNameOnceInByteOrder) {
    std::string fixture;
    std::set<std::string> expected;
    for (int i = 0; i < 60; ++i) {
        std::string name = "USER" + std::to_string(i * 7919 % 1000);
        expected.insert(name);
        fixture += "object \"Users\" \"" + name + "\"\n";
    }
    fixture += "object \"Users\" \"\\xe9t\\xe9\"\n";  // high bytes sort after ASCII
    expected.insert("\xe9t\xe9");
    ASSERT_EQ(0, sim_apply(server, fixture.c_str()));

    for (uint16_t capacity : {9, 10, 17, 64, 4096}) {
        int batches = 0;
        std::vector<std::string> names = list_all("Users", capacity, &batches);
        EXPECT_EQ(std::vector<std::string>(expected.begin(), expected.end()), names) << "capacity " << capacity;
        if (capacity < 64) { EXPECT_GT(batches, 5) << "capacity " << capacity; }
    }
}

TEST_F(DatabaseTest, EnumerateMoreFlagIsZeroOnTheLastBatch) {
    RequestBuilder request(1, 8);
    request.text(2, CLASS).u16(7, 4096);
    Reply reply = client.call(request);
    EXPECT_EQ(std::string("ALPHA\0BETA\0\0", 12), reply.find(5)->value);
    EXPECT_EQ(12, reply.u16(6));
    EXPECT_EQ(0, reply.u16(8));

    RequestBuilder exact(1, 8);
    exact.text(2, CLASS).u16(7, 7);  // "ALPHA\0" and the final NUL
    Reply first = client.call(exact);
    EXPECT_EQ(std::string("ALPHA\0\0", 7), first.find(5)->value);
    EXPECT_EQ(1, first.u16(8));
}

TEST_F(DatabaseTest, EnumerateOfUnknownClassIsEmpty) {
    RequestBuilder request(1, 8);
    request.text(2, "Nobody").u16(7, 100);
    Reply reply = client.call(request);
    EXPECT_EQ(0, reply.status);
    EXPECT_EQ(std::string("\0", 1), reply.find(5)->value);
    EXPECT_EQ(1, reply.u16(6));
    EXPECT_EQ(0, reply.u16(8));
}

TEST_F(DatabaseTest, EnumerateListsPropertiesOfAnObject) {
    RequestBuilder request(1, 8);
    request.text(2, CLASS).text(3, "ALPHA").u16(7, 100);
    Reply reply = client.call(request);
    EXPECT_EQ((std::vector<std::string>{"Blob", "Secret"}), split_names(reply.find(5)->value));

    RequestBuilder after(1, 8);
    after.text(2, CLASS).text(3, "ALPHA").text(5, "Blob").u16(7, 100);
    EXPECT_EQ(std::vector<std::string>{"Secret"}, split_names(client.call(after).find(5)->value));

    RequestBuilder missing(1, 8);
    missing.text(2, CLASS).text(3, "GAMMA").u16(7, 100);
    EXPECT_EQ(7, client.call(missing).status);
}

TEST_F(DatabaseTest, ChangesAreSavedToTheFixtureWhenAsked) {
    stop();
    SimOptions options;
    options.save = true;
    start("object \"Client\" \"ALPHA\"\n", options);
    ASSERT_TRUE(client.open());
    RequestBuilder set(1, 3);
    set.text(2, CLASS).text(3, "ALPHA").text(4, "Bytes").bytes(5, std::string("\x01\"\\\n", 4)).u16(6, 4);
    ASSERT_EQ(0, client.call(set).status);
    // Saved at once, before any stop.
    std::string saved = read_test_file(fixture_path);
    EXPECT_NE(std::string::npos, saved.find("property \"Bytes\" hex \"01225c0a\"")) << saved;
    client.close();
    stop();

    start(nullptr);
    std::string error;
    ASSERT_EQ(0, sim_apply(server, saved.c_str(), &error)) << error;
    std::string value;
    ASSERT_TRUE(sim_get_property(server, CLASS, "ALPHA", "Bytes", &value));
    EXPECT_EQ(std::string("\x01\"\\\n", 4), value);
}

}  // namespace
