// Whole exports against keelsim: the demo database byte for byte, the
// choice of parts and objects, the cases the file format cannot carry
// (logged and counted), a failing server and a failing disk.
#include <stdio.h>

#include <algorithm>

#include "tests/panels/pools_fixture.h"
#include "tests/transfer/export_fixture.h"

namespace {

typedef std::vector<std::string> Lines;

bool has_line(const std::string& file, const std::string& line) {
    Lines lines = rif_lines(file);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string client(const char* name, const char* product) {
    return std::string("object Client ") + name + "\nproperty Product text \"" + product + "\"\n" +
           "property IPAddress hex \"0a010203\"\n";
}

// The demo database is exported whole and compared with a file that was
// read line by line against the format; KEEL_UPDATE_GOLDEN=1 rewrites it.
TEST_F(ExportTest, DemoDatabaseMatchesTheReviewedFile) {
    open(nullptr);
    std::string file = export_everything();
    std::string golden_path = KEEL_TRANSFER_TEST_DIR "/demo.rif";
    if (getenv("KEEL_UPDATE_GOLDEN")) {
        FILE* out = fopen(golden_path.c_str(), "wb");
        ASSERT_TRUE(out);
        fwrite(file.data(), 1, file.size(), out);
        fclose(out);
    }
    EXPECT_EQ(file, read_test_file(golden_path));
    EXPECT_EQ(errors, 0u) << log_text;
    EXPECT_FALSE(result.write_failed);
    EXPECT_EQ(result.objects, 81u);
    // Progress counted every object before the first step and moved with each.
    EXPECT_EQ(total, 81u);
    ASSERT_FALSE(done.empty());
    EXPECT_EQ(done.front(), 0u);
    EXPECT_EQ(steps.front(), "Exporting Clients - <ANY>");
    EXPECT_NE(std::find(steps.begin(), steps.end(), "Access (Group) - "), steps.end());
    EXPECT_EQ(steps.back(), "Exporting IP Address Pools - VPN-POOL");
    std::string hyphens(80, '-');
    EXPECT_EQ(log_text, hyphens + "\r\nExporting data to file '" + file_path() + "'\r\n0 Export Errors logged\r\n\r\n");
}

TEST_F(ExportTest, OnlyTheChosenPartsAndObjectsAreWritten) {
    open((client("NAS1", "Cisco") + client("NAS2", "Shiva") + client("NAS3", "Ascend") +
          "object Messages Default-Reject-Msg\nproperty Message-Text text \"No\"\n")
             .c_str());
    ExportSelection selection = {};
    selection.parts[EXPORT_CLIENTS] = true;
    selection.parts[EXPORT_PROXIES] = true;  // no proxies: no class line
    selection.object_selected = [](void*, ExportPart part, const char* cls, const char* object) {
        return part == EXPORT_CLIENTS && std::string(cls) == "Client" && std::string(object) != "NAS2";
    };
    std::string file = run_export(selection);
    EXPECT_EQ(rif_lines(file), (Lines{"Radius Import Export Version 1.0", "Client", "  NAS1", "    IPAddress^=0A010203",
                                      "    Product=Cisco", "  NAS3", "    IPAddress^=0A010203", "    Product=Ascend"}));
    EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
    EXPECT_EQ(total, 2u);
    EXPECT_EQ(errors, 0u);
}

TEST_F(ExportTest, PoolRangesUpTo32AreWrittenLongerListsAreLoggedAndCounted) {
    std::vector<std::string> many;
    char range[32];
    for (int i = 0; i < 33; ++i) {
        snprintf(range, sizeof range, "10.0.%d.1:10", i);
        many.push_back(range);
    }
    std::vector<std::string> thirty_two(many.begin(), many.begin() + 32);
    open((pool_object("TWO", "two ranges", {"10.0.0.1:10", "10.0.1.1:5"}) + pool_object("FULL", "", thirty_two) +
          pool_object("MANY", "too many", many))
             .c_str());
    std::string file = export_parts({EXPORT_POOLS});
    Lines lines = rif_lines(file);
    EXPECT_EQ(lines[1], "IP-Addr-Pool");
    EXPECT_TRUE(has_line(file, "    Addr-Pool-Ranges^=0100000A0A0000000101000A05000000"));
    auto full = std::find(lines.begin(), lines.end(), "  FULL");
    ASSERT_NE(full, lines.end());
    EXPECT_EQ(full[1], "    Addr-Pool-Desc=");
    EXPECT_EQ(full[2].size(), strlen("    Addr-Pool-Ranges^=") + 32 * 16);
    // The pool over 32 ranges keeps its description and loses only its ranges.
    auto pool = std::find(lines.begin(), lines.end(), "  MANY");
    ASSERT_NE(pool, lines.end());
    EXPECT_EQ(pool[1], "    Addr-Pool-Desc=too many");
    EXPECT_EQ(pool[2], "  TWO");
    EXPECT_EQ(errors, 1u);
    EXPECT_NE(log_text.find("Error: Pool of 33 ranges is longer than 256 bytes and its ranges were not exported - "
                            "Class 'IP-Addr-Pool' Object 'MANY' Property 'Addr-Pool-Ranges'\r\n"),
              std::string::npos)
        << log_text;
    EXPECT_NE(log_text.find("1 Export Errors logged\r\n"), std::string::npos);
}

TEST_F(ExportTest, ValuesLongerThan256BytesAreLeftOutLoggedAndCounted) {
    std::string long_hex(257 * 2, 'a');
    std::string record_200 = "0100 0000  0000 c800 2100  " + std::string(199 * 2, '4') + "00";
    std::string record_300 = "0100 0000  0a00 2c01 2100  " + std::string(300 * 2, '5');
    open(("object Client NAS1\nproperty Product text \"Cisco\"\nproperty Blob hex \"" + long_hex +
          "\"\nproperty Fit hex \"" + std::string(256 * 2, 'b') +
          "\"\n"
          "object ++b-Native-User U1\nproperty Filter-Id hex \"" +
          record_200 + "\"\nproperty Vendor-Specific hex \"" + record_300 + "\"\n")
             .c_str());
    std::string file = export_parts({EXPORT_CLIENTS, EXPORT_USERS});
    Lines lines = rif_lines(file);
    EXPECT_TRUE(has_line(file, "    Product=Cisco"));
    EXPECT_TRUE(has_line(file, "    Fit^=" + std::string(256 * 2, 'B')));
    for (const std::string& line : lines) EXPECT_EQ(line.find("Blob"), std::string::npos);
    // An instance longer than the 128 bytes a list holds goes out whole.
    EXPECT_TRUE(has_line(file, "    Filter-Id [[[0000 0021 0000]]]^=" + std::string(199 * 2, '4') + "00"));
    for (const std::string& line : lines) EXPECT_EQ(line.find("Vendor-Specific"), std::string::npos);
    for (const std::string& line : lines) EXPECT_LE(line.size(), 611u);
    EXPECT_EQ(errors, 2u);
    EXPECT_NE(log_text.find("Error: Value of 257 bytes is longer than 256 bytes and was not exported - Class "
                            "'Client' Object 'NAS1' Property 'Blob'\r\n"),
              std::string::npos)
        << log_text;
    EXPECT_NE(log_text.find("Class '++b-Native-User' Object 'U1' Property 'Vendor-Specific'"), std::string::npos);
}

TEST_F(ExportTest, MessagesAreWrittenAsStored) {
    open(nullptr);
    std::string file = export_parts({EXPORT_MESSAGES});
    Lines lines = rif_lines(file);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[1], "Messages");
    EXPECT_TRUE(has_line(file, "    Message-Text=Access denied."));
    // A text holding a line break cannot stand on one line: its bytes go in hex.
    EXPECT_TRUE(has_line(file,
                         "    Message-Text^=55736572206E616D65206E6F74207265636F676E697365642E0D0A506C65617365206368"
                         "65636B20796F7572206C6F67696E206E616D6520616E642074727920616761696E2E"));
}

TEST_F(ExportTest, AdministratorsUsersFirstThenGroups) {
    open(nullptr);
    std::string file = export_parts({EXPORT_ACCESS});
    EXPECT_EQ(rif_lines(file),
              (Lines{"Radius Import Export Version 1.0", "Access", "    User=Administrator",
                     "    User=RIVERNET\\mpatel", "    User=RIVERNET\\svc-radius", "    Group=Administrators",
                     "    Group=RIVERNET\\Domain Admins", "    Group=RIVERNET\\NOC Operators"}));
}

TEST_F(ExportTest, AServerErrorOnOneObjectIsLoggedAndTheExportGoesOn) {
    open((client("NAS1", "A") + client("NAS2", "B") + client("NAS3", "C")).c_str());
    // Each client is read with one listing and two reads, in the server's
    // order of the names; the fourth read is NAS2's Product.
    ASSERT_EQ(sim_add_fault(server, "1:4:4:fail=3"), 0);
    std::string file = export_parts({EXPORT_CLIENTS});
    EXPECT_EQ(rif_lines(file), (Lines{"Radius Import Export Version 1.0", "Client", "  NAS1", "    IPAddress^=0A010203",
                                      "    Product=A", "  NAS3", "    IPAddress^=0A010203", "    Product=C"}));
    EXPECT_EQ(errors, 1u);
    EXPECT_EQ(result.objects, 2u);
    EXPECT_NE(log_text.find("DataBase Error: Unable to retrieval of 'Property' in Class 'Client' Object 'NAS2' "
                            "Property 'Product'\r\n"),
              std::string::npos)
        << log_text;
    // The lock was given back after the failing object.
    EXPECT_EQ(sim_request_count(server, 10, 1), sim_request_count(server, 10, 2));
}

TEST_F(ExportTest, AClassThatCannotBeListedIsLoggedAndTheOthersFollow) {
    open((client("NAS1", "A") + "object ++l-Proxy P1\nproperty Retry-Count hex \"03000000\"\n").c_str());
    // The first listing is the progress count's; the second is the clients' own.
    ASSERT_EQ(sim_add_fault(server, "1:8:3:fail=3"), 0);
    std::string file = export_parts({EXPORT_CLIENTS, EXPORT_PROXIES});
    EXPECT_EQ(rif_lines(file),
              (Lines{"Radius Import Export Version 1.0", "Proxy", "  P1", "    Retry-Count^=03000000"}));
    EXPECT_EQ(errors, 1u);
    EXPECT_NE(log_text.find("DataBase Error: Unable to export Class Client\r\n"), std::string::npos) << log_text;
}

TEST_F(ExportTest, AFileThatCannotBeWrittenStopsTheExport) {
    open(nullptr);
    std::string missing_folder = test_directory() + "/no such folder/export.rif";
    EXPECT_EQ(run_export(all_parts(), missing_folder.c_str()), "<no file>");
    EXPECT_TRUE(result.write_failed);
    EXPECT_EQ(errors, 1u);
    EXPECT_NE(log_text.find("Error: Unable to write to file\r\n1 Export Errors logged\r\n"), std::string::npos)
        << log_text;
#ifndef _WIN32
    // A full disk: the writes fail once the buffer goes out.
    EXPECT_EQ(run_export(all_parts(), "/dev/full"), "<not read>");
    EXPECT_TRUE(result.write_failed);
    EXPECT_EQ(errors, 1u);
    EXPECT_NE(log_text.find("Error: Unable to write to file\r\n"), std::string::npos) << log_text;
#endif
}

}  // namespace
