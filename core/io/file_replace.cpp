// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/file_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <optional>
#include <random>
#include <utility>

#include "core/io/file_descriptor.h"
#include "core/io/temporary_cleanup.h"

namespace vellamor {
namespace {

FileReplaceError SystemError(int err) {
    return {FileReplaceError::Kind::System, err};
}

// A folder (held open) and a name in it.
struct Place {
    FileDescriptor folder;
    std::string name;
};

// Sticky or not: without the sticky bit anyone may plant a link there too.
bool IsSharedFolder(const struct stat& folder) {
    return (folder.st_mode & S_IWOTH) != 0;
}

#ifdef O_PATH
constexpr int kWalkFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
#else
constexpr int kWalkFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif

// The kernel's own limit on links followed in one lookup.
constexpr int kMaxLinks = 40;

// The text of the link `name` in `folder`, refused when it is a stranger's
// link in a shared folder: one that belongs neither to the effective user
// nor to the folder's owner, in a world-writable folder.
Expected<std::string, FileReplaceError> ReadLink(int folder, const std::string& name,
                                                 const struct stat& link, int& linksLeft) {
    if (linksLeft-- == 0)
        return Fail(SystemError(ELOOP));
    struct stat st {};
    if (::fstat(folder, &st) != 0)
        return Fail(SystemError(errno));
    if (IsSharedFolder(st) && link.st_uid != ::geteuid() && link.st_uid != st.st_uid)
        return Fail(FileReplaceError{FileReplaceError::Kind::SharedFolderLink, 0});
    std::string text(4096, '\0');
    const ssize_t n = ::readlinkat(folder, name.c_str(), text.data(), text.size());
    if (n < 0)
        return Fail(SystemError(errno));
    if (static_cast<std::size_t>(n) >= text.size())
        return Fail(SystemError(ENAMETOOLONG));
    text.resize(static_cast<std::size_t>(n));
    return text;
}

// Opens the folder `path` relative to `base` (ignored for an absolute path)
// one component at a time, so that the shared-folder rule holds for a link
// anywhere in the path, not only for the last component.
Expected<FileDescriptor, FileReplaceError> WalkToFolder(const std::string& path, int base,
                                                        int& linksLeft) {
    FileDescriptor at(::openat(base, path.starts_with('/') ? "/" : ".", kWalkFlags));
    if (at.get() < 0)
        return Fail(SystemError(errno));
    for (std::size_t start = 0; start < path.size();) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string name = path.substr(start, end - start);
        start = end + 1;
        if (name.empty() || name == ".")
            continue;
        struct stat st {};
        if (::fstatat(at.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return Fail(SystemError(errno));
        if (S_ISLNK(st.st_mode)) {
            auto text = ReadLink(at.get(), name, st, linksLeft);
            if (!text)
                return Fail(text.error());
            auto next = WalkToFolder(*text, at.get(), linksLeft);
            if (!next)
                return Fail(next.error());
            at = std::move(*next);
            continue;
        }
        if (!S_ISDIR(st.st_mode))
            return Fail(SystemError(ENOTDIR));
        // Not following a link: one planted since the check is refused.
        FileDescriptor next(::openat(at.get(), name.c_str(), kWalkFlags | O_NOFOLLOW));
        if (next.get() < 0)
            return Fail(SystemError(errno));
        at = std::move(next);
    }
    return at;
}

// Splits `path` into its folder, opened relative to `base` (ignored for an
// absolute path), and its last component.
Expected<Place, FileReplaceError> OpenPlace(const std::string& path, int base, int& linksLeft) {
    if (path.empty())
        return Fail(SystemError(ENOENT));
    if (path.back() == '/')
        return Fail(SystemError(EISDIR));
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : path.substr(0, slash);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name == "." || name == "..")
        return Fail(SystemError(EISDIR));
    auto walked = WalkToFolder(folder, base, linksLeft);
    if (!walked)
        return Fail(walked.error());
    // Opened for reading: the folder is synced after the rename.
    const int fd = ::openat(walked->get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Fail(SystemError(errno));
    return Place{FileDescriptor(fd), std::move(name)};
}

struct Target {
    Place place;
    bool exists = false;
    struct stat status {};
};

// Follows symbolic links from `path` to the file to replace (which need not
// exist yet), applying the shared-folder rule at every link.
Expected<Target, FileReplaceError> ResolveTarget(const std::string& path) {
    int linksLeft = kMaxLinks;
    auto opened = OpenPlace(path, AT_FDCWD, linksLeft);
    if (!opened)
        return Fail(opened.error());
    Target target{std::move(*opened), false, {}};
    for (int links = 0;; ++links) {
        Place& place = target.place;
        struct stat st {};
        if (::fstatat(place.folder.get(), place.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return Fail(SystemError(errno));
            if (links > 0)
                return Fail(FileReplaceError{FileReplaceError::Kind::DanglingLink, 0});
            return target;
        }
        if (!S_ISLNK(st.st_mode)) {
            target.exists = true;
            target.status = st;
            return target;
        }
        auto link = ReadLink(place.folder.get(), place.name, st, linksLeft);
        if (!link)
            return Fail(link.error());
        auto next = OpenPlace(*link, place.folder.get(), linksLeft);
        if (!next)
            return Fail(next.error());
        target.place = std::move(*next);
    }
}

std::string TemporaryName(std::mt19937& random) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string name(kTemporaryFilePrefix);
    for (int i = 0; i < 6; ++i)
        name += kLetters[pick(random)];
    return name;
}

// The temporary file, removed unless it was renamed.
class TemporaryFile {
  public:
    TemporaryFile(int folder) : m_folder(folder) {}
    ~TemporaryFile() {
        m_fd = FileDescriptor();
        if (!m_name.empty())
            ::unlinkat(m_folder, m_name.c_str(), 0);
        forget();
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int create() {
        std::random_device seed;
        std::mt19937 random(seed());
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = TemporaryName(random);
            CleanupSignalsHeld held;
            const int fd = ::openat(m_folder, name.c_str(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd < 0 && errno == EEXIST)
                continue;
            if (fd < 0)
                return errno;
            m_fd = FileDescriptor(fd);
            m_name = name;
            NoteTemporaryFile(m_folder, name);
            return 0;
        }
        return EEXIST;
    }
    int fd() const { return m_fd.get(); }
    const std::string& name() const { return m_name; }
    int close() { return ::close(m_fd.release()) == 0 ? 0 : errno; }
    // Renamed over the target: nothing left to remove.
    void forget() {
        ForgetTemporaryFile();
        m_name.clear();
    }

  private:
    int m_folder;
    FileDescriptor m_fd;
    std::string m_name;
};

int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int ReadAllAt(int fd, std::string& out, std::size_t limit) {
    char buffer[64 * 1024];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        out.append(buffer, static_cast<std::size_t>(n));
        if (out.size() > limit)
            return EFBIG;
        at += n;
    }
}

int WriteAllAt(int fd, std::string_view bytes) {
    for (off_t at = 0; !bytes.empty();) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(n));
        at += n;
    }
    return 0;
}

int SyncFile(int fd, const FileReplaceHooks& hooks) {
    return hooks.syncFile ? hooks.syncFile(fd) : ::fsync(fd);
}

// A write by an ordinary user clears the file's set-user-ID and
// set-group-ID bits; a replaced file keeps them.
int RestoreSetIdBits(int fd, const Target& target) {
    if (!target.exists || (target.status.st_mode & (S_ISUID | S_ISGID)) == 0)
        return 0;
    return ::fchmod(fd, target.status.st_mode & 07777) == 0 ? 0 : errno;
}

// The whole file becomes `bytes`, on the disk.
int Overwrite(int fd, std::string_view bytes, const FileReplaceHooks& hooks) {
    if (const int err = WriteAllAt(fd, bytes))
        return err;
    if (hooks.beforeTruncate)
        hooks.beforeTruncate();
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || SyncFile(fd, hooks) != 0)
        return errno;
    return 0;
}

