// SPDX-License-Identifier: GPL-3.0-or-later
// Standard output as the headless modes write it: every write is checked,
// and the first failure is kept with the system's reason, so that a full
// disk or a closed pipe is reported in the system's words however long ago
// it happened. After a failure nothing more is written. Output that SIGINT
// or SIGTERM ends part way ends on a whole line.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace vellamor {

class CheckedOutput : public std::streambuf {
  public:
    explicit CheckedOutput(int fd);
    ~CheckedOutput() override;
    CheckedOutput(const CheckedOutput&) = delete;
    CheckedOutput& operator=(const CheckedOutput&) = delete;

    // The errno of the first write that failed; 0 while every write went.
    int error() const { return m_error; }

  protected:
    int overflow(int c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

  private:
    // Writes the whole lines buffered (everything, with `partialLine`).
    bool Drain(bool partialLine);
    bool WriteLines(const char* s, std::size_t n);
    bool WriteAll(const char* s, std::size_t n);

    int m_fd;
    std::vector<char> m_buffer;
    int m_error = 0;
};

// Why `out` stopped taking output, in the system's words when its buffer
// is a CheckedOutput that knows, else plainly.
std::string OutputFailureReason(const std::ostream& out);

}  // namespace vellamor
