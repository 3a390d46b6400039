// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <unordered_map>

#include "cli/births_table.h"
#include "core/chart/entry_form.h"
#include "core/chart/pipeline.h"

namespace vellamor {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Rows handed to a job at once: enough to make the hand-over cheap, few
// enough that the rows in flight stay small.
constexpr std::size_t kRowsPerPart = 256;

struct Row {
    std::uint64_t line = 0;    // where the record starts
    std::uint64_t number = 0;  // 1 for the first row after the header
    EntryForm form;
    std::string error;  // refused before or during its calculation
    std::string note;   // what the atlas decided, said once per place and decision
};

struct Part {
    std::vector<Row> rows;
    std::string out;                // every row's text, one after the other
    std::vector<std::size_t> ends;  // end of each row's text in `out`
    std::uint64_t bytesEnd = 0;     // input consumed up to the part's last row
};

void AppendWhole(std::string& out, std::uint64_t v) {
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v > 0);
    while (n > 0)
        out.push_back(digits[--n]);
}

// The same steps as a chart file or the chart options take: the entry
// window's checks, then the calculation.
void Compute(Part& part, const Invocation& inv) {
    part.out.clear();
    part.ends.clear();
    part.out.reserve(part.rows.size() * (inv.mode == HeadlessMode::Json ? 3200 : 4000));
    for (Row& row : part.rows) {
        if (row.error.empty()) {
            if (const auto valid = ValidateInput(row.form); !valid) {
                row.error = valid.error().message;
            } else {
                const Chart chart = CalculateChart(CopyFormToBirthData(row.form));
                const std::size_t before = part.out.size();
                if (inv.mode == HeadlessMode::Print)
                    part.out += "\n";  // between charts; dropped before the first
                if (auto written = AppendChartOutput(part.out, chart, inv); !written) {
                    part.out.resize(before);
                    row.error = written.error();
                } else if (inv.mode == HeadlessMode::Json) {
                    part.out.pop_back();  // the closing brace: "row" comes last
                    part.out += ", \"row\": ";
                    AppendWhole(part.out, row.number);
                    part.out += "}\n";
                }
            }
        }
        part.ends.push_back(part.out.size());
    }
}

// "12,345 rows, 150,000 rows/s, 0:07 left" on a terminal, redrawn a few
// times a second in place.
class Progress {
  public:
    Progress(bool on, std::ostream& err, std::optional<std::uint64_t> totalBytes)
        : m_on(on), m_err(err), m_total(totalBytes), m_start(Clock::now()), m_last(m_start) {}

    void Update(std::uint64_t rows, std::uint64_t bytes) {
        if (!m_on)
            return;
        const Clock::time_point now = Clock::now();
        if (now - m_last < std::chrono::milliseconds(250))
            return;
        m_last = now;
        const double seconds = std::chrono::duration<double>(now - m_start).count();
        std::string line = "\r" + Grouped(rows) + " rows, " +
                           Grouped(static_cast<std::uint64_t>(rows / seconds)) + " rows/s";
        if (m_total && bytes > 0 && bytes <= *m_total) {
            const auto left = static_cast<std::uint64_t>(
                seconds * static_cast<double>(*m_total - bytes) / static_cast<double>(bytes));
            char buf[40];
            std::snprintf(buf, sizeof buf, ", %llu:%02llu left",
                          static_cast<unsigned long long>(left / 60),
                          static_cast<unsigned long long>(left % 60));
            line += buf;
        }
        m_err << line << "\033[K" << std::flush;
        m_shown = true;
    }

    // Before a message, and at the end: the line is taken away.
    void Clear() {
        if (m_shown)
            m_err << "\r\033[K" << std::flush;
        m_shown = false;
    }

  private:
    static std::string Grouped(std::uint64_t v) {
        const std::string digits = std::to_string(v);
        std::string out;
        for (std::size_t i = 0; i < digits.size(); ++i) {
            if (i > 0 && (digits.size() - i) % 3 == 0)
                out.push_back(',');
            out.push_back(digits[i]);
        }
        return out;
    }

    bool m_on;
    std::ostream& m_err;
    std::optional<std::uint64_t> m_total;
    Clock::time_point m_start, m_last;
    bool m_shown = false;
};

int TableError(std::ostream& err, const std::string& where, const std::string& message) {
    err << "vellamor: " << where << ": " << message << "\n";
    return 2;
}

}  // namespace

