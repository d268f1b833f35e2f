#include "sim_test_support.h"

#include <stdio.h>

#include <filesystem>
#include <random>

const char SIM_PIPE_NAME[] = "\\\\.\\pipe\\RADIUS Server API";

const ReplyItem* Reply::find(uint16_t tag, int nth) const {
    for (const ReplyItem& item : items) {
        if (item.tag == tag && nth-- == 0) return &item;
    }
    return nullptr;
}

uint16_t Reply::u16(uint16_t tag) const {
    const ReplyItem* item = find(tag);
    if (!item || item->value.size() != 2) return 0xFFFF;
    return get_le16((const uint8_t*)item->value.data());
}

uint32_t Reply::u32(uint16_t tag) const {
    const ReplyItem* item = find(tag);
    if (!item || item->value.size() != 4) return 0xFFFFFFFFu;
    return get_le32((const uint8_t*)item->value.data());
}

std::string Reply::text(uint16_t tag) const {
    const ReplyItem* item = find(tag);
    if (!item) return "<absent>";
    std::string value = item->value;
    if (!value.empty() && value.back() == '\0') value.pop_back();
    return value;
}

size_t Reply::count(uint16_t tag) const {
    size_t n = 0;
    for (const ReplyItem& item : items) n += item.tag == tag;
    return n;
}

RequestBuilder::RequestBuilder(uint16_t service, uint16_t function) {
    msg_init(&buffer, data, sizeof data);
    msg_put_header(&buffer, 0, service, function);
}

RequestBuilder& RequestBuilder::text(uint16_t tag, const std::string& value) {
    msg_put_bytes(&buffer, tag, value.c_str(), (uint32_t)value.size() + 1);
    return *this;
}

RequestBuilder& RequestBuilder::bytes(uint16_t tag, const std::string& value) {
    msg_put_bytes(&buffer, tag, value.data(), (uint32_t)value.size());
    return *this;
}

RequestBuilder& RequestBuilder::u8(uint16_t tag, uint8_t value) {
    msg_put_u8(&buffer, tag, value);
    return *this;
}

RequestBuilder& RequestBuilder::u16(uint16_t tag, uint16_t value) {
    msg_put_u16(&buffer, tag, value);
    return *this;
}

RequestBuilder& RequestBuilder::u32(uint16_t tag, uint32_t value) {
    msg_put_u32(&buffer, tag, value);
    return *this;
}

std::string RequestBuilder::message() {
    msg_put_end(&buffer);
    EXPECT_FALSE(buffer.overflowed);
    return std::string((const char*)data, buffer.position);
}

bool Client::open() {
    close();
    return platform_transport()->open(SIM_PIPE_NAME, &connection) == 0;
}

void Client::close() {
    if (connection) platform_transport()->close(connection);
    connection = nullptr;
}

uint16_t Client::send_raw(const std::string& message, Reply* reply) {
    *reply = Reply();
    if (!connection) return 0x8003;
    response.resize(MSG_BUFFER_SIZE);
    uint32_t bytes_read = 0;
    uint16_t status =
        platform_transport()->transact(connection, (const uint8_t*)message.data(), (uint32_t)message.size(),
                                       response.data(), MSG_BUFFER_SIZE, &bytes_read);
    if (status != 0) return status;
    reply->length = bytes_read;
    MessageBuffer buffer;
    msg_init(&buffer, response.data(), (uint16_t)bytes_read);
    if (bytes_read >= MSG_HEADER_SIZE) msg_get_header(&buffer, &reply->status, &reply->service, &reply->function);
    for (;;) {
        uint16_t tag, length;
        const uint8_t* value;
        msg_get_item(&buffer, &tag, &value, &length);
        if (tag == 0) break;
        reply->items.push_back(ReplyItem{tag, std::string((const char*)value, length)});
    }
    reply->terminated = buffer.position + 2u <= bytes_read && get_le16(response.data() + buffer.position) == 0;
    return 0;
}

Reply Client::call(RequestBuilder& request) {
    Reply reply;
    EXPECT_EQ(0, send_raw(request.message(), &reply));
    return reply;
}

std::vector<std::string> split_names(const std::string& block) {
    std::vector<std::string> names;
    size_t at = 0;
    while (at < block.size() && block[at] != '\0') {
        size_t end = block.find('\0', at);
        if (end == std::string::npos) {
            ADD_FAILURE() << "name without its NUL";
            break;
        }
        names.push_back(block.substr(at, end - at));
        at = end + 1;
    }
    return names;
}

const std::string& test_directory() {
    static std::string directory;
    if (directory.empty()) {
        std::random_device random;
        std::error_code error;
        std::filesystem::path path =
            std::filesystem::temp_directory_path(error) / ("keelsim-test-" + std::to_string(random()));
        std::filesystem::create_directories(path, error);
        directory = path.string();
        set_environment("KEEL_PIPE_DIR", directory.c_str());
    }
    return directory;
}

std::string write_test_file(const std::string& name, const std::string& content) {
    std::string path = (std::filesystem::path(test_directory()) / name).string();
    FILE* file = fopen(path.c_str(), "wb");
    EXPECT_TRUE(file != nullptr) << path;
    if (file) {
        fwrite(content.data(), 1, content.size(), file);
        fclose(file);
    }
    return path;
}

bool enter_test_directory() {
    std::error_code error;
    std::filesystem::current_path(test_directory(), error);
    return !error;
}

std::string read_test_file(const std::string& path) {
    std::string content;
    FILE* file = fopen(path.c_str(), "rb");
    if (!file) return "<missing>";
    char chunk[4096];
    size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, file)) > 0) content.append(chunk, got);
    fclose(file);
    return content;
}

void SimServerTest::start(const char* fixture, SimOptions options) {
    test_directory();
    if (fixture) {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        fixture_path = write_test_file(std::string(info->test_suite_name()) + "." + info->name() + ".fixture", fixture);
        options.fixture_path = fixture_path.c_str();
    }
    std::string error;
    options.error = &error;
    ASSERT_EQ(0, sim_start(options, &server)) << error;
}

void SimServerTest::stop() {
    if (server) sim_stop(server);
    server = nullptr;
}

namespace {

// Removes the test directory when the program ends.
class TestDirectoryCleanup : public ::testing::Environment {
public:
    void TearDown() override {
        std::error_code error;
        std::filesystem::remove_all(test_directory(), error);
    }
};

::testing::Environment* const CLEANUP = ::testing::AddGlobalTestEnvironment(new TestDirectoryCleanup);

}  // namespace
