// SPDX-License-Identifier: GPL-3.0-or-later
// An open file descriptor that closes itself: every path out of a function
// that opened a file, a failure or a return, closes it exactly once.
//
// POSIX only; no Qt.
#pragma once

#include <unistd.h>

#include <utility>

namespace vellamor {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    // -1 when nothing is open.
    int get() const { return m_fd; }
    // Hands the descriptor over (to be closed by the caller, who wants its
    // result: a failed close may mean a failed write).
    int release() { return std::exchange(m_fd, -1); }

  private:
    int m_fd;
};

}  // namespace vellamor
