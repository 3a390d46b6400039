// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <set>
#include <unordered_map>

#include "cli/births_table.h"
#include "cli/csv_reader.h"
#include "cli/terminal_text.h"
#include "cli/wording.h"
#include "core/chart/entry_form.h"
#include "core/chart/pipeline.h"
#include "core/io/file_descriptor.h"

namespace vellamor {
namespace {

using Clock = std::chrono::steady_clock;

// Rows handed to a job at once: enough to make the hand-over cheap, few
// enough that the rows in flight stay small.
constexpr std::size_t kRowsPerPart = 256;
// ... and at most this many bytes of records, however long the records.
constexpr std::size_t kPartBytes = std::size_t{1} << 20;
// Distinct places remembered at once; a table of more starts again.
constexpr std::size_t kMaxCachedPlaces = 4096;

struct Row {
    std::uint64_t line = 0;    // where the record starts
    std::uint64_t number = 0;  // 1 for the first row after the header
    std::size_t rawBegin = 0;  // the record's bytes in the part's `raw`
    std::size_t rawLength = 0;
    std::optional<EntryForm> form;  // read already (a table with places)
    std::string error;              // refused before or during its calculation
    std::string note;               // what the atlas decided, said once per place and decision
};

struct Part {
    std::vector<Row> rows;
    std::string raw;                // the records as read, for the job to take apart
    std::string out;                // every row's text, one after the other
    std::vector<std::size_t> ends;  // end of each row's text in `out`
    std::uint64_t bytesEnd = 0;     // input consumed up to the part's last row
    // The transits' sign changes found so far, for the next rows on the same
    // clock; kept when the part is emptied, and used by one job at a time.
    SignStayMemo signStays;

    // Emptied for the next rows; the strings keep their storage, so that a
    // part of a megabyte is not allocated and faulted in anew each time.
    void Clear() {
        rows.clear();
        raw.clear();
        out.clear();
        ends.clear();
        bytesEnd = 0;
    }
};

// The same steps as a chart file or the chart options take: the record's
// fields, the entry window's checks, then the calculation.
void Compute(Part& part, const Invocation& inv, const BirthRowReader& reader) {
    std::vector<std::string> fields;
    BirthRow read;
    for (Row& row : part.rows) {
        if (row.error.empty()) {
            const EntryForm* form = row.form ? &*row.form : nullptr;
            if (!form) {
                const std::string_view record(part.raw.data() + row.rawBegin, row.rawLength);
                CsvRecordEnd parsed = ParseCsvRecord(record, true, &fields);
                if (!parsed.error.empty())
                    row.error = std::move(parsed.error);
                else if (auto done = reader.Read(fields, read); !done)
                    row.error = std::move(done.error());
                else
                    form = &read.form;
            }
            if (!form) {
                // refused above
            } else if (const auto valid = ValidateInput(*form); !valid) {
                row.error = FormCheckText(valid.error());
            } else {
                const Chart chart = CalculateChart(CopyFormToBirthData(*form), inv.calculation);
                const bool json = inv.mode == HeadlessMode::Json;
                const std::size_t before = part.out.size();
                if (inv.mode == HeadlessMode::Print)
                    part.out += "\n";  // between charts; dropped before the first
                const auto written = AppendChartOutput(
                    part.out, chart, inv, json ? std::optional(row.number) : std::nullopt,
                    &part.signStays);
                if (!written) {
                    part.out.resize(before);
                    row.error = written.error();
                } else if (json) {
                    part.out += "\n";
                }
            }
        }
        part.ends.push_back(part.out.size());
    }
}

// 1234567 as "1,234,567".
std::string Grouped(std::uint64_t v) {
    const std::string digits = std::to_string(v);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out.push_back(',');
        out.push_back(digits[i]);
    }
    return out;
}

// The progress line on a terminal, redrawn a few times a second in place.
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
        m_err << "\r" << ProgressText(rows, seconds, m_total, bytes) << "\033[K" << std::flush;
        m_shown = true;
    }

    // Before a message, and at the end: the line is taken away.
    void Clear() {
        if (m_shown)
            m_err << "\r\033[K" << std::flush;
        m_shown = false;
    }

  private:
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

std::string Reason(int error) {
    return std::strerror(error);
}

}  // namespace

