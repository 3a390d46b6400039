// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/retro/station_table.h"

#include <charconv>

namespace vellamor {
namespace {

void AppendNumber(std::string& out, int value) {
    char buffer[12];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, end);
}

void AppendStation(std::string& out, const Station& s) {
    for (int field : {s.month, s.day, s.year, s.hour, s.minute}) {
        AppendNumber(out, field);
        out += ',';
    }
}

}  // namespace

const StationTable* FindStationTable(Body body) {
    for (const StationTable& table : StationTables())
        if (table.planet == body)
            return &table;
    return nullptr;
}

const StationTable* FindStationTable(std::string_view planetName) {
    for (const StationTable& table : StationTables()) {
        if (table.name == planetName)
            return &table;
    }
    return nullptr;
}

std::string FormatStation(const Station& s) {
    std::string out;
    AppendStation(out, s);
    return out;
}

std::string StationTablesCsv() {
    std::string out = "planet,row,retrograde,direct\n";
    out.reserve(1400 * 48);
    for (const StationTable& table : StationTables()) {
        for (std::size_t row = 0; row < table.periods.size(); ++row) {
            const StationPeriod& p = table.periods[row];
            out += table.name;
            out += ',';
            AppendNumber(out, static_cast<int>(row));
            out += ",\"";
            AppendStation(out, p.retrograde);
            out += "\",\"";
            AppendStation(out, p.direct);
            out += "\"\n";
        }
    }
    return out;
}

}  // namespace vellamor
