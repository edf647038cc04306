#include "forms/file_replacement.h"

#include "forms/path_lookup.h"

#include <QRandomGenerator>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>

namespace forms {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view TemporaryMark = ".tesselby-save-";
constexpr std::string_view RandomCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t RandomLength = 6;
constexpr int MostTemporaryNamesTried = 100;
constexpr int MostLooksForAFile = 10;

std::string temporaryPrefix(const std::string& name) {
    // Appended, not "." + name: GCC 12 at -O3 warns falsely of overlapping copies in the latter.
    std::string prefix(1, '.');
    prefix += name;
    prefix += TemporaryMark;
    return prefix;
}

bool isTemporaryOf(const std::string& name, std::string_view candidate) {
    const std::string prefix = temporaryPrefix(name);
    return candidate.size() == prefix.size() + RandomLength && candidate.starts_with(prefix) &&
           candidate.find_first_not_of(RandomCharacters, prefix.size()) == std::string::npos;
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

// A limit on the length of the files this program writes (ulimit -f) ends the program at the
// first write past it, and takes no account of reserved space. Checked before anything is
// written, it is a save that fails.
bool isWithinFileSizeLimit(off_t size) {
    rlimit limit{};
    return ::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
           static_cast<rlim_t>(size) <= limit.rlim_cur;
}

// The permissions a file made now gets: read/write for all but those the user's umask takes
// away. The umask is read where the system shows it, as setting it to learn it would change it
// for a moment for every thread. Where it does not show it, only the user may read the file.
mode_t permissionsOfNewFiles() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("Umask:")) {
            return 0666 & ~static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    return 0600;
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

bool isSameFile(const struct stat& one, const struct stat& other) {
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// Whether `name` in `folder` still names the file `file` describes, or another has taken it.
bool isAt(const struct stat& file, int folder, const char* name) {
    struct stat named {};
    return ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && isSameFile(named, file);
}

bool isAt(int fd, int folder, const char* name) {
    struct stat opened {};
    return ::fstat(fd, &opened) == 0 && isAt(opened, folder, name);
}

// Locks the temporary file `fd` just made as `name`, for as long as the save needs it: a save of
// the same file removes only temporary files it can lock. Without waiting: whoever holds it
// (another program that opened it, a save that took it for a leftover) could hold it for ever.
// One that ended between the making and the locking may have removed it; it is then no longer
// at `name`. Where the file system cannot lock, no save can, so none removes another's file
// either.
bool lockAsMade(int fd, int folder, const char* name) {
    int locked = 0;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0 && errno == EWOULDBLOCK) return false;
    return isAt(fd, folder, name);
}

// Removes the temporary file `name` in `folder` when it is what an interrupted save left: a
// plain file of this user's that no save holds. It is removed while locked, and only while its
// name still leads to the locked file: a save that held it until just now has renamed it to the
// saved file.
void removeIfLeftover(int folder, const char* name) {
    struct stat named {};
    if (::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !isUsersPlainFile(named)) {
        return;
    }
    // For writing, as some network file systems lock only files opened so.
    const Descriptor file(
        ::openat(folder, name, O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    if (!file) return;
    struct stat held {};
    if (::flock(file.get(), LOCK_EX | LOCK_NB) == 0 && ::fstat(file.get(), &held) == 0 &&
        isUsersPlainFile(held) && isAt(held, folder, name)) {
        ::unlinkat(folder, name, 0);
    }
}

void closeFile(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace

bool FileReplacement::open(const fs::path& path) {
    // A link stands for the file it points to: that file gets the content, the link stays. The
    // links are followed here rather than by the kernel, as the temporary file is made beside
    // the file they lead to.
    std::vector<std::string> folders = namesOf(path.native());
    std::string name = std::move(folders.back());
    folders.pop_back();
    PathLookup lookup;
    Descriptor folder = lookup.enter(folderAt(path.native().starts_with('/') ? "/" : "."), folders);
    // A link on the way that may not be followed refuses the save, as one at its end does.
    foundNoFolder_ = !folder && lookup.stop() != PathLookup::Stop::Refused;
    if (!folder) return false;
    if (!findFile(folder.get(), name)) return false;
    switch (openTemporary()) {
        case Temporary::Made: return true;
        case Temporary::NoneFree: return false;
        case Temporary::NotInThisFolder: break;
    }
    if (inPlace_ >= 0) return true;
    // A new file is made where no temporary one can be (a name too long to take the mark), and
    // only where nothing has come to take its name meanwhile.
    inPlace_ = ::openat(folder_, name_.c_str(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
    return inPlace_ >= 0;
}

// Finds where `name` in `folder` leads, and opens the file there if there is one. Another save
// may replace that file by the time it is opened: it is then looked for again.
bool FileReplacement::findFile(int folder, const std::string& name) {
    for (int look = 0; look < MostLooksForAFile; ++look) {
        std::optional<Destination> destination =
            PathLookup().find(Descriptor(::fcntl(folder, F_DUPFD_CLOEXEC, 0)), name);
        if (!destination) return false;
        closeFile(folder_);
        folder_ = destination->folder.release();
        name_ = std::move(destination->name);
        if (!destination->file) return true;
        // A folder, a pipe or a device cannot be replaced by a renamed file: a plain file would
        // take its place wherever the folder is writable (/dev/full for root, a pipe in a home
        // folder).
        if (!S_ISREG(destination->file->status.st_mode)) return false;
        switch (openExisting(destination->file->status)) {
            case Existing::Opened: return true;
            case Existing::Refused: return false;
            case Existing::Replaced: break;
        }
    }
    return false;
}

// The file is opened as it is; its content changes only when the new one is committed. It is
// opened without following a link and without waiting, and kept only if it is the very file that
// was looked at: what lies at its name may have been swapped for a link, a pipe or a device
// since. Opened for writing, it is also refused where the user may not write it (read-only,
// although its folder would allow a replacement).
FileReplacement::Existing FileReplacement::openExisting(const struct stat& inspected) {
    Descriptor file(::openat(folder_, name_.c_str(),
                             O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened {};
    if (!file || ::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode)) {
        return Existing::Refused;
    }
    if (!isSameFile(opened, inspected)) return Existing::Replaced;
    inPlace_ = file.release();
    return Existing::Opened;
}

FileReplacement::~FileReplacement() { closeAll(); }

// Made for this user alone, its permissions are the saved file's only once it is complete.
FileReplacement::Temporary FileReplacement::openTemporary() {
    const std::string prefix = temporaryPrefix(name_);
    for (int attempt = 0; attempt < MostTemporaryNamesTried; ++attempt) {
        const std::string name = prefix + randomPart();
        Descriptor file(::openat(folder_, name.c_str(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY,
                                 0600));
        if (!file && errno != EEXIST) return Temporary::NotInThisFolder;
        if (!file) continue;
        if (lockAsMade(file.get(), folder_, name.c_str())) {
            temporary_ = file.release();
            temporaryName_ = name;
            return Temporary::Made;
        }
        // Held by another program: this save's own file, given up.
        if (isAt(file.get(), folder_, name.c_str())) ::unlinkat(folder_, name.c_str(), 0);
    }
    return Temporary::NoneFree;
}

// Gives the complete temporary file the saved file's owner and permissions: the old file's, or
// for a new file those any file made now gets. Where it cannot have the old one's owner and group
// (another user's file that this user may write), it would take that file from its owner: the
// file is rewritten in place instead.
bool FileReplacement::keepOwnerAndPermissions() {
    if (inPlace_ < 0) {
        // A file system without permissions of its own (FAT) may refuse; the file then has those
        // it gives every file.
        (void)::fchmod(temporary_, permissionsOfNewFiles());
        return true;
    }
    struct stat existing {};
    // The owner first, as a change of owner may clear permission bits.
    return ::fstat(inPlace_, &existing) == 0 &&
           ::fchown(temporary_, existing.st_uid, existing.st_gid) == 0 &&
           ::fchmod(temporary_, existing.st_mode & 07777) == 0;
}

bool FileReplacement::commit() {
    bool done = false;
    if (temporary_ >= 0)
        done = commitTemporary();
    else if (inPlace_ >= 0)
        done = commitInPlace();
    closeAll();
    return done;
}

bool FileReplacement::commitTemporary() {
    // Data on disk before the rename, or a crash could leave an empty file in the old one's place.
    const bool written = isWithinFileSizeLimit(static_cast<off_t>(content_.size())) &&
                         writeAll(temporary_, content_) && ::fdatasync(temporary_) == 0;
    if (!written) {
        dropTemporary();
        return false;
    }
    if (!keepOwnerAndPermissions()) {
        dropTemporary();
        return inPlace_ >= 0 && commitInPlace();
    }
    // The file stays open, and so locked, until it is renamed; fdatasync has already told of
    // any failure to write it.
    if (::renameat(folder_, temporaryName_.c_str(), folder_, name_.c_str()) != 0) {
        dropTemporary();
        return false;
    }
    temporaryName_.clear();
    closeFile(temporary_);
    removeLeftovers();
    return true;
}

bool FileReplacement::commitInPlace() {
    const auto size = static_cast<off_t>(content_.size());
    struct stat before {};
    bool done = ::fstat(inPlace_, &before) == 0 && isWithinFileSizeLimit(size) &&
                reserveSpace(inPlace_, size, before.st_size);
    // The length is set only once the whole content is written: a rewrite cut short leaves no
    // byte but those of the old content and the new.
    done = done && writeAll(inPlace_, content_) && ::ftruncate(inPlace_, size) == 0 &&
           ::fdatasync(inPlace_) == 0;
    const bool closed = ::close(inPlace_) == 0;
    inPlace_ = -1;
    return done && closed;
}

// An interrupted save leaves its temporary file, a full copy, beside the file. Only plain files
// of this user that bear this file's temporary name are removed, never a link or a folder, nor
// the file of a save still in progress.
void FileReplacement::removeLeftovers() const {
    const int listing = ::openat(folder_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) return;
    DIR* const folder = ::fdopendir(listing);
    if (folder == nullptr) {
        ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(folder)) {
        if (isTemporaryOf(name_, entry->d_name)) removeIfLeftover(folder_, entry->d_name);
    }
    ::closedir(folder);
}

// Removed while still open, so while still locked: no other save can have taken its name.
void FileReplacement::dropTemporary() {
    ::unlinkat(folder_, temporaryName_.c_str(), 0);
    temporaryName_.clear();
    closeFile(temporary_);
}

void FileReplacement::closeAll() {
    if (temporary_ >= 0) dropTemporary();
    closeFile(inPlace_);
    closeFile(folder_);
}

}  // namespace forms
