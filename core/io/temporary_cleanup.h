// SPDX-License-Identifier: GPL-3.0-or-later
// The temporary file that ReplaceFile is writing, if any, known process-wide
// so that a signal ending the process can remove it. Nothing here acts on
// its own: the handlers exist only once the program installs them, which
// app/ does for the command line and the windows alike; without them a
// signal ends the process as usual and a temporary file may stay.
//
// POSIX only; no Qt.
#pragma once

#include <signal.h>

#include <string_view>

namespace vellamor {

// SIGINT, SIGTERM and SIGHUP remove a temporary file being written, then
// end the process as the signal would. Signals the process ignores (a run
// under nohup) stay ignored.
void RemoveTemporaryFileOnSignals();

// The temporary file `name` (at most 31 bytes) in the open folder `folder`
// is the one to remove; one at a time.
void NoteTemporaryFile(int folder, std::string_view name);
// It was renamed or removed: nothing left to remove.
void ForgetTemporaryFile();

// SIGINT, SIGTERM and SIGHUP held back while alive, so that none can strike
// between creating a temporary file and noting it, or while a file is
// rewritten in place. In a process with several threads (the window's) the
// signal may reach another thread meanwhile: its handler waits until no
// thread holds them any more.
class CleanupSignalsHeld {
  public:
    CleanupSignalsHeld();
    ~CleanupSignalsHeld();
    CleanupSignalsHeld(const CleanupSignalsHeld&) = delete;
    CleanupSignalsHeld& operator=(const CleanupSignalsHeld&) = delete;

  private:
    sigset_t m_old;
};

}  // namespace vellamor
