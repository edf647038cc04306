#pragma once
// New content for a file, written so that the file it replaces is never seen half written.
//
// Where the folder takes a new file, the content goes to a temporary file beside the target,
// which then is renamed over it: a failure at any point leaves the earlier file whole. Where it
// does not (a folder the user may not write, holding a file the user may), or where the new file
// could not have the old one's owner (another user's file the user may write), the file is
// rewritten in place, with its space reserved first so that a full disk still leaves it as it
// was, and its length set only once the whole content is written. Either way the file keeps its
// owner and permissions.
//
// Other local users may change the path while it is saved to. The path is looked up once, a name
// at a time, and from then on the save acts on the folder and the file it found, held open, never
// on their names again. Each link on the way is followed only where it cannot be another user's
// trap (see forms/path_lookup.h).
//
// The temporary files have names of their own (".<name>.tesselby-save-" and six letters or
// digits), so that what an interrupted save left beside a file can be told apart from the
// user's own files and removed by the next save of that file. They can be opened by no other
// user until they are complete. A save holds its temporary file locked until it is renamed, so
// that a save of the same file by another program at the same time does not take it for a
// leftover; it never waits for that lock: a temporary file that another program holds is given
// up for one of another name.
#include <filesystem>
#include <string>
#include <string_view>

struct stat;

namespace forms {

class FileReplacement {
public:
    FileReplacement() = default;
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    // An open replacement that was never committed is dropped; the earlier file stays.
    ~FileReplacement();

    // False when the file can be neither replaced nor rewritten; nothing is changed then. That
    // covers a path that ends in a folder, a pipe or a device, and a link that may not be
    // followed.
    bool open(const std::filesystem::path& path);
    // Whether open() failed because no folder could be found where the path puts the file.
    bool foundNoFolder() const { return foundNoFolder_; }

    void append(std::string_view bytes) { content_.append(bytes); }
    long long size() const { return static_cast<long long>(content_.size()); }

    // Puts the content in place of the file. False when it could not; the replacement is closed
    // either way.
    bool commit();

private:
    enum class Existing { Opened, Replaced, Refused };
    enum class Temporary { Made, NotInThisFolder, NoneFree };

    bool findFile(int folder, const std::string& name);
    Existing openExisting(const struct stat& inspected);
    Temporary openTemporary();
    bool keepOwnerAndPermissions();
    bool commitTemporary();
    bool commitInPlace();
    void removeLeftovers() const;
    void dropTemporary();
    void closeAll();

    int folder_ = -1;   // the folder that holds the file, as found when opened
    std::string name_;  // the file's name in it
    // The file itself, open for writing: the one found, or a new one where no temporary file can
    // be made. -1 when a new file takes its name by the rename.
    int inPlace_ = -1;
    int temporary_ = -1;  // the temporary file; -1 when the file is rewritten in place
    std::string temporaryName_;
    std::string content_;
    bool foundNoFolder_ = false;
};

}  // namespace forms
