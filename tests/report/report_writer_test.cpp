// The report's RTF writer and its settings in the profile file.
#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

#include "platform/profile_file.h"
#include "report/report_settings.h"
#include "report/rtf_writer.h"
#include "tests/sim/sim_test_support.h"

namespace {

bool append(void* sink, const char* bytes, uint32_t length) {
    ((std::string*)sink)->append(bytes, length);
    return true;
}

TEST(RtfWriter, FormattingWordsOnlyWhenTheyChange) {
    std::string out;
    ReportWriter writer;
    report_writer_start(&writer, append, &out);
    const struct {
        const char* text;
        uint32_t size, style;
        const char* written;
    } lines[] = {
        {"{\\rtf1", 0, 0, "{\\rtf1"},
        {"Title", 14, REPORT_BOLD | REPORT_UNDERLINE | REPORT_CENTRED,
         "\\par \\plain\\f0\\pard\\qc\\b\\ul\\fs28 Title"},
        {"Again", 14, REPORT_BOLD | REPORT_UNDERLINE | REPORT_CENTRED, "\\par Again"},
        {"Users", 10, REPORT_BOLD, "\\par \\plain\\f0\\pard\\b\\fs20 Users"},
        {"\tJO{H}N\\", 10, 0, "\\par \\plain\\f0\\fs20 \tJO\\{H\\}N\\\\"},
        {"\\page", 0, 0, "\\page"},
        {"After raw", 10, 0, "\\par \\plain\\f0\\fs20 After raw"},
        {"Slanted", 10, REPORT_ITALIC, "\\par \\plain\\f0\\i\\fs20 Slanted"},
    };
    for (const auto& line : lines) {
        out.clear();
        EXPECT_TRUE(write_report_line(&writer, line.text, line.size, line.style));
        EXPECT_EQ(out, line.written) << line.text;
    }
    EXPECT_FALSE(write_report_line(&writer, "", 10, 0));  // refused as a failed write
    EXPECT_FALSE(write_report_line(&writer, "later", 10, 0));
}

TEST(RtfWriter, LongTextsAreCutBetweenEscapes) {
    char out[2 * REPORT_TEXT_LIMIT + 1];
    std::string text(300, 'a');
    report_escape(text.c_str(), out, sizeof out);
    EXPECT_EQ(std::string(out), std::string(REPORT_TEXT_LIMIT, 'a'));
    char small[6];
    report_escape("ab{cd", small, sizeof small);
    EXPECT_STREQ(small, "ab\\{c");
    report_escape("abcd{e", small, sizeof small);
    EXPECT_STREQ(small, "abcd");  // the escape does not fit whole

    std::string line;
    ReportWriter writer;
    report_writer_start(&writer, append, &line);
    EXPECT_TRUE(write_report_raw(&writer, "\\par %s: %lu", "a{b}", 42ul));
    EXPECT_EQ(line, "\\par a\\{b\\}: 42");

    // A line that runs past its buffer ends with whole escapes.
    const struct {
        uint32_t lead;  // bytes of the template before the value
        uint32_t escapes;
    } cuts[] = {{REPORT_LINE_SIZE - 12, 5}, {REPORT_LINE_SIZE - 13, 6}};
    for (const auto& cut : cuts) {
        line.clear();
        const std::string pattern = std::string(cut.lead, 'x') + "%s";
        EXPECT_TRUE(write_report_raw(&writer, pattern.c_str(), std::string(40, '}').c_str()));
        std::string escapes;
        for (uint32_t i = 0; i < cut.escapes; ++i) escapes += "\\}";
        EXPECT_EQ(line, std::string(cut.lead, 'x') + escapes) << cut.lead;
    }
}

TEST(RtfWriter, AShortWriteStopsTheDocument) {
    struct Sink {
        int writes_left;
    } sink = {2};
    ReportWriter writer;
    report_writer_start(
        &writer, [](void* s, const char*, uint32_t) { return ((Sink*)s)->writes_left-- > 0; }, &sink);
    EXPECT_TRUE(write_report_line(&writer, "one", 0, 0));
    EXPECT_TRUE(write_report_line(&writer, "two", 10, 0));
    EXPECT_FALSE(write_report_line(&writer, "three", 10, 0));
    EXPECT_TRUE(writer.failed);
}

TEST(ReportSettings, ReadAndSavedAsTheConsoleKeepsThem) {
    const std::string file = write_test_file("KEELADMIN.INI", "");
    const char* path = file.c_str();
    ReportSelection selection = read_report_selection(path);
    EXPECT_TRUE(selection.all);
    for (bool on : selection.sections) EXPECT_TRUE(on);

    selection.all = false;
    selection.sections[SECTION_USERS] = false;
    ASSERT_TRUE(save_report_selection(path, selection));
    selection = read_report_selection(path);
    EXPECT_FALSE(selection.all);
    EXPECT_FALSE(selection.sections[SECTION_USERS]);
    EXPECT_TRUE(selection.sections[SECTION_PROFILES]);
    char value[SETTING_SIZE];
    ASSERT_TRUE(profile_read(path, "report settings", "USERS", value, sizeof value));  // names ignore case
    EXPECT_STREQ(value, "No");

    selection.all = true;
    ASSERT_TRUE(save_report_selection(path, selection));
    EXPECT_FALSE(profile_read(path, "Report Settings", "Users", value, sizeof value));  // deleted
    EXPECT_TRUE(profile_read(path, "Report Settings", "ReportAll", value, sizeof value));
    EXPECT_STREQ(value, "Yes");

    const struct {
        const char* value;
        bool on;
    } values[] = {{"Yes", true}, {"yes", true}, {"YESTERDAY", true}, {"Ye", false}, {"No", false}, {"", false}};
    for (const auto& v : values) EXPECT_EQ(setting_is_on(v.value), v.on) << v.value;

    char viewer[SETTING_SIZE], name[SETTING_SIZE];
    read_report_viewer(path, viewer, sizeof viewer);
    read_report_filename(path, name, sizeof name);
    EXPECT_STREQ(viewer, "Write.exe");
    EXPECT_STREQ(name, "Report.rtf");
    ASSERT_TRUE(save_report_files(path, "C:\\Tools\\viewer.exe", ""));
    read_report_viewer(path, viewer, sizeof viewer);
    read_report_filename(path, name, sizeof name);
    EXPECT_STREQ(viewer, "C:\\Tools\\viewer.exe");
    EXPECT_STREQ(name, "Report.rtf");  // empty reads as the default
}

TEST(ReportSettings, TheViewersCommandLine) {
    const struct {
        const char* viewer;
        const char* file;
        const char* command;
    } lines[] = {
        {"Write.exe", "Report.rtf", "Write.exe Report.rtf"},
        {"C:\\Program Files\\viewer.exe", "C:\\My Reports\\r.rtf",
         "C:\\Program Files\\viewer.exe \"C:\\My Reports\\r.rtf\""},
        {"v.exe", "\"C:\\My Reports\\r.rtf\"", "v.exe \"C:\\My Reports\\r.rtf\""},
    };
    for (const auto& line : lines) {
        char command[VIEWER_COMMAND_SIZE];
        viewer_command_line(line.viewer, line.file, command, sizeof command);
        EXPECT_STREQ(command, line.command);
    }
}

}  // namespace
