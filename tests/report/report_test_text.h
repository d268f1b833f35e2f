// What the report's tests share: the demo's counters held still, and the
// parts of a written report they compare.
#pragma once

#include <algorithm>
#include <sstream>
#include <string>

#include "tests/sim/sim_test_support.h"

// The fixture's counter statements without their rates: applied with
// sim_apply they hold every counter at its value but the up time, which
// counts seconds whatever the fixture says.
inline std::string counters_held(const char* fixture_path) {
    std::istringstream fixture(read_test_file(fixture_path));
    std::string line, held;
    while (std::getline(fixture, line)) {
        std::istringstream words(line);
        std::string word, id, value;
        if (words >> word >> id >> value && word == "counter") held += word + " " + id + " " + value + "\n";
    }
    return held;
}

// The report with the up time's clock masked.
inline std::string without_up_time_clock(std::string text) {
    const size_t at = text.find("Server up time: \\plain \\fs20 \t");
    if (at == std::string::npos) return text;
    const size_t clock = text.find("Days\t", at);
    if (clock != std::string::npos) text.replace(clock + 5, 8, "hh:mm:ss");
    return text;
}

// A section between its heading's "\par " and the closing "\par \par ";
// "<no section>" or "<not closed>" when the report has no such section.
inline std::string section_body(const std::string& report, const char* key) {
    const std::string heading = std::string("\\fs24 ") + key + "\\par ";
    const size_t start = report.find(heading);
    if (start == std::string::npos) return "<no section>";
    const size_t body = start + heading.size();
    const size_t end = std::min(report.find("\\page", body), report.rfind("\\par \\par }"));
    const std::string closing = "\\par \\par ";
    if (end == std::string::npos || end < body + closing.size() ||
        report.compare(end - closing.size(), closing.size(), closing) != 0)
        return "<not closed>";
    return report.substr(body, end - closing.size() - body);
}
