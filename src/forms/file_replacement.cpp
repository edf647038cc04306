#include "forms/file_replacement.h"

#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

namespace forms {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view TemporaryMark = ".tesselby-save-";
constexpr std::string_view RandomCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t RandomLength = 6;
constexpr int MostLinksFollowed = 40;  // as many as the kernel follows

std::string temporaryPrefix(const fs::path& target) {
    // Appended, not "." + name: GCC 12 at -O3 warns falsely of overlapping copies in the latter.
    std::string prefix(1, '.');
    prefix += target.filename().string();
    prefix += TemporaryMark;
    return prefix;
}

bool isTemporaryOf(const fs::path& target, const std::string& name) {
    const std::string prefix = temporaryPrefix(target);
    return name.size() == prefix.size() + RandomLength && name.starts_with(prefix) &&
           name.find_first_not_of(RandomCharacters, prefix.size()) == std::string::npos;
}

std::string randomPart() {
    std::string part;
    for (std::size_t i = 0; i < RandomLength; ++i) {
        part += RandomCharacters[QRandomGenerator::global()->bounded(
            static_cast<quint32>(RandomCharacters.size()))];
    }
    return part;
}

bool writeAll(int fd, std::string_view bytes) {
    off_t offset = 0;
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

// A limit on the length of the files this program writes (ulimit -f) takes no account of
// reserved space, and would cut a rewrite short after the old content was overwritten.
bool isWithinFileSizeLimit(off_t size) {
    rlimit limit{};
    return ::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
           static_cast<rlim_t>(size) <= limit.rlim_cur;
}

// Reserves the disk space for the first `size` bytes of `fd`, `length` bytes long now, without
// changing its length: where the disk cannot hold them, this fails before a byte is overwritten.
// A file system that cannot reserve space has none reserved.
bool reserveSpace(int fd, off_t size, off_t length) {
    if (size == 0 || ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) == 0) return true;
    if (errno == EOPNOTSUPP || errno == ENOSYS) return true;
    (void)::ftruncate(fd, length);  // gives back what was reserved beyond the end
    return false;
}

bool isUsersPlainFile(const struct stat& status) {
    return S_ISREG(status.st_mode) && status.st_uid == ::geteuid();
}

// Whether `path` still names the file `file` describes, or another has taken its name.
bool isAt(const struct stat& file, const fs::path& path) {
    struct stat named {};
    return ::lstat(path.c_str(), &named) == 0 && named.st_dev == file.st_dev &&
           named.st_ino == file.st_ino;
}

// Locks the temporary file `fd` just made at `path`, for as long as the save needs it: a save of
// the same file removes only temporary files it can lock. One that ended between the making and
// the locking may have taken the file for a leftover and removed it; it is then no longer at
// `path`, and another is made. Where the file system cannot lock, no save can, so none removes
// another's file either.
bool lockAsMadeAt(int fd, const fs::path& path) {
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    struct stat made {};
    return ::fstat(fd, &made) == 0 && isAt(made, path);
}

// Removes the temporary file at `path` when it is what an interrupted save left: a plain file
// of this user's that no save holds. It is removed while locked, and only while its name still
// leads to the locked file: a save that held it until just now has renamed it to the saved file.
void removeIfLeftover(const fs::path& path) {
    struct stat named {};
    if (::lstat(path.c_str(), &named) != 0 || !isUsersPlainFile(named)) return;
    // For writing, as some network file systems lock only files opened so.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return;
    struct stat held {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && isUsersPlainFile(held) &&
        isAt(held, path)) {
        ::unlink(path.c_str());
    }
    ::close(fd);
}

// Whether a save follows the link at `link`, by the rule the kernel keeps where links are
// protected: in a folder that everyone may write and that keeps their files apart (sticky, as
// /tmp), another user could have put the link there to point at any file of this user's, so
// it is followed only when it is this user's or belongs to the folder's owner.
bool mayFollow(const fs::path& link, const struct stat& linkStatus) {
    if (linkStatus.st_uid == ::geteuid()) return true;
    const fs::path folderPath = link.has_parent_path() ? link.parent_path() : fs::path(".");
    struct stat folder {};
    if (::stat(folderPath.c_str(), &folder) != 0) return false;
    constexpr mode_t Shared = S_ISVTX | S_IWOTH;
    return (folder.st_mode & Shared) != Shared || folder.st_uid == linkStatus.st_uid;
}

// What lies at the end of the links at `path`, each followed from its own folder. Nothing when
// one of them may not be followed, cannot be read or they go round in a loop.
std::optional<fs::path> endOfLinks(const fs::path& path) {
    fs::path current = path;
    for (int followed = 0; followed <= MostLinksFollowed; ++followed) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return current;
        if (!mayFollow(current, status)) return std::nullopt;
        std::error_code error;
        const fs::path linked = fs::read_symlink(current, error);
        if (error) return std::nullopt;
        current = current.parent_path() / linked;  // an absolute link replaces the whole path
    }
    return std::nullopt;
}

}  // namespace

