// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a small file whole, such as a chart file: the open file itself is
// checked, so nothing can be swapped in between the check and the read, and
// never more than one byte past the caller's limit is read, whatever the
// file claims its size to be.
//
// POSIX only; no Qt.
#pragma once

#include <cstddef>
#include <string>

#include "core/astro/expected.h"

namespace vellamor {

struct WholeFileError {
    enum class Kind {
        NotRegularFile,  // a folder, a device, a pipe
        TooLarge,        // more bytes than the caller's limit
        System,          // the system refused: `systemError` says why
    };
    Kind kind = Kind::System;
    int systemError = 0;  // errno, for Kind::System
};

// The bytes of the regular file at `path`, at most `maxBytes` of them. The
// file is opened without waiting, so that a FIFO or a device under the
// name is refused at once instead of hanging the program.
Expected<std::string, WholeFileError> ReadWholeFile(const std::string& path, std::size_t maxBytes);

}  // namespace vellamor
