// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/io/file_descriptor.h"

namespace vellamor {

Expected<std::string, WholeFileError> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0)
        return Fail(WholeFileError{WholeFileError::Kind::System, errno});
    struct stat st {};
    if (::fstat(file.get(), &st) != 0)
        return Fail(WholeFileError{WholeFileError::Kind::System, errno});
    if (!S_ISREG(st.st_mode))
        return Fail(WholeFileError{WholeFileError::Kind::NotRegularFile, 0});
    // One byte past the limit tells a file that is too large; the usual
    // small file needs one buffer of its own size.
    const std::size_t limit = maxBytes + 1;
    const std::size_t size = st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
    std::string content(std::min(size + 1, limit), '\0');
    std::size_t got = 0;
    while (got < limit) {
        if (got == content.size())
            content.resize(limit);
        const ssize_t n = ::read(file.get(), content.data() + got, content.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Fail(WholeFileError{WholeFileError::Kind::System, errno});
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    if (got > maxBytes)
        return Fail(WholeFileError{WholeFileError::Kind::TooLarge, 0});
    content.resize(got);
    return content;
}

}  // namespace vellamor
