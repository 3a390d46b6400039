// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/checked_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vellamor {
namespace {

// Large enough that a chart's JSON goes in one write.
constexpr std::size_t kBufferBytes = 1 << 16;

}  // namespace

CheckedOutput::CheckedOutput(int fd) : m_fd(fd), m_buffer(kBufferBytes) {
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

CheckedOutput::~CheckedOutput() {
    Drain();
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

bool CheckedOutput::Drain() {
    const bool ok = WriteAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return ok;
}

int CheckedOutput::overflow(int c) {
    if (!Drain())
        return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize CheckedOutput::xsputn(const char* s, std::streamsize n) {
    const auto count = static_cast<std::size_t>(n);
    if (count <= static_cast<std::size_t>(epptr() - pptr())) {
        std::memcpy(pptr(), s, count);
        pbump(static_cast<int>(count));
        return n;
    }
    if (!Drain())
        return 0;
    if (count < m_buffer.size()) {
        std::memcpy(pptr(), s, count);
        pbump(static_cast<int>(count));
        return n;
    }
    // A large piece goes straight out.
    return WriteAll(s, count) ? n : 0;
}

int CheckedOutput::sync() {
    return Drain() ? 0 : -1;
}

std::string OutputFailureReason(const std::ostream& out) {
    const auto* checked = dynamic_cast<const CheckedOutput*>(out.rdbuf());
    if (checked && checked->error() != 0)
        return std::strerror(checked->error());
    return "could not be written";
}

}  // namespace vellamor
