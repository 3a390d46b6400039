// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the names that the core's tables hand to the windows (the bodies,
// the nakshatras, the time-zone rows) as
// QT_TRANSLATE_NOOP marks of the context "CoreText", for lupdate to collect.
// The core links no Qt, so its tables cannot mark their own names; listing
// them from the tables themselves keeps the translations in step with them.
// The windows look them up with TranslatedCoreText.
#include <cstdio>
#include <string>
#include <string_view>

#include "core/astro/bodies.h"
#include "core/astro/nakshatra.h"
#include "core/astro/time_zones.h"

namespace {

std::string Mark(std::string_view name) {
    std::string quoted;
    for (char c : name) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return "    QT_TRANSLATE_NOOP(\"CoreText\", \"" + quoted + "\"),\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argv[0]);
        return 2;
    }
    std::string out =
        "// Generated from the core's tables for lupdate; not compiled.\n"
        "const char* const kCoreNames[] = {\n";
    for (std::string_view body : vellamor::kPlanetNames)
        out += Mark(body);
    for (std::string_view nakshatra : vellamor::kNakshatraNames)
        out += Mark(nakshatra);
    for (const vellamor::TimeZoneRow& row : vellamor::LoadTimeZoneTable())
        out += Mark(row.text);
    out += "};\n";
    std::FILE* file = std::fopen(argv[1], "w");
    if (file == nullptr || std::fputs(out.c_str(), file) < 0 || std::fclose(file) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
