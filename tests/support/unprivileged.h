// SPDX-License-Identifier: GPL-3.0-or-later
// Runs part of a test as an ordinary user. The administrator may write any
// file and any folder, so a check that something is refused, or that nothing
// is left behind when a write is refused, proves nothing when the suite runs
// as root (as it does in CI). The body runs in a forked child; a root child
// first drops to uid and gid 65534, and a failure to drop fails the test
// rather than skipping it. The body works in a scratch folder of its own
// under the system's temporary folder, which that user can reach.
#pragma once

#include <grp.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

namespace vellamor::test {

inline constexpr unsigned kUnprivilegedId = 65534;

// `body` gets its scratch folder and returns an empty string on success or
// what went wrong. With `dropPrivileges` false it runs as the suite's own
// user instead (root in CI), for what must hold for the administrator too.
inline testing::AssertionResult RunUnprivileged(
    const std::function<std::string(const std::filesystem::path& scratch)>& body,
    bool dropPrivileges = true) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return testing::AssertionFailure() << "pipe: " << std::strerror(errno);
    const pid_t child = ::fork();
    if (child < 0)
        return testing::AssertionFailure() << "fork: " << std::strerror(errno);
    if (child == 0) {
        ::close(pipeFds[0]);
        auto report = [&](const std::string& text) {
            if (!text.empty())
                (void)!::write(pipeFds[1], text.data(), text.size());
            ::_exit(text.empty() ? 0 : 1);
        };
        if (dropPrivileges && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivilegedId) != 0 ||
             ::setuid(kUnprivilegedId) != 0 || ::geteuid() == 0))
            report(std::string("cannot drop to uid and gid 65534: ") + std::strerror(errno));
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vellamor-user-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            report(std::string("no scratch folder: ") + std::strerror(errno));
        const std::filesystem::path scratch(pattern);
        std::string failure = body(scratch);
        std::error_code ignored;
        std::filesystem::permissions(scratch, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(scratch, ignored);
        report(failure);
    }
    ::close(pipeFds[1]);
    std::string message;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        message.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeFds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return testing::AssertionSuccess();
    if (!WIFEXITED(status))
        return testing::AssertionFailure() << "the child ended by signal " << WTERMSIG(status);
    return testing::AssertionFailure() << message;
}

}  // namespace vellamor::test
