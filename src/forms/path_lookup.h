#pragma once
// A path looked up the way the kernel looks it up, a name at a time from folders held open, so
// that what is learnt of each name holds for what is done with it, whatever another program
// does to the names meanwhile; except that a link is followed only where another local user
// cannot have laid it as a trap.
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace forms {

// An open file descriptor, closed with its owner.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~Descriptor() { reset(-1); }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    int release() { return std::exchange(fd_, -1); }
    void reset(int fd) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_ = -1;
};

// The names of a path in order, without the empty ones and the "." that change nothing; a path
// that ends in a slash or "." ends in ".", so that its last name is the folder it names.
std::vector<std::string> namesOf(std::string_view path);

// A folder by its path, held open without being read.
Descriptor folderAt(const char* path);

// A name in a folder as it is, a link not followed: held open, so that what is learnt of it
// holds for what is done with it.
struct Entry {
    Descriptor fd;
    struct stat status {};
};

// Where a save writes: the folder it found, held open, and the name in it.
struct Destination {
    Descriptor folder;
    std::string name;
    std::optional<Entry> file;  // what is there now, never a link; nothing for a new file
};

// Looks a path up the way the kernel does, a name at a time from a folder held open, except
// that each link is followed only by the rule of mayFollow: links as folders too, as another
// user's link in the middle of a path leads the save into a folder of this user's as surely as
// one at its end leads it to a file.
class PathLookup {
public:
    enum class Stop { Missing, Refused, Failed };

    Stop stop() const { return stop_; }

    // The folder `names` lead to from `folder`. An empty descriptor when there is none.
    Descriptor enter(Descriptor folder, const std::vector<std::string>& names);

    // Where a save of `name` in `folder` writes. A link there stands for what it leads to, and
    // one that leads to no file for itself, to be replaced by the saved file.
    std::optional<Destination> find(Descriptor folder, std::string name);

private:
    // What the link says, when it may be followed.
    std::optional<std::string> follow(int folder, const Entry& link);

    Descriptor fail(Stop stop) {
        stop_ = stop;
        return {};
    }

    std::nullopt_t failed(Stop stop) {
        stop_ = stop;
        return std::nullopt;
    }

    static constexpr int MostLinksFollowed = 40;  // as many as the kernel follows
    int linksLeft_ = MostLinksFollowed;
    Stop stop_ = Stop::Failed;
};

}  // namespace forms