int RunBirthsTable(const Invocation& inv, const HeadlessServices& services, std::ostream& out,
                   std::ostream& err) {
    const std::string& name = *inv.births;
    std::ifstream file;
    std::istream* in = services.standardInput ? services.standardInput : &std::cin;
    std::optional<std::uint64_t> totalBytes;
    if (name != "-") {
        std::error_code ec;
        if (fs::is_directory(name, ec))
            return TableError(err, name, "is a folder, not a table");
        file.open(name, std::ios::binary);
        if (!file)
            return TableError(err, name, "cannot be read");
        if (fs::is_regular_file(name, ec)) {
            const auto size = fs::file_size(name, ec);
            if (!ec)
                totalBytes = size;
        }
        in = &file;
    }

    // The header decides everything before the first row is read.
    CsvReader reader(*in);
    std::vector<std::string> cells;
    const auto header = reader.Next(cells);
    if (!header)
        return TableError(err, name + ":" + std::to_string(reader.recordLine()), header.error());
    if (!*header)
        cells.clear();  // an empty table: the header's own message says what is missing
    const auto columns = ReadBirthHeader(cells);
    if (!columns)
        return TableError(err, *header ? name + ":" + std::to_string(reader.recordLine()) : name,
                          columns.error());
    const bool hasPlace =
        std::find(columns->begin(), columns->end(), BirthColumn::Place) != columns->end();
    if (hasPlace && !services.findPlace)
        return TableError(err, name, "the place column needs the atlas, which this build lacks");

    const int jobs = inv.jobs > 0
                         ? inv.jobs
                         : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    OrderedWork<Part> work(jobs, [&inv](Part& part) { Compute(part, inv); });
    const std::size_t maxInFlight = 2 * static_cast<std::size_t>(jobs) + 2;
    Progress progress(services.progressOnTerminal, err, totalBytes);

    // Each distinct place is looked up once; its zone and box still follow
    // each row's own date and time.
    std::unordered_map<std::string, Expected<PlaceFiller, UnknownPlace>> places;
    std::set<std::string> notesSaid;

    int status = 0;
    bool firstChart = true;
    std::uint64_t rowsRead = 0, rowsDone = 0;
    auto write = [&](const Part& part) {
        std::size_t begin = 0;
        for (std::size_t i = 0; i < part.rows.size(); ++i) {
            const Row& row = part.rows[i];
            const std::string where = row.error.empty() && row.note.empty()
                                          ? std::string()
                                          : name + ":" + std::to_string(row.line) + ": ";
            if (!row.note.empty()) {
                out.flush();
                progress.Clear();
                err << where << row.note << "\n";
            }
            if (!row.error.empty()) {
                out.flush();
                progress.Clear();
                err << where << row.error << "\n";
                status = 1;
            } else {
                std::size_t from = begin;
                if (inv.mode == HeadlessMode::Print && firstChart)
                    ++from;  // no blank line before the first chart
                out.write(part.out.data() + from,
                          static_cast<std::streamsize>(part.ends[i] - from));
                firstChart = false;
            }
            begin = part.ends[i];
        }
        rowsDone += part.rows.size();
        progress.Update(rowsDone, part.bytesEnd);
    };

    bool atEnd = false;
    while (!atEnd) {
        auto part = std::make_unique<Part>();
        part->rows.reserve(kRowsPerPart);
        while (part->rows.size() < kRowsPerPart) {
            const auto got = reader.Next(cells);
            if (got && !*got) {
                atEnd = true;
                break;
            }
            Row& row = part->rows.emplace_back();
            row.line = reader.recordLine();
            row.number = ++rowsRead;
            if (!got) {
                row.error = got.error();
                continue;
            }
            auto filled = BirthRowForm(*columns, cells);
            if (!filled) {
                row.error = filled.error();
                continue;
            }
            row.form = std::move(filled->form);
            if (filled->place.empty())
                continue;
            auto known = places.find(filled->place);
            if (known == places.end())
                known = places.emplace(filled->place, services.findPlace(filled->place)).first;
            if (!known->second) {
                row.error = UnknownPlaceMessage(known->second.error());
                continue;
            }
            ResolvedPlace resolved = (*known->second)(row.form, filled->given);
            row.form = std::move(resolved.form);
            if (!resolved.note.empty() &&
                notesSaid.insert(filled->place + "\n" + resolved.note).second)
                row.note = std::move(resolved.note);
        }
        part->bytesEnd = reader.bytesConsumed();
        if (!part->rows.empty())
            work.Submit(std::move(part));
        while (work.InFlight() >= maxInFlight || (atEnd && work.InFlight() > 0))
            write(*work.TakeOldest());
    }
    out.flush();
    progress.Clear();
    return status;
}

}  // namespace vellamor
