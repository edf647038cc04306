#pragma once
// The sequential text file the program reads and writes as file number 1: one file at a time,
// opened either for input or for output. Text on disk is Windows-1252, lines end in CR LF.
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace forms {

class FileReplacement;

enum class FileMode { Input, Output };

class TextFile {
public:
    // A field longer than this is an OutOfStringSpace error, so hostile files cannot exhaust
    // memory.
    static constexpr std::size_t maxFieldBytes = std::size_t{1} << 20;
    // Input is read whole as it is opened, so that what is read is the file as it was checked,
    // and a longer file is refused at once. No text file of the program's comes near this; each
    // reader names a tighter bound of its own.
    static constexpr long long longestInputFile = 16LL << 20;

    TextFile();
    // Output that close() never committed is discarded; the file it would have replaced stays.
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Errors: FileAlreadyOpen, FileNotFound (input), PathNotFound, PermissionDenied; input
    // longer than `longestInput` bytes is OutOfStringSpace.
    // Output replaces the file when close() commits it; until then the file stays as it was.
    void open(const std::filesystem::path& path, FileMode mode,
              long long longestInput = longestInputFile);
    bool isOpen() const;
    // Harmless when nothing is open. A failed commit of output is a DeviceIoError; the file is
    // closed all the same and the one it would have replaced stays whole.
    void close();

    // The text in Windows-1252, then CR LF. BadFileMode unless open for output. The lines reach
    // the disk when close() commits them.
    void printLine(std::string_view utf8);

    // The next field, decoded to UTF-8. BadFileMode unless open for input; InputPastEndOfFile
    // when nothing is left. Leading blanks are skipped; a field runs to the next comma or line
    // end (CR LF, CR or LF), which it consumes, and keeps its trailing blanks. A field that starts
    // with a double quote runs to the next double quote, across line ends, and the rest up to
    // the next comma or line end is dropped; more than maxFieldBytes of it is OutOfStringSpace.
    std::string readField();
    // The rest of the input file, byte for byte.
    std::string readAllBytes();

    // Whether input is used up (always so for output). BadFileNameOrNumber when nothing is open.
    bool atEnd() const;
    // The file's length in bytes. BadFileNameOrNumber when nothing is open.
    long long length() const;

private:
    struct Input;
    Input& input();
    FileReplacement& output();
    void openInput(const std::filesystem::path& path, long long longestInput);
    void openOutput(const std::filesystem::path& path);

    std::unique_ptr<Input> input_;
    std::unique_ptr<FileReplacement> output_;
};

}  // namespace forms