Expected<void, FileReplaceError> ReplaceByRename(const Target& target, std::string_view bytes,
                                                 const FileReplaceHooks& hooks);

// The side file that keeps a file's old content while it is rewritten in
// place, named after the file itself (device and inode) so that opening it
// by any name in that folder finds it.
std::string KeepName(const struct stat& st) {
    char name[64];
    std::snprintf(name, sizeof name, "%skeep-%llx-%llx", kTemporaryFilePrefix.data(),
                  static_cast<unsigned long long>(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    return name;
}

// FNV-1a: tells the new content from anything else without keeping it.
std::uint64_t Fingerprint(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (const unsigned char c : bytes)
        h = (h ^ c) * 1099511628211ull;
    return h;
}

// The side file's first line says what the new content will be (its length
// and fingerprint); the old content follows, whole.
struct KeptContent {
    std::size_t newLength = 0;
    std::uint64_t newFingerprint = 0;
    std::string old;
};

std::optional<KeptContent> ReadKept(int folder, const std::string& keepName) {
    FileDescriptor keep(
        ::openat(folder, keepName.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (keep.get() < 0 || ::fstat(keep.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    std::string all;
    if (ReadAllAt(keep.get(), all, kMaxInPlaceBytes + 64) != 0)
        return std::nullopt;
    const std::size_t end = all.find('\n');
    KeptContent kept;
    unsigned long long length = 0, fingerprint = 0;
    if (end == std::string::npos ||
        std::sscanf(all.substr(0, end).c_str(), "vellamor-keep %llu %llx", &length, &fingerprint) !=
            2)
        return std::nullopt;
    kept.newLength = static_cast<std::size_t>(length);
    kept.newFingerprint = fingerprint;
    kept.old = all.substr(end + 1);
    return kept;
}

// Writes the side file whole and on the disk before the file changes: a
// temporary file synced, then renamed to its name, then the folder synced.
int WriteKept(int folder, const std::string& keepName, std::string_view newBytes,
              std::string_view old) {
    TemporaryFile temp(folder);
    if (const int err = temp.create())
        return err;
    char header[80];
    std::snprintf(header, sizeof header, "vellamor-keep %zu %llx\n", newBytes.size(),
                  static_cast<unsigned long long>(Fingerprint(newBytes)));
    if (const int err = WriteAll(temp.fd(), header))
        return err;
    if (const int err = WriteAll(temp.fd(), old))
        return err;
    if (::fsync(temp.fd()) != 0)
        return errno;
    if (const int err = temp.close())
        return err;
    if (::renameat(folder, temp.name().c_str(), folder, keepName.c_str()) != 0)
        return errno;
    temp.forget();
    if (::fsync(folder) != 0 && errno != EINVAL)
        return errno;
    return 0;
}

void RemoveKept(int folder, const std::string& keepName) {
    if (::unlinkat(folder, keepName.c_str(), 0) == 0)
        (void)::fsync(folder);
}

// Brings a file whose rewrite was cut off (a side file beside it) to one
// whole content: the new one where every new byte is in place and only
// the old tail is left to cut, else the old one from the side file. The
// side file goes once the file is whole on the disk.
Expected<InterruptedRewrite, FileReplaceError> Recover(int folder, int fd, const struct stat& st) {
    const std::string keepName = KeepName(st);
    const auto kept = ReadKept(folder, keepName);
    if (!kept) {
        // None, or one cut off before it was renamed into place: the file
        // itself was not touched yet.
        return InterruptedRewrite::None;
    }
    std::string now;
    if (const int err = ReadAllAt(fd, now, kMaxInPlaceBytes))
        return Fail(SystemError(err));
    InterruptedRewrite done = InterruptedRewrite::None;
    if (now == kept->old) {
        // Cut off before the first new byte.
    } else if (now.size() >= kept->newLength && Fingerprint(std::string_view(now).substr(
                                                    0, kept->newLength)) == kept->newFingerprint) {
        if (now.size() > kept->newLength) {
            if (::ftruncate(fd, static_cast<off_t>(kept->newLength)) != 0 || ::fsync(fd) != 0)
                return Fail(SystemError(errno));
            done = InterruptedRewrite::Finished;
        }
    } else {
        if (const int err = Overwrite(fd, kept->old, {}))
            return Fail(SystemError(err));
        done = InterruptedRewrite::Undone;
    }
    RemoveKept(folder, keepName);
    return done;
}

// A file with other names (hard links) keeps them: a new file renamed over
// this name would leave the other names holding the old content. The new
// content goes into the same file instead, as careful editors write such a
// file. The old content is first kept whole in a synced side file beside
// it, so that a kill or a power cut at any instant (between the new bytes
// and the cut to the new length, say) leaves something the next open or
// save puts right (RecoverInterruptedRewrite); a write that fails puts the
// old content back at once, and the signals that end the process are held
// off until the file is whole. Should even putting it back fail, the old
// content is saved under this name the usual way: the link is lost, the
// content never.
Expected<void, FileReplaceError> RewriteInPlace(const Target& target, std::string_view bytes,
                                                const FileReplaceHooks& hooks) {
    const int folder = target.place.folder.get();
    FileDescriptor file(
        ::openat(folder, target.place.name.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
    if (file.get() < 0)
        return Fail(SystemError(errno));
    struct stat st {};
    if (::fstat(file.get(), &st) != 0)
        return Fail(SystemError(errno));
    if (!S_ISREG(st.st_mode))
        return Fail(FileReplaceError{FileReplaceError::Kind::NotRegularFile, 0});
    // An earlier rewrite cut off is put right first, so that the content
    // kept now is a whole one.
    if (auto recovered = Recover(folder, file.get(), st); !recovered)
        return Fail(recovered.error());
    std::string old;
    if (const int err = ReadAllAt(file.get(), old, kMaxInPlaceBytes))
        return Fail(err == EFBIG ? FileReplaceError{FileReplaceError::Kind::LinkedAndLarge, 0}
                                 : SystemError(err));
#ifdef FALLOC_FL_KEEP_SIZE
    // Room for the new content first, where the file system can promise it,
    // so that a full disk stops the save before the file changes.
    if (bytes.size() > old.size() &&
        ::fallocate(file.get(), FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        return Fail(SystemError(errno));
#endif
    const std::string keepName = KeepName(st);
    if (const int err = WriteKept(folder, keepName, bytes, old))
        return Fail(SystemError(err));
    CleanupSignalsHeld held;
    if (hooks.beforeRename)
        hooks.beforeRename();
    const int err = Overwrite(file.get(), bytes, hooks);
    if (err == 0) {
        RemoveKept(folder, keepName);
        if (const int modeErr = RestoreSetIdBits(file.get(), target))
            return Fail(SystemError(modeErr));
        return {};
    }
    if (Overwrite(file.get(), old, {}) == 0)
        RemoveKept(folder, keepName);
    else if (ReplaceByRename(target, old, {}))
        RemoveKept(folder, keepName);
    return Fail(SystemError(err));
}

}  // namespace

Expected<void, FileReplaceError> ReplaceFile(const std::string& path, std::string_view bytes,
                                             const FileReplaceHooks& hooks) {
    auto resolved = ResolveTarget(path);
    if (!resolved)
        return Fail(resolved.error());
    const Target& target = *resolved;
    const int folder = target.place.folder.get();
    const char* name = target.place.name.c_str();
    if (target.exists) {
        if (!S_ISREG(target.status.st_mode))
            return Fail(FileReplaceError{FileReplaceError::Kind::NotRegularFile, 0});
        // Read-only by its mode even for the administrator, whom the access
        // check would let through.
        if ((target.status.st_mode & 0222) == 0 ||
            ::faccessat(folder, name, W_OK, AT_EACCESS) != 0) {
            if (errno == EROFS)
                return Fail(SystemError(EROFS));
            return Fail(FileReplaceError{FileReplaceError::Kind::ReadOnly, 0});
        }
        if (target.status.st_nlink > 1)
            return RewriteInPlace(target, bytes, hooks);
    }
    return ReplaceByRename(target, bytes, hooks);
}

Expected<InterruptedRewrite, FileReplaceError> RecoverInterruptedRewrite(const std::string& path) {
    auto resolved = ResolveTarget(path);
    if (!resolved)
        return Fail(resolved.error());
    const Target& target = *resolved;
    if (!target.exists || !S_ISREG(target.status.st_mode))
        return InterruptedRewrite::None;
    const int folder = target.place.folder.get();
    struct stat keep {};
    if (::fstatat(folder, KeepName(target.status).c_str(), &keep, AT_SYMLINK_NOFOLLOW) != 0)
        return InterruptedRewrite::None;
    FileDescriptor file(
        ::openat(folder, target.place.name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (file.get() < 0 || ::fstat(file.get(), &st) != 0)
        return Fail(SystemError(errno));
    if (st.st_dev != target.status.st_dev || st.st_ino != target.status.st_ino)
        return InterruptedRewrite::None;
    CleanupSignalsHeld held;
    return Recover(folder, file.get(), st);
}

namespace {

// A temporary file this user's save left behind when a kill -9 or a power
// cut ended it: one not touched for this long belongs to no save still
// running, and the next save into the folder clears it.
constexpr time_t kStaleTemporarySeconds = 15 * 60;

void ClearStaleTemporaryFiles(int folder) {
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        ::close(fd);
        return;
    }
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() != kTemporaryFilePrefix.size() + 6 ||
            !name.starts_with(kTemporaryFilePrefix))
            continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || st.st_nlink != 1 ||
            now - st.st_mtime < kStaleTemporarySeconds)
            continue;
        ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

Expected<void, FileReplaceError> ReplaceByRename(const Target& target, std::string_view bytes,
                                                 const FileReplaceHooks& hooks) {
    const int folder = target.place.folder.get();
    const char* name = target.place.name.c_str();
    TemporaryFile temp(folder);
    if (const int err = temp.create())
        return Fail(SystemError(err));
    if (target.exists) {
        // Owner first: changing it may clear the set-id bits that the mode
        // then restores. Only the administrator may give a file away; a
        // user may still keep the group when a member of it.
        if (::fchown(temp.fd(), target.status.st_uid, target.status.st_gid) != 0) {
            // A group the user is no member of stays the user's: no failure.
            [[maybe_unused]] const int groupKept =
                ::fchown(temp.fd(), static_cast<uid_t>(-1), target.status.st_gid);
        }
        if (::fchmod(temp.fd(), target.status.st_mode & 07777) != 0)
            return Fail(SystemError(errno));
    }
    if (const int err = WriteAll(temp.fd(), bytes))
        return Fail(SystemError(err));
    if (const int err = RestoreSetIdBits(temp.fd(), target))
        return Fail(SystemError(err));
    if (SyncFile(temp.fd(), hooks) != 0)
        return Fail(SystemError(errno));
    if (const int err = temp.close())
        return Fail(SystemError(err));
    if (hooks.beforeRename)
        hooks.beforeRename();
    if (::renameat(folder, temp.name().c_str(), folder, name) != 0)
        return Fail(SystemError(errno));
    temp.forget();
    // The rename itself lasts only once the folder is on the disk. Some file
    // systems cannot sync a folder (EINVAL); the file is in place there.
    if (::fsync(folder) != 0 && errno != EINVAL)
        return Fail(SystemError(errno));
    ClearStaleTemporaryFiles(folder);
    return {};
}

}  // namespace
}  // namespace vellamor
