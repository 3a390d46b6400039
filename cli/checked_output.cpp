// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/checked_output.h"

#include <limits.h>
#include <string.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/io/temporary_cleanup.h"

namespace vellamor {
namespace {

// Large enough that a chart's JSON goes in one write.
constexpr std::size_t kBufferBytes = 1 << 16;

}  // namespace

CheckedOutput::CheckedOutput(int fd) : m_fd(fd), m_buffer(kBufferBytes) {
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

CheckedOutput::~CheckedOutput() {
    Drain(true);
}

bool CheckedOutput::WriteAll(const char* s, std::size_t n) {
    if (m_error != 0)
        return false;
    while (n > 0) {
        const ssize_t written = ::write(m_fd, s, n);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            m_error = errno;
            return false;
        }
        s += written;
        n -= static_cast<std::size_t>(written);
    }
    return true;
}

// Output ends on a whole line even when SIGINT or SIGTERM ends the program
// part way (a --births run into a pipe): whole lines go out in pieces no
// longer than PIPE_BUF, which a pipe takes whole or not at all, so a signal
// during a write that waits for the reader cuts nothing; a single line
// longer than that goes out with those signals held until it is whole.
bool CheckedOutput::WriteLines(const char* s, std::size_t n) {
    while (n > 0) {
        std::size_t piece = n;
        if (n > PIPE_BUF) {
            const auto* lastEnd = static_cast<const char*>(::memrchr(s, '\n', PIPE_BUF));
            piece = lastEnd ? static_cast<std::size_t>(lastEnd - s) + 1 : 0;
        }
        if (piece > 0) {
            if (!WriteAll(s, piece))
                return false;
        } else {
            const auto* end = static_cast<const char*>(std::memchr(s, '\n', n));
            piece = end ? static_cast<std::size_t>(end - s) + 1 : n;
            CleanupSignalsHeld held;
            if (!WriteAll(s, piece))
                return false;
        }
        s += piece;
        n -= piece;
    }
    return true;
}

bool CheckedOutput::Drain(bool partialLine) {
    const auto pending = static_cast<std::size_t>(pptr() - pbase());
    std::size_t whole = pending;
    // A line not yet ended waits for its end, unless it fills the buffer.
    if (!partialLine && pending > 0) {
        const auto* lastEnd = static_cast<const char*>(::memrchr(pbase(), '\n', pending));
        if (lastEnd)
            whole = static_cast<std::size_t>(lastEnd - pbase()) + 1;
        else if (pending < m_buffer.size())
            whole = 0;
    }
    const bool ok = WriteLines(pbase(), whole);
    const std::size_t rest = ok ? pending - whole : 0;
    std::memmove(m_buffer.data(), pbase() + whole, rest);
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    pbump(static_cast<int>(rest));
    return ok;
}

int CheckedOutput::overflow(int c) {
    if (pptr() == epptr() && !Drain(false))
        return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize CheckedOutput::xsputn(const char* s, std::streamsize n) {
    std::streamsize done = 0;
    while (done < n) {
        if (pptr() == epptr() && !Drain(false))
            return done;
        const auto room = static_cast<std::streamsize>(epptr() - pptr());
        const std::streamsize k = std::min(room, n - done);
        std::memcpy(pptr(), s + done, static_cast<std::size_t>(k));
        pbump(static_cast<int>(k));
        done += k;
    }
    return n;
}

int CheckedOutput::sync() {
    return Drain(true) ? 0 : -1;
}

std::string OutputFailureReason(const std::ostream& out) {
    const auto* checked = dynamic_cast<const CheckedOutput*>(out.rdbuf());
    if (checked && checked->error() != 0)
        return std::strerror(checked->error());
    return "could not be written";
}

}  // namespace vellamor
