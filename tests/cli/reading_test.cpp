// SPDX-License-Identifier: GPL-3.0-or-later
// --reading on the command line: the progression and transits keys, the
// printout's section, the export's reading sheet and the refusals.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/chart_words.h"
#include "cli/headless.h"
#include "json.h"

namespace vellamor {
namespace {

using Args = std::vector<std::string>;

// Pune, 5 March 1980, 7:05, Indian Time.
const Args kPune{"--name", "Ravi Kumar", "--date",  "1980-03-05",  "--time",    "7:05",
                 "--zone", "34",         "--lat",   "18:31N",      "--lon",     "73:51E",
                 "--city", "Pune",       "--state", "Maharashtra", "--country", "India"};

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Headless(Args args, const HeadlessServices& services = {}) {
    args.insert(args.end(), kPune.begin(), kPune.end());
    std::ostringstream out, err;
    const int status = RunHeadless(args, out, err, services);
    return {status, out.str(), err.str()};
}

TEST(ReadingOption, JsonAddsProgressionAndTransitsAfterEveryOtherKey) {
    const Outcome plain = Headless({"--json", "--stability"});
    const Outcome read = Headless({"--json", "--stability", "--reading", "2026-12-07T12:00"});
    ASSERT_EQ(read.status, 0) << read.err;
    // The chart's own keys are untouched: the reading only appends.
    const std::string head = plain.out.substr(0, plain.out.size() - 2);  // "}\n"
    EXPECT_EQ(read.out.substr(0, head.size()), head);

    const testjson::Value v = testjson::Parse(read.out);
    EXPECT_EQ(testjson::Keys(v),
              (std::vector<std::string>{"name", "details", "bodies", "rings", "stability", "entry",
                                        "progression", "transits", "vimshottari"}));
    const testjson::Value& p = v.at("progression");
    EXPECT_EQ(testjson::Keys(p),
              (std::vector<std::string>{"reading", "yearOfLife", "month", "period", "yearFrom",
                                        "yearTo", "monthFrom", "monthTo", "periodFrom", "periodTo",
                                        "houses", "signs", "yearStart"}));
    EXPECT_EQ(p.at("reading").get<std::string>(), "2026-12-07T12:00");
    EXPECT_EQ(p.at("yearOfLife").get<double>(), 47);
    EXPECT_EQ(p.at("month").get<double>(), 10);
    EXPECT_EQ(p.at("period").get<double>(), 2);
    EXPECT_EQ(p.at("monthFrom").get<std::string>(), "2026-12-04T01:05");
    EXPECT_EQ(p.at("houses").at("year").get<double>(), 11);
    EXPECT_EQ(testjson::Keys(p.at("signs").at("moon")),
              (std::vector<std::string>{"year", "month", "period"}));

    const testjson::Value& t = v.at("transits");
    ASSERT_EQ(t.at("bodies").size(), 12u);
    EXPECT_EQ(t.at("bodies").at(11).at("name").get<std::string>(), "Ketu");
    EXPECT_EQ(testjson::Keys(t.at("bodies").at(0)),
              (std::vector<std::string>{"name", "label", "position", "longText", "longitude",
                                        "retrograde", "enters", "leaves"}));
    // The Sun's month in its sign holds the reading.
    EXPECT_EQ(t.at("bodies").at(0).at("enters").get<std::string>(), "2026-11-17T04:43");
    EXPECT_EQ(t.at("bodies").at(0).at("leaves").get<std::string>(), "2026-12-16T19:20");
    EXPECT_EQ(testjson::Keys(t),
              (std::vector<std::string>{"reading", "bodies", "houses", "fromYear"}));
    EXPECT_EQ(testjson::Keys(t.at("houses")), (std::vector<std::string>{"birth", "moon", "sun"}));
    // The year's house (11) counts as the first: the Sun in the birth ring's
    // 10th house is the 12th from it.
    EXPECT_EQ(t.at("houses").at("birth").at(0).get<double>(), 10);
    EXPECT_EQ(t.at("fromYear").at("birth").at(0).get<double>(), 12);
    // The Sun's house in the Sun ring counts from the birth Sun's sign.
    EXPECT_EQ(t.at("houses").at("sun").size(), 12u);

    EXPECT_EQ(testjson::Keys(v.at("vimshottari")),
              (std::vector<std::string>{"mahadasha", "antardasha", "pratyantardasha", "balance",
                                        "year"}));
    EXPECT_EQ(testjson::Keys(v.at("vimshottari").at("pratyantardasha")),
              (std::vector<std::string>{"lord", "from", "to"}));

    // Without a time the reading is at noon.
    const Outcome noon = Headless({"--json", "--reading", "2026-12-07"});
    EXPECT_EQ(testjson::Parse(noon.out).at("progression").at("reading").get<std::string>(),
              "2026-12-07T12:00");
}

TEST(ReadingOption, PrintAddsTheSectionAndExportDrawsTheReading) {
    const Outcome print = Headless({"--print", "--reading", "2026-12-07T12:00"});
    ASSERT_EQ(print.status, 0) << print.err;
    EXPECT_NE(print.out.find("\nDasha and transits\n"), std::string::npos);
    EXPECT_NE(print.out.find("> Year  47  House 11  2026-03-05 07:05 to 2027-03-05 07:05"),
              std::string::npos);

    HeadlessServices services;
    std::string drawn;
    services.exportSheet = [&](const Chart&, const std::string&) {
        drawn = "plain";
        return Expected<void, SheetExportError>();
    };
    services.exportReadingSheet = [&](const Chart&, const ChartReading& r, const std::string&) {
        drawn = ClockText(r.progression.reading);
        return Expected<void, SheetExportError>();
    };
    EXPECT_EQ(Headless({"--export", "x.png", "--reading", "2030-01-02T03:04"}, services).status, 0);
    EXPECT_EQ(drawn, "2030-01-02T03:04");
    EXPECT_EQ(Headless({"--export", "x.png"}, services).status, 0);
    EXPECT_EQ(drawn, "plain");
}

TEST(ReadingOption, RefusesReadingsItCannotUse) {
    struct Case {
        Args args;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {{"--json", "--reading", "1980-03-05T07:04"},
         1,
         "vellamor: The reading is before the birth.\n"},
        {{"--print", "--reading", "2051-01-01"},
         1,
         "vellamor: The reading must lie between 1901 and 2050.\n"},
        {{"--json", "--reading", "2026-02-30"},
         1,
         "vellamor: The reading is not a date of the calendar.\n"},
        {{"--json", "--reading", "2026-13-01"},
         2,
         "vellamor: --reading: the month must be 1 to 12"},
        {{"--json", "--reading", "7/12/2026"}, 2, "vellamor: --reading: expected YYYY-MM-DD"},
        {{"--save", "x.sud", "--reading", "2026-12-07"},
         2,
         "vellamor: --reading goes only with --json, --print or --export, not --save\n"},
    };
    for (const Case& c : cases) {
        const Outcome o = Headless(c.args);
        EXPECT_EQ(o.status, c.status) << c.args.back();
        EXPECT_EQ(o.err.substr(0, c.err.size()), c.err);
        EXPECT_TRUE(o.out.empty());
    }
}

}  // namespace
}  // namespace vellamor
