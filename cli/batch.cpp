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
#include "cli/part_pool.h"
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

    // Emptied for the next rows (see PartPool).
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

// The table's bytes: a file, or standard input ("-").
struct TableSource {
    FileDescriptor file;  // open while the table is read
    CsvByteSource bytes;
    std::optional<std::uint64_t> totalBytes;  // a file's size, for the time left
};

// Opens the table; fails with the exit status after saying why.
Expected<TableSource, int> OpenTable(const Invocation& inv, const HeadlessServices& services,
                                     const std::string& name, std::ostream& err) {
    TableSource table;
    if (*inv.births == "-" && services.standardInput) {
        table.bytes = StreamBytes(*services.standardInput);
        return table;
    }
    const bool standardInput = *inv.births == "-";
    int fd = STDIN_FILENO;
    if (!standardInput) {
        table.file = FileDescriptor(::open(inv.births->c_str(), O_RDONLY | O_CLOEXEC));
        if (table.file.get() < 0)
            return Fail(TableError(err, name, "cannot be opened: " + Reason(errno)));
        fd = table.file.get();
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return Fail(TableError(err, name,
                               standardInput && errno == EBADF
                                   ? "standard input is closed"
                                   : "cannot be read: " + Reason(errno)));
    if (S_ISDIR(st.st_mode))
        return Fail(TableError(err, name,
                               standardInput ? "standard input is a folder, not a table"
                                             : "is a folder, not a table"));
    if (S_ISREG(st.st_mode))
        table.totalBytes = static_cast<std::uint64_t>(st.st_size);
    table.bytes = DescriptorBytes(fd);
    return table;
}

// Says where the table stopped being read before its end, after the rows
// before it; the run then fails.
int SayStopped(const CsvStop& stop, const std::string& name, CsvSplitter& splitter, bool hasEnd,
               std::ostream& out, std::ostream& err) {
    out.flush();
    if (stop.kind == CsvStop::Kind::ReadFailed) {
        err << "vellamor: " << name << ": cannot be read from line " << stop.line
            << " on: " << Reason(stop.error) << "\n";
        return 1;
    }
    // A table that has an end (a file) says how much of it was lost, as a
    // quote left open in a shorter table does.
    std::optional<std::uint64_t> lines;
    if (hasEnd)
        lines = splitter.CountLinesLeft();
    err << name << ":" << stop.line << ": the record is longer than 1 MiB (" << kMaxCsvRecordBytes
        << " bytes)" << (stop.openQuote ? ", a quoted field in it is not closed" : "")
        << "; the rest of the table, "
        << (lines ? std::to_string(*lines) + (*lines == 1 ? " line " : " lines ") : std::string())
        << "from this line on, was not read\n";
    return 1;
}

// What the header says: the columns, and whether rows name a place.
struct TableHeader {
    std::vector<BirthColumn> columns;
    bool hasPlace = false;
};

// Reads the header, which decides everything before the first row is read;
// fails with the exit status after saying why.
Expected<TableHeader, int> ReadHeader(CsvSplitter& splitter, const HeadlessServices& services,
                                      const std::string& name, bool hasEnd, std::ostream& out,
                                      std::ostream& err) {
    std::vector<std::string> cells;
    std::string_view record;
    const bool hasHeader = splitter.Next(record);
    if (splitter.stopped())
        return Fail(SayStopped(*splitter.stopped(), name, splitter, hasEnd, out, err));
    const std::string where = hasHeader ? name + ":" + std::to_string(splitter.recordLine()) : name;
    if (hasHeader) {
        CsvRecordEnd parsed = ParseCsvRecord(record, true, &cells);
        if (!parsed.error.empty())
            return Fail(TableError(err, where, parsed.error));
    }
    auto columns = ReadBirthHeader(cells);
    if (!columns)
        return Fail(TableError(err, where, columns.error()));
    TableHeader header;
    header.columns = std::move(*columns);
    header.hasPlace = std::find(header.columns.begin(), header.columns.end(), BirthColumn::Place) !=
                      header.columns.end();
    if (header.hasPlace && !services.findPlace)
        return Fail(
            TableError(err, name, "the place column needs the atlas, which this build lacks"));
    return header;
}

// The rows of a table with places: each distinct place is looked up once,
// its zone and box still following each row's own date and time. The atlas
// is asked from the reading thread only.
class PlaceRows {
  public:
    PlaceRows(const BirthRowReader& reader, const HeadlessServices& services,
              const CalculationChoice& calculation)
        : m_reader(reader), m_findPlace(services.findPlace), m_calculation(calculation) {}

    // Reads the record into the row's form, its place resolved, or the
    // row's error.
    void Read(std::string_view record, Row& row) {
        CsvRecordEnd parsed = ParseCsvRecord(record, true, &m_cells);
        if (!parsed.error.empty()) {
            row.error = std::move(parsed.error);
            return;
        }
        if (auto read = m_reader.Read(m_cells, m_row); !read) {
            row.error = std::move(read.error());
            return;
        }
        row.form = m_row.form;
        if (m_row.place.empty())
            return;
        auto known = m_places.find(m_row.place);
        if (known == m_places.end()) {
            if (m_places.size() >= kMaxCachedPlaces)
                m_places.clear();
            known = m_places.emplace(m_row.place, m_findPlace(m_row.place)).first;
        }
        if (!known->second) {
            row.error = UnknownPlaceMessage(known->second.error());
            return;
        }
        ResolvedPlace resolved = (*known->second)(*row.form, m_row.given, m_calculation);
        row.form = std::move(resolved.form);
        // Each decision is said once for its place.
        if (!resolved.note.empty() && m_notesSaid.insert(m_row.place + "\n" + resolved.note).second)
            row.note = std::move(resolved.note);
    }

  private:
    const BirthRowReader& m_reader;
    const PlaceFinder& m_findPlace;
    const CalculationChoice& m_calculation;
    std::vector<std::string> m_cells;
    BirthRow m_row;
    std::unordered_map<std::string, Expected<PlaceFiller, UnknownPlace>> m_places;
    std::set<std::string> m_notesSaid;
};

// Fills a part with the next rows, up to its size; false once the table has
// no more. Without places a row's record is kept for the job to take apart,
// beside the other rows' charts.
bool ReadPart(CsvSplitter& splitter, std::uint64_t& rowsRead, PlaceRows* places, Part& part) {
    std::string_view record;
    bool more = true;
    while (part.rows.size() < kRowsPerPart && part.raw.size() < kPartBytes) {
        if (!splitter.Next(record)) {
            more = false;
            break;
        }
        Row& row = part.rows.emplace_back();
        row.line = splitter.recordLine();
        row.number = ++rowsRead;
        if (places) {
            places->Read(record, row);
        } else {
            row.rawBegin = part.raw.size();
            row.rawLength = record.size();
            part.raw.append(record);
        }
    }
    part.bytesEnd = splitter.bytesConsumed();
    return more;
}

// Writes computed parts in the table's order: the charts to standard
// output, and each row's note or refusal to standard error, where it stands
// among them.
class TableWriter {
  public:
    TableWriter(const Invocation& inv, const std::string& name, Progress& progress,
                std::ostream& out, std::ostream& err)
        : m_print(inv.mode == HeadlessMode::Print),
          m_name(name),
          m_progress(progress),
          m_out(out),
          m_err(err) {}

    void Write(const Part& part) {
        // Rows that went well are written together, up to the next row with
        // something to say on standard error.
        std::size_t from = 0;
        for (std::size_t i = 0; i < part.rows.size() && m_out; ++i) {
            const Row& row = part.rows[i];
            if (row.error.empty() && row.note.empty())
                continue;
            const std::size_t begin = i == 0 ? 0 : part.ends[i - 1];
            WriteCharts(part, from, begin);
            from = begin;
            const std::string where = m_name + ":" + std::to_string(row.line) + ": ";
            m_out.flush();
            m_progress.Clear();
            if (!row.note.empty())
                m_err << where << row.note << "\n";
            if (!row.error.empty()) {
                m_err << where << row.error << "\n";
                m_status = 1;
                from = part.ends[i];
            }
        }
        WriteCharts(part, from, part.ends.empty() ? 0 : part.ends.back());
        m_rowsDone += part.rows.size();
        m_progress.Update(m_rowsDone, part.bytesEnd);
    }

    // 1 once a row was refused.
    int status() const { return m_status; }

  private:
    void WriteCharts(const Part& part, std::size_t from, std::size_t to) {
        if (to > from && m_print && m_firstChart)
            ++from;  // no blank line before the first chart
        if (to > from) {
            m_out.write(part.out.data() + from, static_cast<std::streamsize>(to - from));
            m_firstChart = false;
        }
    }

    bool m_print;
    const std::string& m_name;
    Progress& m_progress;
    std::ostream& m_out;
    std::ostream& m_err;
    int m_status = 0;
    bool m_firstChart = true;
    std::uint64_t m_rowsDone = 0;
};

// Jobs for the table: as many as the cores unless --jobs says otherwise;
// more jobs than cores only add parts in flight, each of them memory.
int JobsFor(const Invocation& inv) {
    const int cores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    return inv.jobs > 0 ? std::min(inv.jobs, kJobsPerCore * cores) : cores;
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
    auto table = OpenTable(inv, services, name, err);
    if (!table)
        return table.error();
    const bool hasEnd = table->totalBytes.has_value();
    CsvSplitter splitter(std::move(table->bytes));
    const auto header = ReadHeader(splitter, services, name, hasEnd, out, err);
    if (!header)
        return header.error();
    const BirthRowReader reader(header->columns);
    PlaceRows places(reader, services, inv.calculation);

    const int jobs = JobsFor(inv);
    OrderedWork<Part> work(jobs, [&inv, &reader](Part& part) { Compute(part, inv, reader); });
    const std::size_t maxInFlight = 2 * static_cast<std::size_t>(jobs) + 2;
    Progress progress(services.progressOnTerminal, err, table->totalBytes);
    TableWriter writer(inv, name, progress, out, err);
    if (services.prepareBulkOutput)
        services.prepareBulkOutput();

    PartPool<Part> pool;
    std::uint64_t rowsRead = 0;
    bool more = true;
    while (more) {
        std::unique_ptr<Part> part = pool.Take();
        more = ReadPart(splitter, rowsRead, header->hasPlace ? &places : nullptr, *part);
        if (part->rows.empty())
            pool.Give(std::move(part));
        else
            work.Submit(std::move(part));
        while (out && (work.InFlight() >= maxInFlight || (!more && work.InFlight() > 0))) {
            std::unique_ptr<Part> done = work.TakeOldest();
            writer.Write(*done);
            pool.Give(std::move(done));
        }
        // Output that cannot be written stops the run at once; the caller
        // says why.
        if (!out) {
            progress.Clear();
            return writer.status();
        }
    }
    out.flush();
    progress.Clear();
    if (splitter.stopped() && out)
        return SayStopped(*splitter.stopped(), name, splitter, hasEnd, out, err);
    return writer.status();
}

}  // namespace vellamor
