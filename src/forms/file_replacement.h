#pragma once
// New content for a file, written so that the file it replaces is never seen half written.
//
// Where the folder takes a new file, the content goes to a temporary file beside the target,
// which then is renamed over it: a failure at any point leaves the earlier file whole. Where it
// does not (a folder the user may not write, holding a file the user may), the file is rewritten
// in place, with its space reserved first so that a full disk still leaves it as it was, and its
// length set only once the whole content is written. Either way the file keeps its owner and
// permissions.
//
// The temporary files have names of their own (".<name>.tesselby-save-" and six letters or
// digits), so that what an interrupted save left beside a file can be told apart from the
// user's own files and removed by the next save of that file. A save holds its temporary file
// locked until it is renamed, so that a save of the same file by another program at the same
// time does not take it for a leftover.
#include <filesystem>
#include <string>
#include <string_view>

struct stat;

namespace forms {

class FileReplacement {
public:
    // False when the file can be neither replaced nor rewritten; nothing is changed then.
    bool open(const std::filesystem::path& path);
    // An open replacement that was never committed is dropped; the earlier file stays.
    ~FileReplacement();

    void append(std::string_view bytes) { content_.append(bytes); }
    long long size() const { return static_cast<long long>(content_.size()); }

    // Puts the content in place of the file. False when it could not; the replacement is closed
    // either way.
    bool commit();

private:
    bool openTemporary();
    bool keepOwnerAndPermissions(const struct stat& existing);
    bool commitTemporary();
    bool commitInPlace();
    void removeLeftovers() const;
    void dropTemporary();
    void closeFile();

    std::filesystem::path target_;
    std::filesystem::path temporary_;  // empty when the file is rewritten in place
    int fd_ = -1;
    std::string content_;
};

}  // namespace forms
