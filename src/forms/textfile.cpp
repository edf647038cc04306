#include "forms/textfile.h"

#include <QByteArray>

#include <algorithm>

#include "forms/codepage.h"
#include "forms/errors.h"
#include "forms/file_replacement.h"
#include "forms/plain_file.h"

namespace forms {
namespace fs = std::filesystem;
namespace {

RuntimeError fileError(ErrorCode code) {
    switch (code) {
        case ErrorCode::BadFileMode: return {code, "Bad file mode"};
        case ErrorCode::FileNotFound: return {code, "File not found"};
        case ErrorCode::FileAlreadyOpen: return {code, "File already open"};
        case ErrorCode::DeviceIoError: return {code, "Device I/O error"};
        case ErrorCode::InputPastEndOfFile: return {code, "Input past end of file"};
        case ErrorCode::PermissionDenied: return {code, "Permission denied"};
        case ErrorCode::PathNotFound: return {code, "Path not found"};
        case ErrorCode::OutOfStringSpace: return {code, "Out of string space"};
        default: return {ErrorCode::BadFileNameOrNumber, "Bad file name or number"};
    }
}

bool isFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

fs::path folderOf(const fs::path& path) {
    const fs::path parent = path.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

// Reads one field by the classic sequential-input rule from bytes not all read, from `position`
// on. The field's end is found first and the field taken in one piece: no more memory than the
// field itself, however long.
class FieldReader {
public:
    FieldReader(const QByteArray& bytes, qsizetype& position)
        : bytes_(bytes), position_(position) {}

    std::string read() {
        while (position_ < bytes_.size() && (bytes_[position_] == ' ' || bytes_[position_] == '\t'))
            ++position_;
        if (position_ < bytes_.size() && bytes_[position_] == '"') return readQuoted();
        std::string field = take(endOfField());
        endLine();
        return field;
    }

private:
    static bool endsField(char c) { return c == ',' || c == '\r' || c == '\n'; }

    std::string readQuoted() {
        ++position_;
        const qsizetype quote = bytes_.indexOf('"', position_);
        std::string field = take(quote < 0 ? bytes_.size() : quote);
        if (quote >= 0) ++position_;
        // What follows the closing quote is dropped, but held to a field's length all the same.
        const qsizetype end = endOfField();
        if (end - position_ > static_cast<qsizetype>(TextFile::maxFieldBytes)) tooLong();
        position_ = end;
        endLine();
        return field;
    }

    qsizetype endOfField() const {
        qsizetype end = position_;
        while (end < bytes_.size() && !endsField(bytes_[end])) ++end;
        return end;
    }

    // The bytes up to `end`, which reading passes.
    std::string take(qsizetype end) {
        if (end - position_ > static_cast<qsizetype>(TextFile::maxFieldBytes)) tooLong();
        std::string field(bytes_.constData() + position_,
                          static_cast<std::size_t>(end - position_));
        position_ = end;
        return field;
    }

    // Passes the comma or line end that ended the field; a CR may be the first half of CR LF.
    void endLine() {
        if (position_ >= bytes_.size()) return;
        const char ended = bytes_[position_++];
        if (ended == '\r' && position_ < bytes_.size() && bytes_[position_] == '\n') ++position_;
    }

    [[noreturn]] static void tooLong() { throw fileError(ErrorCode::OutOfStringSpace); }

    const QByteArray& bytes_;
    qsizetype& position_;
};

}  // namespace

// The input file's bytes, read whole as it was opened, and how far reading has come.
struct TextFile::Input {
    QByteArray bytes;
    qsizetype position = 0;

    bool atEnd() const { return position >= bytes.size(); }
};

TextFile::TextFile() = default;
TextFile::~TextFile() = default;

void TextFile::open(const fs::path& path, FileMode mode, long long longestInput) {
    if (isOpen()) throw fileError(ErrorCode::FileAlreadyOpen);
    if (path.empty()) throw fileError(ErrorCode::BadFileNameOrNumber);
    if (mode == FileMode::Input)
        openInput(path, longestInput);
    else
        openOutput(path);
}

void TextFile::openInput(const fs::path& path, long long longestInput) {
    // Opened without waiting and checked as opened: a pipe would wait for a writer, a terminal for
    // typing, and the program would hang.
    const PlainFile file(path, static_cast<off_t>(longestInput));
    switch (file.problem()) {
        case PlainFile::Problem::None: break;
        case PlainFile::Problem::Missing: {
            const bool inFolder = isFolder(folderOf(path));
            throw fileError(inFolder ? ErrorCode::FileNotFound : ErrorCode::PathNotFound);
        }
        // Refused before it is read, however sparse: read to its end, it would hold the window.
        case PlainFile::Problem::TooLong: throw fileError(ErrorCode::OutOfStringSpace);
        // A folder, a pipe, a device, or a plain file that may not be read.
        case PlainFile::Problem::NotPlain:
        case PlainFile::Problem::Unreadable: throw fileError(ErrorCode::PermissionDenied);
    }
    input_ = std::make_unique<Input>(Input{file.readAll()});
}

void TextFile::openOutput(const fs::path& path) {
    // The replacement looks the path up once and refuses a folder, a device or a pipe at its end:
    // looked at here first, the path could be changed between the look and the save.
    auto file = std::make_unique<FileReplacement>();
    if (!file->open(path)) {
        throw fileError(file->foundNoFolder() ? ErrorCode::PathNotFound
                                              : ErrorCode::PermissionDenied);
    }
    output_ = std::move(file);
}

bool TextFile::isOpen() const { return input_ || output_; }

void TextFile::close() {
    input_.reset();
    if (!output_) return;
    const std::unique_ptr<FileReplacement> file = std::move(output_);
    if (!file->commit()) throw fileError(ErrorCode::DeviceIoError);
}

TextFile::Input& TextFile::input() {
    if (!input_) throw fileError(ErrorCode::BadFileMode);
    return *input_;
}

FileReplacement& TextFile::output() {
    if (!output_) throw fileError(ErrorCode::BadFileMode);
    return *output_;
}

void TextFile::printLine(std::string_view utf8) { output().append(toWindows1252(utf8) + "\r\n"); }

std::string TextFile::readField() {
    Input& file = input();
    if (file.atEnd()) throw fileError(ErrorCode::InputPastEndOfFile);
    return fromWindows1252(FieldReader(file.bytes, file.position).read());
}

std::string TextFile::readAllBytes() {
    Input& file = input();
    const qsizetype start = std::min(file.position, file.bytes.size());
    file.position = file.bytes.size();
    return std::string(file.bytes.constData() + start,
                       static_cast<std::size_t>(file.position - start));
}

bool TextFile::atEnd() const {
    if (input_) return input_->atEnd();
    if (output_) return true;
    throw fileError(ErrorCode::BadFileNameOrNumber);
}

long long TextFile::length() const {
    if (input_) return input_->bytes.size();
    if (output_) return output_->size();
    throw fileError(ErrorCode::BadFileNameOrNumber);
}

}  // namespace forms