std::string ProgressText(std::uint64_t rows, double seconds,
                         std::optional<std::uint64_t> totalBytes, std::uint64_t bytes) {
    std::string line = Grouped(rows) + " rows, " +
                       Grouped(static_cast<std::uint64_t>(static_cast<double>(rows) / seconds)) +
                       " rows/s";
    if (totalBytes && bytes > 0 && bytes <= *totalBytes) {
        const auto left = static_cast<std::uint64_t>(
            seconds * static_cast<double>(*totalBytes - bytes) / static_cast<double>(bytes));
        char buf[40];
        std::snprintf(buf, sizeof buf, ", %llu:%02llu left",
                      static_cast<unsigned long long>(left / 60),
                      static_cast<unsigned long long>(left % 60));
        line += buf;
    }
    return line;
}

int RunBirthsTable(const Invocation& inv, const HeadlessServices& services, std::ostream& out,
                   std::ostream& err) {
    const std::string name = EscapeControls(*inv.births);
    FileDescriptor file;
    CsvByteSource source;
    std::optional<std::uint64_t> totalBytes;
    if (*inv.births == "-" && services.standardInput) {
        source = StreamBytes(*services.standardInput);
    } else {
        const bool standardInput = *inv.births == "-";
        int fd = STDIN_FILENO;
        if (!standardInput) {
            file = FileDescriptor(::open(inv.births->c_str(), O_RDONLY | O_CLOEXEC));
            if (file.get() < 0)
                return TableError(err, name, "cannot be opened: " + Reason(errno));
            fd = file.get();
        }
        struct stat st {};
        if (::fstat(fd, &st) != 0)
            return TableError(err, name,
                              standardInput && errno == EBADF ? "standard input is closed"
                                                              : "cannot be read: " + Reason(errno));
        if (S_ISDIR(st.st_mode))
            return TableError(err, name,
                              standardInput ? "standard input is a folder, not a table"
                                            : "is a folder, not a table");
        if (S_ISREG(st.st_mode))
            totalBytes = static_cast<std::uint64_t>(st.st_size);
        source = DescriptorBytes(fd);
    }
    CsvSplitter splitter(std::move(source));
    // Where the table stopped being read before its end, said after the
    // rows before it; the run then fails.
    auto stopped = [&](const CsvStop& stop) {
        out.flush();
        if (stop.kind == CsvStop::Kind::ReadFailed) {
            err << "vellamor: " << name << ": cannot be read from line " << stop.line
                << " on: " << Reason(stop.error) << "\n";
        } else {
            // A table that has an end (a file) says how much of it was
            // lost, as a quote left open in a shorter table does.
            std::optional<std::uint64_t> lines;
            if (totalBytes)
                lines = splitter.CountLinesLeft();
            err << name << ":" << stop.line << ": the record is longer than 1 MiB ("
                << kMaxCsvRecordBytes << " bytes)"
                << (stop.openQuote ? ", a quoted field in it is not closed" : "")
                << "; the rest of the table, "
                << (lines ? std::to_string(*lines) + (*lines == 1 ? " line " : " lines ")
                          : std::string())
                << "from this line on, was not read\n";
        }
        return 1;
    };

    // The header decides everything before the first row is read.
    std::vector<std::string> cells;
    std::string_view record;
    const bool hasHeader = splitter.Next(record);
    if (splitter.stopped())
        return stopped(*splitter.stopped());
    if (hasHeader) {
        CsvRecordEnd parsed = ParseCsvRecord(record, true, &cells);
        if (!parsed.error.empty())
            return TableError(err, name + ":" + std::to_string(splitter.recordLine()),
                              parsed.error);
    }
    const auto columns = ReadBirthHeader(cells);
    if (!columns)
        return TableError(err,
                          hasHeader ? name + ":" + std::to_string(splitter.recordLine()) : name,
                          columns.error());
    const bool hasPlace =
        std::find(columns->begin(), columns->end(), BirthColumn::Place) != columns->end();
    if (hasPlace && !services.findPlace)
        return TableError(err, name, "the place column needs the atlas, which this build lacks");
    const BirthRowReader reader(*columns);

    const int cores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    // More jobs than cores only add parts in flight, each of them memory.
    const int jobs = inv.jobs > 0 ? std::min(inv.jobs, kJobsPerCore * cores) : cores;
    OrderedWork<Part> work(jobs, [&inv, &reader](Part& part) { Compute(part, inv, reader); });
    const std::size_t maxInFlight = 2 * static_cast<std::size_t>(jobs) + 2;
    Progress progress(services.progressOnTerminal, err, totalBytes);
    if (services.prepareBulkOutput)
        services.prepareBulkOutput();

    // Each distinct place is looked up once; its zone and box still follow
    // each row's own date and time. The atlas is asked from this thread only.
    std::unordered_map<std::string, Expected<PlaceFiller, UnknownPlace>> places;
    std::set<std::string> notesSaid;
    BirthRow placeRow;

    int status = 0;
    bool firstChart = true;
    std::uint64_t rowsRead = 0, rowsDone = 0;
    std::vector<std::unique_ptr<Part>> spare;  // parts written, to be used again
    auto write = [&](std::unique_ptr<Part> part) {
        // Rows that went well are written together, up to the next row with
        // something to say on standard error.
        std::size_t from = 0;
        auto flush = [&](std::size_t to) {
            if (to > from && inv.mode == HeadlessMode::Print && firstChart)
                ++from;  // no blank line before the first chart
            if (to > from) {
                out.write(part->out.data() + from, static_cast<std::streamsize>(to - from));
                firstChart = false;
            }
        };
        for (std::size_t i = 0; i < part->rows.size() && out; ++i) {
            const Row& row = part->rows[i];
            if (row.error.empty() && row.note.empty())
                continue;
            const std::size_t begin = i == 0 ? 0 : part->ends[i - 1];
            flush(begin);
            from = begin;
            const std::string where = name + ":" + std::to_string(row.line) + ": ";
            out.flush();
            progress.Clear();
            if (!row.note.empty())
                err << where << row.note << "\n";
            if (!row.error.empty()) {
                err << where << row.error << "\n";
                status = 1;
                from = part->ends[i];
            }
        }
        flush(part->ends.empty() ? 0 : part->ends.back());
        rowsDone += part->rows.size();
        progress.Update(rowsDone, part->bytesEnd);
        part->Clear();
        spare.push_back(std::move(part));
    };

    bool atEnd = false;
    while (!atEnd) {
        std::unique_ptr<Part> part;
        if (spare.empty()) {
            part = std::make_unique<Part>();
        } else {
            part = std::move(spare.back());
            spare.pop_back();
        }
        while (part->rows.size() < kRowsPerPart && part->raw.size() < kPartBytes) {
            if (!splitter.Next(record)) {
                atEnd = true;
                break;
            }
            Row& row = part->rows.emplace_back();
            row.line = splitter.recordLine();
            row.number = ++rowsRead;
            if (!hasPlace) {
                // Taken apart by the job, beside the other rows' charts.
                row.rawBegin = part->raw.size();
                row.rawLength = record.size();
                part->raw.append(record);
                continue;
            }
            CsvRecordEnd parsed = ParseCsvRecord(record, true, &cells);
            if (!parsed.error.empty()) {
                row.error = std::move(parsed.error);
                continue;
            }
            if (auto read = reader.Read(cells, placeRow); !read) {
                row.error = std::move(read.error());
                continue;
            }
            row.form = placeRow.form;
            if (placeRow.place.empty())
                continue;
            auto known = places.find(placeRow.place);
            if (known == places.end()) {
                if (places.size() >= kMaxCachedPlaces)
                    places.clear();
                known = places.emplace(placeRow.place, services.findPlace(placeRow.place)).first;
            }
            if (!known->second) {
                row.error = UnknownPlaceMessage(known->second.error());
                continue;
            }
            ResolvedPlace resolved = (*known->second)(*row.form, placeRow.given, inv.calculation);
            row.form = std::move(resolved.form);
            if (!resolved.note.empty() &&
                notesSaid.insert(placeRow.place + "\n" + resolved.note).second)
                row.note = std::move(resolved.note);
        }
        part->bytesEnd = splitter.bytesConsumed();
        if (part->rows.empty())
            spare.push_back(std::move(part));
        else
            work.Submit(std::move(part));
        while (out && (work.InFlight() >= maxInFlight || (atEnd && work.InFlight() > 0)))
            write(work.TakeOldest());
        // Output that cannot be written stops the run at once; the caller
        // says why.
        if (!out) {
            progress.Clear();
            return status;
        }
    }
    out.flush();
    progress.Clear();
    if (splitter.stopped() && out)
        return stopped(*splitter.stopped());
    return status;
}

}  // namespace vellamor
