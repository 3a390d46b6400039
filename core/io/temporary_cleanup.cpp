// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/temporary_cleanup.h"

#include <fcntl.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>

namespace vellamor {
namespace {

// A folder descriptor and a name in a fixed buffer, as a handler may not
// allocate; lock-free atomics, as another thread may note them.
std::atomic<int> g_pendingFolder{-1};
char g_pendingName[32];
// How many CleanupSignalsHeld are alive, in any thread.
std::atomic<int> g_holding{0};
static_assert(std::atomic<int>::is_always_lock_free);

constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void RemovePendingAndEnd(int signal) {
    // Only another thread can hold the signals now: let it finish.
    while (g_holding.load() > 0) {
        const timespec pause{0, 1000000};
        ::nanosleep(&pause, nullptr);
    }
    if (g_pendingFolder.load() >= 0)
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
    ::pthread_sigmask(SIG_BLOCK, &set, &m_old);
    ++g_holding;
}

CleanupSignalsHeld::~CleanupSignalsHeld() {
    --g_holding;
    ::pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
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
