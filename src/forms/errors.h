#pragma once
// Run-time errors of the window runtime.
//
// A handler's error trap is an ordinary try/catch over the rest of the handler; an error that
// escapes every trap is caught by the runtime's dispatcher, reported on stderr, and the program
// goes on.
#include <stdexcept>
#include <string>

namespace forms {

// The classic error numbers, so that messages and tests can name them.
enum class ErrorCode : int {
    OutOfStringSpace = 14,
    Overflow = 6,
    TypeMismatch = 13,
    BadFileMode = 54,
    BadFileNameOrNumber = 52,
    FileNotFound = 53,
    FileAlreadyOpen = 55,
    DeviceIoError = 57,
    InputPastEndOfFile = 62,
    PermissionDenied = 70,
    PathNotFound = 76,
    InvalidPropertyValue = 380,
    InvalidPicture = 481,
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorCode code, const std::string& text) : std::runtime_error(text), code_(code) {}
    ErrorCode code() const { return code_; }
    int number() const { return static_cast<int>(code_); }

private:
    ErrorCode code_;
};

// Thrown by Runtime::end() to unwind every running handler once the program has been ended.
// Only the runtime's dispatcher catches it.
struct ProgramEnded {};

// "Resume next" for one statement: runs it and drops a run-time error it raises.
template <class Statement>
void resumeNext(Statement&& statement) {
    try {
        statement();
    } catch (const RuntimeError&) {
    }
}

}  // namespace forms
