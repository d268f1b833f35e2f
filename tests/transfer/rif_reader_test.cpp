// The line reader, the level stack and the line splitter on their own.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "transfer/rif_reader.h"

namespace {

struct Source {
    std::string bytes;
    size_t at;
    uint32_t largest_read;
};

uint32_t read_source(void* context, uint8_t* bytes, uint32_t size) {
    Source* source = (Source*)context;
    if (size > source->largest_read) source->largest_read = size;
    size_t n = std::min((size_t)size, source->bytes.size() - source->at);
    memcpy(bytes, source->bytes.data() + source->at, n);
    source->at += n;
    return (uint32_t)n;
}

// "NUMBER:TEXT" per line, "!" after a line that was too long.
std::vector<std::string> read_all(const std::string& bytes, uint32_t* largest_read = nullptr) {
    Source source = {bytes, 0, 0};
    RifReader reader;
    rif_reader_start(&reader, read_source, &source);
    std::vector<std::string> lines;
    while (rif_next_line(&reader))
        lines.push_back(std::to_string(reader.number) + ":" + std::string(reader.text, reader.length) +
                        (reader.too_long ? "!" : ""));
    if (largest_read) *largest_read = source.largest_read;
    return lines;
}

typedef std::vector<std::string> Lines;

TEST(RifReader, EveryLineEndingAndEmptyLinesNumberedAsAnEditorShowsThem) {
    EXPECT_EQ(read_all("a\r\nb\nc\rd"), (Lines{"1:a", "2:b", "3:c", "4:d"}));
    EXPECT_EQ(read_all("\r\n\r\na\n\n\rb\r\n"), (Lines{"3:a", "6:b"}));
    EXPECT_EQ(read_all("a\r\r\nb"), (Lines{"1:a", "3:b"}));
    EXPECT_EQ(read_all(""), Lines{});
    EXPECT_EQ(read_all("\r\n\n"), Lines{});
}

TEST(RifReader, LinesAcrossTheReadBufferAndLongerThan611) {
    uint32_t largest = 0;
    std::string a300(300, 'a'), b611(611, 'b'), c612(612, 'c');
    EXPECT_EQ(read_all(a300 + "\r\n" + b611 + "\r\n" + c612 + "\r\nz", &largest),
              (Lines{"1:" + a300, "2:" + b611, "3:" + std::string(611, 'c') + "!", "4:z"}));
    EXPECT_EQ(largest, RIF_READ_SIZE);
    // The CR and LF of one ending split by the buffer's edge.
    std::string edge(255, 'e');
    EXPECT_EQ(read_all(edge + "\r\nf"), (Lines{"1:" + edge, "2:f"}));
}

TEST(RifLevels, DeeperOpensALevelShallowerGoesBackUnderTheLevelItFits) {
    struct Case {
        std::vector<uint32_t> indents;
        std::vector<int> levels;
    } cases[] = {
        {{0, 2, 4, 4, 2, 4, 0}, {0, 1, 2, 2, 1, 2, 0}},
        {{0, 1, 3, 1, 3, 0}, {0, 1, 2, 1, 2, 0}},
        {{0, 2, 4, 3, 5}, {0, 1, 2, 1, 2}},  // 3 is less than 4: back to the level of 2
        {{0, 2, 4, 6, 8, 6, 1}, {0, 1, 2, 3, -1, 3, 0}},
        {{3, 0, 5}, {1, 0, 1}},
    };
    for (const Case& c : cases) {
        RifLevels levels;
        rif_levels_start(&levels);
        std::vector<int> got;
        for (uint32_t indent : c.indents) got.push_back(rif_level_of(&levels, indent));
        EXPECT_EQ(got, c.levels);
    }
}

TEST(RifSplit, NameTextAndHexValues) {
    struct Case {
        const char* text;
        const char* name;
        bool has_value, hex;
        std::string value;  // the text, or the decoded bytes
    } cases[] = {
        {"    Product=Cisco AS", "Product", true, false, "Cisco AS"},
        {"  NAS1", "NAS1", false, false, ""},
        {"    IPAddress^=0A010203", "IPAddress", true, true, "\x0a\x01\x02\x03"},
        {"    IPAddress^=0a0B0", "IPAddress", true, true, "\x0a\x0b"},
        {"    X^=12 34", "X", true, true, "\x12"},
        {"    X^=", "X", true, true, ""},
        {"    A=b=c", "A", true, false, "b=c"},
        {"    ^=41", "", true, true, "A"},
        {"    =x", "", true, false, "x"},
        {"Class", "Class", false, false, ""},
    };
    for (const Case& c : cases) {
        RifLine line;
        rif_split_line(c.text, (uint32_t)strlen(c.text), &line);
        EXPECT_EQ(std::string(line.name, line.name_length), c.name) << c.text;
        EXPECT_EQ(line.has_value, c.has_value) << c.text;
        EXPECT_EQ(line.hex, c.hex) << c.text;
        std::string value =
            c.hex ? std::string((const char*)line.bytes, line.byte_count) : std::string(line.text, line.text_length);
        EXPECT_EQ(value, c.value) << c.text;
    }
}

}  // namespace
