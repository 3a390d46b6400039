// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file the user chose (a chart file, an exported sheet) without
// ever losing the old one: the new content, complete in memory, goes into a
// hidden temporary file in the target's folder; every write is checked, the
// file flushed to the disk, and only then renamed over the target, after
// which the folder is synced. Any failure leaves the old file byte-identical
// and removes the temporary file. A signal that ends the process meanwhile
// removes it too, once the program has installed the handlers of
// core/io/temporary_cleanup.h.
//
// Symbolic links follow one rule: a link anywhere in the path, in a
// world-writable folder (such as /tmp, sticky or not), owned neither by the effective user
// nor by the folder's owner, is refused whatever the kernel's own setting;
// any other link is resolved fully and the file it leads to is replaced,
// leaving the link as it was. Everything is looked up one component at a
// time through folder descriptors, never by checking a path and then
// opening it.
//
// A file with other names (hard links) is not replaced but rewritten in
// place, so that every name shows the new content; the old content is kept
// meanwhile in a synced hidden side file beside it, put back if a write
// fails, and used by RecoverInterruptedRewrite after a kill or a power cut
// part way.
//
// POSIX only; no Qt.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/astro/expected.h"

namespace vellamor {

struct FileReplaceError {
    enum class Kind {
        SharedFolderLink,  // a stranger's symbolic link in a shared folder
        DanglingLink,      // a symbolic link that leads to no file
        NotRegularFile,    // a folder, a device, a pipe
        ReadOnly,          // an existing file the user may not write
        LinkedAndLarge,    // a file with other names, too large to rewrite in place
        System,            // the system refused: `systemError` says why
    };
    Kind kind = Kind::System;
    int systemError = 0;  // errno, for Kind::System
};

// Test seams.
struct FileReplaceHooks {
    // Runs after the temporary file is complete, before the rename.
    std::function<void()> beforeRename;
    // Stands in for fsync(2) on the new content, to feign a failing disk.
    std::function<int(int fd)> syncFile = {};
    // Runs between writing a file in place and cutting it to its new length.
    std::function<void()> beforeTruncate = {};
};

// Replaces (or creates) the file at `path` with `bytes`. A new file gets
// 0666 less the umask; a replaced one keeps its mode, and its owner and
// group where the process may set them. An existing read-only file is
// refused.
Expected<void, FileReplaceError> ReplaceFile(const std::string& path, std::string_view bytes,
                                             const FileReplaceHooks& hooks = {});

// What became of an in-place rewrite (of a file with several names) that a
// kill or a power cut ended part way.
enum class InterruptedRewrite {
    None,      // there was none, or it had changed nothing yet
    Finished,  // every new byte was in place: the old tail was cut off
    Undone,    // the new content was not whole: the old content is back
};

// Puts right a file at `path` whose in-place rewrite was cut off, found by
// the side file that rewrite left beside it; any later save does the same.
// Opening a file calls this first, so that each of its names in that folder
// shows either the old content or the new one, never a mixture. (A name in
// another folder is put right once the file is opened or saved through a
// name in the folder it was saved through.)
Expected<InterruptedRewrite, FileReplaceError> RecoverInterruptedRewrite(const std::string& path);

// The largest file with other names that is rewritten in place (its old
// content is held in memory meanwhile).
inline constexpr std::size_t kMaxInPlaceBytes = 64 * 1024 * 1024;

// The temporary files' names: hidden, and short, so that a target whose name
// takes the folder's whole 255 bytes can still be saved.
inline constexpr std::string_view kTemporaryFilePrefix = ".vlm-";

}  // namespace vellamor
