#include "forms/textfile.h"

#include <QBuffer>

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

// Reads one field by the classic sequential-input rule from a device that is not at its end.
// It goes byte by byte through the device's own buffer, keeping nothing but the field.
class FieldReader {
public:
    explicit FieldReader(QIODevice& device) : device_(device) {}

    std::string read() {
        int c = next();
        while (c == ' ' || c == '\t') c = next();
        if (c == '"') return readQuoted();
        std::string field;
        for (; !endsField(c); c = next()) append(field, c);
        if (c == '\r') skipLineFeed();
        return field;
    }

private:
    static constexpr int endOfFile = -1;

    static bool endsField(int c) { return c == endOfFile || c == ',' || c == '\r' || c == '\n'; }

    std::string readQuoted() {
        std::string field;
        for (int c = next(); c != endOfFile && c != '"'; c = next()) append(field, c);
        // What follows the closing quote is dropped, but held to a field's length all the same.
        std::size_t dropped = 0;
        int c = next();
        for (; !endsField(c); c = next()) {
            if (++dropped > TextFile::maxFieldBytes) throw fileError(ErrorCode::OutOfStringSpace);
        }
        if (c == '\r') skipLineFeed();
        return field;
    }

    int next() {
        char c = 0;
        return device_.getChar(&c) ? static_cast<unsigned char>(c) : endOfFile;
    }

    // A CR may be the first half of CR LF.
    void skipLineFeed() {
        const int c = next();
        if (c != '\n' && c != endOfFile) device_.ungetChar(static_cast<char>(c));
    }

    static void append(std::string& field, int c) {
        if (field.size() == TextFile::maxFieldBytes) throw fileError(ErrorCode::OutOfStringSpace);
        field += static_cast<char>(c);
    }

    QIODevice& device_;
};

}  // namespace

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
    auto input = std::make_unique<QBuffer>();
    input->setData(file.readAll());
    input->open(QIODevice::ReadOnly);
    input_ = std::move(input);
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

QBuffer& TextFile::input() {
    if (!input_) throw fileError(ErrorCode::BadFileMode);
    return *input_;
}

FileReplacement& TextFile::output() {
    if (!output_) throw fileError(ErrorCode::BadFileMode);
    return *output_;
}

void TextFile::printLine(std::string_view utf8) { output().append(toWindows1252(utf8) + "\r\n"); }

std::string TextFile::readField() {
    QBuffer& file = input();
    if (file.atEnd()) throw fileError(ErrorCode::InputPastEndOfFile);
    return fromWindows1252(FieldReader(file).read());
}

std::string TextFile::readAllBytes() {
    const QByteArray rest = input().readAll();
    return std::string(rest.constData(), static_cast<std::size_t>(rest.size()));
}

bool TextFile::atEnd() const {
    if (input_) return input_->atEnd();
    if (output_) return true;
    throw fileError(ErrorCode::BadFileNameOrNumber);
}

long long TextFile::length() const {
    if (input_) return input_->size();
    if (output_) return output_->size();
    throw fileError(ErrorCode::BadFileNameOrNumber);
}

}  // namespace forms