bool FileReplacement::open(const fs::path& path) {
    // A link stands for the file it points to: that file gets the content, the link stays. The
    // links are followed here rather than by the kernel, as the temporary file is made beside
    // the file they lead to.
    const std::optional<fs::path> linkedFile = endOfLinks(path);
    if (!linkedFile) return false;
    target_ = *linkedFile;
    struct stat existing {};
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    // A link to no file is replaced by the saved file.
    if (!exists && errno == ENOENT) target_ = path;
    // A read-only file is not replaced, although its folder would allow it.
    if (exists && ::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0) return false;
    if (openTemporary()) {
        if (!exists || keepOwnerAndPermissions(existing)) return true;
        dropTemporary();
    }
    // The file is opened as it is; its content changes only when the new one is committed. It is
    // opened without waiting and checked as opened: a path turned into a pipe or a device since
    // it was looked at must neither block the window nor take the content.
    fd_ = ::open(target_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
    struct stat opened {};
    if (fd_ >= 0 && (::fstat(fd_, &opened) != 0 || !S_ISREG(opened.st_mode))) closeFile();
    return fd_ >= 0;
}

FileReplacement::~FileReplacement() {
    if (!temporary_.empty()) dropTemporary();
    closeFile();
}

bool FileReplacement::openTemporary() {
    const std::string prefix = temporaryPrefix(target_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = target_.parent_path() / (prefix + randomPart());
        fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) return false;
        if (fd_ >= 0 && lockAsMadeAt(fd_, candidate)) {
            temporary_ = candidate;
            return true;
        }
        closeFile();
    }
    return false;
}

// Where the new file cannot have the old one's owner and group (another user's file that this
// user may write), it would take that file from its owner: it is rewritten in place instead.
bool FileReplacement::keepOwnerAndPermissions(const struct stat& existing) {
    // The owner first, as a change of owner may clear permission bits.
    return ::fchown(fd_, existing.st_uid, existing.st_gid) == 0 &&
           ::fchmod(fd_, existing.st_mode & 07777) == 0;
}

bool FileReplacement::commit() {
    if (fd_ < 0) return false;
    return temporary_.empty() ? commitInPlace() : commitTemporary();
}

bool FileReplacement::commitTemporary() {
    // Data on disk before the rename, or a crash could leave an empty file in the old one's place.
    const bool written = writeAll(fd_, content_) && ::fdatasync(fd_) == 0;
    // The file stays open, and so locked, until it is renamed; fdatasync has already told of
    // any failure to write it.
    if (written && ::rename(temporary_.c_str(), target_.c_str()) == 0) {
        temporary_.clear();
        closeFile();
        removeLeftovers();
        return true;
    }
    dropTemporary();
    return false;
}

bool FileReplacement::commitInPlace() {
    const auto size = static_cast<off_t>(content_.size());
    struct stat before {};
    bool done = ::fstat(fd_, &before) == 0 && isWithinFileSizeLimit(size) &&
                reserveSpace(fd_, size, before.st_size);
    // The length is set only once the whole content is written: a rewrite cut short leaves no
    // byte but those of the old content and the new.
    done = done && writeAll(fd_, content_) && ::ftruncate(fd_, size) == 0 && ::fdatasync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return done && closed;
}

// An interrupted save leaves its temporary file, a full copy, beside the file. Only plain files
// of this user that bear this file's temporary name are removed, never a link or a folder, nor
// the file of a save still in progress.
void FileReplacement::removeLeftovers() const {
    const fs::path folder = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const fs::path& path = entry->path();
        if (isTemporaryOf(target_, path.filename().string())) removeIfLeftover(path);
    }
}

// Removed while still open, so while still locked: no other save can have taken its name.
void FileReplacement::dropTemporary() {
    ::unlink(temporary_.c_str());
    temporary_.clear();
    closeFile();
}

void FileReplacement::closeFile() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

}  // namespace forms
