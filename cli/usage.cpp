// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/usage.h"

#include "cli/options.h"

namespace vellamor {

std::string UsageText() {
    std::string text =
        "Usage:\n"
        "  vellamor                      start the desktop program\n"
        "  vellamor FILE.sud             start the desktop program with a chart\n"
        "  vellamor --json FILE.sud...   print one JSON object per chart, one per line\n"
        "  vellamor --print FILE.sud...  print each chart as readable text, with how far\n"
        "                                to trust it (sign changes, stations, zone)\n"
        "  vellamor --json --stability FILE.sud...\n"
        "                                add that information under \"stability\"\n"
        "  vellamor --json|--print CHART-OPTIONS\n"
        "                                the same for the chart given by the options\n"
        "  vellamor --json|--print --births FILE.csv|-\n"
        "                                one chart per row of a table of births\n"
        "  vellamor --save OUT.sud CHART-OPTIONS\n"
        "                                write a chart file that the program opens\n"
        "  vellamor --export OUT.png|OUT.svg|OUT.pdf FILE.sud|CHART-OPTIONS\n"
        "                                draw the printable chart sheet (PNG 2000 pixels\n"
        "                                across, taller with --reading; SVG and PDF as\n"
        "                                vectors); no display\n"
        "  vellamor --json|--print|--export ... --reading YYYY-MM-DD[THH:MM]\n"
        "                                add the Sudarshan dasha, the transits and the\n"
        "                                Vimshottari periods at that date and time on\n"
        "                                the birth's clock\n"
        "  vellamor --json|--print ... --vargas\n"
        "                                add each body's sign in the sixteen vargas\n"
        "  vellamor --json|--print|--export ... --varga DN\n"
        "                                draw the three rings from that varga's signs\n"
        "  vellamor --export OUT ... --style sudarshan|north|south\n"
        "                                the chakra, or the north or south Indian chart\n"
        "  vellamor --zones              list the time-zone rows\n"
        "  vellamor --stations           print the retrograde station tables as CSV\n"
        "  vellamor --version            print the program's version\n"
        "  vellamor --help               show this text\n"
        "\nOptions:\n";
    auto append = [&text](const CommandLineOption& o) {
        std::string left = "  " + std::string(o.name);
        if (!o.alias.empty())
            left = "  " + std::string(o.alias) + ", " + std::string(o.name);
        if (!o.value.empty())
            left += " " + std::string(o.value);
        if (left.size() < 32)
            left.resize(32, ' ');
        else
            left += "\n" + std::string(32, ' ');
        text += left + std::string(o.help) + "\n";
    };
    for (const CommandLineOption& o : CommandLineOptions())
        if (!o.describesChart)
            append(o);
    text +=
        "\nChart options (as on the entry window; an option left out keeps the fresh\n"
        "window's value: date 1901-01-01, time 00:00, zone row 0, North, East, no\n"
        "daylight saving, empty texts):\n";
    for (const CommandLineOption& o : CommandLineOptions())
        if (o.describesChart)
            append(o);
    text +=
        "\nValues may also be written --option=VALUE. The chart options are checked as\n"
        "the entry window checks its input, with its messages and in its order; a\n"
        "chart that fails writes nothing.\n"
        "\n"
        "A chart that is refused or fails validation prints \"FILE: message\" on\n"
        "standard error, a refused file with the reason after the message; the exit\n"
        "status is then 1, and the other files are still processed. A value of the\n"
        "wrong shape or characters for its option, or --stability with a mode other\n"
        "than --json and --print, is a usage error: exit status 2.\n"
        "\n"
        "--births reads a CSV table (standard input for -) whose header row names\n"
        "its columns: name, date, time, zone, dst, lat, lon, city, state, country,\n"
        "offset (in any order, each value as its option takes it; dst is true or\n"
        "false, offset as --offset takes it or LMT) or place for the atlas. Each\n"
        "row prints one line, in the table's order, its JSON object ending in\n"
        "\"row\": the row's number (1 after the header).\n"
        "A row that fails prints \"FILE:LINE: message\" on standard error and the\n"
        "others go on (exit status 1); a missing header or an unknown column is a\n"
        "usage error. Rows are computed on every core, or --jobs N at once (at most\n"
        "4 a core). A table that cannot be read to its end, or has a record longer\n"
        "than 1 MiB, is read up to there and the run fails (exit status 1).\n"
        "\n"
        "--place looks up the city, keeps the places whose state or country\n"
        "contains each further part, and takes the most populous; what the atlas\n"
        "decided about the zone is printed on standard error. A place the atlas\n"
        "does not know is an error that lists the nearest ones. With chart options\n"
        "it fills what --city, --state, --country, --lat, --lon, --zone and --dst\n"
        "leave out; with chart files it replaces each file's place.\n"
        "\n"
        "--precise calculates the positions with Swiss Ephemeris instead of the\n"
        "classic formulas, for the universal time the zone row's own offset gives\n"
        "(and an hour less with --dst); retrograde marks come from the speeds.\n"
        "--ayanamsa lahiri|raman|krishnamurti|yukteshwar|fagan-bradley|true-chitra\n"
        "and --node mean|true go only with it. --json adds \"calculation\" after\n"
        "\"entry\", --print and --export name it under the details; --save writes\n"
        "the same chart file either way. Without the library's data files the\n"
        "built-in Moshier theory is used, and named.\n"
        "\n"
        "--offset +H:MM[:SS] gives the clock's exact offset east of UTC (-14:00 to\n"
        "+14:00, daylight saving included: +05:45 for Nepal, -00:44:30 for Liberia\n"
        "before 1972), and --lmt the local mean time of --lon (4 minutes a degree).\n"
        "A precise chart takes it instead of the row and the box; the classic\n"
        "formulas keep the row and the box. Without --zone the row is the one\n"
        "nearest the offset, the box unticked unless --dst. --json ends \"entry\"\n"
        "with \"offset\", --print names it, --save writes it on an 18th line. With\n"
        "--precise, --place sets it where no row gives the place's offset at the\n"
        "birth, and local mean time of the place's longitude where the time-zone\n"
        "database says the place kept local mean time.\n"
        "\n"
        "The sixteen Parashari vargas (divisional charts) are D1 Rasi, D2 Hora,\n"
        "D3 Drekkana, D4 Chaturthamsa, D7 Saptamsa, D9 Navamsa, D10 Dasamsa,\n"
        "D12 Dwadasamsa, D16 Shodasamsa, D20 Vimsamsa, D24 Chaturvimsamsa, D27 Bhamsa,\n"
        "D30 Trimsamsa, D40 Khavedamsa, D45 Akshavedamsa and D60 Shashtiamsa, by the\n"
        "classical rules (the classical hora; the Trimsamsa's unequal parts); a\n"
        "longitude on a part's edge belongs to the later part. --vargas adds\n"
        "\"vargas\" after \"entry\" (and \"calculation\") to --json: for each varga\n"
        "the 13 sign numbers in the order of \"bodies\"; --print adds a table.\n"
        "--print --stability says how many minutes earlier or later the birth would\n"
        "have to be for the Lagna's and the Moon's sign to change in each varga.\n"
        "--varga DN\n"
        "counts the Lagna, Moon and Sun rings from those bodies' signs in that varga\n"
        "and puts each body in its varga sign, for --json (which adds \"varga\"),\n"
        "--print and --export; an unknown varga is a usage error, and so is a\n"
        "varga other than D1 with --reading, which reads the rasi chart only.\n"
        "--style draws the sheet's chart as the Sudarshan Chakra (the default), the\n"
        "north Indian diamond (houses fixed, Lagna at the top, sign numbers in the\n"
        "houses) or the south Indian square (signs fixed, Pisces at the top left,\n"
        "the Lagna's cell marked); north and south do not go with --reading.\n"
        "\n"
        "Conventions, for a chart to match another program's (the chart file\n"
        "keeps none of them): --positions geometric (with --precise) takes where\n"
        "the bodies are, without light-time and aberration, instead of where they\n"
        "are seen (apparent, the default): the Sun and planets move by up to 50\",\n"
        "the Moon by under 1\", the nodes not at all; \"calculation\" ends with\n"
        "\"positions\". With --reading, --dasha-year counts Vimshottari years of\n"
        "365.25 days (julian, the default), 365.256363 (sidereal), 365.24219\n"
        "(tropical) or 360 (savana), named in \"vimshottari\" as \"year\"; and\n"
        "--sudarshan-year starts each year of the Sudarshan dasha at the birthday\n"
        "(the default) or at the solar return, when the Sun is back at its\n"
        "sidereal longitude at the birth, named in \"progression\" as\n"
        "\"yearStart\". --print and --export name every choice; \"vimshottari\"\n"
        "also gives the \"balance\" at birth: the lord and the years, months\n"
        "(twelfths of the year) and days left of its period.\n"
        "\n"
        "Web addresses: the desktop program reads HelpPage, HomePage, DownloadPage and\n"
        "CoordinatesSearch (a template: %1 is the search text, %2 the home page) in the\n"
        "[Links] section of $XDG_CONFIG_HOME/Vellamor/vellamor.ini, and for every\n"
        "installation in /etc/xdg/Vellamor/vellamor.ini.\n";
    return text;
}

}  // namespace vellamor
