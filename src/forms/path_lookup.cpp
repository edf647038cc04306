#include "forms/path_lookup.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <deque>

namespace forms {
namespace {

// Whether a save follows the link `link` in `folder`, by the rule the kernel keeps where links
// are protected: in a folder that everyone may write and that keeps their files apart (sticky,
// as /tmp), another user could have put the link there to point at any file or folder of this
// user's, so it is followed only when it is this user's or belongs to the folder's owner.
bool mayFollow(int folder, const struct stat& link) {
    if (link.st_uid == ::geteuid()) return true;
    struct stat status {};
    if (::fstat(folder, &status) != 0) return false;
    constexpr mode_t Shared = S_ISVTX | S_IWOTH;
    return (status.st_mode & Shared) != Shared || status.st_uid == link.st_uid;
}

// Nothing, with errno telling why, when there is nothing to be found by that name.
std::optional<Entry> lookUp(int folder, const std::string& name) {
    Entry entry{Descriptor(::openat(folder, name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC)), {}};
    if (!entry.fd || ::fstat(entry.fd.get(), &entry.status) != 0) return std::nullopt;
    return entry;
}

}  // namespace

std::vector<std::string> namesOf(std::string_view path) {
    std::vector<std::string> names;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view name = path.substr(start, end - start);
        if (!name.empty() && name != ".") names.emplace_back(name);
        start = end + 1;
    }
    if (path.empty() || path.ends_with('/') || path.ends_with("/.") || path == ".") {
        names.emplace_back(".");
    }
    return names;
}

Descriptor folderAt(const char* path) {
    return Descriptor(::open(path, O_PATH | O_DIRECTORY | O_CLOEXEC));
}

Descriptor PathLookup::enter(Descriptor folder, const std::vector<std::string>& names) {
    std::deque<std::string> pending(names.begin(), names.end());
    while (folder && !pending.empty()) {
        const std::string name = std::move(pending.front());
        pending.pop_front();
        std::optional<Entry> entry = lookUp(folder.get(), name);
        if (!entry) return fail(errno == ENOENT ? Stop::Missing : Stop::Failed);
        if (S_ISDIR(entry->status.st_mode)) {
            folder = std::move(entry->fd);
        } else if (S_ISLNK(entry->status.st_mode)) {
            const std::optional<std::string> linked = follow(folder.get(), *entry);
            if (!linked) return {};
            const std::vector<std::string> linkedNames = namesOf(*linked);
            pending.insert(pending.begin(), linkedNames.begin(), linkedNames.end());
            if (linked->starts_with('/')) folder = folderAt("/");
        } else {
            return fail(Stop::Failed);
        }
    }
    if (!folder) return fail(Stop::Failed);
    return folder;
}

std::optional<Destination> PathLookup::find(Descriptor folder, std::string name) {
    Descriptor ownFolder(::fcntl(folder.get(), F_DUPFD_CLOEXEC, 0));
    if (!ownFolder) return failed(Stop::Failed);
    const std::string ownName = name;
    for (;;) {
        std::optional<Entry> entry = lookUp(folder.get(), name);
        if (!entry && errno == ENOENT) return Destination{std::move(ownFolder), ownName, {}};
        if (!entry) return failed(Stop::Failed);
        if (!S_ISLNK(entry->status.st_mode)) {
            return Destination{std::move(folder), std::move(name), std::move(entry)};
        }
        const std::optional<std::string> linked = follow(folder.get(), *entry);
        if (!linked) return std::nullopt;
        std::vector<std::string> linkedNames = namesOf(*linked);
        name = std::move(linkedNames.back());
        linkedNames.pop_back();
        if (linked->starts_with('/')) folder = folderAt("/");
        folder = enter(std::move(folder), linkedNames);
        if (!folder && stop_ == Stop::Missing) {
            return Destination{std::move(ownFolder), ownName, {}};
        }
        if (!folder) return std::nullopt;
    }
}

std::optional<std::string> PathLookup::follow(int folder, const Entry& link) {
    if (--linksLeft_ < 0) return failed(Stop::Failed);
    if (!mayFollow(folder, link.status)) return failed(Stop::Refused);
    std::string linked(PATH_MAX, '\0');
    const ssize_t length = ::readlinkat(link.fd.get(), "", linked.data(), linked.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= linked.size()) {
        return failed(Stop::Failed);
    }
    linked.resize(static_cast<std::size_t>(length));
    return linked;
}

}  // namespace forms
