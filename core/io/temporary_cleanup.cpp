// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/temporary_cleanup.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

namespace vellamor {
namespace {

// A folder descriptor and a name in a fixed buffer, as a handler may not
// allocate.
volatile sig_atomic_t g_pendingFolder = -1;
char g_pendingName[32];

constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void RemovePendingAndEnd(int signal) {
    if (g_pendingFolder >= 0)
        ::unlinkat(g_pendingFolder, g_pendingName, 0);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

void NoteTemporaryFile(int folder, std::string_view name) {
    if (name.size() >= sizeof g_pendingName)
        return;
    std::memcpy(g_pendingName, name.data(), name.size());
    g_pendingName[name.size()] = '\0';
    g_pendingFolder = folder;
}

void ForgetTemporaryFile() {
    g_pendingFolder = -1;
}

CleanupSignalsHeld::CleanupSignalsHeld() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : kCleanupSignals)
        sigaddset(&set, s);
    ::sigprocmask(SIG_BLOCK, &set, &m_old);
}

CleanupSignalsHeld::~CleanupSignalsHeld() {
    ::sigprocmask(SIG_SETMASK, &m_old, nullptr);
}

void RemoveTemporaryFileOnSignals() {
    for (int s : kCleanupSignals) {
        struct sigaction old {};
        if (::sigaction(s, nullptr, &old) == 0 && old.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = RemovePendingAndEnd;
        sigemptyset(&action.sa_mask);
        ::sigaction(s, &action, nullptr);
    }
}

}  // namespace vellamor
