// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/file_replace.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/io/temporary_cleanup.h"
#include "unprivileged.h"

namespace vellamor {
namespace {

namespace fs = std::filesystem;
using test::RunUnprivileged;

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

// The temporary files left behind in the folder.
std::string Leftovers(const fs::path& folder) {
    std::string left;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string().starts_with(kTemporaryFilePrefix))
            left += e.path().filename().string() + " ";
    return left;
}

using Kind = FileReplaceError::Kind;

// A refusal as its kind and, for the system's own, its errno; none for a
// replacement that went through.
struct Refusal {
    Kind kind = Kind::System;
    int systemError = 0;
};
std::string Describe(const std::optional<Refusal>& r) {
    return r ? "kind " + std::to_string(static_cast<int>(r->kind)) + ", errno " +
                   std::to_string(r->systemError)
             : "replaced";
}
std::optional<Refusal> RefusalOf(const Expected<void, FileReplaceError>& r) {
    if (r)
        return std::nullopt;
    return Refusal{r.error().kind, r.error().systemError};
}
bool operator==(const Refusal& a, const Refusal& b) {
    return a.kind == b.kind && a.systemError == b.systemError;
}

mode_t ModeOf(const fs::path& p) {
    struct stat st {};
    ::lstat(p.c_str(), &st);
    return st.st_mode & 07777;
}

// Each failure, as an ordinary user and where it must hold for the
// administrator too as the suite's own user: the refusal names its kind
// and the system's errno, the old file keeps every byte, and no temporary file stays.
TEST(FileReplace, AFailureLeavesTheOldFileAndNothingElse) {
    struct Case {
        const char* what;
        std::function<void(const fs::path& folder, const fs::path& target)> arrange;
        std::string newBytes;
        Refusal refusal;
        bool administratorToo = false;
        FileReplaceHooks hooks = {};
    };
    const auto failingDisk = [](int) {
        errno = EIO;
        return -1;
    };
    const std::string big(200 * 1024, 'x');
    const std::vector<Case> cases{
        {"a write cut short (the disk full)",
         [](const fs::path&, const fs::path&) {
             ::signal(SIGXFSZ, SIG_IGN);
             const rlimit limit{4096, 4096};
             ::setrlimit(RLIMIT_FSIZE, &limit);
         },
         big,
         {Kind::System, EFBIG}},
        {"a write cut short through one of two hard links",
         [](const fs::path& folder, const fs::path& target) {
             fs::create_hard_link(target, folder / "other.sud");
             ::signal(SIGXFSZ, SIG_IGN);
             const rlimit limit{4096, 4096};
             ::setrlimit(RLIMIT_FSIZE, &limit);
         },
         big,
         {Kind::System, EFBIG}},
        {"a read-only file",
         [](const fs::path&, const fs::path& target) { fs::permissions(target, fs::perms(0444)); },
         "new",
         {Kind::ReadOnly},
         true},
        {"a disk that fails to flush",
         [](const fs::path&, const fs::path&) {},
         "new",
         {Kind::System, EIO},
         true,
         {{}, failingDisk}},
        {"a disk that fails to flush through one of two hard links",
         [](const fs::path& folder, const fs::path& target) {
             fs::create_hard_link(target, folder / "other.sud");
         },
         "new",
         {Kind::System, EIO},
         true,
         {{}, failingDisk}},
        {"a folder that may not be written",
         [](const fs::path& folder, const fs::path&) { fs::permissions(folder, fs::perms(0555)); },
         "new",
         {Kind::System, EACCES}},
    };
    for (const Case& c : cases) {
        for (const bool unprivileged : {true, false}) {
            if (!unprivileged && !c.administratorToo)
                continue;
            EXPECT_TRUE(RunUnprivileged(
                [&](const fs::path& scratch) -> std::string {
                    const fs::path folder = scratch / "charts";
                    fs::create_directory(folder);
                    const fs::path target = folder / "old.sud";
                    WriteBytes(target, "old bytes\r\n");
                    c.arrange(folder, target);
                    const auto r = ReplaceFile(target.string(), c.newBytes, c.hooks);
                    fs::permissions(folder, fs::perms::owner_all);
                    if (RefusalOf(r) != c.refusal)
                        return Describe(RefusalOf(r));
                    if (ReadBytes(target) != "old bytes\r\n")
                        return "the old file changed";
                    const std::string left = Leftovers(folder);
                    return left.empty() ? "" : "left behind: " + left;
                },
                unprivileged))
                << c.what << (unprivileged ? "" : " (as the suite's user)");
        }
    }
}

// A failed rename, and a headless run stopped by a signal between writing
// and renaming: the temporary file goes either way.
TEST(FileReplace, NoTemporaryFileOutlivesARenameThatFailsOrASignal) {
    // One that a kill -9 left long ago goes with the next save; one that a
    // save running now is writing stays.
    EXPECT_TRUE(RunUnprivileged([](const fs::path& scratch) -> std::string {
        const std::string stale = std::string(kTemporaryFilePrefix) + "aaaaaa";
        const std::string fresh = std::string(kTemporaryFilePrefix) + "bbbbbb";
        WriteBytes(scratch / stale, "half");
        WriteBytes(scratch / fresh, "half");
        fs::last_write_time(scratch / stale,
                            fs::last_write_time(scratch / stale) - std::chrono::hours(1));
        if (!ReplaceFile((scratch / "sheet.svg").string(), "<svg/>"))
            return "not saved";
        const std::string left = Leftovers(scratch);
        return left == fresh + " " ? "" : "left: " + left;
    }));
    EXPECT_TRUE(RunUnprivileged([](const fs::path& scratch) -> std::string {
        const fs::path target = scratch / "sheet.svg";
        const auto r = ReplaceFile(target.string(), "<svg/>",
                                   {[&] { fs::create_directories(target / "occupied"); }});
        if (r)
            return "renamed over a folder";
        fs::remove_all(target);
        const std::string left = Leftovers(scratch);
        return left.empty() ? "" : "after a failed rename: " + left;
    }));
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        EXPECT_TRUE(RunUnprivileged([signal](const fs::path& scratch) -> std::string {
            WriteBytes(scratch / "keep.png", "old");
            const pid_t run = ::fork();
            if (run == 0) {
                RemoveTemporaryFileOnSignals();
                (void)ReplaceFile((scratch / "keep.png").string(), "new",
                                  {[signal] { ::raise(signal); }});
                ::_exit(0);
            }
            int status = 0;
            ::waitpid(run, &status, 0);
            if (!WIFSIGNALED(status) || WTERMSIG(status) != signal)
                return "the run did not end by its signal";
            if (ReadBytes(scratch / "keep.png") != "old")
                return "the old file changed";
            const std::string left = Leftovers(scratch);
            return left.empty() ? "" : "left behind: " + left;
        })) << "signal "
            << signal;
    }
    // In a process with another thread (the window's), a signal during an
    // in-place rewrite reaches that thread: it ends the process only once
    // the file is whole.
    EXPECT_TRUE(RunUnprivileged([](const fs::path& scratch) -> std::string {
        WriteBytes(scratch / "linked.sud", "old");
        fs::create_hard_link(scratch / "linked.sud", scratch / "other.sud");
        const pid_t run = ::fork();
        if (run == 0) {
            RemoveTemporaryFileOnSignals();
            std::thread([] { ::pause(); }).detach();
            (void)ReplaceFile((scratch / "linked.sud").string(), "new", {[] {
                                  ::kill(::getpid(), SIGTERM);
                                  ::usleep(100000);
                              }});
            ::sleep(5);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(run, &status, 0);
        if (!WIFSIGNALED(status) || WTERMSIG(status) != SIGTERM)
            return "the run did not end by its signal";
        return ReadBytes(scratch / "other.sud") == "new" ? "" : "the file is not whole";
    }));
}

// One rule for symbolic links, whatever the kernel's own setting: a
// stranger's link in a shared folder is refused, any other link leads to the
// file that is replaced, and the link stays a link.
TEST(FileReplace, SymbolicLinksAreFollowedOnlyWhereNoStrangerPlantedThem) {
    struct Case {
        const char* what;
        std::string link;  // what the link "out.svg" points to, relative to its folder
        bool shared;       // the links lie in a sticky world-writable folder, else a plain one
        enum Owner { User, Stranger, FolderOwner } owner;  // whose the links are
        std::optional<Refusal> refusal;       // none: the file behind the link is replaced
        std::string saved = "links/out.svg";  // the path saved to
    };
    const Refusal refused{Kind::SharedFolderLink};
    const std::vector<Case> cases{
        {"a link to a file", "../real/out.svg", false, Case::User, {}},
        {"a chain of links", "hop.svg", false, Case::User, {}},
        {"the user's own link in a shared folder", "../real/out.svg", true, Case::User, {}},
        {"the folder owner's link in a shared folder", "hop.svg", true, Case::FolderOwner, {}},
        {"a stranger's link in a shared folder", "../real/out.svg", true, Case::Stranger, refused},
        {"a stranger's link in a world-writable folder, not sticky", "../real/out.svg", false,
         Case::Stranger, refused},
        {"a dangling link", "../real/nothing.svg", false, Case::User, Refusal{Kind::DanglingLink}},
        // A link to a folder ("dir" leads to "real"), anywhere in the path.
        {"the user's own folder link in a shared folder",
         "",
         true,
         Case::User,
         {},
         "links/dir/out.svg"},
        {"the folder owner's folder link in a shared folder",
         "",
         true,
         Case::FolderOwner,
         {},
         "links/dir/../links/out.svg"},
        {"a stranger's folder link in a shared folder", "", true, Case::Stranger, refused,
         "links/dir/out.svg"},
        {"a stranger's folder link further up", "", true, Case::Stranger, refused,
         "links/dir/../real/out.svg"},
    };
    // Another user's link can only be made by the administrator.
    const bool administrator = ::geteuid() == 0;
    std::string needsRoot;
    for (const Case& c : cases) {
        if (c.owner != Case::User && !administrator) {
            needsRoot += std::string(needsRoot.empty() ? "" : ", ") + c.what;
            continue;
        }
        std::string pattern = (fs::temp_directory_path() / "vellamor-links-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        const fs::path root(pattern);
        fs::permissions(root, fs::perms(0755));
        fs::create_directory(root / "real");
        fs::create_directory(root / "links");
        fs::permissions(root / "real", fs::perms(0777));
        fs::permissions(root / "links", c.shared ? fs::perms(01777) : fs::perms(0777));
        WriteBytes(root / "real" / "out.svg", "old");
        fs::create_symlink("../real/out.svg", root / "links" / "hop.svg");
        fs::create_symlink(c.link.empty() ? "../real/out.svg" : c.link, root / "links" / "out.svg");
        fs::create_directory_symlink("../real", root / "links" / "dir");
        if (administrator) {
            // The user below is 65534, the folders' owner root; a stranger
            // is some third user.
            const uid_t owner = c.owner == Case::Stranger      ? 65533
                                : c.owner == Case::FolderOwner ? 0
                                                               : test::kUnprivilegedId;
            for (const char* link : {"out.svg", "hop.svg", "dir"})
                ASSERT_EQ(::lchown((root / "links" / link).c_str(), owner, owner), 0);
            ASSERT_EQ(::chown((root / "real" / "out.svg").c_str(), test::kUnprivilegedId,
                              test::kUnprivilegedId),
                      0);
        }
        EXPECT_TRUE(RunUnprivileged([&](const fs::path&) -> std::string {
            const auto r = ReplaceFile((root / c.saved).string(), "new");
            if (RefusalOf(r) != c.refusal)
                return Describe(RefusalOf(r));
            if (ReadBytes(root / "real" / "out.svg") != (c.refusal ? "old" : "new"))
                return "the file behind the link is wrong";
            if (!fs::is_symlink(root / "links" / "out.svg") ||
                !fs::is_symlink(root / "links" / "dir"))
                return "a link was replaced";
            const std::string left = Leftovers(root / "links") + Leftovers(root / "real");
            return left.empty() ? "" : "left behind: " + left;
        })) << c.what;
        fs::remove_all(root);
    }
    if (!needsRoot.empty())
        GTEST_SKIP() << "not run as root, so no other user's link could be planted: " << needsRoot;
}

// A new file follows the umask; a replaced one keeps its mode.
TEST(FileReplace, ModesAreKept) {
    struct Case {
        mode_t umask;
        std::optional<mode_t> existing;  // the old file's mode, or none
        mode_t expected;
    };
    const std::vector<Case> cases{
        {022, std::nullopt, 0644}, {077, std::nullopt, 0600}, {002, std::nullopt, 0664},
        {022, 0600, 0600},         {077, 0664, 0664},         {022, 0640, 0640},
        {022, 02775, 02775},       {022, 01644, 01644},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(RunUnprivileged([&](const fs::path& scratch) -> std::string {
            const fs::path target = scratch / "chart.sud";
            if (c.existing) {
                WriteBytes(target, "old");
                fs::permissions(target, fs::perms(*c.existing));
            }
            ::umask(c.umask);
            if (!ReplaceFile(target.string(), "new"))
                return "not replaced";
            return ModeOf(target) == c.expected ? "" : "mode " + std::to_string(ModeOf(target));
        })) << "umask "
            << std::oct << c.umask << " expected " << c.expected;
    }
}

// Saving through one of two hard links rewrites the one file: both names
// show the new content, whether it is shorter or longer than the old.
TEST(FileReplace, HardLinksStayOneFile) {
    for (const std::string& content : {std::string("new"), std::string(100000, 'n')}) {
        EXPECT_TRUE(RunUnprivileged([&](const fs::path& scratch) -> std::string {
            const fs::path target = scratch / "chart.sud", other = scratch / "copy.sud";
            WriteBytes(target, "old bytes, longer than the new");
            fs::permissions(target, fs::perms(02750));
            fs::create_hard_link(target, other);
            const auto r = ReplaceFile(target.string(), content);
            if (!r)
                return Describe(RefusalOf(r));
            if (ReadBytes(other) != content || ReadBytes(target) != content)
                return "the names hold different content";
            if (fs::hard_link_count(target) != 2 || ModeOf(target) != 02750)
                return "the link or the mode was lost";
            return Leftovers(scratch);
        })) << content.size()
            << " bytes";
    }
}

// A save onto a file with two names, killed at each instant of its rewrite:
// the next open (or the next save) through either name finds the old chart
// or the new one, never the new bytes followed by the old tail, and says
// which; no side file stays once it is whole.
TEST(FileReplace, AKillAtAnyInstantOfAnInPlaceRewriteLeavesOldOrNew) {
    enum class KillAt { BeforeFirstByte, BeforeTruncate };
    struct Case {
        const char* what;
        KillAt at;
        std::string old, fresh;
        // After the kill, before recovery (a write cut short, say).
        std::function<void(const fs::path& target)> damage;
        InterruptedRewrite said;
        bool expectNew;
        std::string savedAfter = {};  // a save instead of an open
    };
    const std::string longer(5000, 'o');
    const std::vector<Case> cases{
        {"before the first new byte",
         KillAt::BeforeFirstByte,
         longer,
         "short",
         {},
         InterruptedRewrite::None,
         false},
        {"between the new bytes and the cut",
         KillAt::BeforeTruncate,
         longer,
         "short",
         {},
         InterruptedRewrite::Finished,
         true},
        {"a longer content written, nothing to cut",
         KillAt::BeforeTruncate,
         "old",
         longer + "new",
         {},
         InterruptedRewrite::None,
         true},
        {"part way through the new bytes", KillAt::BeforeFirstByte, longer, "short",
         [](const fs::path& target) {
             std::fstream f(target, std::ios::in | std::ios::out | std::ios::binary);
             f.write("sh", 2);
         },
         InterruptedRewrite::Undone, false},
        {"then saved again",
         KillAt::BeforeTruncate,
         longer,
         "short",
         {},
         InterruptedRewrite::None,
         true,
         "third"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(RunUnprivileged([&c](const fs::path& scratch) -> std::string {
            const fs::path target = scratch / "chart.sud", other = scratch / "twin.sud";
            WriteBytes(target, c.old);
            fs::create_hard_link(target, other);
            const pid_t run = ::fork();
            if (run == 0) {
                const auto die = [] { ::raise(SIGKILL); };
                FileReplaceHooks hooks;
                (c.at == KillAt::BeforeFirstByte ? hooks.beforeRename : hooks.beforeTruncate) = die;
                (void)ReplaceFile(target.string(), c.fresh, hooks);
                ::_exit(0);
            }
            int status = 0;
            ::waitpid(run, &status, 0);
            if (!WIFSIGNALED(status) || WTERMSIG(status) != SIGKILL)
                return "the run was not killed";
            if (c.damage)
                c.damage(target);
            std::string expected = c.expectNew ? c.fresh : c.old;
            if (!c.savedAfter.empty()) {
                if (!ReplaceFile(other.string(), c.savedAfter))
                    return "the next save failed";
                expected = c.savedAfter;
            } else {
                const auto said = RecoverInterruptedRewrite(other.string());
                if (!said)
                    return "the recovery failed: kind " +
                           std::to_string(static_cast<int>(said.error().kind));
                if (*said != c.said)
                    return "said " + std::to_string(static_cast<int>(*said));
            }
            for (const fs::path& name : {target, other})
                if (ReadBytes(name) != expected)
                    return name.filename().string() + " holds " +
                           std::to_string(ReadBytes(name).size()) + " bytes";
            if (fs::hard_link_count(target) != 2)
                return "the link was lost";
            return Leftovers(scratch);
        })) << c.what;
    }
}

// Only the administrator may give a file away: saving another user's file
// keeps it theirs.
TEST(FileReplace, AnotherUsersFileStaysTheirs) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "not run as root, so no file of another user can be made";
    std::string pattern = (fs::temp_directory_path() / "vellamor-owner-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path target = fs::path(pattern) / "theirs.sud";
    WriteBytes(target, "old");
    ASSERT_EQ(::chown(target.c_str(), test::kUnprivilegedId, test::kUnprivilegedId), 0);
    ASSERT_TRUE(ReplaceFile(target.string(), "new"));
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, test::kUnprivilegedId);
    EXPECT_EQ(st.st_gid, test::kUnprivilegedId);
    EXPECT_EQ(ReadBytes(target), "new");
    fs::remove_all(pattern);
}

// The temporary name does not grow with the target's: a name of the folder's
// full 255 bytes still saves.
TEST(FileReplace, ATargetNameOfTwoHundredFiftyFiveBytesSaves) {
    EXPECT_TRUE(RunUnprivileged([](const fs::path& scratch) -> std::string {
        const fs::path target = scratch / (std::string(251, 'n') + ".sud");
        const auto r = ReplaceFile(target.string(), "new");
        if (!r)
            return Describe(RefusalOf(r));
        return ReadBytes(target) == "new" ? "" : "wrong content";
    }));
}

}  // namespace
}  // namespace vellamor
